// The arc sine as the published formulas write it, kept defined at the ends.
#pragma once

#include <cmath>

namespace orvane {

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

}  // namespace orvane
