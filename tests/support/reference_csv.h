// The reference vectors of tests/reference/: comma-separated rows after a
// header line, read as texts.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/reference_files.h"

namespace orvane::testing {

// The rows of tests/reference/NAME without the header; an empty last cell is kept.
inline std::vector<std::vector<std::string>> ReadReferenceCsv(const std::string& name) {
  const std::vector<std::string> lines = ReferenceLines(name);
  EXPECT_FALSE(lines.empty()) << name;
  std::vector<std::vector<std::string>> rows;
  for (std::size_t i = 1; i < lines.size(); ++i) {
    auto& cells = rows.emplace_back(1);
    for (char c : lines[i]) c == ',' ? cells.emplace_back().clear() : cells.back().push_back(c);
  }
  return rows;
}

}  // namespace orvane::testing
