#include <gtest/gtest.h>

#include <chrono>

#include "support/fake_host.h"

namespace orvane {
namespace {

using testing::EngineFixture;

TEST(DateFromJD, KnownDaysOfTheModifiedProlepticGregorianReckoning) {
  const CivilDate j2000 = DateFromJD(2451545);
  EXPECT_EQ(j2000.day, 1);
  EXPECT_EQ(j2000.month, 1);
  EXPECT_EQ(j2000.year, 2000);

  // JD 0 is 24 November 4714 BCE in the Gregorian rules applied backwards.
  const CivilDate zero = DateFromJD(0);
  EXPECT_EQ(zero.day, 24);
  EXPECT_EQ(zero.month, 11);
  EXPECT_EQ(zero.year, -4714);

  // No year 0: 31 Dec 1 BCE is followed by 1 Jan 1 CE.
  const CivilDate lastBce = DateFromJD(1721425);
  EXPECT_EQ(lastBce.day, 31);
  EXPECT_EQ(lastBce.month, 12);
  EXPECT_EQ(lastBce.year, -1);
  const CivilDate firstCe = DateFromJD(1721426);
  EXPECT_EQ(firstCe.day, 1);
  EXPECT_EQ(firstCe.month, 1);
  EXPECT_EQ(firstCe.year, 1);

  // Hezekiah's sign and Joshua's long day fall on these days.
  const CivilDate hezekiah = DateFromJD(kHezekiahJD);
  EXPECT_EQ(hezekiah.day, 4);
  EXPECT_EQ(hezekiah.month, 4);
  EXPECT_EQ(hezekiah.year, -651);
  const CivilDate joshua = DateFromJD(kJoshuaJD);
  EXPECT_EQ(joshua.day, 22);
  EXPECT_EQ(joshua.month, 7);
  EXPECT_EQ(joshua.year, -1510);
}

TEST(DateFromJD, AgreesWithTheCivilCalendarOfTheStandardLibrary) {
  // std::chrono's civil calendar is proleptic Gregorian with astronomical
  // year numbering: an independent check of every day from 4713 BCE to 9999 CE.
  using namespace std::chrono;
  const sys_days epoch = sys_days{year{2000} / January / 1};
  for (double jd = 0; jd <= 5373484; jd += 1) {
    const year_month_day ymd{epoch + days{static_cast<long>(jd) - 2451545}};
    const CivilDate d = DateFromJD(jd);
    const int astronomicalYear = static_cast<int>(ymd.year());
    const double expectedYear = astronomicalYear <= 0 ? astronomicalYear - 1 : astronomicalYear;
    ASSERT_EQ(d.year, expectedYear) << "JD " << jd;
    ASSERT_EQ(d.month, static_cast<unsigned>(ymd.month())) << "JD " << jd;
    ASSERT_EQ(d.day, static_cast<unsigned>(ymd.day())) << "JD " << jd;
  }
}

TEST(JulianDayFromDate, IsTheInverseOfDateFromJD) {
  EXPECT_EQ(JulianDayFromDate(1, 1, 2000), 2451545);
  EXPECT_EQ(JulianDayFromDate(1, 1, 0), 1721060);  // 1 Jan 1 BCE, astronomical year 0
  for (double jd = 0; jd <= 5373484; jd += 13) {
    const CivilDate d = DateFromJD(jd);
    const double astronomicalYear = d.year < 0 ? d.year + 1 : d.year;
    ASSERT_EQ(JulianDayFromDate(d.day, d.month, astronomicalYear), jd);
  }
}

// The weekday name WriteDayAndDate writes for a JD.
std::string WeekdayWritten(double jd, const std::string& runName = "HolyDays",
                           const std::string& evening = "") {
  EngineFixture f;
  f.st().RunName = runName;
  f.st().EveningFlag = evening;
  f.st().PrintJD = jd;
  f.engine.WriteDayAndDate();
  return f.pane().substr(0, f.pane().find(',') + 2);
}

TEST(WriteDayAndDate, WeekdaysFollowThePlainCycleAfterJoshuasLongDay) {
  EXPECT_EQ(WeekdayWritten(2451545), " Saturday, ");   // 1 Jan 2000
  EXPECT_EQ(WeekdayWritten(2460411), " Wednesday, ");  // 10 Apr 2024
  // The plain cycle in modern times agrees with the civil calendar.
  using namespace std::chrono;
  const sys_days epoch = sys_days{year{2000} / January / 1};
  for (double jd = 2440000; jd < 2440014; ++jd) {
    const weekday wd{epoch + days{static_cast<long>(jd) - 2451545}};
    EXPECT_EQ(WeekdayWritten(jd), std::string(kDayNames[wd.c_encoding()])) << jd;
  }
}

TEST(WriteDayAndDate, JoshuasLongDayRepeatsAWeekday) {
  EXPECT_EQ(WeekdayWritten(0), " Tuesday, ");  // the plain cycle gives Monday
  EXPECT_EQ(WeekdayWritten(kJoshuaJD), " Monday, ");
  EXPECT_EQ(WeekdayWritten(kJoshuaJD + 1), " Monday, ");
  EXPECT_EQ(WeekdayWritten(kJoshuaJD + 2), " Tuesday, ");
  // The Jordan run applies the shift to every date it prints.
  EXPECT_EQ(WeekdayWritten(kJoshuaJD + 1, "Jordan"), " Tuesday, ");
  EXPECT_EQ(WeekdayWritten(2451545, "Jordan"), " Sunday, ");
}

TEST(WriteDayAndDate, TheEastOfIsraelDelayWritesTheNextDayAndKeepsPrintJD) {
  EngineFixture f;
  f.st().EveningFlag = "Y";
  f.st().PrintJD = 2451545;
  f.engine.WriteDayAndDate();
  EXPECT_EQ(f.pane(), " Sunday,  2 Jan 2000 CE \r\n");
  EXPECT_EQ(f.st().PrintJD, 2451545);
  EXPECT_EQ(f.st().WeekdayIndex, 0);
}

TEST(WriteDate, DayRightAlignedMonthAndYearWithEra) {
  EngineFixture f;
  f.st().PrintJD = 2460406;  // 5 Apr 2024
  f.engine.WriteDate();
  f.st().PrintJD = kHezekiahJD;
  f.engine.WriteDate();
  f.st().PrintJD = 1732000;  // 14 Dec 29 CE
  f.engine.WriteDate();
  EXPECT_EQ(f.pane(), " 5 Apr 2024 CE \r\n 4 Apr 651 BCE \r\n14 Dec 29 CE   \r\n");
}

TEST(WriteDate, TableModeWritesNoLineEndAndNoEra) {
  EngineFixture f;
  f.st().TableMode = kTrue;
  f.st().PrintJD = 1721060;  // 1 Jan 1 BCE
  f.engine.WriteDate();
  EXPECT_EQ(f.pane(), " 1 Jan 1");
}

TEST(YearText, EraSuffixAndPaddingToNineCharacters) {
  EngineFixture f;
  EXPECT_EQ(f.engine.YearText(-1), " 1 BCE   ");
  EXPECT_EQ(f.engine.YearText(2024), " 2024 CE ");
  EXPECT_EQ(f.engine.YearText(-651), " 651 BCE ");
  EXPECT_EQ(f.engine.YearText(30), " 30 CE   ");
  EXPECT_EQ(f.engine.YearText(-4004), " 4004 BCE");
  f.st().TableMode = kTrue;
  EXPECT_EQ(f.engine.YearText(-1510), " 1510");
}

TEST(FormatFigure, SignificantFiguresWithSignColumn) {
  EngineFixture f;
  Engine& e = f.engine;
  EXPECT_EQ(e.FormatFigure(0.5, 4), " 0.50");
  EXPECT_EQ(e.FormatFigure(12.345, 4), " 12.3");
  EXPECT_EQ(e.FormatFigure(7.0, 4), " 7.00");
  EXPECT_EQ(e.FormatFigure(-0.05, 4), "-0.05");
  EXPECT_EQ(e.FormatFigure(-3.0912, 4), "-3.09");
  EXPECT_EQ(e.FormatFigure(125.33, 5), " 125.3");
  EXPECT_EQ(e.FormatFigure(-23.2851, 5), "-23.29");
  EXPECT_EQ(e.FormatFigure(100.0, 4), " 100 ");  // whole, too wide for ".0": blank-padded
  EXPECT_EQ(e.FormatFigure(0.0, 4), " 0.00");
  EXPECT_EQ(e.FormatFigure(12345.0, 4), " 12345");  // more digits than figures: shown whole
  EXPECT_EQ(e.FormatFigure(98.885, 5), " 98.88");   // halves go to even
  EXPECT_EQ(e.FormatFigure(0.125, 1), " 0 ");       // a width below 2 counts as 2: no decimals left
}

TEST(FormatFigure, SinglePrecisionValuesKeepTheirShortForm) {
  EngineFixture f;
  EXPECT_EQ(f.engine.FormatFigure(1.23f, 4), " 1.23");
  EXPECT_EQ(f.engine.FormatFigure(0.57f, 4), " 0.57");
  EXPECT_EQ(f.engine.FormatFigure(static_cast<double>(1.23f), 4), " 1.23");
  EXPECT_EQ(f.engine.FormatFigure(9.99f, 4), " 9.99");
  EXPECT_EQ(f.engine.FormatFigure(99.99f, 4), " 100 ");  // rounded to four figures
}

TEST(FormatFigure, EmptyWhenNoPaneShowsText) {
  EngineFixture f;
  f.st().ShowInMain = kFalse;
  EXPECT_EQ(f.engine.FormatFigure(12.345, 4), "");
  f.st().ConversionTableFlag = kTrue;
  EXPECT_EQ(f.engine.FormatFigure(12.345, 4), " 12.3");
}

TEST(JulianDayToDateText, ZeroPaddedTexts) {
  EngineFixture f;
  f.st().ConvertJD = 2460406;
  f.engine.JulianDayToDateText();
  EXPECT_EQ(f.st().DayText, "05");
  EXPECT_EQ(f.st().MonthText, "04");
  EXPECT_EQ(f.st().YearTextPadded, "2024");
  f.st().ConvertJD = 1733000;  // 9 Sep 32 CE
  f.engine.JulianDayToDateText();
  EXPECT_EQ(f.st().DayText, "09");
  EXPECT_EQ(f.st().MonthText, "09");
  EXPECT_EQ(f.st().YearTextPadded, "0032");
  f.st().ConvertJD = 1719600;  // 2 Jan 5 BCE
  f.engine.JulianDayToDateText();
  EXPECT_EQ(f.st().YearTextPadded, "-0005");
  EXPECT_EQ(f.st().ConjunctionJD, 1719600);
}

TEST(OrdinalSuffix, TeensByTheLastTwoDigits) {
  EXPECT_EQ(OrdinalSuffix(1), "st");
  EXPECT_EQ(OrdinalSuffix(2), "nd");
  EXPECT_EQ(OrdinalSuffix(3), "rd");
  EXPECT_EQ(OrdinalSuffix(4), "th");
  EXPECT_EQ(OrdinalSuffix(11), "th");
  EXPECT_EQ(OrdinalSuffix(12), "th");
  EXPECT_EQ(OrdinalSuffix(13), "th");
  EXPECT_EQ(OrdinalSuffix(21), "st");
  EXPECT_EQ(OrdinalSuffix(70), "th");
  EXPECT_EQ(OrdinalSuffix(101), "st");
  EXPECT_EQ(OrdinalSuffix(111), "th");
  EXPECT_EQ(OrdinalSuffix(112), "th");
  EXPECT_EQ(OrdinalSuffix(113), "th");
  EXPECT_EQ(OrdinalSuffix(122), "nd");
}

}  // namespace
}  // namespace orvane
