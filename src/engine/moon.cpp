// The moon: position by the lunar theory of 'Astronomical Formulae for
// Calculators' and the moonset of an evening.
#include <array>
#include <cmath>
#include <cstdlib>
#include <span>

#include "engine/engine.h"
#include "engine/lunar_terms.h"
#include "engine/numeric.h"
#include "engine/trig.h"

namespace orvane {

namespace {

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

inline double ArgumentOf(const LunarTerm& t, const Arguments& a) {
  return t.d * a.D + t.m * a.M + t.mp * a.Mp + t.f * a.F;
}

constexpr bool EccentricityPowersAtMostTwo(std::span<const LunarTerm> terms) {
  for (const LunarTerm& t : terms) {
    if (t.ePower > 2) return false;
  }
  return true;
}
static_assert(EccentricityPowersAtMostTwo(kMoonLongitudeTerms) && EccentricityPowersAtMostTwo(kMoonLatitudeTerms) &&
              EccentricityPowersAtMostTwo(kMoonParallaxTerms));

// Adds coefficient * trig * E^ePower of one term to the sum (E applied once
// per power, left to right).
inline void AddTerm(double& sum, const LunarTerm& t, double trig, double E) {
  double term = t.coefficient * trig;
  if (t.ePower >= 1) term *= E;
  if (t.ePower >= 2) term *= E;
  sum += term;
}

// Sums coefficient * trig(argument) * E^ePower over the terms, in table order.
template <double (*Trig)(double)>
double SumSeries(std::span<const LunarTerm> terms, const Arguments& a) {
  double sum = 0;
  for (const LunarTerm& t : terms) AddTerm(sum, t, Trig(ArgumentOf(t, a)), a.E);
  return sum;
}

double Sin(double x) { return std::sin(x); }

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

// The longitude terms split by whether a parallax term shares their
// argument, in table order.
struct LongitudeSplit {
  std::array<std::size_t, std::size(kMoonLongitudeTerms)> shared{}, alone{};
  std::size_t sharedCount = 0, aloneCount = 0;
};
constexpr LongitudeSplit kLongitudeSplit = [] {
  std::array<bool, std::size(kMoonLongitudeTerms)> needed{};
  for (int i : kParallaxSharesLongitude) {
    if (i >= 0) needed[static_cast<std::size_t>(i)] = true;
  }
  LongitudeSplit split;
  for (std::size_t i = 0; i < needed.size(); ++i) {
    if (needed[i]) {
      split.shared[split.sharedCount++] = i;
    } else {
      split.alone[split.aloneCount++] = i;
    }
  }
  return split;
}();

// The longitude series (sines) and the parallax series (cosines).  An
// argument shared by both has its sine and cosine taken together; each term
// is the same number, and each series is summed in table order, as when the
// series are summed one by one.
void LongitudeAndParallaxSeries(const Arguments& a, double& longitude, double& parallax) {
  constexpr std::size_t nL = std::size(kMoonLongitudeTerms);
  std::array<double, nL> sines, cosines;  // every entry used is set below
  for (std::size_t k = 0; k < kLongitudeSplit.sharedCount; ++k) {
    const std::size_t i = kLongitudeSplit.shared[k];
    const double arg = ArgumentOf(kMoonLongitudeTerms[i], a);
    sines[i] = std::sin(arg);
    cosines[i] = std::cos(arg);
  }
  for (std::size_t k = 0; k < kLongitudeSplit.aloneCount; ++k) {
    const std::size_t i = kLongitudeSplit.alone[k];
    sines[i] = std::sin(ArgumentOf(kMoonLongitudeTerms[i], a));
  }
  longitude = 0;
  for (std::size_t i = 0; i < nL; ++i) AddTerm(longitude, kMoonLongitudeTerms[i], sines[i], a.E);
  parallax = 0;
  for (std::size_t j = 0; j < std::size(kMoonParallaxTerms); ++j) {
    const LunarTerm& t = kMoonParallaxTerms[j];
    const int shared = kParallaxSharesLongitude[j];
    AddTerm(parallax, t, shared >= 0 ? cosines[static_cast<std::size_t>(shared)] : std::cos(ArgumentOf(t, a)), a.E);
  }
}

}  // namespace

// Given Centuries (T), EveningJD, DeltaT (days), Latitude (radians),
// ZoneCorrection, MoonsetAdjust and the obliquity left by the sun; leaves the
// moon's mean elements, longitude and latitude (radians), parallax (degrees),
// declination (radians), right ascension (hours), the sidereal time at 0h of
// the evening (hours) and the moonset (hours after noon, local mean and zone
// clock time) with its whole hours and minutes.
void Engine::MoonPosition() {
  const double T = st.Centuries;
  const double rad = st.Rad;
  auto reduce = [rad](double degrees) { return num::Reduce(degrees, 360) * rad; };

  // Mean elements with their additive terms.
  st.MoonA1 = reduce(51.2 + 20.2 * T);
  st.MoonA2 = reduce(346.56 + 132.87 * T - 0.0091731 * T * T);
  const double add = 0.003964 * std::sin(st.MoonA2);
  const double omegaDegrees = 259.183275 - 1934.142 * T + 0.002078 * T * T + 2.2e-06 * T * T * T;
  st.MoonOmega = reduce(omegaDegrees);
  const double omega2 = reduce(omegaDegrees + 275.05 - 2.3 * T);
  const double sinA1 = std::sin(st.MoonA1);
  const double sinOmega = std::sin(st.MoonOmega);
  st.MoonMPrime = reduce(296.104608 + 477198.8491 * T + 0.009192 * T * T + 1.44e-05 * T * T * T + 0.000817 * sinA1 +
                         add + 0.002541 * sinOmega);
  st.MoonLPrime = num::Reduce(270.434164 + 481267.8831 * T - 0.001133 * T * T + 1.9e-06 * T * T * T +
                                  0.000233 * sinA1 + add + 0.001964 * sinOmega,
                              360);
  st.MoonM = reduce(358.475833 + 35999.0498 * T - 0.00015 * T * T - 3.3e-06 * T * T * T - 0.001778 * sinA1);
  st.MoonD = reduce(350.737486 + 445267.1142 * T - 0.001436 * T * T + 1.9e-06 * T * T * T + 0.002011 * sinA1 + add +
                    0.001964 * sinOmega);
  st.MoonF = reduce(11.250889 + 483202.0251 * T - 0.003211 * T * T - 3e-07 * T * T * T + add -
                    0.024691 * sinOmega - 0.004328 * std::sin(omega2));
  st.MoonE = 1 - 0.002495 * T - 7.52e-06 * T * T;

  // Periodic series.
  const Arguments a{st.MoonD, st.MoonM, st.MoonMPrime, st.MoonF, st.MoonE};
  double longitudeSeries = 0;
  double parallaxSeries = 0;
  LongitudeAndParallaxSeries(a, longitudeSeries, parallaxSeries);
  const double lambda = st.MoonLPrime + longitudeSeries;
  const double B = SumSeries<Sin>(kMoonLatitudeTerms, a);
  st.MoonParallax = 0.950724 + parallaxSeries;
  const double beta = B * (1 - 0.0004664 * std::cos(st.MoonOmega) -
                           0.0000754 * std::cos(st.MoonOmega + (275.05 - 2.3 * T) * rad));
  st.MoonLongitude = lambda * rad;
  st.MoonLatitude = beta * rad;

  // Equatorial position.
  const double eps = st.Obliquity;
  const double q = std::sin(st.MoonLatitude) * std::cos(eps) +
                   std::cos(st.MoonLatitude) * std::sin(eps) * std::sin(st.MoonLongitude);
  st.MoonDeclination = ArcSine(q);
  // The moon sets when its centre is 0.7275 p - 34' high: parallax, semidiameter and refraction.
  const double c = ((0.7275 * st.MoonParallax - 0.5666667) * rad - std::sin(st.Latitude) * std::sin(st.MoonDeclination)) /
                   (std::cos(st.Latitude) * std::cos(st.MoonDeclination));
  // Held defined when the moon stays above (or below) the horizon all day:
  // 12 hours (or 0) instead of NaN.
  st.MoonHourAngle = (kHalfPi - ArcSine(c)) * kHoursPerRadian;

  const double y = std::sin(st.MoonLongitude) * std::cos(eps) - std::tan(st.MoonLatitude) * std::sin(eps);
  const double x = std::cos(st.MoonLongitude);
  st.MoonRightAscension = QuadrantAngle(y, x) * kHoursPerRadian;

  // Moonset.
  const double T0 = (st.EveningJD - 2415019.5) / 36525;
  st.SiderealTime0 = num::Reduce(6.6460656 + 2400.051262 * T0 + 2.581e-05 * T0 * T0, 24);
  double t = st.SiderealTime0 + 12 - st.MoonRightAscension - 0.065712 * st.DeltaT;
  t = t <= 0 ? -t : 24 - t;  // hours from noon to the moon's transit
  st.MoonTransit = t;
  double moonset = t + st.MoonHourAngle + st.MoonsetAdjust + 0.0241666666;
  if (moonset > 24) moonset -= 24;
  st.MoonsetTime = moonset;
  double clock = st.ZoneCorrection + moonset;
  if (clock > 24) clock -= 24;
  st.MoonsetClock = clock;
  st.MoonsetMinute = num::Int((clock - num::Int(clock)) * 60);
  st.MoonsetHour = num::Int(clock);
}

}  // namespace orvane
