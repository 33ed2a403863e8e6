// The numeric rules every report text depends on, in one place.
//
// Orvane's report layouts were fixed by a program whose numbers followed the
// rules of a classic BASIC runtime: Int is the floor, conversions to whole
// numbers round halves to even, Str puts a sign column before a number and no
// zero before its decimal point, Val reads the leading number of a text, and
// Mod keeps the sign of the dividend.  Every figure in a report passes through
// these functions, so they are written once here and used everywhere.
//
// Every number the program writes or reads as text goes through this module,
// and nothing here consults the process locale: the decimal separator is
// always ".", whatever the user's language (the desktop toolkit switches the
// process to the user's locale, where a comma may be the separator).
#pragma once

#include <charconv>
#include <concepts>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace orvane::num {

// Int(x): the largest whole number not above x (towards minus infinity).
//   Int(2.7) = 2, Int(-2.3) = -3.
double Int(double x);

// Rounds to the nearest whole number, halves to the even neighbour.
//   RoundHalfEven(2.5) = 2, RoundHalfEven(3.5) = 4, RoundHalfEven(-2.5) = -2.
double RoundHalfEven(double x);

// CInt(x): RoundHalfEven into a 16-bit integer.  A value outside the 16-bit
// range saturates at its bound instead of stopping the program.
std::int16_t CInt(double x);

// CLng(x): RoundHalfEven into a 32-bit integer, saturating like CInt.
std::int32_t CLng(double x);

// Round(x, n): x times 10^n in double, rounded half to even, divided by 10^n.
//   Round(2.805, 2) = 2.8 (2.805 * 100 is 280.49999...), Round(0.125, 2) = 0.12.
// n is 0..15.  The single-precision overload rounds in double and returns the
// nearest single, as a single-precision argument keeps its type.
double Round(double x, int n);
float Round(float x, int n);

// Str(x) of a double: a blank before a non-negative number, "-" before a
// negative one, at most 15 significant digits, no zero before the point.
//   Str(2024) = " 2024", Str(0.5) = " .5", Str(-0.25) = "-.25", Str(1e20) = " 1E+20".
// A value that is not a finite number shows its name: " nan", " inf", "-inf".
std::string Str(double x);

// Str(x) of a single-precision value: as above with at most 7 significant digits.
//   Str(1.23f) = " 1.23" (not " 1.23000001907349").
std::string Str(float x);

// CStr(x): the general form of a number, the form in which numbers are
// written as text: at most 15 significant digits, "." as the decimal point,
// "-" before a negative number and nothing before another, and a zero before
// a point that would otherwise start the text.
//   CStr(33) = "33", CStr(5.5) = "5.5", CStr(0.5) = "0.5", CStr(-0.25) = "-0.25",
//   CStr(1e20) = "1E+20".
// It differs from Str only in the sign column and the zero before the point.
std::string CStr(double x);

// CStr of a whole number: all its digits, "-" before a negative one.
//   CStr(2024) = "2024", CStr(-5) = "-5".
template <std::integral T>
std::string CStr(T x) {
  char buf[24];
  const auto result = std::to_chars(buf, buf + sizeof buf, x);
  return std::string(buf, result.ptr);
}

// A whole number with zeros in front up to `width` digits (after the "-" of
// a negative one).  ZeroPadded(5, 2) = "05", ZeroPadded(123, 2) = "123".
std::string ZeroPadded(long long value, int width);

// A number with exactly `decimals` digits after the point (0..15), "." as
// the point, "-" before a negative one (not before one that rounds to 0),
// rounded to nearest with halves of the binary value to even.
//   Fixed(12.965, 2) = "12.96" (12.965 is 12.96499...), Fixed(0.5, 3) = "0.500",
//   Fixed(-0.004, 2) = "0.00", Fixed(7, 0) = "7".
std::string Fixed(double x, int decimals);

// Lower-case hexadecimal digits with zeros in front up to `width`.
//   HexDigits(255, 4) = "00ff".
std::string HexDigits(std::uint64_t value, int width);

// The decimal number at `from` in `text`, as Val and the user data file read
// it: an optional sign, digits with at most one decimal point, and an
// optional exponent (E, e, D or d, its own sign, digits) written as "e".
// An exponent letter without digits after it is left unread and flagged.
//   ScanNumber("x -1.5D2,", 2) gives "-1.5e2", end 8, digits true.
struct ScannedNumber {
  std::string text;           // what was read, the exponent letter as "e"
  std::size_t end = 0;        // the index after it
  bool digits = false;        // there was a digit before the exponent
  bool bareExponent = false;  // an exponent letter stood without digits
};
ScannedNumber ScanNumber(std::string_view text, std::size_t from);

// The value of a decimal number text as the lexers of Val and of the user
// data file cut it out: an optional sign, digits with at most one decimal
// point, an optional exponent "e" or "E" with its own sign.  Nothing when
// the text is anything else or the value is beyond the range of a double; a
// value too small for a double is 0.  DecimalValue("-35.25") = -35.25.
std::optional<double> DecimalValue(std::string_view number);

// Val(text): the number at the start of a text, 0 when there is none.  Blanks,
// tabs and line breaks are skipped wherever they stand; a sign, digits, one
// decimal point and an exponent (E or D) are read; reading stops at the
// first other character.  Val("2024") = 2024, Val("-5000") = -5000,
// Val("20-24") = 20, Val("abc") = 0, Val(" 1 2") = 12.
double Val(std::string_view text);

// a Mod b: both operands rounded half to even to whole numbers, remainder
// with the sign of the dividend.  -91 Mod 7 = 0, -10 Mod 7 = -3, 10.5 Mod 4 = 2.
// b must not round to 0.
std::int32_t Mod(double a, double b);

// The part of x after its whole number in the "taken modulo m" sense:
// x - m * Int(x / m), always in [0, m).  Reduce(370, 360) = 10, Reduce(-30, 360) = 330.
double Reduce(double x, double m);

}  // namespace orvane::num
