// The angle constants of the engine and the inverse functions as the
// published formulas write them.
//
// The constants are the literals the reports were calibrated with, not the
// exact values of pi / 180, pi and 12 / pi: a figure of a report may differ in its last
// digit with any other, so every procedure takes them from here.
#pragma once

#include <cmath>

namespace orvane {

inline constexpr double kRad = 0.01745329251993;            // degrees to radians (not the exact pi / 180)
inline constexpr double kPi = 3.14159265358979;             // quadrant corrections
inline constexpr double kHalfPi = 1.570796326795;           // the arc cosine as pi/2 - arc sine
inline constexpr double kTwoPi = 6.28318530717958;          // quadrant corrections
inline constexpr double kHoursPerRadian = 3.8197186342055;  // 12 / pi: hour angles and right ascensions
inline constexpr double kSiderealRate = 1.002737908;        // sidereal hours per solar hour

// atan(x / sqrt(1 - x^2)), the arc sine of x in radians, written as the
// formulas of 'Astronomical Formulae for Calculators' write it so that every
// result agrees to the last bit with them.  x is held in [-1, 1] first: a
// cosine of an hour angle beyond 1 means a body that stays below (or, beyond
// -1, above) the horizon all day, which then gives an hour angle of 0 (or
// 12 hours) instead of NaN.  ArcSine(0.5) = 0.5235987755982989 (30 degrees);
// ArcSine(1) = ArcSine(1.02) = pi / 2.
inline double ArcSine(double x) {
  if (x >= 1) return std::atan(HUGE_VAL);  // pi / 2, as x / sqrt(0) gives
  if (x <= -1) return -std::atan(HUGE_VAL);
  return std::atan(x / std::sqrt(1 - x * x));
}

// The angle whose tangent is y / x, in the quadrant of the point (x, y),
// radians in [0, 2 pi): atan(y / x), plus pi when x < 0 and y is not 0,
// plus 2 pi when y < 0 < x.  Right ascensions and azimuths are taken so.
//   QuadrantAngle(1, -1) = 3 pi / 4; QuadrantAngle(-1, 1) = 7 pi / 4.
inline double QuadrantAngle(double y, double x) {
  double angle = std::atan(y / x);
  if (y > 0 && x < 0) angle += kPi;
  if (y < 0 && x < 0) angle += kPi;
  if (y < 0 && x > 0) angle += kTwoPi;
  return angle;
}

}  // namespace orvane
