// The positions of the sun and the moon as pure functions: each is given an
// instant (and whatever else it names) and returns its results, changing
// nothing else.  The engine procedures SunPositionAndSunset,
// SunAltitudeAtMoonset and MoonPosition call these and keep the results in
// the EphemerisState; the rise, set and visibility rules build on them.
//
// Source: the low-precision solar and lunar theories of 'Astronomical
// Formulae for Calculators' (mean elements referred to 1900 January 0.5),
// with the literals the reports were calibrated with.  The time argument is
// T, Julian centuries of 36525 days from JD 2415020.0 (1900 January 0.5),
// dynamical time; the theories serve from 4004 BCE to 9999 CE, T from about
// -59 to 81, with errors that grow slowly away from the present.
#pragma once

namespace orvane {

// Whether the sun's place carries nutation and aberration: the apparent
// longitude and obliquity of the evening test, or the true longitude and
// mean obliquity of the sun and moon times table.
enum class NutationAndAberration { Applied, LeftOut };

// The sun at an instant.  Angles are radians: the node as computed (not
// reduced), the arguments and mean elements in [0, 2 pi).
struct SolarPosition {
  double node = 0;              // Omega, the longitude of the moon's ascending node
  double obliquity = 0;         // epsilon: apparent, or mean when nutation is left out
  double a = 0, b = 0, c = 0;   // arguments of the perturbations by Venus (A, B) and Jupiter (C)
  double d = 0;                 // argument of the perturbation by the moon
  double e = 0;                 // argument of the long-period term
  double meanLongitude = 0;     // L
  double meanAnomaly = 0;       // M
  double eccentricity = 0;      // of the earth's orbit, no unit
  double y = 0;                 // tan^2(epsilon / 2), no unit
  double equationOfTime = 0;    // hours, apparent minus mean solar time
  double equationOfCentre = 0;  // radians
  double longitude = 0;         // lambda: apparent, or true when nutation and aberration are left out
  double sinDeclination = 0;    // sin(lambda) sin(epsilon)
};

// Given T (centuries, see above) and whether nutation and aberration are
// applied; returns the sun's place.  At T = 0 the mean longitude is
// 279.69668 degrees and the mean anomaly 358.47583 degrees.
SolarPosition SolarPositionAt(double centuries, NutationAndAberration terms);

// The moon at an instant, geocentric.  Angles are radians in [0, 2 pi)
// unless said otherwise.
struct LunarPosition {
  double a1 = 0, a2 = 0;          // arguments of the additive terms
  double node = 0;                // Omega, the longitude of the ascending node
  double meanAnomaly = 0;         // M'
  double meanLongitudeDeg = 0;    // L', degrees in [0, 360)
  double sunMeanAnomaly = 0;      // M, the sun's mean anomaly of the lunar theory
  double elongation = 0;          // D, the mean elongation from the sun
  double argumentOfLatitude = 0;  // F
  double eccentricityFactor = 0;  // E, no unit: 1 at 1900, falling by 0.0025 a century
  double longitude = 0;           // lambda, ecliptic of date, radians (not reduced)
  double latitude = 0;            // beta, radians in about [-0.09, 0.09]
  double parallaxDeg = 0;         // equatorial horizontal parallax, degrees in about [0.9, 1.0]
};

// Given T (centuries, see above); returns the moon's mean elements and its
// longitude, latitude and parallax by the periodic series of lunar_terms.h.
LunarPosition LunarPositionAt(double centuries);

// The sums of the three periodic series of the lunar theory (degrees):
// sum of coefficient x sin(argument) for the longitude and the latitude,
// x cos(argument) for the parallax, each term scaled by E once per unit of
// the multiple of M, summed in table order.
struct LunarSeries {
  double longitude = 0;
  double latitude = 0;
  double parallax = 0;
};

// Given D, M, M', F (radians) and the eccentricity factor E; returns the sums.
LunarSeries SumLunarSeries(double D, double M, double Mp, double F, double E);

// A place on the celestial sphere of date.
struct Equatorial {
  double sinDeclination = 0;
  double declination = 0;     // radians in [-pi/2, pi/2]
  double rightAscension = 0;  // hours in [0, 24)
};

// Given an ecliptic longitude and latitude and the obliquity (radians);
// returns the equatorial place.  The sun is the case of latitude 0.
Equatorial EquatorialFromEcliptic(double longitude, double latitude, double obliquity);

// The hour angle at which a body crosses an altitude, in the two forms the
// rise and set rules use.
struct HourAngle {
  double cosine = 0;  // beyond [-1, 1] when the body never crosses the altitude that day
  double hours = 0;   // 0..12, held at 0 (or 12) when it never does
};

// An observer's latitude with its sine and cosine, which every rise, set
// and altitude of a place needs: taken once for the place, not per body.
struct ObserverLatitude {
  double radians = 0;  // north positive
  double sine = 0;
  double cosine = 1;
};

// Given the latitude (radians); returns it with its sine and cosine.
ObserverLatitude ObserverLatitudeOf(double radians);

// The sine of the altitude of the sun's centre at sunrise and sunset: -50',
// 34' of refraction and 16' of semidiameter below the horizon.
inline constexpr double kSunsetAltitudeSine = -0.01454;

// Given the sine of the altitude (or, as the moon's rule takes it, the
// altitude in radians), the observer's latitude (radians), the sine of the
// body's declination and the declination (radians); returns the hour angle.
// The sun sets at sin(altitude) = -0.01454 (its centre 50' below the horizon).
HourAngle HourAngleAtAltitude(double sinAltitude, const ObserverLatitude& latitude, double sinDeclination,
                              double declination);
HourAngle HourAngleAtAltitude(double sinAltitude, double latitude, double sinDeclination, double declination);

// Given the hour angle, the declination and the observer's latitude
// (radians); returns the geocentric altitude above the horizon, radians.
double AltitudeOf(double hourAngle, double declination, const ObserverLatitude& latitude);
double AltitudeOf(double hourAngle, double declination, double latitude);

// Given a whole JD (a noon); returns the Greenwich mean sidereal time at 0h
// UT of JD + 0.5, the midnight after that noon, hours in [0, 24):
// 6.6460656 + 2400.051262 T0 + 2.581e-05 T0^2, T0 = (jd - 2415019.5) / 36525
// centuries from 1900 January 0.5 to that midnight.  The moonset and the
// azimuths of an evening take it for the evening's JD.
//   SiderealTimeAt0h(2446895) = 13.17953 (1987 April 10, 0h UT).
double SiderealTimeAt0h(double jd);

// Mean lunations in a Julian century: k / kLunationsPerCentury is the T, in
// centuries from 1900 January 0.5, of lunation k.
inline constexpr double kLunationsPerCentury = 1236.85;

// The mean new moon of 1900 January (lunation 0), JD in dynamical time, and
// the mean synodic month in days: the mean conjunction of lunation k is
// kMeanNewMoon1900JD + kSynodicMonthDays k, plus small terms in T.
inline constexpr double kMeanNewMoon1900JD = 2415020.75933;
inline constexpr double kSynodicMonthDays = 29.53058868;

// Given a JD; returns T, Julian centuries from 1900 January 0.5 (JD 2415020).
//   CenturiesSince1900(2451545) = 1 (2000 January 1.5).
inline double CenturiesSince1900(double jd) { return (jd - 2415020) / 36525; }

// Given T (centuries from 1900 January 0.5); returns Delta T, dynamical minus
// universal time, in days: (0.4992 T^2 + 1.2053 T + 0.41) minutes, the
// parabola the conjunctions were calibrated with.
//   DeltaTDays(0) = 0.41 / 1440 (24.6 seconds in 1900);
//   DeltaTDays(-20) = 175.984 / 1440 (about three hours, 101 BCE).
inline double DeltaTDays(double centuries) {
  const double T = centuries;
  return (0.4992 * T * T + 1.2053 * T + 0.41) / 1440;
}

}  // namespace orvane
