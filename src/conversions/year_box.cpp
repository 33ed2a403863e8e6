#include "conversions/year_box.h"

#include <chrono>
#include <ctime>

#include "engine/numeric.h"

namespace orvane::conversions {

int CurrentYearFromClock() {
  const std::time_t now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
  std::tm local{};
#ifdef _WIN32
  localtime_s(&local, &now);
#else
  localtime_r(&now, &local);
#endif
  return local.tm_year + 1900;
}

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
