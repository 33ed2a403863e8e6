// The Rabbinical calendar and the Gregorian and Julian day counts against
// hebcal's new years, published moladot, the standard library's calendar and
// Fliegel and Van Flandern's formula; the Rabbinical-year and Easter listings.
#include "conversions/hebrew_calendar.h"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

#include "conversions/easter_window_model.h"
#include "conversions/hebrew_window_model.h"
#include "support/civil_days.h"
#include "support/reference_files.h"
#include "support/window_fakes.h"

namespace orvane::conversions {
namespace {

// JD at midnight starting a proleptic Gregorian date, historical year.
double GregorianJD(int year, int month, int day) {
  return testing::NoonJD(testing::CivilDays(day, month, std::abs(year), year < 0)) - 0.5;
}

// "YEAR MONTH DAY [TAG]" lines of a file of reference vectors.
struct VectorDate {
  int year = 0, month = 0, day = 0;
  std::string tag;
};
std::vector<VectorDate> ReadVectors(const std::string& name) {
  std::vector<VectorDate> dates;
  for (const std::string& line : testing::ReferenceLines(name)) {
    VectorDate& date = dates.emplace_back();
    std::istringstream(line) >> date.year >> date.month >> date.day >> date.tag;
  }
  return dates;
}

TEST(TishriOne, AgreesWithHebcalForEveryYearFrom1To9999) {
  const auto dates = ReadVectors("tishri_one_hebcal.txt");
  ASSERT_EQ(dates.size(), 9999u);
  int disagreements = 0;
  for (const auto& d : dates) {
    if (TishriOneJD(d.year) != GregorianJD(d.year, d.month, d.day) && ++disagreements <= 10) {
      ADD_FAILURE() << "year " << d.year << ": " << TishriOneJD(d.year);
    }
  }
  EXPECT_EQ(disagreements, 0);
  EXPECT_EQ(TishriOneJD(-3761), 347997.5);  // the epoch: 1 Tishri of year 1
}

TEST(Molad, PublishedMoladotAndThePostponementBoundaries) {
  // Molad Tishri 5784: Friday 5:49 a.m. (11 h 882 p after 6 p.m.); 5785:
  // Thursday 3:21 a.m. and 13 parts; the epoch: Monday 5 h 204 p.
  struct MoladCase {
    int hyear, days, hours, parts;
  };
  for (const MoladCase c :
       {MoladCase{1, 2, 5, 204}, MoladCase{5784, 6, 11, 882}, MoladCase{5785, 5, 9, 391}}) {
    const Molad m = MoladOfTishri(c.hyear - 3761);
    EXPECT_EQ(std::tie(m.days, m.hours, m.parts), std::tie(c.days, c.hours, c.parts)) << c.hyear;
  }
  // Each postponement starts exactly at its boundary time.
  struct Case {
    int hyear, weekday, hours, parts;
    bool r1, r2, r3, r4;
  };
  const Case cases[] = {
      {5785, 2, 17, 1079, false, false, true, false},
      {5785, 2, 18, 0, true, false, false, false},  // noon
      {5785, 3, 9, 203, false, false, false, false},
      {5785, 3, 9, 204, false, true, false, true},   // common year
      {5784, 3, 12, 0, false, false, false, false},  // a leap year
      {5785, 2, 15, 588, false, false, false, false},
      {5785, 2, 15, 589, false, false, true, false},  // after a leap year
      {5786, 2, 16, 0, false, false, false, false},   // 5785 is common
      {5785, 1, 3, 0, false, false, false, true},
      {5785, 4, 3, 0, false, false, false, true},  // Sunday, Wednesday
      {5785, 6, 3, 0, false, false, false, true},
      {5785, 0, 3, 0, false, false, false, false},  // Friday, Saturday
      {5785, 0, 20, 0, true, false, false, true},
      {5785, 6, 20, 0, true, false, false, false},  // to Sunday, Saturday
      {5785, 3, 19, 0, true, false, false, true},   // rule 1 excludes rules 2 and 3
  };
  for (const Case& c : cases) {
    const PostponementFlags f = PostponementRules(c.hyear, c.weekday, c.hours, c.parts);
    EXPECT_EQ(std::tie(f.rule1, f.rule2, f.rule3, f.rule4), std::tie(c.r1, c.r2, c.r3, c.r4))
        << c.hyear << " day " << c.weekday << " " << c.hours << "h " << c.parts << "p";
  }
}

TEST(CivilDays, EveryThirdDayOfTheRangeBothWaysInBothCalendars) {
  // The Julian calendar by Fliegel and Van Flandern's integer formula; the
  // Gregorian beyond the engine's every-day check, to the column's limits.
  const auto julianJD = [](long y, long m, long d) {
    const long a = (14 - m) / 12, Y = (y < 0 ? y + 1 : y) + 4800 - a, M = m + 12 * a - 3;
    return static_cast<double>(d + (153 * M + 2) / 5 + 365 * Y + Y / 4 - 32083) - 0.5;  // Y > 0 from 4713 BCE
  };
  int faults = 0;
  for (double jd = GregorianJD(-4600, 1, 1); jd <= GregorianJD(29000, 12, 31) && faults < 10; jd += 3) {
    const std::chrono::year_month_day g{
        std::chrono::sys_days{std::chrono::days{static_cast<long>(jd) - 2440587}}};
    const int y = static_cast<int>(g.year()), gy = y > 0 ? y : y - 1;
    const int gm = static_cast<int>(unsigned(g.month())), gd = static_cast<int>(unsigned(g.day()));
    const GregorianDateText text = JDToGregorianText(jd + 0.49);  // the hour plays no part
    const JulianDate julian = JDToJulianDate(jd);
    if (GregorianToJD(gm, gd, gy) != jd || text.year != gy || text.month != gm || text.day != gd ||
        IsGregorianLeapYear(gy) != std::chrono::year(y).is_leap() ||
        julianJD(julian.year, julian.month, julian.day) != jd ||
        JulianToJD(julian.year, julian.month, julian.day) != jd) {
      ADD_FAILURE() << "JD " << jd << ": " << gy << "-" << gm << "-" << gd;
      ++faults;
    }
  }
  EXPECT_EQ(faults, 0);
  // Texts across the missing year 0; days outside the month run on.
  const GregorianDateText lastBce = JDToGregorianText(1721424.5);
  EXPECT_EQ(lastBce.day_text + "/" + lastBce.month_text + "/" + lastBce.year_text, "31/12/-0001");
  EXPECT_EQ(JDToGregorianText(GregorianJD(33, 4, 3)).year_text +
                JDToGregorianText(GregorianJD(29000, 5, 9)).year_text,
            "003329000");
  EXPECT_EQ(GregorianToJD(1, -1000, 2024), GregorianJD(2024, 1, 1) - 1001);
  // The reform: Thursday 4 October 1582 (Julian) was followed by Friday 15 October.
  EXPECT_EQ(JulianToJD(1582, 10, 4) + 1, GregorianToJD(10, 15, 1582));
}

TEST(HebrewDates, PublishedDatesAndEveryDayAroundTheEdgesAndTheEras) {
  HebrewCalendar calendar;
  struct Case {
    int year, month, day;  // Gregorian
    int hmonth, hday, hyear;
  };
  const Case cases[] = {
      {2024, 4, 9, 1, 1, 5784},    {2024, 3, 24, 13, 14, 5784},  // Purim of a leap year, in Adar II
      {2025, 3, 14, 12, 14, 5785}, {2025, 3, 29, 12, 29, 5785},  // Purim, the last of Adar in a common year
      {2025, 3, 30, 1, 1, 5785},   {2024, 10, 12, 7, 10, 5785},  // Day of Atonement
      {2024, 12, 26, 9, 25, 5785}, {2023, 9, 16, 7, 1, 5784},    // Hanukkah, Rosh Hashanah
  };
  for (const Case& c : cases) {
    const double jd = GregorianJD(c.year, c.month, c.day);
    const HebrewDate d = calendar.JDToHebrewDate(jd);
    EXPECT_EQ(std::tie(d.month, d.day, d.year), std::tie(c.hmonth, c.hday, c.hyear))
        << c.year << "-" << c.month;
    EXPECT_EQ(calendar.HebrewToJD(c.hmonth, c.hday, c.hyear), jd);
  }
  EXPECT_EQ(calendar.HebrewToJD(7, 0, 5785), calendar.HebrewToJD(6, 29, 5784));
  EXPECT_EQ(calendar.HebrewToJD(7, -1000, 5785), calendar.HebrewToJD(7, 1, 5785) - 1001);
  EXPECT_EQ(calendar.HebrewToJD(13, 1, 5785), calendar.HebrewToJD(1, 1, 5785));  // no Vedar in a common year

  EXPECT_EQ(HebrewYearLength(0), 0);     // there is no year 0
  EXPECT_EQ(HebrewYearLength(-1), 355);  // 3761 runs from 16 September 1 BCE to 6 September 1 CE

  // Every day of the sacred years from Nisan, with the months of the
  // published rule for the year's length, and each new year on an allowed
  // weekday: the earliest years of the windows, across 1 BCE / 1 CE, the
  // present, the latest years.
  int faults = 0;
  for (const auto& [first, last] :
       std::vector<std::pair<int, int>>{{-4600, -4560}, {-20, 20}, {1940, 2040}, {31950, 31999}}) {
    for (int year = first; year <= last; ++year) {
      if (year == 0) continue;
      const int length = HebrewYearLength(year), hyear = (year < 0 ? year + 1 : year) + 3761;
      const int weekday = static_cast<int>(std::fmod(TishriOneJD(year) + 1.5, 7.0));  // 0: Sunday
      if (weekday == 0 || weekday == 3 || weekday == 5 || (length > 380) != IsHebrewLeapYear(hyear) ||
          calendar.MonthsInSacredYear(year) != (length > 380 ? 13 : 12) ||
          calendar.HebrewYearType(year) < 1 || calendar.HebrewYearType(year) > 6)
        ADD_FAILURE() << "year " << year << ": weekday " << weekday << ", " << length << " days";
      // Cheshvan is full in a complete year, Kislev short in a deficient
      // one; a leap year has a full Adar I and a short Adar II.
      int months[] = {30, 29, 30, 29, 30, 29, 30, 29, 30, 29, 30, 29, 0};
      if (length % 10 == 5) months[7] = 30;
      if (length % 10 == 3) months[8] = 29;
      if (length > 380) {
        months[11] = 30;
        months[12] = 29;
      }
      double jd = TishriOneJD(year) - 177;  // 1 Nisan
      for (int month = 1; month <= 13; ++month) {
        for (int day = 1; day <= months[month - 1]; ++day, jd += 1) {
          const int hy = month <= 6 ? hyear - 1 : hyear;
          const HebrewDate d = calendar.JDToHebrewDate(jd);
          if (std::tie(d.month, d.day, d.year) != std::tie(month, day, hy) ||
              calendar.HebrewToJD(month, day, hy) != jd) {
            if (++faults <= 10)
              ADD_FAILURE() << day << "/" << month << "/" << hy << " read back as " << d.day << "/" << d.month
                            << "/" << d.year;
          }
        }
      }
    }
  }
  EXPECT_EQ(faults, 0);
}

// --- The listings ----------------------------------------------------------------------

TEST(RabbinicalListing, MonthsAndHolyDaysOfTheSacredYear) {
  // Month starts and feasts as hebcal gives them; a heading of three lines,
  // the months, a blank line and 21 lines of holy days.
  const std::tuple<const char*, std::size_t, std::vector<std::string>> cases[] = {
      {"2024",
       12,
       {"Embolismic Deficient (383 days) for year 5784\r\n", "Nisan    5784 - TUE,09 APR 2024",
        "Adar     5785 - SAB,01 MAR 2025", "Passover preparation day is MON,22 APR 2024",
        "(Wave Offering) is WED,24 APR 2024", "Pentecost is WED,12 JUN 2024",
        "Day of Atonement is SAB,12 OCT 2024", "Last Great Day is THU,24 OCT 2024"}},
      {"1", 13, {"Common Complete (355 days) for year 3761\r\n", "Shevat   3762 - TUE,01 JAN 0002"}},
      {"-1",
       12,
       {"Embolismic Complete (385 days) for year 3760\r\n", "Nisan    3760 - THU,23 MAR -0001",
        "Shevat   3761 - SAB,13 JAN 0001"}},
      {"-4600", 0, {"Nisan    -839 - "}},
      {"32000", 0, {"Nisan    35760 - "}},
  };
  for (const auto& [year, months, lines] : cases) {
    SCOPED_TRACE(year);
    const std::string text = RabbinicalYearListing(year);
    for (const std::string& line : lines) EXPECT_NE(text.find(line), std::string::npos) << line;
    if (months != 0) {
      EXPECT_EQ(testing::TextLines(text).size(), 3 + months + 1 + 21);
    }
    EXPECT_TRUE(
        text.ends_with("\r\nThe Rabbinical Holy Day dates are frequently wrong.\r\n"
                       "Read the [Help] documentation for details."));
  }
}

// Every Easter listing line from dateutil's Easter: Good Friday two days
// before, Julian dates marked as such.
std::vector<std::string> DateutilLines(int first, int count) {
  static const auto dates = ReadVectors("easter_dateutil.txt");
  static const char* const kMonths[] = {"", "", "", "March", "April"};
  std::vector<std::string> lines;
  for (int year = first; year < first + count; ++year) {
    const auto& d = dates.at(static_cast<std::size_t>(year - 1));
    EXPECT_EQ(d.year, year);
    const bool march = d.day <= 2;
    char line[160];
    std::snprintf(line, sizeof line, "'Good Friday' is %02d %s, %04d   Easter Sunday is %02d %s, %04d%s",
                  march ? d.day + 29 : d.day - 2, kMonths[march ? 3 : d.month], year, d.day, kMonths[d.month],
                  year, d.tag == "J" ? " (Julian)" : "");
    lines.push_back(line);
  }
  return lines;
}

TEST(EasterList, EveryYearAgreesWithDateutil) {
  SilentBeeper beeper;
  EasterWindowModel model(beeper);
  for (int year = 1; year <= 9999; ++year) {
    model.SetEasterYear(year);
    year < EasterWindowModel::kFirstGregorianYear ? model.JulianEasterLine() : model.GregorianEasterLine();
  }
  EXPECT_EQ(testing::TextLines(model.OutputText()), DateutilLines(1, 9999));
  for (int start : {33, 1582, 2024, 9499})
    EXPECT_EQ(testing::TextLines(EasterListing(std::to_string(start))), DateutilLines(start, 60));
}

// The Rabbinical-year and Easter windows share one core; each brings the
// year to its own limits, the Easter window with a beep.
TEST(ListingWindows, ClampTheYearToTheirLimits) {
  test::CountingBeeper beeper;
  EasterWindowModel easter(beeper);
  HebrewWindowModel rabbinical(beeper);
  const std::tuple<ListingWindowModel&, std::string (*)(std::string_view), const char*, const char*, int>
      cases[] = {
          {easter, EasterListing, "0", "1", 1},
          {easter, EasterListing, "Year", "1", 1},
          {easter, EasterListing, "9500", "9499", 1},
          {easter, EasterListing, "99999999999999999999", "9499", 1},
          {rabbinical, RabbinicalYearListing, "0", "-1", 0},
          {rabbinical, RabbinicalYearListing, "abc", "-1", 0},
          {rabbinical, RabbinicalYearListing, "-4601", "-4600", 0},
          {rabbinical, RabbinicalYearListing, "99999999999999999999", "32000", 0},
      };
  for (const auto& [model, listing, entered, corrected, beeps] : cases) {
    const int before = beeper.beeps;
    EXPECT_EQ(model.ListingFor(entered), listing(corrected)) << entered;
    EXPECT_EQ(model.YearText(), corrected) << entered;
    EXPECT_EQ(beeper.beeps - before, beeps) << entered;
  }
}

}  // namespace
}  // namespace orvane::conversions
