// The sun: the low-precision solar theory of 'Astronomical Formulae for
// Calculators' (mean elements from 1900 January 0.5, the equation of centre,
// planetary and lunar perturbations, aberration and nutation folded into two
// small terms), the sunset of an evening and the sun's altitude at moonset.
#include <cmath>

#include "engine/engine.h"
#include "engine/numeric.h"
#include "engine/trig.h"

namespace orvane {

// Given Centuries (T, Julian centuries from JD 2415020.0); leaves the sun's
// node, obliquity, perturbation arguments, mean longitude and anomaly,
// eccentricity, equation of time (hours), equation of centre, apparent
// longitude (radians) and the sine of the declination.
void Engine::SolarPosition() {
  const double T = st.Centuries;
  const double rad = st.Rad;
  auto reduce = [rad](double degrees) { return num::Reduce(degrees, 360) * rad; };

  st.SunOmega = (259.18 - 1934.142 * T) * rad;
  st.Obliquity =
      (23.452294 - 0.0130125 * T - 1.64e-06 * T * T + 5.03e-07 * T * T * T + 0.00256 * std::cos(st.SunOmega)) *
      rad;
  st.SunA = reduce(153.23 + 22518.7541 * T);
  st.SunB = reduce(216.57 + 45037.5082 * T);
  st.SunC = reduce(312.69 + 32964.3577 * T);
  st.SunD = reduce(350.74 + 445267.1142 * T - 0.00144 * T * T);
  st.SunE = reduce(231.19 + 20.2 * T);
  st.SunL = reduce(279.69668 + 36000.76892 * T + 0.0003025 * T * T);
  st.SunM = reduce(358.47583 + 35999.04975 * T - 0.00015 * T * T - 3.3e-06 * T * T * T);
  const double e = 0.01675104 - 4.18e-05 * T - 1.26e-07 * T * T;
  st.SunEccentricity = e;
  const double y = std::pow(std::tan(st.Obliquity / 2), 2);
  st.SunY = y;
  const double L = st.SunL;
  const double M = st.SunM;
  st.EquationOfTime = (y * std::sin(2 * L) - 2 * e * std::sin(M) + 4 * e * y * std::sin(M) * std::cos(2 * L) -
                       0.5 * y * y * std::sin(4 * L) - 1.25 * e * e * std::sin(2 * M)) *
                      3.819718634;
  st.EquationOfCentre = ((1.91946 - 0.004789 * T - 1.4e-05 * T * T) * std::sin(M) +
                         (0.020094 - 0.0001 * T) * std::sin(2 * M) + 0.000293 * std::sin(3 * M)) *
                        rad;
  st.SunLongitude = L + st.EquationOfCentre +
                    (0.00134 * std::cos(st.SunA) + 0.00154 * std::cos(st.SunB) + 0.002 * std::cos(st.SunC) +
                     0.00179 * std::sin(st.SunD) + 0.00178 * std::sin(st.SunE) - 0.00569 -
                     0.00479 * std::sin(st.SunOmega)) *
                        rad;
  st.SunSinDeclination = std::sin(st.SunLongitude) * std::sin(st.Obliquity);
}

void Engine::SunPositionAndSunset() {
  SolarPosition();
  if (st.EquinoxGap != 0) return;  // the equinox rule needs only the longitude

  const double q = st.SunSinDeclination;
  st.SunDeclination = ArcSine(q);
  // -0.01454 is the sine of the standard altitude of the sun's centre at
  // sunset (-0 deg 50', refraction and semidiameter).
  const double c = (-0.01454 - std::sin(st.Latitude) * q) / (std::cos(st.Latitude) * std::cos(st.SunDeclination));
  st.SunCosHourAngle = c;
  const double H0 = kHalfPi - ArcSine(c);
  st.SunsetOffset = H0 * kHoursPerRadian - st.EquationOfTime;
  // Half a minute added so that truncating to minutes rounds to the nearest.
  st.SunsetTime = st.ZoneCorrection + st.SunsetOffset + st.SunsetAdjust + 0.00833333333;
  const double S = st.SunsetTime;
  st.SunsetMinute = num::Int((S - num::Int(S)) * 60);
  st.SunsetHour = num::Int(S);

  if (!Writing()) return;
  std::string cell = st.TableMode != 0 ? "" : "   ";
  std::string hourText = num::Str(st.SunsetHour);
  if (st.SunsetHour < 10) hourText.insert(0, 1, ' ');
  cell += hourText + (st.SunsetMinute < 10 ? ":0" : ":") + num::Str(st.SunsetMinute).substr(1);
  WriteOutputLine(cell);
}

void Engine::SunAltitudeAtMoonset() {
  SolarPosition();
  const double q = st.SunSinDeclination;
  st.SunDeclination = ArcSine(q);

  const double y = std::sin(st.SunLongitude) * std::cos(st.Obliquity);
  const double x = std::cos(st.SunLongitude);
  st.SunRightAscension = QuadrantAngle(y, x) * kHoursPerRadian;

  const double H =
      ((st.MoonsetClock + 12) * kSiderealRate + st.SiderealTime0 - st.ZoneCorrection - st.SunRightAscension) /
      kHoursPerRadian;
  st.SunHourAngleAtMoonset = H;
  const double s = std::sin(st.SunDeclination) * std::sin(st.Latitude) +
                   std::cos(st.Latitude) * std::cos(st.SunDeclination) * std::cos(H);
  // The 1.75 degrees raise every value alike; the visibility number is
  // calibrated on the raised altitude.
  double h = ArcSine(s) / st.Rad + 1.75;
  h = num::Int(h * 10000) / 10000;
  st.SunAltitudeAtMoonsetDeg = h;
  WriteOutputLine("      " + FormatFigure(h, 4));
}

}  // namespace orvane
