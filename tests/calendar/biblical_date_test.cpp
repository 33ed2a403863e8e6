// Biblical dates and day numbers: agreement with the holy-day report, round
// trips across the years, the Creation years, Joshua's long day and the
// thirteenth month, and the engine left as it was found.
#include "calendar/biblical_date.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "calendar/holy_days.h"
#include "support/fake_host.h"

namespace orvane::calendar {
namespace {

using testing::EngineFixture;

// The civil-day start of a proleptic Gregorian date (astronomical year),
// counted independently of the engine: days from 1 January 2000 (JD 2451544.5).
double DayStart(int year, int month, int day) {
  auto daysBefore = [](int y) {  // days from 1 Jan of astronomical year 0 to 1 Jan of y
    const int p = y - 1;
    auto floorDiv = [](int a, int b) { return a >= 0 ? a / b : -((-a + b - 1) / b); };
    return 365 * y + floorDiv(p, 4) - floorDiv(p, 100) + floorDiv(p, 400) + 1;
  };
  static const int kCumulative[] = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};
  const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
  const int dayOfYear = kCumulative[month - 1] + day - 1 + (leap && month > 2 ? 1 : 0);
  return 2451544.5 + (daysBefore(year) - daysBefore(2000)) + dayOfYear;
}

// The day starts of the lines of a holy-day report that begin with `label`,
// read from their date text (" 10 Apr 2024 CE ").
std::vector<double> ReportDates(const std::string& report, const std::string& label) {
  static const char* kMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                  "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
  std::vector<double> dates;
  std::size_t at = 0;
  while ((at = report.find("\r\n" + label, at)) != std::string::npos) {
    const std::size_t end = report.find("\r\n", at + 2);
    const std::string line = report.substr(at + 2, end - at - 2);
    at = end;
    const std::size_t comma = line.find(", ");
    const int day = std::stoi(line.substr(comma + 2, 2));
    const std::string monthName = line.substr(comma + 5, 3);
    int month = 0;
    for (int m = 0; m < 12; ++m) {
      if (monthName == kMonths[m]) month = m + 1;
    }
    const std::size_t yearAt = comma + 9;
    int year = std::stoi(line.substr(yearAt));
    if (line.find(" BCE") != std::string::npos) year = 1 - year;
    dates.push_back(DayStart(year, month, day));
  }
  return dates;
}

std::string HolyDaysReport(const std::string& year) {
  EngineFixture f(year);
  ComputeHolyDays(f.engine);
  return f.pane();
}

TEST(BiblicalDateToJD, AgreesWithTheHolyDayReportOfTheSameYear) {
  EngineFixture f;
  // 2024 (Creation year 6028): one reading of the year.
  const std::vector<double> abib2024 = ReportDates(HolyDaysReport("2024"), "Abib 1 is");
  ASSERT_EQ(abib2024.size(), 1u);
  EXPECT_EQ(abib2024[0], DayStart(2024, 4, 10));
  EXPECT_EQ(BiblicalDateToJD(f.engine, 1, 1, 6028), abib2024[0]);
  EXPECT_EQ(f.st().YearShifted, kFalse);
  EXPECT_EQ(BiblicalDateToJD(f.engine, 1, 14, 6028), abib2024[0] + 13);  // the Passover sacrifice
  const std::vector<double> trumpets = ReportDates(HolyDaysReport("2024"), "Feast of Trumpets is");
  ASSERT_EQ(trumpets.size(), 1u);
  EXPECT_EQ(BiblicalDateToJD(f.engine, 7, 1, 6028), trumpets[0]);
  EXPECT_EQ(BiblicalDateToJD(f.engine, 7, 10, 6028), trumpets[0] + 9);  // the Day of Atonement

  // 1999 (6003): the first candidate month precedes the equinox, so the
  // year begins with the late-harvest month and month 0 is the early one.
  const std::vector<double> abib1999 = ReportDates(HolyDaysReport("1999"), "Abib 1 is");
  ASSERT_EQ(abib1999.size(), 2u);
  EXPECT_EQ(BiblicalDateToJD(f.engine, 1, 1, 6003), abib1999[1]);
  EXPECT_EQ(f.st().YearShifted, kTrue);
  EXPECT_EQ(BiblicalDateToJD(f.engine, 0, 1, 6003), abib1999[0]);

  // A day beyond the month runs on into the next.
  EXPECT_EQ(BiblicalDateToJD(f.engine, 1, 45, 6028), abib2024[0] + 44);
  EXPECT_EQ(BiblicalDateToJD(f.engine, 1, 0, 6028), abib2024[0] - 1);
}

TEST(BiblicalDateToJD, CreationYears4004And4005AreOneBceAndOneCe) {
  EngineFixture f;
  const double abib4004 = BiblicalDateToJD(f.engine, 1, 1, 4004);
  EXPECT_EQ(f.st().YearNumber, -1);
  const double abib4005 = BiblicalDateToJD(f.engine, 1, 1, 4005);
  EXPECT_EQ(f.st().YearNumber, 1);
  // Abib 1 falls between 1 March and 30 April of its year (astronomical
  // year 0 is 1 BCE).
  EXPECT_GE(abib4004, DayStart(0, 3, 1));
  EXPECT_LE(abib4004, DayStart(0, 4, 30));
  EXPECT_GE(abib4005, DayStart(1, 3, 1));
  EXPECT_LE(abib4005, DayStart(1, 4, 30));
  // One year of twelve or thirteen months lies between them.
  const double length = abib4005 - abib4004;
  EXPECT_TRUE((length >= 353 && length <= 356) || (length >= 382 && length <= 386)) << length;
}

TEST(BiblicalDateToJD, LeavesTheMainWindowAndTheFlagsAsTheyWere) {
  EngineFixture f("0");  // a year box ReadYear would correct
  EphemerisState& st = f.st();
  f.engine.out.main.SetText("the report on show");
  st.EveningFlag = "";
  st.RunName = "Flood";
  BiblicalDateToJD(f.engine, 1, 1, 6028);
  EXPECT_EQ(f.pane(), "the report on show");
  EXPECT_EQ(f.engine.out.criteria.Text(), "");
  EXPECT_EQ(f.host.yearBox, "0");
  EXPECT_EQ(f.host.beeps, 0);
  EXPECT_EQ(st.RunName, "Flood");
  EXPECT_EQ(st.EveningFlag, "");
  EXPECT_EQ(st.ShowInMain, kTrue);
  EXPECT_EQ(st.ShowInConversion2, kFalse);
  EXPECT_EQ(st.ConversionMode, kFalse);
}

TEST(BiblicalDateToJD, WritesOnlyTheMonthsTableToAnOpenCriteriaBox) {
  EngineFixture f;
  EphemerisState& st = f.st();
  st.ShowInMain = kFalse;
  st.ShowInConversion = kTrue;
  st.ShowInConversion2 = kTrue;
  BiblicalDateToJD(f.engine, 1, 1, 6028);
  const std::string& box = f.engine.out.criteria.Text();
  EXPECT_EQ(box.find(" Date     Sunset Moonset"), 0u) << box;
  EXPECT_EQ(box.find("After Creation"), std::string::npos) << "the holy-day run is silent";
  EXPECT_NE(box.find("Visible\r\n"), std::string::npos);
  EXPECT_EQ(f.pane(), "");
  EXPECT_EQ(st.ShowInMain, kFalse);
  EXPECT_EQ(st.ShowInConversion2, kTrue);
}

TEST(JDToBiblicalDate, RoundTripsAcrossTheYears) {
  EngineFixture f;
  // Days spread over the whole range, a few in every era.
  for (const double start :
       {DayStart(-4003, 6, 1), DayStart(-1460, 9, 17), DayStart(1, 1, 1), DayStart(30, 4, 5),
        DayStart(1582, 10, 15), DayStart(2024, 3, 1), DayStart(9000, 12, 31)}) {
    for (double jd = start; jd < start + 400; jd += 67) {
      const BiblicalDate date = JDToBiblicalDate(f.engine, jd);
      EXPECT_GE(date.month, 1);
      EXPECT_LE(date.month, 13);
      EXPECT_GE(date.day, 1);
      EXPECT_LE(date.day, 30);
      EXPECT_EQ(BiblicalDateToJD(f.engine, date.month, date.day, date.creationYear), jd)
          << "day " << jd << " is " << date.day << "/" << date.month << "/" << date.creationYear;
    }
  }
  // The day before Abib 1 is the last day of the year before.
  const double abib = BiblicalDateToJD(f.engine, 1, 1, 6028);
  const BiblicalDate eve = JDToBiblicalDate(f.engine, abib - 1);
  EXPECT_EQ(eve.creationYear, 6027);
  EXPECT_GE(eve.month, 12);
  EXPECT_GE(eve.day, 29);
  EXPECT_EQ(JDToBiblicalDate(f.engine, abib).day, 1);
}

TEST(JDToBiblicalDate, JoshuasLongDayIsOneBiblicalDay) {
  EngineFixture f;
  // Inside the window the civil count is one day ahead: each day converts to
  // the Biblical date of the day before and back to itself.
  for (double jd = kLongDayFirstJD + 1; jd <= kLongDayLastJD; jd += 1) {
    const BiblicalDate date = JDToBiblicalDate(f.engine, jd);
    EXPECT_EQ(BiblicalDateToJD(f.engine, date.month, date.day, date.creationYear), jd) << jd;
  }
  // The long day's two civil days are one Biblical date, which is the first.
  const BiblicalDate first = JDToBiblicalDate(f.engine, kLongDayFirstJD - 1);
  const BiblicalDate second = JDToBiblicalDate(f.engine, kLongDayFirstJD);
  EXPECT_EQ(second.month, first.month);
  EXPECT_EQ(second.day, first.day);
  EXPECT_EQ(second.creationYear, first.creationYear);
  EXPECT_EQ(BiblicalDateToJD(f.engine, second.month, second.day, second.creationYear), kLongDayFirstJD - 1);
  // The next Biblical day is the civil day after the long day.
  EXPECT_EQ(BiblicalDateToJD(f.engine, first.month, first.day + 1, first.creationYear), kLongDayFirstJD + 1);
}

TEST(JDToBiblicalDate, AThirteenthMonthBeforeALateYearMayBeTheNextYearsFirst) {
  EngineFixture f;
  // 1999 (Creation year 6003) begins a lunation late (its report has the
  // late-harvest list); 2024 (6028) does not.
  ASSERT_NE(HolyDaysReport("1999").find("late spring barley harvest"), std::string::npos);
  ASSERT_EQ(HolyDaysReport("2024").find("late spring barley harvest"), std::string::npos);

  // The early-harvest Abib of 1999 is month 13 of 6002.
  const double early1999 = ReportDates(HolyDaysReport("1999"), "Abib 1 is")[0];
  BiblicalDate date = JDToBiblicalDate(f.engine, early1999 + 9);
  EXPECT_EQ(date.month, 13);
  EXPECT_EQ(date.day, 10);
  EXPECT_EQ(date.creationYear, 6002);
  EXPECT_EQ(f.st().ThirteenthMonthFlag, kTrue);

  // 9 April 2024 lies in month 13 of 6027; 6028 begins on time.
  date = JDToBiblicalDate(f.engine, DayStart(2024, 4, 9));
  EXPECT_EQ(date.month, 13);
  EXPECT_EQ(date.creationYear, 6027);
  EXPECT_EQ(f.st().ThirteenthMonthFlag, kFalse);

  // A day of an ordinary month clears the flag.
  f.st().ThirteenthMonthFlag = kTrue;
  date = JDToBiblicalDate(f.engine, DayStart(2024, 4, 23));
  EXPECT_EQ(date.month, 1);
  EXPECT_EQ(date.day, 14);
  EXPECT_EQ(f.st().ThirteenthMonthFlag, kFalse);
}

}  // namespace
}  // namespace orvane::calendar
