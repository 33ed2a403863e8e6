#include "conversions/hebrew_calendar.h"

#include <cstdlib>

#include "engine/dates.h"
#include "engine/numeric.h"

namespace orvane::conversions {

namespace {

using num::Int;

// x mod n of a whole number x, brought into 0..n-1.
//   NonNegativeMod(-5, 19) = 14.
int NonNegativeMod(double x, int n) {
  const int r = num::Mod(x, n);
  return r < 0 ? r + n : r;
}

// Time units of the molad reckoning.
constexpr double kPartsPerHour = 1080;
constexpr double kHoursPerDay = 24;
constexpr double kDaysPerWeek = 7;

}  // namespace

double TishriOneJD(int year) {
  double A = year;
  if (A <= 0) A += 1;  // astronomical numbering
  const double C = Int(A / 100);
  const double S = Int((3 * C - 5) / 4);
  const int a = NonNegativeMod(12 * A + 12, 19);
  const int b = NonNegativeMod(A, 4);
  // Left to right, exactly in this order: the thresholds on the fraction
  // below were fitted to this evaluation.
  const double Q = 1.554241796621 * a - 1.904412361576 + 0.25 * b - 0.003177794022 * A + S;
  const double M = Int(Q);
  const double m = Q - M;
  const int c = NonNegativeMod(M + 3 * A + 5 * b + 2 - S, 7);

  // Day of March of 15 Nisan; the weekday corrections carry the
  // postponements of the following 1 Tishri.
  double day = M + 22;
  if (c == 2 || c == 4 || c == 6) {
    day = M + 23;
  } else if (c == 1 && a > 6 && m >= 0.63287037) {
    day = M + 24;
  } else if (c == 0 && a > 11 && m >= 0.897723765) {
    day = M + 23;
  }
  int month = 3;
  if (day > 31) {
    day -= 31;
    month = 4;
    if (day > 30) {
      day -= 30;
      month = 5;
    }
  }
  // 15 Nisan plus 163 days is 1 Tishri of the year that begins that autumn.
  return GregorianToJD(month, day, year) + 163;
}

int HebrewYearLength(int year) {
  return static_cast<int>(num::RoundHalfEven(TishriOneJD(year + 1) - TishriOneJD(year)));
}

bool IsHebrewLeapYear(int hyear) { return NonNegativeMod(7.0 * hyear + 1, 19) < 7; }

Molad MoladOfTishri(int n) {
  const double completedYears = n + 3760.0;
  const int r = NonNegativeMod(completedYears, 19);
  const double q = Int(completedYears / 19);

  // Whole 19-year cycles of 235 months: 991 weeks 2 days 16 hours 595 parts.
  double weeks = 991 * q;
  double days = 2 * q;
  double hours = 16 * q;
  double parts = 595 * q;
  // The years of the current cycle: 12 months are 50 w 4 d 8 h 876 p, 13
  // months 54 w 5 d 21 h 589 p.
  for (int i = 1; i <= r; ++i) {
    if (HebrewLeapYears[static_cast<std::size_t>(i)] == 1) {
      weeks += 54;
      days += 5;
      hours += 21;
      parts += 589;
    } else {
      weeks += 50;
      days += 4;
      hours += 8;
      parts += 876;
    }
  }
  // The epoch molad of Tishri of year 1: Monday, 5 hours, 204 parts.
  days += 2;
  hours += 5;
  parts += 204;

  double carry = Int(parts / kPartsPerHour);
  parts -= carry * kPartsPerHour;
  hours += carry;
  carry = Int(hours / kHoursPerDay);
  hours -= carry * kHoursPerDay;
  days += carry;
  carry = Int(days / kDaysPerWeek);
  days -= carry * kDaysPerWeek;
  weeks += carry;

  return Molad{static_cast<long>(weeks), static_cast<int>(days), static_cast<int>(hours),
               static_cast<int>(parts)};
}

PostponementFlags PostponementRules(int hyear, int weekday, int hours, int parts) {
  // Each boundary belongs to its rule: a molad at exactly noon is already
  // "old", as are a Tuesday molad at 9 h 204 p and a Monday one at 15 h 589 p.
  // This is also the reckoning TishriOneJD follows, so the flags always
  // account for the day it gives.
  auto atOrAfter = [&](int h, int p) { return hours > h || (hours == h && parts >= p); };

  PostponementFlags flags;
  int day = weekday;
  flags.rule1 = atOrAfter(18, 0);
  if (flags.rule1) {
    ++day;
  } else {
    flags.rule2 = !IsHebrewLeapYear(hyear) && day == 3 && atOrAfter(9, 204);
    flags.rule3 = IsHebrewLeapYear(hyear - 1) && day == 2 && atOrAfter(15, 589);
    if (flags.rule2) ++day;
    if (flags.rule3) ++day;
  }
  // A Friday molad moved by rule 1 reaches 7, the Saturday, which is allowed.
  flags.rule4 = day == 1 || day == 4 || day == 6;
  return flags;
}

double GregorianToJD(int month, double day, int year) {
  return MidnightJD(day, month, AstronomicalYear(year));
}

GregorianDateText JDToGregorianText(double jd) {
  const CivilDate civil = DateFromJD(jd, DayStart::Midnight);
  GregorianDateText date;
  date.day = static_cast<int>(Int(num::Round(civil.day + civil.fraction, 2)));
  date.month = static_cast<int>(civil.month);
  date.year = static_cast<int>(civil.year);
  date.day_text = num::ZeroPadded(date.day, 2);
  date.month_text = num::ZeroPadded(date.month, 2);
  date.year_text = num::ZeroPadded(date.year, 4);
  return date;
}

double JulianToJD(int year, int month, int day) {
  return MidnightJD(day, month, AstronomicalYear(year), Reckoning::Julian);
}

JulianDate JDToJulianDate(double jd) {
  const CivilDate civil = DateFromJD(jd, DayStart::Midnight, Reckoning::Julian);
  return {static_cast<int>(civil.year), static_cast<int>(civil.month), static_cast<int>(civil.day)};
}

bool IsGregorianLeapYear(int year) {
  double Y = year;
  if (Y < 0) Y += 1;
  if (NonNegativeMod(Y, 4) != 0) return false;
  if (NonNegativeMod(Y, 100) != 0) return true;
  return NonNegativeMod(Y, 400) == 0;
}

int HebrewCalendar::HebrewMonthLength(int month) const {
  if (month < 1 || month > 13) return 0;
  return monthLengths_[static_cast<std::size_t>(month)];
}

int HebrewCalendar::HebrewYearType(int year) {
  struct Shape {
    int length, type, heshvan, kislev, adar;
  };
  static constexpr std::array<Shape, 6> kShapes = {{
      {353, 1, 29, 29, 29},
      {354, 2, 29, 30, 29},
      {355, 3, 30, 30, 29},
      {383, 4, 29, 29, 30},
      {384, 5, 29, 30, 30},
      {385, 6, 30, 30, 30},
  }};
  const int length = HebrewYearLength(year);
  for (const Shape& shape : kShapes) {
    if (shape.length == length) {
      monthLengths_[8] = shape.heshvan;
      monthLengths_[9] = shape.kislev;
      monthLengths_[12] = shape.adar;
      return shape.type;
    }
  }
  return 0;
}

int HebrewCalendar::MonthsInSacredYear(int year) {
  // The leap month of the sacred year from Nisan of `year` falls in the
  // following spring, inside the Rabbinical year that begins this autumn.
  const int type = HebrewYearType(year);
  return type >= 1 && type <= 3 ? 12 : 13;
}

double HebrewCalendar::FirstOfHebrewMonthJD(int month, int year) {
  const double tishriOne = TishriOneJD(year);
  HebrewYearType(year);
  // Nisan to Elul always last 30 + 29 + 30 + 29 + 30 + 29 = 177 days.
  double jd = tishriOne - 177;
  for (int m = 1; m < month && m <= 13; ++m) jd += monthLengths_[static_cast<std::size_t>(m)];
  return jd;
}

double HebrewCalendar::HebrewToJD(int month, int day, int hyear) {
  int year = month < 7 ? hyear - 3760 : hyear - 3761;
  if (year < 1) year -= 1;  // historical numbering
  return FirstOfHebrewMonthJD(month, year) + day - 1;
}

HebrewDate HebrewCalendar::JDToHebrewDate(double jd) {
  // The Gregorian year whose Nisan is the last one at or before the day.
  // Year 0 behaves as year 1 here, so the search steps on to -1.
  int year = JDToGregorianText(jd).year;
  while (FirstOfHebrewMonthJD(1, year) > jd) --year;

  double start = FirstOfHebrewMonthJD(1, year);
  int month = 1;
  while (true) {
    if (start == jd) break;
    if (start > jd) {
      --month;
      start -= monthLengths_[static_cast<std::size_t>(month)];
      break;
    }
    if (month == 13) break;  // in Vedar itself: the day lies before the next Nisan
    start += monthLengths_[static_cast<std::size_t>(month)];
    ++month;
  }

  const int astronomicalYear = year < 1 ? year + 1 : year;
  HebrewDate date;
  date.month = month;
  date.year = astronomicalYear + (month <= 6 ? 3760 : 3761);
  date.day = static_cast<int>(num::RoundHalfEven(jd - start + 1));
  return date;
}

}  // namespace orvane::conversions
