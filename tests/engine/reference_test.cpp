// The transcribed sun, moon and new-moon formulas against an independent
// ephemeris.  The vectors in tests/reference/ were computed with PyEphem
// 4.1.4 (VSOP87 sun, ELP2000 moon) for Jerusalem and 1900-2100; see the
// README there for the settings and how to regenerate them.
//
// The formulas under test are a low-precision theory, so the comparison
// allows a stated tolerance, chosen from the errors measured over the whole
// sample (printed below) with some room.  Any sign or coefficient error in
// a term of arcminute size or more pushes the worst error past it.
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <sstream>

#include "engine/positions.h"
#include "engine/trig.h"
#include "support/fake_host.h"
#include "support/reference_csv.h"

namespace orvane {
namespace {

using testing::EngineFixture;

std::vector<std::vector<std::string>> ReadCsv(const std::string& name) {
  return testing::ReadReferenceCsv(name);
}

// Difference of two clock times in minutes, taken the short way round the day.
double MinutesApart(double hoursA, double hoursB) {
  double d = std::fmod(hoursA - hoursB, 24.0);
  if (d > 12) d -= 24;
  if (d < -12) d += 24;
  return d * 60;
}

// The engine's sunset and moonset (hours after 0h UT) of the evening `jd`
// at Jerusalem, computed exactly as the evening test computes them.
struct EngineEvening {
  double sunsetUT;
  double moonsetUT;
};

EngineEvening EveningAtJerusalem(double jd) {
  EngineFixture f;
  f.engine.InitEphemeris();
  EphemerisState& st = f.st();
  // DeltaT as the new-moon computation would leave it for a lunation of this date.
  const double T = (jd - 2415020) / 36524.22;
  st.DeltaT = (0.4992 * T * T + 1.2053 * T + 0.41) / 1440;
  st.EveningJD = jd;
  st.Centuries = ((jd + st.Longitude + 0.25) + st.DeltaT - 2415020) / 36525;
  f.engine.SunPositionAndSunset();
  st.Centuries = (st.SunsetOffset / 24 + jd + st.DeltaT + st.Longitude - 2415020) / 36525;
  f.engine.MoonPosition();
  st.Centuries = (st.MoonsetTime / 24 + jd + st.DeltaT + st.Longitude - 2415020) / 36525;
  f.engine.MoonPosition();
  // Zone clock times after noon, less the half minute added for rounding;
  // Jerusalem's zone is two hours ahead of universal time.
  return {12 + st.SunsetTime - 0.00833333333 - 2, 12 + st.MoonsetClock - st.MoonsetAdjust - 0.0241666666 - 2};
}

// Difference of two angles in degrees, the short way round the circle.
double DegreesApart(double a, double b) {
  double d = std::fmod(a - b, 360.0);
  if (d > 180) d -= 360;
  if (d < -180) d += 360;
  return d;
}

TEST(Reference, SunAndMoonPositions) {
  // Geocentric apparent ecliptic coordinates of date.  The lunar theory
  // leaves out nutation in longitude (up to 17"), so the moon's longitude
  // tolerance allows for it.  Measured worst errors over the sample: sun
  // 0.0030 degrees, moon longitude 0.0063, latitude 0.0033, parallax 0.00008.
  // The smallest terms, at 0.0005 degrees, are below these tolerances; a
  // sign or coefficient fault in any term from about 0.005 degrees up is not.
  constexpr double kSunLongitude = 0.005;
  constexpr double kMoonLongitude = 0.009;
  constexpr double kMoonLatitude = 0.005;
  constexpr double kMoonParallax = 0.0002;
  double worst[4] = {0, 0, 0, 0};
  for (const auto& row : ReadCsv("positions.csv")) {
    const double T = (std::stod(row[0]) - 2415020) / 36525;
    const SolarPosition sun = SolarPositionAt(T, NutationAndAberration::Applied);
    const LunarPosition moon = LunarPositionAt(T);
    const double errors[4] = {DegreesApart(sun.longitude / kRad, std::stod(row[2])),
                              DegreesApart(moon.longitude / kRad, std::stod(row[3])),
                              moon.latitude / kRad - std::stod(row[4]), moon.parallaxDeg - std::stod(row[5])};
    const double limits[4] = {kSunLongitude, kMoonLongitude, kMoonLatitude, kMoonParallax};
    for (int i = 0; i < 4; ++i) {
      worst[i] = std::max(worst[i], std::fabs(errors[i]));
      EXPECT_LT(std::fabs(errors[i]), limits[i]) << row[1] << " quantity " << i;
    }
  }
  std::cout << "worst errors (degrees): sun longitude " << worst[0] << ", moon longitude " << worst[1]
            << ", latitude " << worst[2] << ", parallax " << worst[3] << "\n";
}

TEST(Reference, SunsetAtJerusalem) {
  // Measured worst error over 1900-2100: 0.09 minutes.
  constexpr double kToleranceMinutes = 0.25;
  double worst = 0;
  for (const auto& row : ReadCsv("sun_moon_jerusalem.csv")) {
    const double jd = std::stod(row[0]);
    const double error = MinutesApart(EveningAtJerusalem(jd).sunsetUT, std::stod(row[2]));
    worst = std::max(worst, std::fabs(error));
    EXPECT_LT(std::fabs(error), kToleranceMinutes) << row[1];
  }
  std::cout << "worst sunset error: " << worst << " min\n";
}

TEST(Reference, MoonsetAtJerusalemNearNewMoon) {
  // The evening test places the moon twice, at sunset and at the moonset
  // that estimate gives; within a few days of new moon, when the crescent
  // is looked for, the moonset is close to sunset and the two passes
  // converge.  Measured worst error: 1.6 minutes.
  constexpr double kToleranceMinutes = 3.0;
  double worst = 0;
  int compared = 0;
  for (const auto& row : ReadCsv("sun_moon_jerusalem.csv")) {
    if (row.size() < 4 || row[3].empty()) continue;
    const double jd = std::stod(row[0]);
    const EngineEvening e = EveningAtJerusalem(jd);
    const double reference = std::stod(row[3]);
    // Only evenings when the moon sets within three hours after sunset.
    const double lagHours = reference - std::stod(row[2]);
    if (lagHours < -1 || lagHours > 3) continue;
    ++compared;
    const double error = MinutesApart(e.moonsetUT, reference);
    worst = std::max(worst, std::fabs(error));
    EXPECT_LT(std::fabs(error), kToleranceMinutes) << row[1];
  }
  EXPECT_GE(compared, 15);
  std::cout << "worst moonset error over " << compared << " evenings: " << worst << " min\n";
}

TEST(Reference, NewMoonInstants) {
  // Compared in dynamical time, so that the two delta-T models do not enter.
  // Measured worst error: 2.3 minutes.
  constexpr double kToleranceMinutes = 4.0;
  double worst = 0;
  EngineFixture f;
  f.engine.InitEphemeris();
  for (const auto& row : ReadCsv("new_moons.csv")) {
    f.st().LunationNumber = std::stod(row[0]);
    f.engine.ComputeConjunction();
    const double referenceTT = std::stod(row[1]) + std::stod(row[3]) / 86400;
    const double error = (f.st().ConjunctionJD - referenceTT) * 1440;
    worst = std::max(worst, std::fabs(error));
    EXPECT_LT(std::fabs(error), kToleranceMinutes) << row[2];
  }
  std::cout << "worst new-moon error: " << worst << " min\n";
}

}  // namespace
}  // namespace orvane
