// The spherical-astronomy steps the positions are built from, against the
// worked examples of Jean Meeus, 'Astronomical Algorithms' (2nd ed., 1998).
// The sun and moon theories themselves are compared with an independent
// ephemeris in reference_test.cpp.
#include "engine/positions.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <random>
#include <span>

#include "engine/lunar_terms.h"
#include "engine/trig.h"

namespace orvane {
namespace {

constexpr double Degrees(double d, double m, double s) { return d + m / 60 + s / 3600; }

TEST(EquatorialFromEcliptic, PolluxOfExample13a) {
  // lambda 113.215630, beta 6.684170, epsilon 23.4392911 degrees give
  // alpha 7h 45m 18.946s and delta +28 01' 34.26".
  const Equatorial pollux = EquatorialFromEcliptic(113.215630 * kRad, 6.684170 * kRad, 23.4392911 * kRad);
  EXPECT_NEAR(pollux.rightAscension, Degrees(7, 45, 18.946), 1e-6);
  EXPECT_NEAR(pollux.declination / kRad, Degrees(28, 1, 34.26), 1e-5);
  EXPECT_DOUBLE_EQ(pollux.sinDeclination, std::sin(pollux.declination));
}

TEST(AltitudeOf, VenusAtWashingtonOfExample13b) {
  // Hour angle 64.352133, declination -6 43' 11.61", latitude +38 55' 17":
  // altitude 15.1249 degrees.
  const double h = AltitudeOf(64.352133 * kRad, -Degrees(6, 43, 11.61) * kRad, Degrees(38, 55, 17) * kRad);
  EXPECT_NEAR(h / kRad, 15.1249, 1e-4);
}

TEST(HourAngleAtAltitude, VenusRisingAtBostonOfExample15a) {
  // Latitude 42.3333, standard altitude -0.5667, declination 18.44092
  // degrees: cos H0 = -0.3178735, H0 = 108.5344 degrees.
  const double declination = 18.44092 * kRad;
  const HourAngle h0 =
      HourAngleAtAltitude(std::sin(-0.5667 * kRad), 42.3333 * kRad, std::sin(declination), declination);
  EXPECT_NEAR(h0.cosine, -0.3178735, 1e-7);
  EXPECT_NEAR(h0.hours, 108.5344 / 15, 1e-5);
}

TEST(SiderealTimeAt0h, TenthOfApril1987OfExample12a) {
  // 13h 10m 46.3668s at 0h UT of 1987 April 10 (JD 2446895.5), the midnight
  // after the noon of JD 2446895.  The older formula of the theory differs
  // from the book's by 0.07 s.
  EXPECT_NEAR(SiderealTimeAt0h(2446895), Degrees(13, 10, 46.3668), 5e-5);
}

// The published series read term by term: coefficient x sin or cos of
// d*D + m*M + m'*M' + f*F, times E once per unit of |m|, summed in order.
double TableSum(std::span<const LunarTerm> terms, bool cosine, double D, double M, double Mp, double F,
                double E) {
  double sum = 0;
  for (const LunarTerm& t : terms) {
    const double argument = t.d * D + t.m * M + t.mp * Mp + t.f * F;
    double term = t.coefficient * (cosine ? std::cos(argument) : std::sin(argument));
    for (int i = 0; i < std::abs(t.m); ++i) term *= E;
    sum += term;
  }
  return sum;
}

TEST(SumLunarSeries, IsTheTableReadTermByTermToTheLastBit) {
  // Report figures hang on last bits, so the expanded series must give
  // exactly what reading the table gives, at the edges of the arguments'
  // range as well as inside it.
  std::mt19937_64 random(20240101);
  std::uniform_real_distribution<double> angle(0, 2 * kPi);
  std::uniform_real_distribution<double> factor(0.79, 1.15);  // E from 4004 BCE to 9999 CE
  auto same = [](double a, double b) {
    return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b);
  };
  for (int n = 0; n < 3000; ++n) {
    double x[4] = {angle(random), angle(random), angle(random), angle(random)};
    if (n < 16) {
      for (int i = 0; i < 4; ++i) x[i] = (n >> i) & 1 ? 0.0 : x[i];  // every choice of zero arguments
    }
    const double E = factor(random);
    const LunarSeries s = SumLunarSeries(x[0], x[1], x[2], x[3], E);
    EXPECT_TRUE(same(s.longitude, TableSum(kMoonLongitudeTerms, false, x[0], x[1], x[2], x[3], E))) << n;
    EXPECT_TRUE(same(s.latitude, TableSum(kMoonLatitudeTerms, false, x[0], x[1], x[2], x[3], E))) << n;
    EXPECT_TRUE(same(s.parallax, TableSum(kMoonParallaxTerms, true, x[0], x[1], x[2], x[3], E))) << n;
  }
}

}  // namespace
}  // namespace orvane
