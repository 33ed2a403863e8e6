// The Biblical year at Jerusalem: the holy-day report and the month-start list.
#pragma once

#include <functional>

#include "engine/engine.h"

namespace orvane::calendar {

// The first candidate lunation of a year: the lunation whose new moon falls
// about the March equinox of `yearStart` (YearNumber + 0.277).
//   FirstLunationOfYear(2024.277) = Int(124.277 * 12.368277) = 1537.
double FirstLunationOfYear(double yearStart);

// The March equinox of a year (historical numbering), JD, by the formula of
// 'Astronomical Formulae for Calculators', before refinement.
//   MarchEquinoxJD(2000) = 2451624.5 (about 20 Mar 2000 00:00).
double MarchEquinoxJD(double yearNumber);

// Compares the March equinox of YearNumber with EquinoxSunset, the sunset
// instant (JD, universal time) of the evening on which the first crescent of
// a candidate month counts as seen.  Sets EquinoxJD, refined by the sun's
// apparent longitude (58 days per radian) when it lies within one day of that
// sunset, and returns true when the equinox falls after the sunset: the
// crescent was seen before the equinox, so the month cannot be the first.
bool EquinoxFallsAfterSunset(Engine& engine);

// Writes the holy-day report of the year in the year box, for Jerusalem:
// the region note, the year after Creation, any Jubilee or Sabbatical note,
// the new-moon tables of the first and seventh months and every spring and
// autumn holy day, and, when the first candidate month begins before the
// equinox, the complete list again for a late barley harvest.
// The caller sets LocalMode = 0 and EveningFlag ("Y" for the region east of
// Israel) and restores EveningFlag afterwards.
void ComputeHolyDays(Engine& engine);

// Writes the "CALCULATED NEW MOONS" report: fourteen lunations from the start
// of the year, each with its evening table and, for Jerusalem, the first day
// of the month with its certainty.  For a local run (LocalMode set, the place
// inputs set by the caller) `writeLocationCaption` writes the place's caption.
void ListMonthStarts(Engine& engine, const std::function<void()>& writeLocationCaption = {});

}  // namespace orvane::calendar
