#include "engine/year_box.h"

#include "engine/numeric.h"

namespace orvane {

bool YearBoxAcceptsKey(int keyAscii) {
  return (keyAscii >= '0' && keyAscii <= '9') || keyAscii == '-' || keyAscii == kKeyBackspace;
}

std::string YearBoxStep(std::string_view text, int keyCode) {
  if (keyCode != kKeyUp && keyCode != kKeyDown) return std::string(text);
  const double oldValue = num::RoundHalfEven(num::Val(text));
  std::string stepped = num::CStr(oldValue + (keyCode == kKeyUp ? 1 : -1));
  if (stepped == "0") {
    if (oldValue == 1) stepped = "-1";  // stepping down from 1 CE to 1 BCE
    if (oldValue == -1) stepped = "1";  // and up from 1 BCE to 1 CE
  }
  return stepped;
}

}  // namespace orvane
