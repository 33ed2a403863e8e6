#include "engine/numeric.h"

#include <gtest/gtest.h>

#include <limits>
#include <optional>
#include <string>

namespace orvane::num {
namespace {

TEST(Numeric, IntIsTheFloor) {
  EXPECT_EQ(Int(2.7), 2.0);
  EXPECT_EQ(Int(-2.3), -3.0);
  EXPECT_EQ(Int(-2.0), -2.0);
  EXPECT_EQ(Int(0.0), 0.0);
  EXPECT_EQ(Int(-0.86), -1.0);  // the Sabbatical rule of Creation year 2501 depends on this
}

TEST(Numeric, WholeNumberConversionsRoundHalvesToEven) {
  EXPECT_EQ(CInt(2.5), 2);
  EXPECT_EQ(CInt(3.5), 4);
  EXPECT_EQ(CInt(-2.5), -2);
  EXPECT_EQ(CInt(-3.5), -4);
  EXPECT_EQ(CInt(2.5000001), 3);
  EXPECT_EQ(CInt(-0.4), 0);
  EXPECT_EQ(CLng(123456.5), 123456);
  EXPECT_EQ(CLng(123457.5), 123458);
}

TEST(Numeric, WholeNumberConversionsSaturateInsteadOfOverflowing) {
  EXPECT_EQ(CInt(99999), 32767);
  EXPECT_EQ(CInt(-99999), -32768);
  EXPECT_EQ(CLng(1e12), 2147483647);
}

TEST(Numeric, RoundScalesInDoubleThenRoundsHalfToEven) {
  EXPECT_DOUBLE_EQ(Round(0.125, 2), 0.12);
  EXPECT_DOUBLE_EQ(Round(0.375, 2), 0.38);
  EXPECT_DOUBLE_EQ(Round(12.345, 1), 12.3);
  EXPECT_DOUBLE_EQ(Round(-2.795, 2), -2.8);  // -279.5 in double rounds to the even -280
  EXPECT_DOUBLE_EQ(Round(2.5, 0), 2.0);
  EXPECT_FLOAT_EQ(Round(1.235f, 2), 1.24f);
}

TEST(Numeric, StrOfDoublesHasSignColumnAndNoLeadingZero) {
  EXPECT_EQ(Str(2024.0), " 2024");
  EXPECT_EQ(Str(-1461.0), "-1461");
  EXPECT_EQ(Str(0.0), " 0");
  EXPECT_EQ(Str(0.5), " .5");
  EXPECT_EQ(Str(-0.25), "-.25");
  EXPECT_EQ(Str(12.3), " 12.3");
  EXPECT_EQ(Str(1.0 / 3.0), " .333333333333333");
  EXPECT_EQ(Str(2.0 / 3.0), " .666666666666667");
  EXPECT_EQ(Str(31.7833333333333), " 31.7833333333333");
  EXPECT_EQ(Str(-35.2166666666667), "-35.2166666666667");
  EXPECT_EQ(Str(1e20), " 1E+20");
  EXPECT_EQ(Str(123456789012345678.0), " 1.23456789012346E+17");
  EXPECT_EQ(Str(0.0001), " .0001");
}

TEST(Numeric, StrOfSinglesKeepsSevenDigits) {
  EXPECT_EQ(Str(1.23f), " 1.23");
  EXPECT_EQ(Str(0.57f), " .57");
  EXPECT_EQ(Str(99.99f), " 99.99");
  EXPECT_EQ(Str(-0.5f), "-.5");
  EXPECT_EQ(Str(static_cast<double>(1.23f)), " 1.23000001907349");  // the same value read as a double
}

// The general form in which numbers are written as text: the zone of a place
// caption ("2", "5.5", "0"), the number lines of the user data file without
// their blanks ("-35.2166666666667", "31.7833333333333", "16761024"), and a
// zero before a leading point, unlike Str.
TEST(Numeric, CStrIsTheGeneralFormWithItsLeadingZero) {
  const struct {
    double value;
    const char* text;
  } cases[] = {
      {2, "2"},
      {5.5, "5.5"},
      {0, "0"},
      {-0.0, "0"},
      {33, "33"},
      {-5, "-5"},
      {0.5, "0.5"},
      {-0.5, "-0.5"},
      {-0.25, "-0.25"},
      {0.0001, "0.0001"},
      {1.0 / 3.0, "0.333333333333333"},
      {-2.0 / 3.0, "-0.666666666666667"},
      {-35.2166666666667, "-35.2166666666667"},
      {31.7833333333333, "31.7833333333333"},
      {16761024, "16761024"},
      {2460390.25, "2460390.25"},
      {123456789012345.0, "123456789012345"},
      {1234567890123456.0, "1.23456789012346E+15"},
      {1e20, "1E+20"},
      {-1.5e-7, "-1.5E-07"},
  };
  for (const auto& c : cases) EXPECT_EQ(CStr(c.value), c.text) << c.value;
  // Whole numbers of every integer type give all their digits.
  EXPECT_EQ(CStr(2024), "2024");
  EXPECT_EQ(CStr(std::int16_t{-4004}), "-4004");
  EXPECT_EQ(CStr(9007199254740993LL), "9007199254740993");
}

TEST(Numeric, PaddedWholeNumbers) {
  EXPECT_EQ(ZeroPadded(5, 2), "05");
  EXPECT_EQ(ZeroPadded(0, 2), "00");
  EXPECT_EQ(ZeroPadded(123, 2), "123");
  EXPECT_EQ(ZeroPadded(-44, 4), "-0044");
  EXPECT_EQ(HexDigits(255, 4), "00ff");
  EXPECT_EQ(HexDigits(0xfedcba9876543210ULL, 16), "fedcba9876543210");
}

TEST(Numeric, FixedDecimalsRoundTheBinaryValue) {
  // 2.675 is 2.67499999999999982236431605997495353221893310546875 in binary:
  // the Python documentation's own example of round(2.675, 2) = 2.67.
  EXPECT_EQ(Fixed(2.675, 2), "2.67");
  EXPECT_EQ(Fixed(0.5, 3), "0.500");
  EXPECT_EQ(Fixed(-12.34567, 3), "-12.346");
  EXPECT_EQ(Fixed(-0.004, 2), "0.00");
  EXPECT_EQ(Fixed(2.5, 0), "2");
}

TEST(Numeric, ValReadsTheLeadingNumber) {
  EXPECT_EQ(Val("2024"), 2024.0);
  EXPECT_EQ(Val("-5000"), -5000.0);
  EXPECT_EQ(Val("20-24"), 20.0);
  EXPECT_EQ(Val("abc"), 0.0);
  EXPECT_EQ(Val(""), 0.0);
  EXPECT_EQ(Val("-"), 0.0);
  EXPECT_EQ(Val("--5"), 0.0);
  EXPECT_EQ(Val(" 1 2"), 12.0);
  EXPECT_EQ(Val("  31.75N"), 31.75);
  EXPECT_EQ(Val(".5"), 0.5);
  EXPECT_EQ(Val("1e3"), 1000.0);
  EXPECT_EQ(Val("1e"), 1.0);
  EXPECT_EQ(Val("+7"), 7.0);
  EXPECT_EQ(Val("2,5"), 2.0);  // the comma of a German or French number is no decimal point
  EXPECT_EQ(Val("1e400"), std::numeric_limits<double>::max());
  EXPECT_EQ(Val("-1d400"), -std::numeric_limits<double>::max());
  EXPECT_EQ(Val("1e-400"), 0.0);
  EXPECT_EQ(Val("." + std::string(400, '0') + "1"), 0.0);
}

TEST(Numeric, DecimalValueReadsOnlyPlainDecimalNumbers) {
  EXPECT_EQ(DecimalValue("-35.25"), -35.25);
  EXPECT_EQ(DecimalValue("+7"), 7.0);
  EXPECT_EQ(DecimalValue(".5"), 0.5);
  EXPECT_EQ(DecimalValue("1.5E3"), 1500.0);
  EXPECT_EQ(DecimalValue("1E-400"), 0.0);
  EXPECT_EQ(DecimalValue("-1e-400"), 0.0);
  EXPECT_EQ(DecimalValue("1E400"), std::nullopt);
  EXPECT_EQ(DecimalValue(std::string(400, '9')), std::nullopt);
  for (const char* text : {"", "-", "2,5", " 1", "inf", "nan", "0x10", "1e", "abc"}) {
    EXPECT_EQ(DecimalValue(text), std::nullopt) << text;
  }
}

TEST(Numeric, ModKeepsTheSignOfTheDividend) {
  EXPECT_EQ(Mod(3366, 7), 6);
  EXPECT_EQ(Mod(-91, 7), 0);
  EXPECT_EQ(Mod(-10, 7), -3);
  EXPECT_EQ(Mod(10, -7), 3);
  EXPECT_EQ(Mod(10.5, 4), 2);  // 10.5 rounds to the even 10
  EXPECT_EQ(Mod(11.5, 4), 0);  // 11.5 rounds to 12
}

TEST(Numeric, ReduceTakesTheFloorRemainder) {
  EXPECT_DOUBLE_EQ(Reduce(370.0, 360.0), 10.0);
  EXPECT_DOUBLE_EQ(Reduce(-30.0, 360.0), 330.0);
  EXPECT_DOUBLE_EQ(Reduce(25.5, 24.0), 1.5);
  EXPECT_DOUBLE_EQ(Reduce(-0.5, 24.0), 23.5);
}

}  // namespace
}  // namespace orvane::num
