// The Rabbinical (Hebrew) calendar as whole-number arithmetic, the
// Gregorian and Julian day counts it is tied to, and the name tables the
// calendar windows show.
//
// Conventions of every routine here:
// - Gregorian and Julian-calendar years are historical: there is no year 0,
//   -1 is 1 BCE.  Routines step to astronomical numbering themselves.
// - A Rabbinical year H begins on 1 Tishri in the autumn of the astronomical
//   Gregorian year H - 3761.
// - Rabbinical months are counted from Nisan: 1 Nisan ... 6 Elul, 7 Tishri ...
//   12 Adar (Adar I in a leap year), 13 Vedar (Adar II).
// - Julian days (JD) of calendar dates end in .5 (midnight).
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace orvane::conversions {

// ---------------------------------------------------------------------------
// Name tables.  Tables counted from 1 hold an empty text at index 0.

// Year type 1..6 named by its length; 0 (no valid year) is empty.
inline constexpr std::array<std::string_view, 7> YearTypeNames = {
    "",
    "Common Deficient (353 days)",
    "Common Regular (354 days)",
    "Common Complete (355 days)",
    "Embolismic Deficient (383 days)",
    "Embolismic Regular (384 days)",
    "Embolismic Complete (385 days)",
};

inline constexpr std::array<std::string_view, 14> HebrewMonthNames = {
    "",       "Nisan",   "Iyar",   "Sivan", "Tammuz", "AV",   "Elul",
    "Tishri", "Heshvan", "Kislev", "Tevet", "Shevat", "Adar", "Vedar",
};

// The month names right-padded to eight characters, for aligned listings.
inline constexpr std::array<std::string_view, 14> HebrewMonthNamesPadded = {
    "",         "Nisan   ", "Iyar    ", "Sivan   ", "Tammuz  ", "AV      ", "Elul    ",
    "Tishri  ", "Heshvan ", "Kislev  ", "Tevet   ", "Shevat  ", "Adar    ", "Vedar   ",
};

inline constexpr std::array<std::string_view, 14> BiblicalMonthNames = {
    "",        "Abib",   "Second", "Third", "Fourth",   "Fifth",   "Sixth",
    "Seventh", "Eighth", "Ninth",  "Tenth", "Eleventh", "Twelfth", "Thirteenth",
};

// Indexed by weekday, 0 = Sunday.
inline constexpr std::array<std::string_view, 7> BiblicalDayNames = {
    "First", "Second", "Third", "Fourth", "Fifth", "Sixth", "Sabbath",
};

inline constexpr std::array<std::string_view, 13> GregorianMonthNames = {
    "",     "January", "February",  "March",   "April",    "May",      "June",
    "July", "August",  "September", "October", "November", "December",
};

inline constexpr std::array<std::string_view, 13> GregorianMonthAbbrevs = {
    "", "JAN", "FEB", "MAR", "APR", "MAY", "JUN", "JUL", "AUG", "SEP", "OCT", "NOV", "DEC",
};

// Indexed by weekday, 0 = Sunday.
inline constexpr std::array<std::string_view, 7> GregorianDayNames = {
    "Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday",
};

// Indexed by weekday, 0 = Sunday.  Saturday is "SAB", the Sabbath.
inline constexpr std::array<std::string_view, 7> GregorianDayAbbrevs = {
    "SUN", "MON", "TUE", "WED", "THU", "FRI", "SAB",
};

// 1 at the leap-year positions 3, 6, 8, 11, 14, 17 and 19 of the 19-year cycle.
inline constexpr std::array<std::uint8_t, 20> HebrewLeapYears = {
    0, 0, 0, 1, 0, 0, 1, 0, 1, 0, 0, 1, 0, 0, 1, 0, 0, 1, 0, 1,
};

// Month lengths of a Rabbinical year before its variable months are known:
// Heshvan (8), Kislev (9) and Adar (12) depend on the year's length.
inline constexpr std::array<int, 14> DefaultHebrewMonthLengths = {
    0, 30, 29, 30, 29, 30, 29, 30, 29, 29, 29, 30, 29, 29,
};

// ---------------------------------------------------------------------------
// Results.

// A Gregorian date with its texts: two-digit day and month ("05", "12") and a
// year of at least four digits after an optional minus sign ("0033", "-0044").
struct GregorianDateText {
  int day = 0;
  int month = 0;
  int year = 0;  // historical
  std::string day_text;
  std::string month_text;
  std::string year_text;
};

// A date in the Julian calendar, historical year numbering.
struct JulianDate {
  int year = 0;
  int month = 0;
  int day = 0;
};

// A Rabbinical date: month 1..13 counted from Nisan, day, Rabbinical year.
struct HebrewDate {
  int month = 0;
  int day = 0;
  int year = 0;
};

// The molad (mean conjunction) of Tishri as weeks, day of the week, hours and
// parts since the calendar's epoch.  Day of week 1 = Sunday ... 6 = Friday,
// 0 = Saturday; hours count from the start of the day (six in the evening);
// an hour has 1080 parts.
struct Molad {
  long weeks = 0;
  int days = 0;
  int hours = 0;
  int parts = 0;
};

// Which of the four postponements of 1 Tishri apply to a molad.
struct PostponementFlags {
  bool rule1 = false;  // molad at or after noon (18 hours)
  bool rule2 = false;  // Tuesday molad of a common year at or after 9 h 204 p
  bool rule3 = false;  // Monday molad after a leap year at or after 15 h 589 p
  bool rule4 = false;  // the day reached is a Sunday, Wednesday or Friday
};

// ---------------------------------------------------------------------------
// Stateless operations.

// JD of 1 Tishri in the autumn of a Gregorian year (historical), by Gauss's
// Passover formula in its Gregorian form for every year.
//   TishriOneJD(2023) = 2460203.5 (16 Sep 2023), TishriOneJD(-3761) = 347997.5.
double TishriOneJD(int year);

// Days from 1 Tishri of a Gregorian year to the next 1 Tishri: 353..355 or
// 383..385.  HebrewYearLength(2023) = 383.  Year 0 (not a year) gives 0.
int HebrewYearLength(int year);

// True when Rabbinical year H has 13 months: positions 3, 6, 8, 11, 14, 17 and
// 19 of the 19-year cycle.  IsHebrewLeapYear(5784) is true.
bool IsHebrewLeapYear(int hyear);

// The molad of Tishri of Rabbinical year n + 3761 (n is the Rabbinical year
// minus 3761).  MoladOfTishri(1 - 3761) = 0 weeks, day 2, 5 hours, 204 parts.
Molad MoladOfTishri(int n);

// The postponement rules for Rabbinical year H whose Tishri molad falls on
// weekday d (0 = Saturday .. 6 = Friday) at h hours and p parts.  Used for
// display only: TishriOneJD already contains the postponements.
PostponementFlags PostponementRules(int hyear, int weekday, int hours, int parts);

// JD of a proleptic Gregorian date; the day may be any whole number and runs
// on into the neighbouring months.  GregorianToJD(1, 1, 1) = 1721425.5.
double GregorianToJD(int month, double day, int year);

// The proleptic Gregorian date of a JD.  JDToGregorianText(2451544.5) is
// 01, 01, 2000; JDToGregorianText(1721424.5) is 31, 12, -0001.
GregorianDateText JDToGregorianText(double jd);

// JD of a date in the Julian calendar.  JulianToJD(-4713, 1, 1) = -0.5.
double JulianToJD(int year, int month, int day);

// The Julian-calendar date of a JD; the fraction of the JD plays no part.
JulianDate JDToJulianDate(double jd);

// Gregorian leap year, historical numbering: 1900 no, 2000 yes, -1 (1 BCE) yes.
bool IsGregorianLeapYear(int year);

// ---------------------------------------------------------------------------
// Operations that depend on the month lengths of the Rabbinical year last
// asked about.  Each calendar window owns one of these.
class HebrewCalendar {
 public:
  HebrewCalendar() { FillCalendarNames(); }

  // Back to the default month lengths.  The name tables are constant data.
  void FillCalendarNames() { monthLengths_ = DefaultHebrewMonthLengths; }

  // Days in Rabbinical month 1..13 of the year last given to HebrewYearType;
  // 0 for any other index.
  int HebrewMonthLength(int month) const;

  // Type 1..6 of the Rabbinical year beginning in the autumn of a Gregorian
  // year (see YearTypeNames); sets the lengths of Heshvan, Kislev and Adar.
  // A length outside the six valid ones gives 0 and leaves the lengths alone.
  int HebrewYearType(int year);

  // 12 or 13: the months from Nisan of a Gregorian year to the next Nisan.
  int MonthsInSacredYear(int year);

  // JD of the first day of Rabbinical month 1..13 counted from Nisan of a
  // Gregorian year.  FirstOfHebrewMonthJD(1, 2024) = 2460409.5 (9 Apr 2024).
  double FirstOfHebrewMonthJD(int month, int year);

  // JD of a Rabbinical date; days outside the month run on into the
  // neighbouring months.  HebrewToJD(7, 1, 5784) = 2460203.5.
  double HebrewToJD(int month, int day, int hyear);

  // The Rabbinical date of a JD.  JDToHebrewDate(2460409.5) = 1 Nisan 5784.
  HebrewDate JDToHebrewDate(double jd);

 private:
  std::array<int, 14> monthLengths_{};
};

}  // namespace orvane::conversions
