// The reference vectors of tests/reference/: comma-separated rows after a
// header line, read as texts.
#pragma once

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace orvane::testing {

// The rows of tests/reference/NAME without the header; an empty last cell is kept.
inline std::vector<std::vector<std::string>> ReadReferenceCsv(const std::string& name) {
  std::ifstream in(std::string(ORVANE_TEST_DATA_DIR) + "/reference/" + name);
  EXPECT_TRUE(in.good()) << name;
  std::vector<std::vector<std::string>> rows;
  std::string line;
  std::getline(in, line);  // header
  while (std::getline(in, line)) {
    std::vector<std::string> cells;
    std::stringstream ss(line);
    std::string cell;
    while (std::getline(ss, cell, ',')) cells.push_back(cell);
    if (!line.empty() && line.back() == ',') cells.emplace_back();
    rows.push_back(cells);
  }
  return rows;
}

}  // namespace orvane::testing
