// Biblical dates and day numbers.
//
// A Biblical date is fixed by the same observation rule as the holy-day
// report: the year begins with the month ComputeHolyDays chooses by the March
// equinox, and each month begins on the day after the evening its crescent is
// first seen at Jerusalem.  Converting a date therefore runs the holy-day
// computation silently for its year and the new-moon search for its month;
// converting a day number back searches with that.
#pragma once

#include "engine/engine.h"

namespace orvane::calendar {

// Joshua's long day, in civil-day starts: on these days the civil count runs
// one day ahead of the Biblical one.  The long day itself (JD 1170111.5 and
// 1170112.5) is one Biblical day.
inline constexpr double kLongDayFirstJD = 1170112.5;
inline constexpr double kLongDayLastJD = 1170130.5;

// A date of the Biblical reckoning.
struct BiblicalDate {
  int month = 0;            // 1..13 from Abib
  int day = 0;              // 1..30
  double creationYear = 0;  // years after Creation: 6028 is 2024 CE, 4004 is 1 BCE
};

// Given a Biblical month (any whole number: 0 is the month before Abib, 13
// the thirteenth month or the next year's first), a day (any whole number,
// running on into the neighbouring months) and a year after Creation; returns
// the JD of the start of that civil day (a value ending in .5).
//   BiblicalDateToJD(1, 1, 6028) = 2460410.5 (Abib 1 of 2024 CE, 10 Apr).
// The year's first month comes from a silent holy-day run at Jerusalem, the
// month's first day from a new-moon search (its table goes to the criteria
// box while the conversion window writes there, and nowhere else).  Leaves
// FirstLunation, YearShifted (the year's first candidate month began before
// the equinox), Verdict and PrintJD (the month's first day, JD at noon) of
// that month in the state; every output flag, EveningFlag and RunName are as
// before.  The main window's year box is neither read nor changed.
double BiblicalDateToJD(Engine& engine, int month, int day, double creationYear);

// Given the JD of the start of a civil day; returns its Biblical date, found
// by probing BiblicalDateToJD year by year, then month by month.  Sets
// ThirteenthMonthFlag when the date lies in month 13 of a year whose next
// year begins one lunation late, so that the month may be that year's first.
//   JDToBiblicalDate(2460410.5) = Abib 1, 6028.
BiblicalDate JDToBiblicalDate(Engine& engine, double jd);

}  // namespace orvane::calendar
