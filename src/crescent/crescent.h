// The first crescent of a lunar month by the published visibility criteria,
// beside the program's own visibility number.
//
// Two criteria are computed for the evening of a date at a place:
//
//   Yallop's q-test (NAO Technical Note 69, 1997): at the best time
//   Tb = Ts + 4/9 Lag the geocentric arc of light ARCL, the geocentric
//   airless arc of vision ARCV and the topocentric crescent width W' (arc
//   minutes) give q = (ARCV - (11.8371 - 6.3226 W' + 0.7319 W'^2
//   - 0.1018 W'^3)) / 10, sorted into six classes A to F.
//
//   Odeh's criterion (Experimental Astronomy 18, 2004): the same best time,
//   the topocentric airless arc of vision ARCV' and the topocentric width W
//   give V = ARCV' - (-0.1018 W^3 + 0.7319 W^2 - 6.3226 W + 7.1651), sorted
//   into four zones A to D.
//
// Sunset and moonset are those of the almanacs: the upper limb on a sea-level
// horizon with 34' of refraction, the moon seen from the observer's place.
// The sun and the moon are the engine's own theories (positions.h); the
// conjunction is the engine's new moon of the lunation.
#pragma once

#include <optional>
#include <string_view>

#include "engine/ephemeris_state.h"

namespace orvane::crescent {

// An observer on the earth's sea-level surface.
struct Observer {
  double latitudeDeg = 0;      // north positive
  double longitudeDeg = 0;     // east positive
  double zoneOffsetHours = 0;  // the clock's offset from UT, east positive (for the program's own number)
};

// The sun and the moon seen from a place at an instant.  Altitudes are
// airless (no refraction), degrees; azimuths degrees from the north through
// the east.
struct SkyAt {
  double sunAltitude = 0;
  double sunAzimuth = 0;
  double sunSemiDiameterArcmin = 0;
  double moonAltitude = 0;  // geocentric: as seen from the earth's centre, on the place's horizon
  double moonAzimuth = 0;
  double moonAltitudeTopo = 0;  // topocentric: as seen from the place
  double moonAzimuthTopo = 0;
  double elongation = 0;              // ARCL, geocentric, degrees
  double elongationTopo = 0;          // ARCL', from the place, degrees
  double parallaxDeg = 0;             // the moon's equatorial horizontal parallax
  double semiDiameterArcmin = 0;      // SD = 0.27245 parallax, geocentric
  double semiDiameterTopoArcmin = 0;  // SD' = SD (1 + sin h sin parallax), h the geocentric altitude
};

// Given an instant (JD, universal time) and a place; returns the sky there.
SkyAt SkyFor(double jdUT, const Observer& place);

// --- The criteria as formulas ------------------------------------------------

// Yallop's classes; every boundary falls in the lower class.
enum class YallopClass { A, B, C, D, E, F };
// Odeh's zones; every boundary falls in the upper zone.
enum class OdehZone { A, B, C, D };

// Given ARCV (degrees) and W' (arc minutes); returns Yallop's q.
//   ARCV 8 and W' 0.14598 (ARCL 8, DAZ 0, SD 15') give q = -0.293.
double YallopQ(double arcvDeg, double widthArcmin);
// q > +0.216 A, > -0.014 B, > -0.160 C, > -0.232 D, > -0.293 E, else F.
YallopClass YallopClassOf(double q);
// Given ARCV' (degrees) and W (arc minutes); returns Odeh's V.
double OdehV(double arcvDeg, double widthArcmin);
// V >= 5.65 A, >= 2.00 B, >= -0.96 C, else D.
OdehZone OdehZoneOf(double v);

// The letter and what the class says, as the reports print them.
char Letter(YallopClass c);
char Letter(OdehZone z);
std::string_view Meaning(YallopClass c);
std::string_view Meaning(OdehZone z);
// The program's own classes as words: "not visible", "probably not
// visible", "probably visible", "visible".
std::string_view Meaning(Visibility v);

// --- One evening ------------------------------------------------------------------

// Why an evening has no best time.
enum class EveningKind {
  Crescent,           // the moon sets after the sun after the conjunction: the criteria apply
  BeforeConjunction,  // the sun sets before the conjunction (takes precedence)
  MoonSetsFirst,      // after the conjunction the moon sets at or before sunset
  MoonDoesNotSet,     // the moon stays above the horizon for a day after sunset
  SunDoesNotSet,      // no sunset within a day after local mean noon
};
// "before conjunction", "moon sets first", "moon does not set", "sun does
// not set"; empty for Crescent.
std::string_view KindText(EveningKind kind);

struct CrescentEvening {
  double dayJD = 0;  // the whole JD (noon) of the civil date of the evening
  Observer place;
  EveningKind kind = EveningKind::Crescent;
  std::optional<double> sunsetJD;   // UT
  std::optional<double> moonsetJD;  // UT: the first after sunset, or the last before it when the moon is down
  std::optional<double> lagMinutes;  // moonset minus sunset, negative when the moon set first
  double conjunctionJD = 0;          // UT, the new moon nearest the evening
  std::optional<double> bestTimeJD;  // UT, Ts + 4/9 Lag
  double ageHours = 0;               // from the conjunction to the best time (or sunset); negative before it
  // The arcs at the best time, or at sunset when there is none; absent with no sunset.
  std::optional<double> arcl, arclTopo, arcv, arcvTopo, daz;  // degrees
  std::optional<double> widthArcmin, widthTopoArcmin;         // W' (Yallop), W (Odeh)
  std::optional<double> yallopQ;
  std::optional<YallopClass> yallopClass;
  std::optional<double> odehV;
  std::optional<OdehZone> odehZone;
  // The program's own test of that evening at the place.
  double orvaneNumber = 0;
  Visibility orvaneClass = Visibility::NotVisible;
};

// The class column of a report: the letter, or the kind of evening without a best time.
std::string YallopText(const CrescentEvening& e);
std::string OdehText(const CrescentEvening& e);

// Given the civil date (historical year, no year 0) and the place; returns
// the evening of that date: the first sunset after local mean noon.
CrescentEvening EvaluateEvening(int year, int month, int day, const Observer& place);
// The same for the whole JD (noon) of the date.
CrescentEvening EvaluateEvening(double dayJD, const Observer& place);

// Only the criteria classes of an evening (no program number): what a map
// cell needs.
struct CriteriaVerdict {
  EveningKind kind = EveningKind::Crescent;
  std::optional<YallopClass> yallop;
  std::optional<OdehZone> odeh;
};
CriteriaVerdict EvaluateCriteria(double dayJD, const Observer& place);

}  // namespace orvane::crescent
