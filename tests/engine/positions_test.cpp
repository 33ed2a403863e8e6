// The spherical-astronomy steps the positions are built from, against the
// worked examples of Jean Meeus, 'Astronomical Algorithms' (2nd ed., 1998).
// The sun and moon theories themselves are compared with an independent
// ephemeris in reference_test.cpp.
#include "engine/positions.h"

#include <gtest/gtest.h>

#include <cmath>

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

}  // namespace
}  // namespace orvane
