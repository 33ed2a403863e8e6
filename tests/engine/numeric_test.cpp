// The numeric rules against worked examples: the floor, halves to even,
// the sign column of Str, the general form and the leading number of Val.
#include "engine/numeric.h"

#include <gtest/gtest.h>

#include <limits>
#include <optional>
#include <string>
#include <tuple>

namespace orvane::num {
namespace {

TEST(Numeric, WholeNumbersFloorOrRoundHalvesToEvenAndSaturate) {
  EXPECT_EQ(Int(2.7), 2.0);
  EXPECT_EQ(Int(-0.86), -1.0);  // the Sabbatical rule of Creation year 2501 depends on this
  const std::pair<double, int> whole[] = {{2.5, 2},       {3.5, 4},  {-2.5, -2},       {-3.5, -4},
                                          {2.5000001, 3}, {-0.4, 0}, {99999.0, 32767}, {-99999.0, -32768}};
  for (const auto& [value, rounded] : whole) EXPECT_EQ(CInt(value), rounded) << value;
  EXPECT_EQ(CLng(123457.5), 123458);
  EXPECT_EQ(CLng(1e12), 2147483647);
  EXPECT_DOUBLE_EQ(Round(0.125, 2), 0.12);
  EXPECT_DOUBLE_EQ(Round(-2.795, 2), -2.8);  // -279.5 in double rounds to the even -280
  EXPECT_FLOAT_EQ(Round(1.235f, 2), 1.24f);
  // Mod keeps the dividend's sign and rounds halves to even first.
  const std::tuple<double, double, int> mods[] = {{3366, 7, 6}, {-91, 7, 0},  {-10, 7, -3},
                                                  {10, -7, 3},  {10.5, 4, 2}, {11.5, 4, 0}};
  for (const auto& [a, b, mod] : mods) EXPECT_EQ(Mod(a, b), mod) << a << " mod " << b;
  EXPECT_DOUBLE_EQ(Reduce(-30.0, 360.0), 330.0);
}

TEST(Numeric, TextsOfNumbers) {
  // Str: a blank before a non-negative number, no zero before the point,
  // fifteen figures of a double.
  const std::pair<double, const char*> str[] = {{2024, " 2024"},
                                                {-1461, "-1461"},
                                                {0, " 0"},
                                                {0.5, " .5"},
                                                {-0.25, "-.25"},
                                                {1.0 / 3.0, " .333333333333333"},
                                                {2.0 / 3.0, " .666666666666667"},
                                                {-35.2166666666667, "-35.2166666666667"},
                                                {1e20, " 1E+20"},
                                                {123456789012345678.0, " 1.23456789012346E+17"},
                                                {0.0001, " .0001"},
                                                {static_cast<double>(1.23f), " 1.23000001907349"}};
  for (const auto& [value, text] : str) EXPECT_EQ(Str(value), text);
  EXPECT_EQ(Str(1.23f), " 1.23");  // seven figures of a single
  EXPECT_EQ(Str(-0.5f), "-.5");
  // The general form of the place captions and the data file: a zero before the point.
  const std::pair<double, const char*> general[] = {{5.5, "5.5"},
                                                    {-0.0, "0"},
                                                    {-0.25, "-0.25"},
                                                    {-2.0 / 3.0, "-0.666666666666667"},
                                                    {31.7833333333333, "31.7833333333333"},
                                                    {16761024, "16761024"},
                                                    {123456789012345.0, "123456789012345"},
                                                    {1234567890123456.0, "1.23456789012346E+15"},
                                                    {-1.5e-7, "-1.5E-07"}};
  for (const auto& [value, text] : general) EXPECT_EQ(CStr(value), text);
  EXPECT_EQ(CStr(9007199254740993LL), "9007199254740993");
  EXPECT_EQ(ZeroPadded(-44, 4), "-0044");
  EXPECT_EQ(HexDigits(0xfedcba9876543210ULL, 16), "fedcba9876543210");
  // 2.675 is 2.67499999999999982236431605997495353221893310546875 in binary:
  // the Python documentation's own example of round(2.675, 2) = 2.67.
  EXPECT_EQ(Fixed(2.675, 2), "2.67");
  EXPECT_EQ(Fixed(-0.004, 2), "0.00");
}

TEST(Numeric, ValReadsTheLeadingNumberAndDecimalValueOnlyAPlainOne) {
  constexpr double kMax = std::numeric_limits<double>::max();
  const std::pair<std::string, double> val[] = {
      {"20-24", 20},     {"abc", 0},    {"-", 0},
      {"--5", 0},        {" 1 2", 12},  {"  31.75N", 31.75},
      {".5", 0.5},       {"1e3", 1000}, {"1e", 1},
      {"+7", 7},         {"2,5", 2},    {"1e400", kMax},
      {"-1d400", -kMax}, {"1e-400", 0}, {"." + std::string(400, '0') + "1", 0}};
  for (const auto& [text, value] : val) EXPECT_EQ(Val(text), value) << text;  // "2,5": a comma is no point
  const std::pair<std::string, std::optional<double>> decimal[] = {{"-35.25", -35.25},
                                                                   {".5", 0.5},
                                                                   {"1.5E3", 1500},
                                                                   {"1E-400", 0},
                                                                   {"-1e-400", 0},
                                                                   {"1E400", std::nullopt},
                                                                   {std::string(400, '9'), std::nullopt},
                                                                   {"", std::nullopt},
                                                                   {"2,5", std::nullopt},
                                                                   {" 1", std::nullopt},
                                                                   {"inf", std::nullopt},
                                                                   {"0x10", std::nullopt},
                                                                   {"1e", std::nullopt}};
  for (const auto& [text, value] : decimal) EXPECT_EQ(DecimalValue(text), value) << text;
}

}  // namespace
}  // namespace orvane::num
