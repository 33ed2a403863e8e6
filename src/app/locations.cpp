#include "app/locations.h"

#include <cmath>
#include <limits>

#include "engine/numeric.h"

namespace orvane::app {

namespace {

// Truncates a non-negative value into the 16-bit range.
std::int16_t TruncatedInt16(double x) {
  if (!(x >= 0)) return 0;  // also NaN
  if (x >= std::numeric_limits<std::int16_t>::max()) return std::numeric_limits<std::int16_t>::max();
  return static_cast<std::int16_t>(x);
}

}  // namespace

double DegMinToDecimal(std::int16_t degrees, std::int16_t minutes) {
  return std::abs(static_cast<double>(degrees)) + static_cast<double>(minutes) / 60;
}

std::int16_t WholeDegrees(double x) { return TruncatedInt16(std::trunc(std::fabs(x))); }

std::int16_t WholeMinutes(double x) {
  const double a = std::fabs(x);
  if (!std::isfinite(a)) return 0;
  return TruncatedInt16(std::trunc((a - std::trunc(a)) * 60));
}

std::int16_t BoxInteger(std::string_view text) { return num::CInt(num::Val(text)); }

std::string ZoneCaptionText(std::string_view gmtBox) { return num::CStr(num::Val(gmtBox)); }

}  // namespace orvane::app
