#include "conversions/hebrew_calendar.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstddef>
#include <string>

#include "conversions/reference_calendar.h"

namespace orvane::conversions {
namespace {

namespace ref = reference;

// The range of Gregorian years the calendar windows can ask about, one year
// of margin on each side.
constexpr int kFirstYear = -4601;
constexpr int kLastYear = 32001;

int AstronomicalYear(int year) { return year < 0 ? year + 1 : year; }

// 0 = Sunday .. 6 = Saturday.
int Weekday(double jd) { return static_cast<int>(std::fmod(std::floor(jd + 1.5), 7.0)); }

TEST(CalendarNames, PaddedMonthNamesAreTheNamesInEightColumns) {
  for (std::size_t m = 1; m <= 13; ++m) {
    EXPECT_EQ(HebrewMonthNamesPadded[m].size(), 8u) << m;
    EXPECT_EQ(HebrewMonthNamesPadded[m].substr(0, HebrewMonthNames[m].size()), HebrewMonthNames[m]) << m;
    EXPECT_EQ(HebrewMonthNamesPadded[m].find_first_not_of(' ', HebrewMonthNames[m].size()),
              std::string_view::npos)
        << m;
  }
  EXPECT_EQ(HebrewMonthNames[0], "");
  EXPECT_EQ(HebrewMonthNames[5], "AV");
  EXPECT_EQ(HebrewMonthNames[13], "Vedar");
  EXPECT_EQ(GregorianDayAbbrevs[6], "SAB");
  EXPECT_EQ(YearTypeNames[4], "Embolismic Deficient (383 days)");
  int leap_positions = 0;
  for (std::uint8_t flag : HebrewLeapYears) leap_positions += flag;
  EXPECT_EQ(leap_positions, 7);
}

TEST(TishriOne, CheckValues) {
  EXPECT_EQ(TishriOneJD(2023), 2460203.5);  // Saturday 16 September 2023, Rosh Hashanah 5784
  EXPECT_EQ(TishriOneJD(2024), ref::GregorianJD(2024, 10, 3));  // 5785
  EXPECT_EQ(TishriOneJD(-3761), 347997.5);                      // the epoch: Tishri of year 1
  EXPECT_EQ(Weekday(TishriOneJD(2023)), 6);
  EXPECT_EQ(Weekday(TishriOneJD(2024)), 4);

  EXPECT_EQ(HebrewYearLength(2023), 383);
  EXPECT_EQ(HebrewYearLength(2024), 355);
  // 1 BCE to 1 CE is one year; year 0 does not exist.
  EXPECT_EQ(HebrewYearLength(-1), ref::YearLength(3761));
  EXPECT_EQ(HebrewYearLength(0), 0);
}

TEST(TishriOne, AgreesWithHebcalForEveryYearFrom1To9999) {
  const auto dates = ref::ReadVectors("tishri_one_hebcal.txt");
  ASSERT_EQ(dates.size(), 9999u);
  int disagreements = 0;
  for (const auto& d : dates) {
    const double expected = ref::GregorianJD(d.year, d.month, d.day);
    if (TishriOneJD(d.year) != expected && ++disagreements <= 10) {
      ADD_FAILURE() << "year " << d.year << ": " << TishriOneJD(d.year) << " against " << expected;
    }
  }
  EXPECT_EQ(disagreements, 0);
}

TEST(TishriOne, AgreesWithTheMoladReckoningOverTheWholeRange) {
  int disagreements = 0;
  for (int year = kFirstYear; year <= kLastYear; ++year) {
    if (year == 0) continue;
    const double expected = ref::NewYearJD(AstronomicalYear(year) + 3761);
    if (TishriOneJD(year) != expected && ++disagreements <= 10) {
      ADD_FAILURE() << "year " << year << ": " << TishriOneJD(year) << " against " << expected;
    }
  }
  EXPECT_EQ(disagreements, 0);
}

TEST(HebrewYear, EveryYearHasAValidLengthAndAnAllowedNewYearDay) {
  HebrewCalendar calendar;
  for (int year = kFirstYear; year <= kLastYear; ++year) {
    if (year == 0) continue;
    const int length = HebrewYearLength(year);
    const int type = calendar.HebrewYearType(year);
    ASSERT_GE(type, 1) << year;
    ASSERT_LE(type, 6) << year;
    // Sunday, Wednesday and Friday are never 1 Tishri.
    const int weekday = Weekday(TishriOneJD(year));
    ASSERT_TRUE(weekday != 0 && weekday != 3 && weekday != 5) << year;
    // Thirteen months exactly in the leap years of the 19-year cycle.
    const int hyear = AstronomicalYear(year) + 3761;
    ASSERT_EQ(length > 380, IsHebrewLeapYear(hyear)) << year;
    ASSERT_EQ(calendar.MonthsInSacredYear(year), length > 380 ? 13 : 12) << year;
  }
}

TEST(HebrewYear, TypeSetsTheVariableMonthsAndKeepsThemForAnInvalidYear) {
  HebrewCalendar calendar;
  EXPECT_EQ(calendar.HebrewYearType(2024), 3);  // 5785, 355 days
  EXPECT_EQ(calendar.HebrewMonthLength(8), 30);
  EXPECT_EQ(calendar.HebrewMonthLength(9), 30);
  EXPECT_EQ(calendar.HebrewMonthLength(12), 29);

  EXPECT_EQ(calendar.HebrewYearType(0), 0);
  EXPECT_EQ(calendar.HebrewMonthLength(8), 30);
  EXPECT_EQ(calendar.HebrewMonthLength(9), 30);

  EXPECT_EQ(calendar.HebrewYearType(2023), 4);  // 5784, 383 days
  EXPECT_EQ(calendar.HebrewMonthLength(8), 29);
  EXPECT_EQ(calendar.HebrewMonthLength(9), 29);
  EXPECT_EQ(calendar.HebrewMonthLength(12), 30);
  EXPECT_EQ(calendar.HebrewMonthLength(13), 29);
  EXPECT_EQ(calendar.HebrewMonthLength(0), 0);
  EXPECT_EQ(calendar.HebrewMonthLength(14), 0);

  calendar.FillCalendarNames();
  EXPECT_EQ(calendar.HebrewMonthLength(12), 29);
}

TEST(HebrewYear, LeapYearsOfTheCycle) {
  EXPECT_TRUE(IsHebrewLeapYear(5784));
  EXPECT_FALSE(IsHebrewLeapYear(5785));
  EXPECT_FALSE(IsHebrewLeapYear(5786));
  EXPECT_TRUE(IsHebrewLeapYear(5787));
  EXPECT_TRUE(IsHebrewLeapYear(3));
  EXPECT_TRUE(IsHebrewLeapYear(19));
  EXPECT_FALSE(IsHebrewLeapYear(20));
  EXPECT_TRUE(IsHebrewLeapYear(0));    // position 19 of the cycle before year 1
  EXPECT_TRUE(IsHebrewLeapYear(-16));  // position 3 of that cycle
  EXPECT_FALSE(IsHebrewLeapYear(-1));
}

TEST(Molad, CheckValues) {
  const Molad epoch = MoladOfTishri(1 - 3761);
  EXPECT_EQ(epoch.weeks, 0);
  EXPECT_EQ(epoch.days, 2);
  EXPECT_EQ(epoch.hours, 5);
  EXPECT_EQ(epoch.parts, 204);

  const Molad m5784 = MoladOfTishri(5784 - 3761);
  EXPECT_EQ(m5784.days, 6);  // Friday
  EXPECT_EQ(m5784.hours, 11);
  EXPECT_EQ(m5784.parts, 882);
  const PostponementFlags f5784 = PostponementRules(5784, m5784.days, m5784.hours, m5784.parts);
  EXPECT_FALSE(f5784.rule1);
  EXPECT_FALSE(f5784.rule2);
  EXPECT_FALSE(f5784.rule3);
  EXPECT_TRUE(f5784.rule4);  // not on a Friday: Saturday 16 September 2023

  const Molad m5785 = MoladOfTishri(5785 - 3761);
  EXPECT_EQ(m5785.days, 5);  // Thursday
  EXPECT_EQ(m5785.hours, 9);
  EXPECT_EQ(m5785.parts, 391);
  const PostponementFlags f5785 = PostponementRules(5785, m5785.days, m5785.hours, m5785.parts);
  EXPECT_FALSE(f5785.rule1 || f5785.rule2 || f5785.rule3 || f5785.rule4);
}

TEST(Molad, DayAndPostponementsGiveTheNewYearOfEveryYear) {
  // The molad's day plus one day per postponement is 1 Tishri, for every
  // year: the flags explain exactly the date the calendar gives.
  int disagreements = 0;
  for (int year = kFirstYear; year <= kLastYear; ++year) {
    if (year == 0) continue;
    const int hyear = AstronomicalYear(year) + 3761;
    const Molad molad = MoladOfTishri(hyear - 3761);
    ASSERT_TRUE(molad.days >= 0 && molad.days <= 6 && molad.hours >= 0 && molad.hours <= 23 &&
                molad.parts >= 0 && molad.parts <= 1079)
        << hyear;
    const PostponementFlags f = PostponementRules(hyear, molad.days, molad.hours, molad.parts);
    const double molad_day = 347997.5 + static_cast<double>(molad.weeks * 7 + molad.days - 2);
    const double postponed = molad_day + f.rule1 + f.rule2 + f.rule3 + f.rule4;
    if (postponed != TishriOneJD(year) && ++disagreements <= 10) {
      ADD_FAILURE() << "Rabbinical year " << hyear << ": molad day " << molad_day << " postponed to "
                    << postponed << ", 1 Tishri is " << TishriOneJD(year);
    }
  }
  EXPECT_EQ(disagreements, 0);
}

TEST(Postponement, EachRuleStartsExactlyAtItsBoundary) {
  // Molad zaken: at noon (18 hours) or later.
  EXPECT_FALSE(PostponementRules(5785, 2, 17, 1079).rule1);
  EXPECT_TRUE(PostponementRules(5785, 2, 18, 0).rule1);
  EXPECT_TRUE(PostponementRules(5785, 2, 18, 1).rule1);

  // Tuesday of a common year (5785) at 9 h 204 p or later, then Wednesday is
  // not allowed either.
  EXPECT_FALSE(PostponementRules(5785, 3, 9, 203).rule2);
  const PostponementFlags gatarad = PostponementRules(5785, 3, 9, 204);
  EXPECT_TRUE(gatarad.rule2);
  EXPECT_TRUE(gatarad.rule4);
  EXPECT_FALSE(PostponementRules(5784, 3, 12, 0).rule2);  // 5784 is a leap year

  // Monday after a leap year (5784) at 15 h 589 p or later.
  EXPECT_FALSE(PostponementRules(5785, 2, 15, 588).rule3);
  const PostponementFlags betutakpat = PostponementRules(5785, 2, 15, 589);
  EXPECT_TRUE(betutakpat.rule3);
  EXPECT_FALSE(betutakpat.rule4);                         // Tuesday is allowed
  EXPECT_FALSE(PostponementRules(5786, 2, 16, 0).rule3);  // 5785 is common
}

TEST(Postponement, ForbiddenDaysAfterTheOtherRules) {
  EXPECT_TRUE(PostponementRules(5785, 1, 3, 0).rule4);   // Sunday
  EXPECT_TRUE(PostponementRules(5785, 4, 3, 0).rule4);   // Wednesday
  EXPECT_TRUE(PostponementRules(5785, 6, 3, 0).rule4);   // Friday
  EXPECT_FALSE(PostponementRules(5785, 0, 3, 0).rule4);  // Saturday
  // A late Saturday molad moves to Sunday, which moves again.
  const PostponementFlags saturday = PostponementRules(5785, 0, 20, 0);
  EXPECT_TRUE(saturday.rule1 && saturday.rule4);
  // A late Friday molad moves to Saturday, which is allowed.
  const PostponementFlags friday = PostponementRules(5785, 6, 20, 0);
  EXPECT_TRUE(friday.rule1);
  EXPECT_FALSE(friday.rule4);
  // Rule 1 excludes rules 2 and 3.
  const PostponementFlags late_tuesday = PostponementRules(5785, 3, 19, 0);
  EXPECT_TRUE(late_tuesday.rule1);
  EXPECT_FALSE(late_tuesday.rule2);
  EXPECT_TRUE(late_tuesday.rule4);
}

TEST(GregorianDays, AcrossTheMissingYearZero) {
  const GregorianDateText last_bce = JDToGregorianText(1721424.5);
  EXPECT_EQ(last_bce.day_text, "31");
  EXPECT_EQ(last_bce.month_text, "12");
  EXPECT_EQ(last_bce.year_text, "-0001");
  EXPECT_EQ(GregorianToJD(1, 1, 1), 1721425.5);
  EXPECT_EQ(GregorianToJD(12, 31, -1), 1721424.5);

  const GregorianDateText y2k = JDToGregorianText(2451544.5);
  EXPECT_EQ(y2k.day_text, "01");
  EXPECT_EQ(y2k.month_text, "01");
  EXPECT_EQ(y2k.year_text, "2000");

  EXPECT_EQ(JDToGregorianText(ref::GregorianJD(33, 4, 3)).year_text, "0033");
  EXPECT_EQ(JDToGregorianText(ref::GregorianJD(-44, 3, 15)).year_text, "-0044");
  EXPECT_EQ(JDToGregorianText(ref::GregorianJD(-4600, 3, 15)).year_text, "-4600");
  EXPECT_EQ(JDToGregorianText(ref::GregorianJD(29000, 5, 9)).year_text, "29000");
  // The fraction of a day does not change the date.
  EXPECT_EQ(JDToGregorianText(2451545.0).day_text, "01");
  EXPECT_EQ(JDToGregorianText(2451545.49).day_text, "01");
}

TEST(GregorianDays, DayOutsideTheMonthRunsOn) {
  EXPECT_EQ(GregorianToJD(3, 0, 2024), ref::GregorianJD(2024, 2, 29));
  EXPECT_EQ(GregorianToJD(1, 1000, 2024), ref::GregorianJD(2024, 1, 1) + 999);
  EXPECT_EQ(GregorianToJD(1, -1000, 2024), ref::GregorianJD(2024, 1, 1) - 1001);
}

TEST(GregorianDays, EveryDayOfTheRangeBothWays) {
  int failures = 0;
  for (int year = kFirstYear; year <= kLastYear && failures < 10; ++year) {
    if (year == 0) continue;
    if (IsGregorianLeapYear(year) != ref::GregorianLeap(year)) {
      ++failures;
      ADD_FAILURE() << "leap year " << year;
    }
    for (int month = 1; month <= 12; ++month) {
      for (int day = 1; day <= ref::GregorianMonthDays(year, month); ++day) {
        const double jd = ref::GregorianJD(year, month, day);
        const GregorianDateText date = JDToGregorianText(jd);
        if (GregorianToJD(month, day, year) != jd || date.year != year || date.month != month ||
            date.day != day) {
          if (++failures <= 10) {
            ADD_FAILURE() << year << "-" << month << "-" << day << ": JD " << GregorianToJD(month, day, year)
                          << " against " << jd << ", back " << date.year << "-" << date.month << "-"
                          << date.day;
          }
        }
      }
    }
  }
  EXPECT_EQ(failures, 0);
}

TEST(GregorianDays, LeapYears) {
  EXPECT_FALSE(IsGregorianLeapYear(1900));
  EXPECT_TRUE(IsGregorianLeapYear(2000));
  EXPECT_TRUE(IsGregorianLeapYear(2024));
  EXPECT_FALSE(IsGregorianLeapYear(2023));
  EXPECT_TRUE(IsGregorianLeapYear(-1));    // 1 BCE
  EXPECT_TRUE(IsGregorianLeapYear(-401));  // 401 BCE
  EXPECT_FALSE(IsGregorianLeapYear(-101));
  EXPECT_TRUE(IsGregorianLeapYear(-5));
  EXPECT_FALSE(IsGregorianLeapYear(-4));
}

TEST(JulianDays, CheckValues) {
  EXPECT_EQ(JulianToJD(-4713, 1, 1), -0.5);
  // The Gregorian reform: Thursday 4 October 1582 (Julian) was followed by
  // Friday 15 October 1582 (Gregorian).
  EXPECT_EQ(JulianToJD(1582, 10, 4) + 1, GregorianToJD(10, 15, 1582));
  // Thirteen days apart since 1900: 1 January 2024 (Julian) is 14 January.
  const JulianDate new_year = JDToJulianDate(GregorianToJD(1, 14, 2024));
  EXPECT_EQ(new_year.year, 2024);
  EXPECT_EQ(new_year.month, 1);
  EXPECT_EQ(new_year.day, 1);
  // The fraction of the JD plays no part.
  EXPECT_EQ(JDToJulianDate(2460323.9).day, 1);
}

TEST(JulianDays, EveryDayOfTheRangeBothWays) {
  int failures = 0;
  for (int year = -4713; year <= 29000 && failures < 10; ++year) {
    if (year == 0) continue;
    const bool leap = AstronomicalYear(year) % 4 == 0;
    for (int month = 1; month <= 12; ++month) {
      const int days = month == 2 ? (leap ? 29 : 28) : ref::GregorianMonthDays(2001, month);
      for (int day = 1; day <= days; ++day) {
        const double jd = ref::JulianCalendarJD(year, month, day);
        const JulianDate date = JDToJulianDate(jd);
        if (JulianToJD(year, month, day) != jd || date.year != year || date.month != month ||
            date.day != day) {
          if (++failures <= 10) {
            ADD_FAILURE() << year << "-" << month << "-" << day << ": JD " << JulianToJD(year, month, day)
                          << " against " << jd << ", back " << date.year << "-" << date.month << "-"
                          << date.day;
          }
        }
      }
    }
  }
  EXPECT_EQ(failures, 0);
}

TEST(HebrewDates, KnownDates) {
  HebrewCalendar calendar;
  struct Case {
    int year, month, day;  // Gregorian
    int hmonth, hday, hyear;
  };
  const Case cases[] = {
      {2024, 4, 9, 1, 1, 5784},                                  // 1 Nisan
      {2024, 3, 24, 13, 14, 5784},                               // Purim of a leap year, in Adar II
      {2025, 3, 14, 12, 14, 5785},                               // Purim of a common year
      {2025, 3, 29, 12, 29, 5785},                               // the last day of Adar in a common year
      {2025, 3, 30, 1, 1, 5785},   {2024, 10, 12, 7, 10, 5785},  // Day of Atonement
      {2024, 12, 26, 9, 25, 5785},                               // first day of Hanukkah
      {2023, 9, 16, 7, 1, 5784},
  };
  for (const Case& c : cases) {
    const double jd = ref::GregorianJD(c.year, c.month, c.day);
    const HebrewDate date = calendar.JDToHebrewDate(jd);
    EXPECT_EQ(date.month, c.hmonth) << c.year << "-" << c.month << "-" << c.day;
    EXPECT_EQ(date.day, c.hday) << c.year << "-" << c.month << "-" << c.day;
    EXPECT_EQ(date.year, c.hyear) << c.year << "-" << c.month << "-" << c.day;
    EXPECT_EQ(calendar.HebrewToJD(c.hmonth, c.hday, c.hyear), jd);
  }
  EXPECT_EQ(calendar.FirstOfHebrewMonthJD(1, 2024), 2460409.5);
}

TEST(HebrewDates, DaysOutsideTheMonthRunOn) {
  HebrewCalendar calendar;
  EXPECT_EQ(calendar.HebrewToJD(1, 31, 5784), calendar.HebrewToJD(2, 1, 5784));
  EXPECT_EQ(calendar.HebrewToJD(7, 0, 5785), calendar.HebrewToJD(6, 29, 5784));
  EXPECT_EQ(calendar.HebrewToJD(7, 1000, 5785), calendar.HebrewToJD(7, 1, 5785) + 999);
  EXPECT_EQ(calendar.HebrewToJD(7, -1000, 5785), calendar.HebrewToJD(7, 1, 5785) - 1001);
  // Vedar of a common year is the day after Adar, 1 Nisan.
  EXPECT_EQ(calendar.HebrewToJD(13, 1, 5785), calendar.HebrewToJD(1, 1, 5785));
}

// Checks every day of the sacred years from Nisan of Rabbinical year `first`
// to Nisan of `last` + 1 in both directions; returns the number of faults.
int CheckHebrewDays(HebrewCalendar& calendar, long first, long last) {
  int failures = 0;
  for (long h = first; h <= last; ++h) {
    double jd = ref::NewYearJD(h + 1) - 177;  // 1 Nisan of h
    const auto lengths = ref::SacredYearMonthLengths(h);
    for (std::size_t i = 0; i < lengths.size(); ++i) {
      const int month = static_cast<int>(i) + 1;
      const int hyear = static_cast<int>(month <= 6 ? h : h + 1);
      for (int day = 1; day <= lengths[i]; ++day, jd += 1) {
        const HebrewDate date = calendar.JDToHebrewDate(jd);
        if (date.month != month || date.day != day || date.year != hyear ||
            calendar.HebrewToJD(month, day, hyear) != jd) {
          if (++failures <= 10) {
            ADD_FAILURE() << day << "/" << month << "/" << hyear << " (JD " << jd << "): read back as "
                          << date.day << "/" << date.month << "/" << date.year << ", JD "
                          << calendar.HebrewToJD(month, day, hyear);
          }
        }
      }
    }
  }
  return failures;
}

TEST(HebrewDates, EveryDayAroundTheEdgesAndTheEras) {
  HebrewCalendar calendar;
  EXPECT_EQ(CheckHebrewDays(calendar, -845, -800), 0);    // the earliest years of the windows
  EXPECT_EQ(CheckHebrewDays(calendar, 3740, 3780), 0);    // across 1 BCE / 1 CE
  EXPECT_EQ(CheckHebrewDays(calendar, 5700, 5800), 0);    // the present
  EXPECT_EQ(CheckHebrewDays(calendar, 35700, 35765), 0);  // the latest years of the windows
}

TEST(HebrewDates, FirstAndLastDayOfEveryMonthOverTheRange) {
  HebrewCalendar calendar;
  int failures = 0;
  for (long h = -840; h <= 35762 && failures < 10; ++h) {
    double first = ref::NewYearJD(h + 1) - 177;
    const auto lengths = ref::SacredYearMonthLengths(h);
    for (std::size_t i = 0; i < lengths.size(); ++i) {
      const int month = static_cast<int>(i) + 1;
      const int hyear = static_cast<int>(month <= 6 ? h : h + 1);
      const double last = first + lengths[i] - 1;
      const HebrewDate a = calendar.JDToHebrewDate(first);
      const HebrewDate b = calendar.JDToHebrewDate(last);
      if (a.month != month || a.day != 1 || a.year != hyear || b.month != month || b.day != lengths[i] ||
          b.year != hyear) {
        if (++failures <= 10) ADD_FAILURE() << "month " << month << " of " << hyear;
      }
      first += lengths[i];
    }
  }
  EXPECT_EQ(failures, 0);
}

}  // namespace
}  // namespace orvane::conversions
