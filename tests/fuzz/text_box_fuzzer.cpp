// libFuzzer target for the number boxes of the windows (make fuzz; see
// README.md): the first byte picks the box, the rest is pasted into it.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

#include "support/text_box_harness.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
  const std::string problem =
      orvane::testing::ProblemWithTextBox(std::string_view(reinterpret_cast<const char*>(bytes), size));
  if (!problem.empty()) {
    std::fprintf(stderr, "%s\n", problem.c_str());
    __builtin_trap();
  }
  return 0;
}
