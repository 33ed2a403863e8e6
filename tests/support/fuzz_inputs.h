// The inputs kept for a fuzz target, for their replay in the tests: its seeds
// and every input that once crashed or hung it (tests/fuzz/<target>/).
#pragma once

#include <cstdlib>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "support/temp_dir.h"

namespace orvane::testing {

// The name and bytes of each kept input of `target` ("user_data", "cli"),
// read from the tests folder that ORVANE_TEST_DATA names; none without it.
inline std::vector<std::pair<std::string, std::string>> KeptFuzzInputs(const std::string& target) {
  namespace fs = std::filesystem;
  std::vector<std::pair<std::string, std::string>> inputs;
  const char* root = std::getenv("ORVANE_TEST_DATA");
  if (root == nullptr) return inputs;
  for (const char* kind : {"seeds", "regressions"}) {
    const fs::path dir = fs::path(root) / "fuzz" / target / kind;
    if (!fs::exists(dir)) continue;
    for (const auto& entry : fs::directory_iterator(dir)) {
      if (entry.is_regular_file())
        inputs.emplace_back(entry.path().filename().string(), ReadBytes(entry.path()));
    }
  }
  return inputs;
}

}  // namespace orvane::testing
