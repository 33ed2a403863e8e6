// The start of a year in the chronology runs: the run's fixed place, the
// first candidate lunation, and the March-equinox rule for the first month.
#pragma once

#include <string_view>

#include "engine/engine.h"

namespace orvane::runs {

// A place as the engine takes it on input: longitude in degrees (east
// negative), latitude in degrees (north positive), zone as 12 plus the
// offset from Greenwich in hours (east positive).
struct Place {
  double longitude;
  double latitude;
  double zoneHours;
};

// Jerusalem, for the Golgotha and Jordan runs.
inline constexpr Place kJerusalemPlace{-35.244, 31.78, 14.0};
// 42 E 38.5 N with the zone of Jerusalem, for the Creation run.
inline constexpr Place kCreationPlace{-42.0, 38.5, 14.0};
// 44.32 E 39.69 N with the zone of Jerusalem, for the Flood run.
inline constexpr Place kFloodPlace{-44.32, 39.69, 14.0};

// Given YearNumber (historical, not 0) and FixedPlaceMode set: sets the place
// and prepares the engine (InitEphemeris), then YearStart = YearNumber + 0.282
// and LunationNumber = the first candidate lunation of the year.
//   Year 30: YearStart 30.282, LunationNumber Int((30.282 - 1900) * 12.368277) = -23126.
void StartRunYear(Engine& engine, const Place& place);

// After FindNewMoon for the candidate month (PrintJD, Verdict, EveningJD and
// the sunset of the last evening tested): compares the March equinox with the
// sunset of the evening of sighting (EveningJD, one evening later when the
// month is possibly one day earlier) and writes both JDs, cut to three
// decimals; for Jerusalem in 30 CE:
//   "Vernal Equinox JD: 1732096.549    Visible New Moon JD: 1732099.185"
// When the crescent was seen before the equinox it writes so and steps
// LunationNumber to the next lunation, which becomes the first month, and
// returns true.
bool FirstMonthBeginsLater(Engine& engine);

// Tells the engine's day recorder, while the year's report is shown, of the
// date the last WriteDayAndDate wrote and the label written before it
// ("Passover sacrifice is").
void TellDateStated(Engine& engine, std::string_view label);

}  // namespace orvane::runs
