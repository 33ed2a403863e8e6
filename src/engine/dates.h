// Day numbers and calendar dates: the one conversion between Julian days and
// dates that the engine, the reports and the calendar windows share.
//
// Two things tell the users apart, and each is a parameter here:
// - where a day begins: the engine counts the day whose noon is a JD's whole
//   part, the calendar windows the civil day from midnight (their JDs end in
//   .5);
// - the calendar: the Gregorian leap rule for every year (no switch to the
//   Julian calendar in 1582), or the Julian rule of every fourth year.
// The formulas are those of 'Astronomical Formulae for Calculators' (chapter
// 3), with historical year numbering at the boundary: no year 0, -1 is 1 BCE.
#pragma once

#include <string>

namespace orvane {

enum class Reckoning { Gregorian, Julian };

// Where the day of a JD begins: at noon (the JD's whole part is the day) or
// at the midnight before it (the day of JD + 0.5).
enum class DayStart { Noon, Midnight };

// A calendar date.
struct CivilDate {
  double day = 0;       // 1..31, whole
  double month = 0;     // 1..12
  double year = 0;      // historical numbering: -1 is 1 BCE
  double fraction = 0;  // of the day gone by at the JD, counted from the day's start: 0 <= fraction < 1
};

// The astronomical number of a historical year: 1 BCE (-1) is year 0.  A
// year 0, which is not one, is taken as 1 CE.  AstronomicalYear(-44) = -43.
inline double AstronomicalYear(double year) { return year <= 0 ? year + 1 : year; }

// Given a JD, the day start and the calendar; returns the date of that day
// and the fraction of it gone by.
//   DateFromJD(2451545) = 1 Jan 2000; DateFromJD(0) = 24 Nov 4714 BCE;
//   DateFromJD(1721425) = 31 Dec 1 BCE (year -1);
//   DateFromJD(2451544.75, DayStart::Midnight) = 1 Jan 2000, fraction 0.25;
//   DateFromJD(2460323.5, DayStart::Midnight, Reckoning::Julian) = 1 Jan 2024.
CivilDate DateFromJD(double jd, DayStart start = DayStart::Noon, Reckoning reckoning = Reckoning::Gregorian);

// Given a day (any whole number: it runs on into the neighbouring months), a
// month 1..12, an astronomical year (0 is 1 BCE) and the calendar; returns
// the JD of the midnight that begins that day (a value ending in .5).
//   MidnightJD(1, 1, 2000) = 2451544.5; MidnightJD(1, 1, -4712, Reckoning::Julian) = -0.5.
double MidnightJD(double day, double month, double astronomicalYear,
                  Reckoning reckoning = Reckoning::Gregorian);

// A date as ISO 8601 writes it: astronomical year numbering, at least four
// digits of year, a minus before a year before 0.
//   IsoDateText({10, 4, 2024}) = "2024-04-10"; {31, 12, -1} gives
//   "0000-12-31"; {15, 3, -44} gives "-0043-03-15".
std::string IsoDateText(const CivilDate& d);

// The whole JD (noon) of a Gregorian day; the year is astronomical.
//   JulianDayFromDate(1, 1, 2000) = 2451545.
double JulianDayFromDate(double day, double month, double year);

}  // namespace orvane
