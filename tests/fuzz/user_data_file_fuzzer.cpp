// libFuzzer target for the load-then-save path of "UserData.Dat" on disk
// (make fuzz; see README.md): no entry readable from the input is lost.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string_view>

#include "support/load_save_check.h"
#include "support/temp_dir.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
  static const orvane::testing::TempDir folder;
  const std::string problems = orvane::testing::LoadThenSaveLosesNothing(
      std::string_view(reinterpret_cast<const char*>(bytes), size), folder.path());
  if (!problems.empty()) {
    std::fputs(problems.c_str(), stderr);
    __builtin_trap();
  }
  return 0;
}
