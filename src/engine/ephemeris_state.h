// EphemerisState: the one record the astronomical engine works on.
//
// The engine's procedures take no arguments: a report sets a few inputs
// (place, year, lunation, evening), calls the procedures in a fixed order and
// reads their results from this record.  Later steps rely on values left
// behind by earlier ones (the sun's obliquity is reused by the moon, the
// sunset of the last evening tested by the equinox rule), so the record is
// plain data that lives as long as the engine that owns it.
//
// Units: angles are radians after reduction unless "degrees" is said; hours
// are decimal hours; a JD is a Julian day number, whole numbers at noon.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "engine/positions.h"
#include "engine/trig.h"

namespace orvane {

// 16-bit flags keep the platform's values: True is -1, False is 0.
using Flag = std::int16_t;
inline constexpr Flag kTrue = -1;
inline constexpr Flag kFalse = 0;

// Joshua's long day: on or before this JD the weekday cycle is one day later.
inline constexpr double kJoshuaJD = 1170112;
// Hezekiah's sign: before this JD every computed instant is 40 minutes earlier.
inline constexpr double kHezekiahJD = 1483746;

// The four classes of the crescent visibility number.  Every boundary
// belongs to the lower class: 88 is not visible, 100 probably not visible,
// 112 probably visible; only a number above 112 is a sure sighting.
enum class Visibility { NotVisible, ProbablyNotVisible, ProbablyVisible, Visible };
inline constexpr double kNotVisibleUpTo = 88;
inline constexpr double kProbablyNotVisibleUpTo = 100;
inline constexpr double kProbablyVisibleUpTo = 112;
Visibility ClassifyVisibility(double visibilityNumber);
// The verdict as a new-moon table row states it: "Not Visible", "Prob Not
// Visible", "Prob Visible" or "Visible".
std::string_view VisibilityText(Visibility verdict);

// The day a month start may move by for the verdict of its crescent: -1
// after a probably-not-visible evening (possibly one day earlier), +1 after
// a probably-visible one (possibly one day later), 0 for a sure sighting.
constexpr int PossibleDayShift(Visibility verdict) {
  if (verdict == Visibility::ProbablyNotVisible) return -1;
  if (verdict == Visibility::ProbablyVisible) return 1;
  return 0;
}

struct EphemerisState {
  // --- Constants ------------------------------------------------------------
  double Rad = kRad;  // degrees to radians (this literal, not pi/180); reset by InitEphemeris

  // --- Place and clock --------------------------------------------------------
  // On input degrees, east negative (Jerusalem -35.244); after InitEphemeris a
  // fraction of a turn, west positive, used directly as a day fraction.
  double Longitude = 0;
  // On input degrees, north positive; after InitEphemeris radians.
  double Latitude = 0;
  // On input 12 + the signed offset from Greenwich (east positive); after
  // InitEphemeris minus the offset in hours (Jerusalem -2).
  double ZoneHours = 0;
  double ZoneCorrection = 0;  // hours added to local-mean-time results to give zone clock time
  double SunsetAdjust = 0;    // hours added to computed sunsets
  double MoonsetAdjust = 0;   // hours added to computed moonsets

  // --- Year -----------------------------------------------------------------
  double YearNumber = 0;      // historical numbering: no year 0, -1 is 1 BCE
  std::int16_t YearInt = 0;   // CInt(YearNumber)
  double CreationYear = 0;    // years after Creation
  double YearStart = 0;       // YearNumber + 0.277, the fraction of the year at the March equinox
  double LunationNumber = 0;  // k: whole lunations since the new moon of 1900 January

  // --- Run flags and shared text ------------------------------------------------
  std::string EveningFlag;  // "Y" while dates are delayed one day for the region east of Israel
  std::string LineEnd = "\r\n";
  std::string RunName;                // the current section or run: "HolyDays", "LocalMoons", ...
  Flag LocalMode = kFalse;            // nonzero for runs at the user's location
  Flag FixedPlaceMode = kFalse;       // nonzero while a chronology run has fixed the place itself
  Flag ConversionMode = kFalse;       // true while called from the conversion window
  Flag ConversionTableFlag = kFalse;  // true while the conversion window runs the one-day table
  Flag TableMode = kFalse;            // true while the rise/set tables run
  Flag ShowInMain = kTrue;            // WriteOutputLine writes to the main pane
  Flag ShowInConversion = kFalse;     // with ShowInConversion2: WriteOutputLine writes to the criteria box
  Flag ShowInConversion2 = kFalse;

  // --- Lunation and evening ---------------------------------------------------
  double LunationCenturies = 0;    // T of the lunation: k / kLunationsPerCentury
  double ConjunctionJD = 0;        // the conjunction instant (dynamical time), JD
  double DeltaT = 0;               // days, dynamical minus universal time
  double ConjM = 0;                // sun's mean anomaly at the conjunction (radians)
  double ConjMPrime = 0;           // moon's mean anomaly at the conjunction (radians)
  double ConjF = 0;                // moon's argument of latitude at the conjunction (radians)
  double EveningJD = 0;            // whole JD of the evening being tested
  double ConjunctionFraction = 0;  // the universal-time fraction of the conjunction day
  double Centuries = 0;            // T: Julian centuries from JD 2415020.0 of the instant computed

  // --- Sun --------------------------------------------------------------------
  // The last sun placed (positions.h): node, obliquity (apparent, or mean in
  // the times table), mean elements, equation of time (hours), longitude
  // (apparent, or true in the times table) and the sine of the declination.
  SolarPosition Sun;
  double SunDeclination = 0;     // radians
  double SunCosHourAngle = 0;    // cos of the sunset hour angle
  double SunsetOffset = 0;       // s: sunset hour angle minus equation of time (hours after local mean noon)
  double SunsetTime = 0;         // S: sunset clock time (hours after noon)
  double SunsetHour = 0;         // whole hours of S
  double SunsetMinute = 0;       // whole minutes of S
  double SunRightAscension = 0;  // hours (set by SunAltitudeAtMoonset)
  double SunHourAngleAtMoonset = 0;    // radians
  double SunAltitudeAtMoonsetDeg = 0;  // degrees, raised by 1.75

  // --- Moon -------------------------------------------------------------------
  // The last moon placed (positions.h): mean elements M', L', M, D, F and E,
  // longitude and latitude (radians) and parallax (degrees).
  LunarPosition Moon;
  double MoonDeclination = 0;     // radians
  double MoonRightAscension = 0;  // hours
  double SiderealTime0 = 0;       // Greenwich sidereal time at 0h (hours)
  double MoonTransit = 0;         // hours from noon to the moon's transit
  double MoonHourAngle = 0;       // moonset hour angle H0 (hours)
  double MoonsetTime = 0;         // hours after noon, before the zone correction
  double MoonsetClock = 0;        // hours after noon, zone time
  double MoonsetHour = 0;
  double MoonsetMinute = 0;

  // --- Evening results --------------------------------------------------------
  // The moon's and sun's values at sunset, kept while the moon is placed again at moonset.
  double SavedMoonLongitude = 0, SavedMoonLatitude = 0, SavedMoonDeclination = 0;
  double SavedMoonRightAscension = 0, SavedMoonMPrime = 0;
  double SavedSunLongitude = 0, SavedSunM = 0, SavedSiderealTime0 = 0, SavedLatitude = 0;
  double Lag = 0;                // minutes of moonset after sunset
  float IlluminatedPercent = 0;  // single precision
  std::string IlluminationText;
  double SunAzimuth = 0;    // degrees, from the south towards the west
  double MoonAzimuth = 0;   // degrees
  double MoonAltitude = 0;  // degrees at sunset
  double VisibilityNumber = 0;
  Visibility Verdict = Visibility::NotVisible;  // of the last month start found; NotVisible before the first
  double PrintJD = 0;                           // the JD a date writer prints
  double MonthStartJD = 0;                      // the first month start found since the caller reset it
  double MoonsetPassMarker = 0;  // 0 before the first moon pass of an evening, else moonset / 24

  // --- Dates ------------------------------------------------------------------
  std::int16_t WeekdayIndex = 0;      // 0..6 of the last weekday written (0 = Sunday)
  double YearOfDate = 0;              // year (historical) of the date last converted
  double ConvertJD = 0;               // input of JulianDayToDateText
  double DateDay = 0, DateMonth = 0;  // scratch of the day-number conversion
  std::string DayText;                // zero-padded texts of JulianDayToDateText
  std::string MonthText;
  std::string YearTextPadded;

  // --- Holy days --------------------------------------------------------------
  double EquinoxJD = 0;
  double EquinoxYear = 0;    // Y of the equinox formula
  double EquinoxSunset = 0;  // the sunset instant compared with the equinox (JD)
  double EquinoxGap = 0;     // nonzero only while the equinox is being refined
  Flag BarleyEarly = kFalse;
  double FirstLunation = 0;  // first candidate lunation of the year
  Flag YearShifted = kFalse;
  Flag ThirteenthMonthFlag = kFalse;
};

// The run flags of a state (EveningFlag, RunName and the 16-bit flags from
// LocalMode to ShowInConversion2), kept while a procedure changes them for a
// while and put back when it ends, also on an early return.
class SavedRunFlags {
 public:
  explicit SavedRunFlags(EphemerisState& st)
      : st_(st),
        eveningFlag_(st.EveningFlag),
        runName_(st.RunName),
        localMode_(st.LocalMode),
        fixedPlaceMode_(st.FixedPlaceMode),
        conversionMode_(st.ConversionMode),
        conversionTableFlag_(st.ConversionTableFlag),
        tableMode_(st.TableMode),
        showInMain_(st.ShowInMain),
        showInConversion_(st.ShowInConversion),
        showInConversion2_(st.ShowInConversion2) {}
  SavedRunFlags(const SavedRunFlags&) = delete;
  SavedRunFlags& operator=(const SavedRunFlags&) = delete;
  ~SavedRunFlags() {
    st_.EveningFlag = eveningFlag_;
    st_.RunName = runName_;
    st_.LocalMode = localMode_;
    st_.FixedPlaceMode = fixedPlaceMode_;
    st_.ConversionMode = conversionMode_;
    st_.ConversionTableFlag = conversionTableFlag_;
    st_.TableMode = tableMode_;
    st_.ShowInMain = showInMain_;
    st_.ShowInConversion = showInConversion_;
    st_.ShowInConversion2 = showInConversion2_;
  }

 private:
  EphemerisState& st_;
  std::string eveningFlag_;
  std::string runName_;
  Flag localMode_, fixedPlaceMode_, conversionMode_, conversionTableFlag_, tableMode_;
  Flag showInMain_, showInConversion_, showInConversion2_;
};

}  // namespace orvane
