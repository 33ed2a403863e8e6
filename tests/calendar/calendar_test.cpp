// The holy-day report and the month-start list read line by line against day
// counts and weekdays by std::chrono and their own tables; Biblical dates and
// back; the day recorder leaving every report as it was.
#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <tuple>

#include "calendar/biblical_date.h"
#include "calendar/holy_days.h"
#include "engine/day_recorder.h"
#include "support/civil_days.h"
#include "support/fake_host.h"

namespace orvane::calendar {
namespace {

using testing::CivilDays;
using testing::EngineFixture;
using testing::StatedDate;
using testing::TextLines;

// The report of a year, shown or run silently for a recorder.
std::string Report(const std::string& year, bool east = false, bool months = false,
                   DayCollector* recorder = nullptr, bool shown = true) {
  EngineFixture f(year);
  f.engine.dayRecorder = recorder;
  f.st().EveningFlag = east ? "Y" : "";
  f.st().ShowInMain = shown ? kTrue : kFalse;
  months ? ListMonthStarts(f.engine) : ComputeHolyDays(f.engine);
  return f.pane();
}

// A date's certainty as the doubt of its table ("earlier", "later" or none) gives it.
std::string Certainty(const std::string& d) { return d.empty() ? "certain" : "possibly one day " + d; }

// The eleven days of each reading of a holy-day report, checked against one
// another and against the new-moon tables; returns them.
std::vector<std::vector<StatedDate>> ReadHolyDays(const std::string& text, bool east) {
  const auto lines = TextLines(text);
  EXPECT_EQ(lines.at(0),
            east
                ? "These Holy Day dates are corrected (delayed one day) for the"
                : "These Holy Day dates are for Israel and regions westward to the International Date Line.");
  const auto dates = testing::StatedDates(text);
  const auto doubts = testing::TableDoubts(text);
  EXPECT_EQ(dates.size() % 11, 0u);
  EXPECT_EQ(doubts.size(), dates.size() / 11 * 2);
  std::vector<std::vector<StatedDate>> readings;
  for (std::size_t r = 0; r + 11 <= dates.size(); r += 11) {
    const std::vector<StatedDate> y(dates.begin() + static_cast<long>(r),
                                    dates.begin() + static_cast<long>(r) + 11);
    std::vector<long> d;
    for (const StatedDate& s : y) d.push_back(CivilDays(s));
    // Days after Abib 1 and after the Feast of Trumpets.
    static const long kAfter[] = {0, 13, 14, 20, 0, 0, 0, 9, 14, 20, 21};
    for (int i : {1, 2, 3}) EXPECT_EQ(d[i] - d[0], kAfter[i]) << y[i].label;
    for (int i : {7, 8, 9, 10}) EXPECT_EQ(d[i] - d[6], kAfter[i]) << y[i].label;
    // The Wave Offering is the day of the feast that has the weekday (the
    // Sunday, delayed with every date east of Israel), Pentecost seven weeks on.
    EXPECT_EQ(y[4].weekday, east ? "Monday" : "Sunday");
    EXPECT_GE(d[4], d[2]);
    EXPECT_LE(d[4], d[3]);
    EXPECT_EQ(d[5], d[4] + 49);
    EXPECT_GE(d[6] - d[0], 175);  // six lunations
    EXPECT_LE(d[6] - d[0], 180);
    for (std::size_t i = 0; i < 11; ++i) {
      EXPECT_EQ(y[i].weekday, testing::ReportWeekday(d[i])) << y[i].label;
    }
    // The notes give the spring and autumn days the certainty of their tables.
    EXPECT_EQ(y[1].certainty, Certainty(doubts[r / 11 * 2]));
    EXPECT_EQ(y[6].certainty, Certainty(doubts[r / 11 * 2 + 1]));
    readings.push_back(y);
  }
  return readings;
}

TEST(HolyDays, Year2024AtJerusalemAndEastOfIsrael) {
  // The new moon of 8 April 2024 18:21 UT gave the first crescent on the
  // evening of 9 April; the one of 2 October 18:49 UT on 4 October.
  for (bool east : {false, true}) {
    const auto readings = ReadHolyDays(Report("2024", east), east);
    ASSERT_EQ(readings.size(), 1u);
    EXPECT_EQ(CivilDays(readings[0][0]), CivilDays(10, 4, 2024) + east);
    EXPECT_EQ(readings[0][0].weekday, east ? "Thursday" : "Wednesday");
    EXPECT_EQ(CivilDays(readings[0][6]), CivilDays(5, 10, 2024) + east);
  }
  // Only the dates move: the evening tables are the same, in both reports.
  const auto rowsOf = [](const std::string& text) {
    std::vector<std::string> rows;
    std::ranges::copy_if(TextLines(text), std::back_inserter(rows),
                         [](auto& l) { return l.ends_with("Visible"); });
    return rows;
  };
  EXPECT_EQ(rowsOf(Report("2024", true)), rowsOf(Report("2024")));

  // The month starts: fourteen with their tables' doubts, east of Israel a day later.  Each start
  // against its evening of sighting is the chronology reports' check of every year.
  const std::string plain = Report("2024", false, true), east = Report("2024", true, true);
  EXPECT_EQ(TextLines(plain).at(0), " 2024 CE  CALCULATED NEW MOONS(Jerusalem)");
  EXPECT_EQ(TextLines(plain).at(1),
            "These dates are for Israel and regions westward to the International Date Line.");
  EXPECT_EQ(TextLines(east).at(1), "The Month Start dates are corrected (delayed one day)");
  EXPECT_EQ(TextLines(Report("0", false, true)).at(0), " 1 BCE    CALCULATED NEW MOONS(Jerusalem)");
  const auto starts = testing::StatedDates(plain), eastStarts = testing::StatedDates(east);
  const auto doubts = testing::TableDoubts(plain);
  ASSERT_EQ(starts.size(), 14u);
  ASSERT_EQ(eastStarts.size(), 14u);
  EXPECT_EQ(CivilDays(starts[0]), CivilDays(10, 4, 2024));
  for (std::size_t m = 0; m < 14; ++m) {
    SCOPED_TRACE(m);
    EXPECT_EQ(starts[m].certainty, Certainty(doubts[m]));
    const long gap = m == 0 ? 29 : CivilDays(starts[m]) - CivilDays(starts[m - 1]);
    EXPECT_TRUE(gap == 29 || gap == 30) << gap;
    EXPECT_EQ(CivilDays(eastStarts[m]), CivilDays(starts[m]) + 1);
  }
  EXPECT_EQ(rowsOf(east), rowsOf(plain));
}

TEST(HolyDays, TheCreationYearAndItsJubileeAndSabbaticalNotes) {
  // Each year's report also reads back whole (ReadHolyDays); a note of
  // nullptr is not looked at.
  struct Case {
    const char *year, *creation, *note;
  };
  const Case cases[] = {
      {"-4004", "This may be Year 1 After Creation. ", ""},
      {"-651", "This may be Year 3354 After Creation. ", nullptr},
      {"31", "This may be Year 4035 After Creation. ", nullptr},
      {"9999", "This may be Year 14003 After Creation. ", nullptr},
      {"-1", "This may be Year 4004 After Creation. ", ""},
      {"1", "This may be Year 4005 After Creation. ", ""},
      {"-1510", "This may be Year 2495 After Creation. ", ""},  // before the first possible note
      {"-1504", "This may be Year 2501 After Creation. ", "This may be a Sabbatical (Shemittah) Year."},
      {"-1461", "This may be Year 2544 After Creation. ", "This may be the 1st Jubilee (Yobel) Year."},
      {"-961", "This may be Year 3044 After Creation. ", "This may be the 11th Jubilee (Yobel) Year."},
      {"-911", "This may be Year 3094 After Creation. ", "This may be the 12th Jubilee (Yobel) Year."},
      {"1990", "This may be Year 5994 After Creation. ", "This may be the 70th Jubilee (Yobel) Year."},
      {"2024", "This may be Year 6028 After Creation. ", ""},
      {"4040", "This may be Year 8044 After Creation. ", "This may be the 111th Jubilee (Yobel) Year."},
      {"4090", "This may be Year 8094 After Creation. ", "This may be the 112th Jubilee (Yobel) Year."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.year);
    const std::string text = Report(c.year);
    EXPECT_FALSE(ReadHolyDays(text, false).empty());
    EXPECT_EQ(TextLines(text).at(1), c.creation);
    if (c.note != nullptr) {
      EXPECT_EQ(TextLines(text).at(2), c.note);
    }
  }
  // 2018: the first crescent came before the equinox of 20 March, so the
  // report gives the early and the late barley harvest.
  const auto y2018 = ReadHolyDays(Report("2018"), false);
  ASSERT_EQ(y2018.size(), 2u);
  EXPECT_EQ(y2018[0][0].reading + " " + y2018[1][0].reading, "early late");
  EXPECT_LT(CivilDays(y2018[0][0]), CivilDays(21, 3, 2018));
  EXPECT_GT(CivilDays(y2018[1][0]), CivilDays(21, 3, 2018));
  // Sabbatical years come every seventh year; the Jubilee is the fiftieth
  // (Creation year 2594) and the count starts again after it.
  std::vector<int> sabbaticals;
  for (int year = -1461; year <= -1355; ++year) {
    if (TextLines(Report(std::to_string(year))).at(2) == "This may be a Sabbatical (Shemittah) Year.")
      sabbaticals.push_back(year + 4005);
  }
  ASSERT_GE(sabbaticals.size(), 13u);
  for (std::size_t i = 1; i < sabbaticals.size(); ++i) {
    EXPECT_EQ(sabbaticals[i] - sabbaticals[i - 1], sabbaticals[i - 1] == 2593 ? 8 : 7) << sabbaticals[i];
  }
}

TEST(MarchEquinoxJD, NearTheTrueEquinoxes) {
  // 20 March 2000 07:35 UT and 20 March 2024 03:06 UT; no year 0.
  EXPECT_NEAR(MarchEquinoxJD(2000), 2451623.816, 0.05);
  EXPECT_NEAR(MarchEquinoxJD(2024), 2460389.629, 0.05);
  EXPECT_NEAR(MarchEquinoxJD(-1) - MarchEquinoxJD(1), -365.24, 0.01);
}

double DayStart(int day, int month, int year, bool bce = false) {
  return testing::NoonJD(CivilDays(day, month, year, bce)) - 0.5;
}

TEST(JDToBiblicalDate, RoundTripsAcrossTheYears) {
  // The dates themselves are the conversion window's possible dates.
  EngineFixture f;
  const double abib = BiblicalDateToJD(f.engine, 1, 1, 6028);
  EXPECT_EQ(f.st().YearShifted, kFalse);
  // A day beyond the month runs on into the next.
  EXPECT_EQ(BiblicalDateToJD(f.engine, 1, 45, 6028), abib + 44);
  EXPECT_EQ(BiblicalDateToJD(f.engine, 1, 0, 6028), abib - 1);
  // 1999: the year begins with the late-harvest month; month 0 is the early one.
  EXPECT_EQ(BiblicalDateToJD(f.engine, 0, 1, 6003), DayStart(19, 3, 1999));
  EXPECT_EQ(f.st().YearShifted, kTrue);
  // Creation years 4004 and 4005 are 1 BCE and 1 CE: Abib in March or April.
  for (const auto& [creationYear, year] : {std::pair{4004.0, -1}, {4005.0, 1}}) {
    const double first = BiblicalDateToJD(f.engine, 1, 1, creationYear);
    EXPECT_EQ(f.st().YearNumber, year);
    EXPECT_TRUE(first >= DayStart(1, 3, 1, year < 0) && first <= DayStart(30, 4, 1, year < 0)) << year;
  }
  for (const double start :
       {DayStart(1, 6, 4004, true), DayStart(17, 9, 1461, true), DayStart(1, 1, 1), DayStart(5, 4, 30),
        DayStart(15, 10, 1582), DayStart(1, 3, 2024), DayStart(31, 12, 9000)}) {
    for (double jd = start; jd < start + 400; jd += 67) {
      const BiblicalDate date = JDToBiblicalDate(f.engine, jd);
      EXPECT_TRUE(date.month >= 1 && date.month <= 13 && date.day >= 1 && date.day <= 30) << jd;
      EXPECT_EQ(BiblicalDateToJD(f.engine, date.month, date.day, date.creationYear), jd)
          << "day " << jd << " is " << date.day << "/" << date.month << "/" << date.creationYear;
    }
  }
  // Inside Joshua's long day window the civil count is one day ahead: each
  // day converts to the Biblical date of the day before and back to itself.
  for (double jd = kLongDayFirstJD + 1; jd <= kLongDayLastJD; jd += 1) {
    const BiblicalDate date = JDToBiblicalDate(f.engine, jd);
    EXPECT_EQ(BiblicalDateToJD(f.engine, date.month, date.day, date.creationYear), jd) << jd;
  }
  // The long day's two civil days are one Biblical date; the next Biblical
  // day is the civil day after them.
  const BiblicalDate first = JDToBiblicalDate(f.engine, kLongDayFirstJD - 1);
  const BiblicalDate second = JDToBiblicalDate(f.engine, kLongDayFirstJD);
  EXPECT_EQ(std::tie(second.month, second.day, second.creationYear),
            std::tie(first.month, first.day, first.creationYear));
  EXPECT_EQ(BiblicalDateToJD(f.engine, first.month, first.day + 1, first.creationYear), kLongDayFirstJD + 1);
  // The early-harvest Abib of 1999 (19 March) is month 13 of 6002; a day of
  // an ordinary month clears the flag.
  BiblicalDate date = JDToBiblicalDate(f.engine, DayStart(28, 3, 1999));
  EXPECT_EQ(std::tie(date.month, date.day, date.creationYear), std::make_tuple(13, 10, 6002.0));
  EXPECT_EQ(f.st().ThirteenthMonthFlag, kTrue);
  date = JDToBiblicalDate(f.engine, DayStart(23, 4, 2024));
  EXPECT_EQ(std::tie(date.month, date.day), std::make_tuple(1, 14));
  EXPECT_EQ(f.st().ThirteenthMonthFlag, kFalse);
}

TEST(DayRecorder, LeavesTheReportAsItWasAndASilentRunRecordsTheSameDays) {
  // The days recorded are the days the report states: the calendar files read back check that.
  for (const auto& [year, east, months] :
       {std::tuple{"2021", false, false}, {"-1510", true, false}, {"2025", true, true}}) {
    SCOPED_TRACE(year);
    std::vector<double> days[2];
    for (const bool shown : {false, true}) {
      DayCollector collector;
      EXPECT_EQ(Report(year, east, months, &collector, shown), shown ? Report(year, east, months) : "");
      ASSERT_EQ(collector.runs.size(), 1u);
      const RecordedRun& r = collector.runs[0].run;
      EXPECT_EQ(std::tie(r.report, r.year, r.east, r.shown, r.place.utcOffsetHours),
                std::make_tuple(months ? ReportKind::MonthStarts : ReportKind::HolyDays, std::stoi(year),
                                east, shown, 2.0));
      for (const auto& day : collector.runs[0].days) days[shown].push_back(day.jd);
    }
    EXPECT_EQ(days[0], days[1]);
    EXPECT_FALSE(days[1].empty());
  }
}

}  // namespace
}  // namespace orvane::calendar
