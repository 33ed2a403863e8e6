#include "conversions/year_box.h"

#include "engine/numeric.h"

namespace orvane::conversions {

bool YearBoxAcceptsKey(int key_ascii) {
  return (key_ascii >= '0' && key_ascii <= '9') || key_ascii == '-' || key_ascii == kKeyBackspace;
}

std::string YearBoxStep(std::string_view text, int key_code) {
  if (key_code != kKeyUp && key_code != kKeyDown) return std::string(text);
  const double old_value = num::Val(text);
  std::string stepped = num::CStr(old_value + (key_code == kKeyUp ? 1 : -1));
  if (stepped == "0") {
    if (old_value == 1) stepped = "-1";
    if (old_value == -1) stepped = "1";
  }
  return stepped;
}

}  // namespace orvane::conversions
