// The checked-in reference vectors of tests/reference/: files computed with
// independent libraries and ephemerides, read line by line.
#pragma once

#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

namespace orvane::testing {

// The lines of a reference file without blank and comment ("#") lines; the
// folder is ORVANE_TEST_DATA's (set by ctest) or the source tree's.
inline std::vector<std::string> ReferenceLines(const std::string& name) {
  const char* data = std::getenv("ORVANE_TEST_DATA");
  std::ifstream file(std::string(data != nullptr ? data : ORVANE_TEST_DATA_DIR) + "/reference/" + name);
  std::vector<std::string> lines;
  for (std::string line; std::getline(file, line);) {
    if (!line.empty() && line[0] != '#') lines.push_back(line);
  }
  return lines;
}

}  // namespace orvane::testing
