#include "conversions/year_box.h"

#include <gtest/gtest.h>

namespace orvane::conversions {
namespace {

TEST(YearBox, AcceptsDigitsMinusAndBackspaceOnly) {
  for (char c = '0'; c <= '9'; ++c) EXPECT_TRUE(YearBoxAcceptsKey(c)) << c;
  EXPECT_TRUE(YearBoxAcceptsKey('-'));
  EXPECT_TRUE(YearBoxAcceptsKey(kKeyBackspace));
  for (int c : {int{'+'}, int{'.'}, int{','}, int{'a'}, int{'E'}, int{' '}, int{'/'}, int{':'}, 0, 127})
    EXPECT_FALSE(YearBoxAcceptsKey(c)) << c;
}

TEST(YearBox, ArrowsStepTheYearAndPassOverYearZero) {
  EXPECT_EQ(YearBoxStep("2024", kKeyUp), "2025");
  EXPECT_EQ(YearBoxStep("2024", kKeyDown), "2023");
  EXPECT_EQ(YearBoxStep("1", kKeyDown), "-1");
  EXPECT_EQ(YearBoxStep("-1", kKeyUp), "1");
  EXPECT_EQ(YearBoxStep("-1", kKeyDown), "-2");
  EXPECT_EQ(YearBoxStep("-2", kKeyUp), "-1");
  EXPECT_EQ(YearBoxStep("0", kKeyUp), "1");
  EXPECT_EQ(YearBoxStep("0", kKeyDown), "-1");
  EXPECT_EQ(YearBoxStep("Year", kKeyUp), "1");  // no number reads as 0
  EXPECT_EQ(YearBoxStep("2024", kKeyF1), "2024");
  EXPECT_EQ(YearBoxStep("20x", 'A'), "20x");
}

}  // namespace
}  // namespace orvane::conversions
