// The Rabbinical calendar and the Gregorian and Julian day counts against
// hebcal's new years, published moladot, the standard library's calendar and
// Fliegel and Van Flandern's formula; the Rabbinical-year and Easter
// listings; the conversion window's columns, clamps, possible dates, criteria
// text and moon picture, with the main window's engine left as it was found.
#include <gtest/gtest.h>

#include <cmath>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "conversions/conversion_window_model.h"
#include "conversions/easter_window_model.h"
#include "conversions/hebrew_calendar.h"
#include "conversions/hebrew_window_model.h"
#include "support/civil_days.h"
#include "support/fake_host.h"
#include "support/reference_files.h"
#include "support/window_fakes.h"

namespace orvane::conversions {
namespace {

// JD at midnight starting a proleptic Gregorian date, historical year.
double GregorianJD(int year, int month, int day) {
  return testing::NoonJD(testing::CivilDays(day, month, std::abs(year), year < 0)) - 0.5;
}

// The "YEAR MONTH DAY [TAG]" lines of a file of reference vectors.
std::vector<std::tuple<int, int, int, std::string>> ReadVectors(const std::string& name) {
  std::vector<std::tuple<int, int, int, std::string>> dates;
  for (const std::string& line : testing::ReferenceLines(name)) {
    auto& [year, month, day, tag] = dates.emplace_back();
    std::istringstream(line) >> year >> month >> day >> tag;
  }
  return dates;
}

TEST(TishriOne, AgreesWithHebcalForEveryYearFrom1To9999) {
  const auto dates = ReadVectors("tishri_one_hebcal.txt");
  ASSERT_EQ(dates.size(), 9999u);
  int disagreements = 0;
  for (const auto& [year, month, day, tag] : dates) {
    if (TishriOneJD(year) != GregorianJD(year, month, day) && ++disagreements <= 10) {
      ADD_FAILURE() << "year " << year << ": " << TishriOneJD(year);
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
  // Each postponement starts exactly at its boundary time: the rules that
  // apply to a molad of the year (weekday 0 is Saturday, hours from 6 p.m.).
  // 5784 is a leap year, 5785 a common one after it; rule 1 (noon)
  // excludes rules 2 and 3, rule 4 moves Sunday, Wednesday and Friday.
  const std::tuple<int, int, int, int, std::string> cases[] = {
      {5785, 2, 17, 1079, "3"}, {5785, 2, 18, 0, "1"},  {5785, 3, 9, 203, ""},   {5785, 3, 9, 204, "24"},
      {5784, 3, 12, 0, ""},     {5785, 2, 15, 588, ""}, {5785, 2, 15, 589, "3"}, {5786, 2, 16, 0, ""},
      {5785, 1, 3, 0, "4"},     {5785, 4, 3, 0, "4"},   {5785, 6, 3, 0, "4"},    {5785, 0, 3, 0, ""},
      {5785, 0, 20, 0, "14"},   {5785, 6, 20, 0, "1"},  {5785, 3, 19, 0, "14"},
  };
  for (const auto& [hyear, weekday, hours, parts, rules] : cases) {
    const PostponementFlags f = PostponementRules(hyear, weekday, hours, parts);
    EXPECT_EQ(
        std::string(f.rule1 ? "1" : "") + (f.rule2 ? "2" : "") + (f.rule3 ? "3" : "") + (f.rule4 ? "4" : ""),
        rules)
        << hyear << " day " << weekday << " " << hours << "h " << parts << "p";
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
  // Days outside the month run on.
  EXPECT_EQ(GregorianToJD(1, -1000, 2024), GregorianJD(2024, 1, 1) - 1001);
  // The reform: Thursday 4 October 1582 (Julian) was followed by Friday 15 October.
  EXPECT_EQ(JulianToJD(1582, 10, 4) + 1, GregorianToJD(10, 15, 1582));
}

TEST(HebrewDates, EveryDayAroundTheEdgesAndTheErasBothWays) {
  HebrewCalendar calendar;
  // Days outside the month run on; a common year has no second Adar.
  EXPECT_EQ(calendar.HebrewToJD(7, 0, 5785), calendar.HebrewToJD(6, 29, 5784));
  EXPECT_EQ(calendar.HebrewToJD(7, -1000, 5785), calendar.HebrewToJD(7, 1, 5785) - 1001);
  EXPECT_EQ(calendar.HebrewToJD(13, 1, 5785), calendar.HebrewToJD(1, 1, 5785));

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
    const auto& [y, month, day, tag] = dates.at(static_cast<std::size_t>(year - 1));
    EXPECT_EQ(y, year);
    const bool march = day <= 2;
    char line[160];
    std::snprintf(line, sizeof line, "'Good Friday' is %02d %s, %04d   Easter Sunday is %02d %s, %04d%s",
                  march ? day + 29 : day - 2, kMonths[march ? 3 : month], year, day, kMonths[month], year,
                  tag == "J" ? " (Julian)" : "");
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

// --- The conversion window -------------------------------------------------------

constexpr std::string_view kMainPane = "the report on show";

using Model = ConversionWindowModel;
constexpr Column G = Column::Gregorian, J = Column::Julian, B = Column::Biblical, H = Column::Hebrew;

// The day, month and year boxes and the compute button of a column.
struct Boxes {
  std::string Model::*day;
  std::string Model::*month;
  std::string Model::*year;
  void (Model::*compute)();
};
Boxes BoxesOf(Column column) {
  static const Boxes kBoxes[] = {
      // in the order of the columns
      {&Model::txtGDay, &Model::txtGMonth, &Model::txtGYear, &Model::cmdGCompute_Click},
      {&Model::txtJCDay, &Model::txtJCMonth, &Model::txtJCYear, &Model::cmdJCCompute_Click},
      {&Model::txtBDay, &Model::txtBMonth, &Model::txtBYear, &Model::cmdBCompute_Click},
      {&Model::txtHDay, &Model::txtHMonth, &Model::txtHYear, &Model::cmdHCompute_Click}};
  return kBoxes[static_cast<int>(column)];
}

// A conversion window over a main window that shows a report, opened on
// 9 April 2024.
std::string HelpFor(std::string_view key) { return "help for " + std::string(key); }
ClockDate OpeningDay() { return {2024, 4, 9}; }
struct Window {
  Window() {
    main.engine.out.main.SetText(std::string(kMainPane));
    model.Form_Load();
  }
  // Fills a column and presses its compute button.
  void Compute(Column column, const std::string& year, int month, const std::string& day) {
    const Boxes b = BoxesOf(column);
    model.SetListIndex(column, month - 1);
    model.*b.year = year;
    model.*b.day = day;
    (model.*b.compute)();
  }
  std::string Date(Column column) const {
    const Boxes b = BoxesOf(column);
    return model.*b.day + " " + model.*b.month + " " + model.*b.year;
  }
  void DayCount(const std::string& jd) {
    model.txtJDCount = jd;
    model.cmdJCompute_Click();
  }
  std::vector<bool> VisibleOptions() const {
    std::vector<bool> v;
    for (const OptionButton& o : model.optDate) v.push_back(o.Visible);
    return v;
  }
  const std::string& Criteria() { return model.txtCriteria().Text(); }

  testing::EngineFixture main{"2024"};
  test::CountingBeeper beeper;
  std::vector<std::string> events;
  ConversionWindowHooks Hooks() {
    ConversionWindowHooks hooks;
    hooks.ShowCriteriaWindow = [this](bool shown) {
      events.push_back(shown ? "criteria shown" : "criteria hidden");
    };
    return hooks;
  }
  ConversionWindowModel model{main.engine, beeper, HelpFor, OpeningDay, Hooks()};
};

TEST(ConversionWindow, OpeningOnTodayThenTheDayCountAndRabbinicalColumns) {
  Window w;
  EXPECT_EQ(w.Date(G) + ", " + w.model.lblGDayOfWeek + ", " + w.Date(J),
            "9 April 2024, Tuesday, 27 March 2024");
  EXPECT_EQ(w.model.txtJDCount, "2460409.5");
  EXPECT_EQ(w.Date(H) + ", " + w.model.lblHYearType, "1 Nisan 5784, Embolismic Deficient (383 days)");
  // Abib 1 of 2024 is 10 April: this is the last day of month 13.
  EXPECT_EQ(w.Date(B) + ", " + w.model.lblBDayOfWeek, "29 Thirteenth 6027, Third");
  EXPECT_EQ(w.VisibleOptions(), (std::vector<bool>{false, false, false, false}));
  EXPECT_EQ(w.model.MoonPictureIndex, 0);  // the day after the new moon of 8 April
  EXPECT_EQ(w.beeper.beeps, 0);
  // Typed, shown; the Gregorian column, its weekday and caption; the Biblical weekday and the Hebrew date.
  const std::tuple<const char*, const char*, std::string, const char*, const char*, const char*, const char*>
      cases[] = {
          // A whole JD is noon: the day starts half a day before; any other
          // hour is shown as the day it falls in, in every column.
          {"2451545", "2451544.5", "1 January 2000", "Saturday", "Gregorian", "Sabbath", "23 Tevet 5760"},
          {"2451545.25", "2451544.5", "1 January 2000", "Saturday", "Gregorian", "Sabbath", "23 Tevet 5760"},
          {"2451545.9", "2451545.5", "2 January 2000", "Sunday", "Gregorian", "First", "24 Tevet 5760"},
          // Joshua's long day: the civil weekday repeats, the Rabbinical column
          // keeps the true one.
          {"1170111.5", "1170111.5", "22 July -1510", "Monday", "Modified Gregorian", "", ""},
          {"1170112.5", "1170112.5", "23 July -1510", "Monday", "Gregorian", "", ""},
      };
  for (const auto& [typed, box, gregorian, weekday, caption, biblicalWeekday, hebrew] : cases) {
    SCOPED_TRACE(typed);
    w.DayCount(typed);
    EXPECT_EQ(w.model.txtJDCount, box);
    EXPECT_EQ(w.Date(G) + " " + w.model.lblGDayOfWeek + " " + w.model.fraGregorian,
              gregorian + " " + weekday + " " + caption);
    if (*biblicalWeekday != '\0') {
      EXPECT_EQ(w.model.lblBDayOfWeek + " " + w.Date(H), std::string(biblicalWeekday) + " " + hebrew);
    }
  }
  EXPECT_EQ(w.model.lblHDay, "Second");
  EXPECT_EQ(w.model.CandidateJD(1), 1170111.5);  // the long day is one Biblical day
  // 5766: a Monday molad after 15 h 589 p following the leap year 5765, postponed to Tuesday.
  w.Compute(H, "5766", 7, "1");
  EXPECT_EQ(w.Date(G) + ", " + w.model.lblHDay + ", " + w.model.lblHYearType,
            "4 October 2005, Third, Common Regular (354 days)");
  EXPECT_EQ(w.model.lblMolad1 + "/ " + w.model.lblRules, "2D 16H 876P / Rule 3 ");
  w.Compute(H, "5785", 7, "1");
  EXPECT_EQ(w.model.lblMolad1 + "/ " + w.model.lblRules, "5D 9H 391P / No Postponements");
  EXPECT_EQ(w.model.lblRulesFontSize, 10);
}

TEST(ConversionWindow, OutOfRangeEntriesAreBroughtToTheirLimitsWithABeep) {
  // The year the box is brought to, or the day count a day beyond the month
  // runs on to; 4501 BCE is below the Gregorian column's limit, which beeps
  // as well.  The Julian column has no limits, but its day is kept within the
  // day count's, so that no search runs on a negative day number.
  const std::tuple<Column, const char*, int, const char*, std::string, int> cases[] = {
      {G, "29001", 4, "9", "29000", 1},
      {G, "-4501", 12, "1", "-4500", 1},
      {G, "0", 6, "1", "-1", 0},  // there is no year 0
      {G, "2024", 1, "1001", "JD 2461309.5", 1},
      {G, "2024", 1, "-1001", "JD 2459309.5", 1},
      {H, "32761", 1, "1", "32760", 1},
      {H, "5784", 1, "-1001", "JD 2459408.5", 1},
      {B, "33005", 1, "1", "33004", 1},
      {B, "-497", 7, "1", "-496", 2},
      {J, "-5000", 1, "1", "JD 78166.5", 1},
      {J, "1582", 10, "5", "JD 2299160.5", 0},
  };
  Window w;
  for (const auto& [column, year, month, day, result, beeps] : cases) {
    SCOPED_TRACE(std::string(year) + " " + day);
    const int before = w.beeper.beeps;
    w.Compute(column, year, month, day);
    EXPECT_EQ(result.starts_with("JD ") ? "JD " + w.model.txtJDCount : w.model.*BoxesOf(column).year, result);
    EXPECT_EQ(w.beeper.beeps - before, beeps);
  }
  for (const auto& [typed, box, date] : {std::tuple{"50000", "78166.5", "30 November -4500"},
                                         std::tuple{"20000000", "12313456.5", "31 December 29000"}}) {
    w.DayCount(typed);
    EXPECT_EQ(w.model.txtJDCount + " " + w.Date(G), std::string(box) + " " + date);
  }
}

TEST(ConversionWindow, OneTwoThreeOrFourPossibleDatesWithTheMainWindowLeftAsItWas) {
  Window w;
  // The main window as in the middle of a Flood range, when the windows handle events.
  EphemerisState& st = w.main.st();
  w.main.host.yearBox = "99999";
  st.RunName = "Flood";
  st.FixedPlaceMode = kTrue;
  st.ShowInMain = kFalse;
  // 2024: a sure sighting, one date.
  w.Compute(B, "6028", 1, "1");
  EXPECT_EQ(w.model.CandidateJD(1), GregorianJD(2024, 4, 10));
  EXPECT_EQ(w.VisibleOptions(), (std::vector<bool>{false, false, false, false}));
  // 2005: Abib 1 possibly one day earlier, as its holy-day report says, at
  // Jerusalem whatever place the run fixed.
  w.Compute(G, "2005", 4, "11");
  EXPECT_EQ(w.model.CandidateJD(2), GregorianJD(2005, 4, 10));
  EXPECT_EQ(w.VisibleOptions(), (std::vector<bool>{true, true, false, false}));
  EXPECT_EQ(w.Criteria(), "");  // written only while shown
  w.model.cmdCriteria_Click();
  w.model.SelectOption(2);  // the day before; the month's first day stays
  EXPECT_TRUE(w.Criteria().starts_with(" Date     Sunset Moonset   Illum.")) << w.Criteria();
  EXPECT_TRUE(w.Criteria().ends_with(
      "First day of Month is (possibly one day earlier)  Monday, 11 Apr 2005 CE \r\n\r\n"
      "The 1st day of the Abib Month of Biblical year 6009\r\nwould fall on the 10th of April 2005 CE."))
      << w.Criteria();
  // 1999: the harvest may be late (18 April) or early (19 March, possibly
  // one day later), as its report lists them; the early Abib is month 0.
  w.Compute(B, "6003", 1, "1");
  EXPECT_EQ(w.model.CandidateJD(1), GregorianJD(1999, 4, 18));
  EXPECT_EQ(w.model.CandidateJD(2), GregorianJD(1999, 3, 19));
  EXPECT_EQ(w.model.CandidateMonth(2), 0);
  EXPECT_EQ(w.model.CandidateJD(3), GregorianJD(1999, 3, 20));
  EXPECT_EQ(w.VisibleOptions(), (std::vector<bool>{true, true, true, false}));
  EXPECT_TRUE(
      w.Criteria().starts_with("This year the barley harvest may be early or late.\r\n"
                               "This is the Abib month if the barley harvest is late.\r\n\r\n"));
  // Choosing a date shows it in the other columns only.
  w.model.SelectOption(2);
  EXPECT_EQ(w.Date(G) + ", " + w.Date(H) + ", " + w.Date(B), "19 March 1999, 2 Nisan 5759, 1 Abib 6003");
  w.model.ShowMoonPicture();
  // A compute after choosing Date 2 shows the new day everywhere, as Date 1.
  w.DayCount("2451544.5");
  EXPECT_EQ(w.Date(G) + ", " + w.Date(H), "1 January 2000, 23 Tevet 5760");
  EXPECT_EQ(w.model.CandidateJD(1), 2451544.5);
  // 1969 (Creation year 5973): a late-harvest year whose fourth month is
  // doubtful in both readings; a Gregorian compute prepares all four.
  w.Compute(B, "5973", 4, "1");
  const double fourth = w.model.CandidateJD(1);
  const std::string year = w.model.txtGYear, day = w.model.txtGDay;
  const int month = w.model.lstGMonth.ListIndex + 1;
  w.DayCount("2451544.5");
  w.Compute(G, year, month, day);
  EXPECT_EQ(w.Date(B), "1 Fourth 5973");
  EXPECT_EQ(w.model.CandidateJD(1), fourth);
  EXPECT_EQ(std::abs(w.model.CandidateJD(2) - fourth), 1);
  const double early = w.model.CandidateJD(3);
  EXPECT_TRUE(fourth - early == 29 || fourth - early == 30) << fourth - early;
  EXPECT_EQ(std::abs(w.model.CandidateJD(4) - early), 1);
  EXPECT_EQ(w.VisibleOptions(), (std::vector<bool>{true, true, true, true}));
  // The era is that of the date's own year (the month began in 1 BCE).
  w.Compute(G, "1", 1, "1");
  EXPECT_TRUE(w.Criteria().ends_with("would fall on the 1st of January 1 CE.")) << w.Criteria();
  w.Compute(B, "-5", 1, "22");
  EXPECT_NE(w.Criteria().find("The 22nd day of the Abib Month of Biblical year 5 Before Creation\r\n"),
            std::string::npos);
  EXPECT_EQ(w.events, std::vector<std::string>{"criteria shown"});  // announced once, not on every rewrite
  // A day beyond the month keeps the number typed (the suffix is the engine's rule).
  w.model.cmdCriteria_Click();  // hidden, then shown and written
  w.model.txtBDay = "113";
  w.model.cmdCriteria_Click();
  EXPECT_NE(w.Criteria().find("The 113th day of the Abib Month"), std::string::npos);
  // Nothing of it reached the main window.
  EXPECT_EQ(w.main.pane(), kMainPane);
  EXPECT_EQ(w.main.host.yearBox, "99999");
  EXPECT_EQ(w.main.host.beeps, 0);
  EXPECT_EQ(std::tie(st.RunName, st.FixedPlaceMode, st.ShowInMain, st.EveningFlag),
            std::make_tuple(std::string("Flood"), kTrue, kFalse, std::string()));
  for (const auto flag : {st.ShowInConversion, st.ShowInConversion2, st.ConversionMode,
                          st.ConversionTableFlag, st.LocalMode, st.TableMode})
    EXPECT_EQ(flag, kFalse);
  // With the main window at rest, nothing appears in its pane either.
  st.RunName = "HolyDays";
  st.FixedPlaceMode = kFalse;
  st.ShowInMain = kTrue;
  w.Compute(B, "6028", 1, "1");
  EXPECT_EQ(w.main.pane(), kMainPane);
  EXPECT_EQ(st.ShowInMain, kTrue);
}

TEST(MoonPicture, ThePictureLitNearestTheDaysFigureWaxingOrWaning) {
  struct Case {
    double today, tomorrow;
    int picture;
  };
  // Waxing: the picture lit just below the day's figure; waning (the next
  // day no brighter): the one lit just above it.
  const Case cases[] = {{50, 60, 15}, {51, 60, 16}, {2, 5, 0},    {3.5, 5, 0},  {90, 95, 29}, {99, 99.5, 30},
                        {99, 97, 30}, {88, 80, 31}, {50, 45, 43}, {50, 50, 43}, {5, 2, 58},   {2.9, 1, 0}};
  for (const Case& c : cases)
    EXPECT_EQ(MoonPictureFor(c.today, c.tomorrow), c.picture) << c.today << " " << c.tomorrow;
  // A day without moonrise or moonset takes the other figure.
  EXPECT_EQ(DayIllumination(" 40.0", " 45.0"), 42.5);
  EXPECT_EQ(DayIllumination(" ----", " 45.0"), 45);
  EXPECT_EQ(DayIllumination(" ----", " ----"), 0);
}

}  // namespace
}  // namespace orvane::conversions
