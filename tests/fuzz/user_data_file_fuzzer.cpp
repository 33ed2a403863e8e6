// libFuzzer target for the whole load-then-save path of "UserData.Dat"
// (make fuzz): the input becomes a real file in a temporary folder, which a
// running copy of the program reads and saves.  Every entry readable from
// the input must still be in the file or in a copy kept beside it, and what
// was saved must read back whole.
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
