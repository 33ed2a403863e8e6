// The sun and moon times of every day of a year at the user's place:
// sunrise, sunset, moonrise and moonset as clock times of the place's zone,
// and the moon's illuminated percentage at moonrise and at moonset.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "engine/engine.h"
#include "runs/tables_host.h"

namespace orvane::runs {

inline constexpr std::string_view kTimesHeader =
    "  DATE    JULIAN DAY #  SUNRISE   SUNSET   MOONRISE  % ILLUM.  MOONSET  % ILLUM";

// The times table and the state it keeps from day to day.  The engine's
// state is shared: a day places the sun and the moon in it, and the
// conversion window reads the two illumination texts a day leaves.
class SunMoonTimes {
 public:
  // Writes the table into the emptied main pane: the place's caption, two
  // notes, a rule of 79 underscores and the header, then one line per day:
  //   Gregorian year (chkGregYear ticked): 366 days from 1 January;
  //   Biblical year: 400 days from the evening before the first day of the
  //   year's first month at the place (found by a silent local new-moon run).
  // The header is repeated above the 31st, 61st, ... line.  Leaves TableMode
  // and LocalMode False and cmdTimes enabled.
  void ListSunMoonTimes(Engine& engine, TablesHost& host);

  // Writes the line of the day whose whole JD is `jd`, e.g.
  //   "01/01/2024   2460311     6:38      16:46    11:47       77.0    00:26      73.0"
  // reading the date texts JulianDayToDateText left for that day and
  // advancing LunationNumber when the next new moon is near.  Leaves the
  // illumination at moonrise in IlluminationText and at moonset in
  // MoonsetIlluminationText (" ----" for a day without that event).
  void WriteDayTimes(Engine& engine, double jd);

  // The conjunction of LunationNumber and its first evening (no text).
  void ComputeConjunction(Engine& engine) { engine.ComputeConjunction(); }

  // The moon's illuminated percentage from the last moon position and the
  // sun's true longitude of the last sun position: IlluminatedPercent to a
  // tenth (single precision) and its text IlluminationText (" 45.3").
  void ComputeIllumination(Engine& engine);

  std::string TimesHeader;       // the header line with its line end
  std::int16_t RowCounter = -1;  // lines written since the last header
  std::string MoonriseHourText, MoonriseMinuteText;
  std::string MoonsetHourText, MoonsetMinuteText;
  std::string MoonsetIlluminationText;

 private:
  // The sun for Centuries with the mean obliquity and the true longitude;
  // returns its hour angle at sunrise or sunset (hours).
  double SunHourAngle(Engine& engine);
  // One pass of the moon search: the moon at Centuries, its transit on the
  // working day `workingJD` and the rising (or setting) it gives, hours after
  // the working day's noon, in 0..24.
  double MoonEventHours(Engine& engine, double workingJD, bool setting);
};

}  // namespace orvane::runs
