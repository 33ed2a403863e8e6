#include "app/locations.h"

#include <algorithm>
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

std::optional<double> ZoneOffsetHours(std::string_view text) {
  bool digit = false;
  bool point = false;
  for (const char c : text) {
    if (c >= '0' && c <= '9') {
      digit = true;
    } else if (c == '.' && !point) {
      point = true;
    } else {
      return std::nullopt;
    }
  }
  if (!digit) return std::nullopt;
  const double hours = num::Val(text);
  if (hours > kMaxZoneOffset) return std::nullopt;
  return hours;
}

std::string OffsetBoxOnLeaving(std::string_view text) {
  if (text.empty() || ZoneOffsetHours(text)) return std::string(text);
  // Rounded to hundredths of an hour, so that the text stays a plain number
  // (a tiny value would be written with an exponent).
  return num::CStr(num::Round(std::clamp(num::Val(text), 0.0, kMaxZoneOffset), 2));
}

std::string ZoneCaptionText(std::string_view gmtBox) { return num::CStr(num::Val(gmtBox)); }

}  // namespace orvane::app
