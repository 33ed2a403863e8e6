#include "engine/numeric.h"

#include <gtest/gtest.h>

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

TEST(Numeric, CStrDropsTheSignColumn) {
  EXPECT_EQ(CStr(33.0), "33");
  EXPECT_EQ(CStr(-5.0), "-5");
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
