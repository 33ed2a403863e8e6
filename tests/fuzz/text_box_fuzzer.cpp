// libFuzzer target for the number boxes of the windows (make fuzz): the
// year, day and Julian-day boxes of the conversion window, the year boxes of
// the Rabbinical-year and Easter windows, the main window's year box and its
// seven coordinate boxes.  The first byte of an input picks the box, the
// rest is pasted into it; what reads the box then runs, and must keep the
// rules of tests/support/text_box_harness.h.
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
