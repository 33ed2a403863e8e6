#include "engine/year_box.h"

#include <gtest/gtest.h>

namespace orvane {
namespace {

TEST(YearBox, AcceptsDigitsMinusAndBackspaceOnly) {
  for (char c = '0'; c <= '9'; ++c) EXPECT_TRUE(YearBoxAcceptsKey(c)) << c;
  EXPECT_TRUE(YearBoxAcceptsKey('-'));
  EXPECT_TRUE(YearBoxAcceptsKey(kKeyBackspace));
  for (int c : {int{'+'}, int{'.'}, int{','}, int{'a'}, int{'E'}, int{' '}, int{'/'}, int{':'}, 0, 127, 0xE9})
    EXPECT_FALSE(YearBoxAcceptsKey(c)) << c;
}

// Up adds one, Down takes one off, year 0 is stepped over; the examples of
// the main window's and the conversion windows' year boxes, which share
// the rule.
TEST(YearBox, ArrowsStepTheYearAndPassOverYearZero) {
  struct Case {
    const char* text;
    int key;
    const char* stepped;
  };
  const Case cases[] = {
      {"2024", kKeyUp, "2025"},
      {"2024", kKeyDown, "2023"},
      {"1", kKeyDown, "-1"},
      {"-1", kKeyUp, "1"},
      {"-1", kKeyDown, "-2"},
      {"-2", kKeyUp, "-1"},
      {"0", kKeyUp, "1"},
      {"0", kKeyDown, "-1"},
      {"", kKeyUp, "1"},
      {"", kKeyDown, "-1"},
      {"Year", kKeyUp, "1"},
      {"-4004", kKeyDown, "-4005"},  // the runs clamp
      {"99999", kKeyUp, "100000"},   // no 16-bit overflow
      {"2024.5", kKeyUp, "2025"},    // a pasted fraction: the year rounds half to even first
      {"2025.5", kKeyDown, "2025"},
      {"2024", kKeyF1, "2024"},
      {"20x", 'A', "20x"},
  };
  for (const Case& c : cases) EXPECT_EQ(YearBoxStep(c.text, c.key), c.stepped) << c.text << " " << c.key;
}

}  // namespace
}  // namespace orvane
