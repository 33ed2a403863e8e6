#include "conversions/year_box.h"

#include "engine/numeric.h"

namespace orvane::conversions {

bool YearBoxAcceptsKey(int keyAscii) {
  return (keyAscii >= '0' && keyAscii <= '9') || keyAscii == '-' || keyAscii == kKeyBackspace;
}

std::string YearBoxStep(std::string_view text, int keyCode) {
  if (keyCode != kKeyUp && keyCode != kKeyDown) return std::string(text);
  const double oldValue = num::Val(text);
  std::string stepped = num::CStr(oldValue + (keyCode == kKeyUp ? 1 : -1));
  if (stepped == "0") {
    if (oldValue == 1) stepped = "-1";
    if (oldValue == -1) stepped = "1";
  }
  return stepped;
}

}  // namespace orvane::conversions
