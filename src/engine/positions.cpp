// The solar and lunar theories of 'Astronomical Formulae for Calculators'.
// Every expression keeps the order of operations of the published formulas
// as the reports were calibrated with them: a reordering changes last bits,
// and a last bit can move a figure of a report.
#include "engine/positions.h"

#include <array>
#include <cmath>
#include <cstddef>
#include <span>
#include <utility>

#include "engine/lunar_terms.h"
#include "engine/numeric.h"
#include "engine/trig.h"

namespace orvane {

namespace {

// An angle in degrees reduced to [0, 360) and turned into radians.
double Reduced(double degrees) { return num::Reduce(degrees, 360) * kRad; }

// Every term that depends on the sun's anomaly carries E once per unit of |m|.
constexpr bool EccentricityPowersMatch(std::span<const LunarTerm> terms) {
  for (const LunarTerm& t : terms) {
    if (t.ePower != (t.m < 0 ? -t.m : t.m)) return false;
  }
  return true;
}
static_assert(EccentricityPowersMatch(kMoonLongitudeTerms));
static_assert(EccentricityPowersMatch(kMoonLatitudeTerms));
static_assert(EccentricityPowersMatch(kMoonParallaxTerms));
static_assert(std::size(kMoonLongitudeTerms) == 50 && std::size(kMoonLatitudeTerms) == 45 &&
              std::size(kMoonParallaxTerms) == 30);

struct Arguments {
  double D, M, Mp, F, E;  // radians, and the eccentricity factor
};

// A term's argument skips the multiples that are zero.  That is the same
// number as the full d*D + m*M + mp*M' + f*F summed left to right: a zero
// multiple adds +0 (every argument is reduced to [0, 2 pi), never -0), which
// changes no sum but -0, and a sum is -0 only while every product in it is;
// each term has a positive multiple, whose product is +0 or more, so the
// partial sums of the two ways agree from that product on.
constexpr bool EveryTermHasAPositiveMultiple(std::span<const LunarTerm> terms) {
  for (const LunarTerm& t : terms) {
    if (t.d <= 0 && t.m <= 0 && t.mp <= 0 && t.f <= 0) return false;
  }
  return true;
}
static_assert(EveryTermHasAPositiveMultiple(kMoonLongitudeTerms));
static_assert(EveryTermHasAPositiveMultiple(kMoonLatitudeTerms));
static_assert(EveryTermHasAPositiveMultiple(kMoonParallaxTerms));

// The argument of term I of a table, its multiples compile-time constants.
template <const auto& Table, std::size_t I>
inline double ArgumentOf(const Arguments& a) {
  constexpr LunarTerm t = Table[I];
  constexpr double k[4] = {t.d, t.m, t.mp, t.f};
  const double x[4] = {a.D, a.M, a.Mp, a.F};
  constexpr int first = t.d != 0 ? 0 : t.m != 0 ? 1 : t.mp != 0 ? 2 : 3;
  double sum = k[first] * x[first];
  if constexpr (first < 1 && k[1] != 0) sum += k[1] * x[1];
  if constexpr (first < 2 && k[2] != 0) sum += k[2] * x[2];
  if constexpr (first < 3 && k[3] != 0) sum += k[3] * x[3];
  return sum;
}

// Adds coefficient * trig * E^ePower of term I to the sum (E applied once
// per power, left to right).
template <const auto& Table, std::size_t I>
inline void AddTerm(double& sum, double trig, double E) {
  constexpr LunarTerm t = Table[I];
  double term = t.coefficient * trig;
  if constexpr (t.ePower >= 1) term *= E;
  if constexpr (t.ePower >= 2) term *= E;
  sum += term;
}

// Most parallax terms have the argument of a longitude term: for each
// parallax term, the index of that longitude term, or -1.
constexpr auto kParallaxSharesLongitude = [] {
  std::array<int, std::size(kMoonParallaxTerms)> shared{};
  for (std::size_t j = 0; j < std::size(kMoonParallaxTerms); ++j) {
    const LunarTerm& p = kMoonParallaxTerms[j];
    shared[j] = -1;
    for (std::size_t i = 0; i < std::size(kMoonLongitudeTerms); ++i) {
      const LunarTerm& l = kMoonLongitudeTerms[i];
      if (l.d == p.d && l.m == p.m && l.mp == p.mp && l.f == p.f) shared[j] = static_cast<int>(i);
    }
  }
  return shared;
}();

// Whether a longitude term lends its argument to a parallax term.
constexpr auto kLongitudeShared = [] {
  std::array<bool, std::size(kMoonLongitudeTerms)> needed{};
  for (int i : kParallaxSharesLongitude) {
    if (i >= 0) needed[static_cast<std::size_t>(i)] = true;
  }
  return needed;
}();

constexpr std::size_t kLongitudeCount = std::size(kMoonLongitudeTerms);

// Longitude term I: its sine into the sum, and the cosine of its argument
// kept when a parallax term shares it.
template <std::size_t I>
inline void LongitudeTerm(double& sum, std::array<double, kLongitudeCount>& cosines, const Arguments& a) {
  const double arg = ArgumentOf<kMoonLongitudeTerms, I>(a);
  AddTerm<kMoonLongitudeTerms, I>(sum, std::sin(arg), a.E);
  if constexpr (kLongitudeShared[I]) cosines[I] = std::cos(arg);
}

template <std::size_t J>
inline void ParallaxTerm(double& sum, const std::array<double, kLongitudeCount>& cosines,
                         const Arguments& a) {
  constexpr int shared = kParallaxSharesLongitude[J];
  if constexpr (shared >= 0) {
    AddTerm<kMoonParallaxTerms, J>(sum, cosines[static_cast<std::size_t>(shared)], a.E);
  } else {
    AddTerm<kMoonParallaxTerms, J>(sum, std::cos(ArgumentOf<kMoonParallaxTerms, J>(a)), a.E);
  }
}

}  // namespace

// Each series is expanded at compile time, term by term in the table's
// order (a fold over the comma operator runs left to right): the same sines
// and cosines of the same arguments, summed with the same operations as a
// loop over the table, without reading a multiple or a power at run time.
LunarSeries SumLunarSeries(double D, double M, double Mp, double F, double E) {
  const Arguments a{D, M, Mp, F, E};
  LunarSeries sums;
  // An argument shared by the longitude and the parallax has its sine and
  // cosine taken once; each term is the same number either way.
  std::array<double, kLongitudeCount> cosines{};
  [&]<std::size_t... I>(std::index_sequence<I...>) { (LongitudeTerm<I>(sums.longitude, cosines, a), ...); }
  (std::make_index_sequence<kLongitudeCount>{});
  [&]<std::size_t... I>(std::index_sequence<I...>) {
    (AddTerm<kMoonLatitudeTerms, I>(sums.latitude, std::sin(ArgumentOf<kMoonLatitudeTerms, I>(a)), a.E), ...);
  }
  (std::make_index_sequence<std::size(kMoonLatitudeTerms)>{});
  [&]<std::size_t... J>(std::index_sequence<J...>) { (ParallaxTerm<J>(sums.parallax, cosines, a), ...); }
  (std::make_index_sequence<std::size(kMoonParallaxTerms)>{});
  return sums;
}

SolarPosition SolarPositionAt(double centuries, NutationAndAberration terms) {
  const double T = centuries;
  const bool apparent = terms == NutationAndAberration::Applied;
  SolarPosition sun;
  sun.node = (259.18 - 1934.142 * T) * kRad;
  double obliquityDeg = 23.452294 - 0.0130125 * T - 1.64e-06 * T * T + 5.03e-07 * T * T * T;
  if (apparent) obliquityDeg += 0.00256 * std::cos(sun.node);  // nutation in obliquity
  sun.obliquity = obliquityDeg * kRad;
  sun.a = Reduced(153.23 + 22518.7541 * T);
  sun.b = Reduced(216.57 + 45037.5082 * T);
  sun.c = Reduced(312.69 + 32964.3577 * T);
  sun.d = Reduced(350.74 + 445267.1142 * T - 0.00144 * T * T);
  sun.e = Reduced(231.19 + 20.2 * T);
  sun.meanLongitude = Reduced(279.69668 + 36000.76892 * T + 0.0003025 * T * T);
  sun.meanAnomaly = Reduced(358.47583 + 35999.04975 * T - 0.00015 * T * T - 3.3e-06 * T * T * T);
  const double e = 0.01675104 - 4.18e-05 * T - 1.26e-07 * T * T;
  sun.eccentricity = e;
  const double y = std::pow(std::tan(sun.obliquity / 2), 2);
  sun.y = y;
  const double L = sun.meanLongitude;
  const double M = sun.meanAnomaly;
  // 3.819718634 is the shorter literal of 12 / pi this formula was given with.
  sun.equationOfTime =
      (y * std::sin(2 * L) - 2 * e * std::sin(M) + 4 * e * y * std::sin(M) * std::cos(2 * L) -
       0.5 * y * y * std::sin(4 * L) - 1.25 * e * e * std::sin(2 * M)) *
      3.819718634;
  sun.equationOfCentre = ((1.91946 - 0.004789 * T - 1.4e-05 * T * T) * std::sin(M) +
                          (0.020094 - 0.0001 * T) * std::sin(2 * M) + 0.000293 * std::sin(3 * M)) *
                         kRad;
  double perturbations = 0.00134 * std::cos(sun.a) + 0.00154 * std::cos(sun.b) + 0.002 * std::cos(sun.c) +
                         0.00179 * std::sin(sun.d) + 0.00178 * std::sin(sun.e);
  // Aberration (-0.00569 degrees) and nutation in longitude.
  if (apparent) perturbations = perturbations - 0.00569 - 0.00479 * std::sin(sun.node);
  sun.longitude = L + sun.equationOfCentre + perturbations * kRad;
  sun.sinDeclination = std::sin(sun.longitude) * std::sin(sun.obliquity);
  return sun;
}

LunarPosition LunarPositionAt(double centuries) {
  const double T = centuries;
  LunarPosition moon;

  // Mean elements with their additive terms.
  moon.a1 = Reduced(51.2 + 20.2 * T);
  moon.a2 = Reduced(346.56 + 132.87 * T - 0.0091731 * T * T);
  const double add = 0.003964 * std::sin(moon.a2);
  const double omegaDegrees = 259.183275 - 1934.142 * T + 0.002078 * T * T + 2.2e-06 * T * T * T;
  moon.node = Reduced(omegaDegrees);
  const double omega2 = Reduced(omegaDegrees + 275.05 - 2.3 * T);
  const double sinA1 = std::sin(moon.a1);
  const double sinOmega = std::sin(moon.node);
  moon.meanAnomaly = Reduced(296.104608 + 477198.8491 * T + 0.009192 * T * T + 1.44e-05 * T * T * T +
                             0.000817 * sinA1 + add + 0.002541 * sinOmega);
  moon.meanLongitudeDeg = num::Reduce(270.434164 + 481267.8831 * T - 0.001133 * T * T + 1.9e-06 * T * T * T +
                                          0.000233 * sinA1 + add + 0.001964 * sinOmega,
                                      360);
  moon.sunMeanAnomaly =
      Reduced(358.475833 + 35999.0498 * T - 0.00015 * T * T - 3.3e-06 * T * T * T - 0.001778 * sinA1);
  moon.elongation = Reduced(350.737486 + 445267.1142 * T - 0.001436 * T * T + 1.9e-06 * T * T * T +
                            0.002011 * sinA1 + add + 0.001964 * sinOmega);
  moon.argumentOfLatitude = Reduced(11.250889 + 483202.0251 * T - 0.003211 * T * T - 3e-07 * T * T * T + add -
                                    0.024691 * sinOmega - 0.004328 * std::sin(omega2));
  moon.eccentricityFactor = 1 - 0.002495 * T - 7.52e-06 * T * T;

  // Periodic series.
  const LunarSeries sums = SumLunarSeries(moon.elongation, moon.sunMeanAnomaly, moon.meanAnomaly,
                                          moon.argumentOfLatitude, moon.eccentricityFactor);
  const double lambda = moon.meanLongitudeDeg + sums.longitude;
  moon.parallaxDeg = 0.950724 + sums.parallax;
  const double beta = sums.latitude * (1 - 0.0004664 * std::cos(moon.node) -
                                       0.0000754 * std::cos(moon.node + (275.05 - 2.3 * T) * kRad));
  moon.longitude = lambda * kRad;
  moon.latitude = beta * kRad;
  return moon;
}

Equatorial EquatorialFromEcliptic(double longitude, double latitude, double obliquity) {
  Equatorial place;
  place.sinDeclination = std::sin(latitude) * std::cos(obliquity) +
                         std::cos(latitude) * std::sin(obliquity) * std::sin(longitude);
  place.declination = ArcSine(place.sinDeclination);
  const double y = std::sin(longitude) * std::cos(obliquity) - std::tan(latitude) * std::sin(obliquity);
  const double x = std::cos(longitude);
  place.rightAscension = QuadrantAngle(y, x) * kHoursPerRadian;
  return place;
}

ObserverLatitude ObserverLatitudeOf(double radians) {
  ObserverLatitude latitude;
  latitude.radians = radians;
  latitude.sine = std::sin(radians);
  latitude.cosine = std::cos(radians);
  return latitude;
}

HourAngle HourAngleAtAltitude(double sinAltitude, const ObserverLatitude& latitude, double sinDeclination,
                              double declination) {
  HourAngle h;
  h.cosine = (sinAltitude - latitude.sine * sinDeclination) / (latitude.cosine * std::cos(declination));
  h.hours = (kHalfPi - ArcSine(h.cosine)) * kHoursPerRadian;
  return h;
}

HourAngle HourAngleAtAltitude(double sinAltitude, double latitude, double sinDeclination,
                              double declination) {
  return HourAngleAtAltitude(sinAltitude, ObserverLatitudeOf(latitude), sinDeclination, declination);
}

double AltitudeOf(double hourAngle, double declination, const ObserverLatitude& latitude) {
  return ArcSine(latitude.sine * std::sin(declination) +
                 latitude.cosine * std::cos(declination) * std::cos(hourAngle));
}

double AltitudeOf(double hourAngle, double declination, double latitude) {
  return AltitudeOf(hourAngle, declination, ObserverLatitudeOf(latitude));
}

double SiderealTimeAt0h(double jd) {
  const double T0 = (jd - 2415019.5) / 36525;
  return num::Reduce(6.6460656 + 2400.051262 * T0 + 2.581e-05 * T0 * T0, 24);
}

}  // namespace orvane
