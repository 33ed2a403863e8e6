// libFuzzer target for the reader of "UserData.Dat": any input is read within bounds; what
// reads as a whole file writes back as a file that reads and writes the same again.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "app/user_data.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
  using namespace orvane::app;
  const std::string_view text(reinterpret_cast<const char*>(bytes), size);
  UserData data;
  const auto reading = ReadUserData(text, data);
  if (data.Locations.size() > static_cast<std::size_t>(kLastPossibleIndex + 1)) __builtin_trap();
  if (reading.complete) {
    const std::string written = WriteUserData(data);
    UserData again;
    if (!ReadUserData(written, again).complete) __builtin_trap();
    if (WriteUserData(again) != written) __builtin_trap();
  } else if (reading.badLine < 1) {
    __builtin_trap();
  }
  return 0;
}
