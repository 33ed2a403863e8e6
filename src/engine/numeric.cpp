#include "engine/numeric.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace orvane::num {

double Int(double x) { return std::floor(x); }

double RoundHalfEven(double x) {
  // The default floating-point environment rounds to nearest, ties to even;
  // nothing in the program changes it.
  return std::nearbyint(x);
}

namespace {

template <typename T>
T SaturatingRound(double x) {
  const double r = RoundHalfEven(x);
  if (std::isnan(r)) return 0;
  if (r >= static_cast<double>(std::numeric_limits<T>::max())) return std::numeric_limits<T>::max();
  if (r <= static_cast<double>(std::numeric_limits<T>::min())) return std::numeric_limits<T>::min();
  return static_cast<T>(r);
}

// Powers of ten up to 1e22 are exact doubles.
double PowerOfTen(int n) {
  double p = 1.0;
  for (int i = 0; i < n; ++i) p *= 10.0;
  return p;
}

// The digits of |x| rounded to `digits` significant figures (trailing zeros
// dropped) and the decimal exponent of the first one: 1234.5 to 3 figures is
// {"123", 3}.  std::to_chars rounds the exact binary value correctly, halves
// to even, and never looks at the process locale.
struct Figures {
  std::string digits;
  int exponent = 0;
};

Figures SignificantFigures(double x, int digits) {
  char buf[64];
  const auto [end, ec] =
      std::to_chars(buf, buf + sizeof buf, std::fabs(x), std::chars_format::scientific, digits - 1);
  // buf is "d.dddde+XX" ("de+XX" for one figure); 64 characters always suffice.
  Figures f;
  const char* p = buf;
  for (; p != end && *p != 'e'; ++p) {
    if (*p != '.') f.digits.push_back(*p);
  }
  if (p != end) {
    const char* q = p + 1;
    if (q != end && *q == '+') ++q;
    std::from_chars(q, end, f.exponent);
  }
  while (f.digits.size() > 1 && f.digits.back() == '0') f.digits.pop_back();
  return f;
}

// |x| with `digits` significant digits in the general form: fixed notation
// for decimal exponents from -5 up to digits - 1, otherwise "dE+xx".  The
// mantissa carries no trailing zeros; `leadingZero` puts "0" before a point
// that would otherwise start the text (".5" or "0.5").
std::string GeneralForm(double x, int digits, bool leadingZero) {
  if (x == 0.0) return "0";
  // Not a number and infinity have no digits to show: their names are shown.
  if (std::isnan(x)) return "nan";
  if (std::isinf(x)) return "inf";
  const Figures f = SignificantFigures(x, digits);
  const std::string& mant = f.digits;
  const int exp10 = f.exponent;

  if (exp10 >= digits || exp10 < -5) {
    std::string out = mant.substr(0, 1);
    if (mant.size() > 1) out += "." + mant.substr(1);
    out += exp10 < 0 ? "E-" : "E+";
    out += ZeroPadded(exp10 < 0 ? -exp10 : exp10, 2);
    return out;
  }
  if (exp10 < 0) {
    return (leadingZero ? "0." : ".") + std::string(static_cast<std::size_t>(-exp10 - 1), '0') + mant;
  }
  const std::size_t intDigits = static_cast<std::size_t>(exp10) + 1;
  if (mant.size() <= intDigits) return mant + std::string(intDigits - mant.size(), '0');
  return mant.substr(0, intDigits) + "." + mant.substr(intDigits);
}

std::string WithZerosInFront(std::string digits, int width) {
  const std::size_t wanted = width < 0 ? 0 : static_cast<std::size_t>(width);
  if (digits.size() < wanted) digits.insert(0, wanted - digits.size(), '0');
  return digits;
}

// The decimal magnitude of a number text that from_chars found out of range:
// the position of its first significant digit plus its exponent.  Above 0
// the number overflowed, otherwise it underflowed.
long long DecimalMagnitude(std::string_view number) {
  std::size_t i = 0;
  if (i < number.size() && (number[i] == '-' || number[i] == '+')) ++i;
  long long position = 0;
  bool significant = false;
  bool afterPoint = false;
  for (; i < number.size() && number[i] != 'e' && number[i] != 'E'; ++i) {
    const char c = number[i];
    if (c == '.') {
      afterPoint = true;
    } else if (!significant && c == '0') {
      if (afterPoint) --position;
    } else if (!significant) {
      significant = true;
      if (!afterPoint) position = 1;
    } else if (!afterPoint) {
      ++position;
    }
  }
  long long exponent = 0;
  if (i < number.size()) {
    const char* first = number.data() + i + 1;
    if (first != number.data() + number.size() && *first == '+') ++first;
    const auto [end, ec] = std::from_chars(first, number.data() + number.size(), exponent);
    // An exponent too large for its type is far beyond either bound.
    if (ec == std::errc::result_out_of_range) exponent = *first == '-' ? -1000000 : 1000000;
  }
  return position + exponent;
}

}  // namespace

std::int16_t CInt(double x) { return SaturatingRound<std::int16_t>(x); }

std::int32_t CLng(double x) { return SaturatingRound<std::int32_t>(x); }

double Round(double x, int n) {
  if (n <= 0) return RoundHalfEven(x);
  const double p = PowerOfTen(n);
  return RoundHalfEven(x * p) / p;
}

float Round(float x, int n) { return static_cast<float>(Round(static_cast<double>(x), n)); }

std::string Str(double x) {
  if (x < 0) return "-" + GeneralForm(-x, 15, false);
  return " " + GeneralForm(x, 15, false);
}

std::string Str(float x) {
  const double d = static_cast<double>(x);
  if (d < 0) return "-" + GeneralForm(-d, 7, false);
  return " " + GeneralForm(d, 7, false);
}

std::string CStr(double x) {
  if (x < 0) return "-" + GeneralForm(-x, 15, true);
  return GeneralForm(x, 15, true);
}

std::string ZeroPadded(long long value, int width) {
  const unsigned long long magnitude =
      value < 0 ? 0ULL - static_cast<unsigned long long>(value) : static_cast<unsigned long long>(value);
  const std::string digits = WithZerosInFront(CStr(magnitude), width);
  return value < 0 ? "-" + digits : digits;
}

std::string Fixed(double x, int decimals) {
  char buf[400];
  const auto [end, ec] = std::to_chars(buf, buf + sizeof buf, x, std::chars_format::fixed, decimals);
  if (ec != std::errc()) return CStr(x);
  std::string text(buf, end);
  // A value that rounds to zero is written without its sign.
  if (text.starts_with('-') && text.find_first_of("123456789") == std::string::npos) text.erase(0, 1);
  return text;
}

std::string HexDigits(std::uint64_t value, int width) {
  char buf[24];
  const auto [end, ec] = std::to_chars(buf, buf + sizeof buf, value, 16);
  return WithZerosInFront(std::string(buf, end), width);
}

std::optional<double> DecimalValue(std::string_view number) {
  const char* first = number.data();
  const char* last = number.data() + number.size();
  if (first != last && *first == '+') ++first;  // from_chars takes no plus sign
  // Only what the lexers produce: no blanks, no "inf" or "nan", no hexadecimal.
  for (const char* p = first; p != last; ++p) {
    const bool digit = *p >= '0' && *p <= '9';
    if (!digit && *p != '.' && *p != 'e' && *p != 'E' && *p != '-' && *p != '+') return std::nullopt;
  }
  double value = 0;
  const auto [end, ec] = std::from_chars(first, last, value, std::chars_format::general);
  if (end != last) return std::nullopt;
  if (ec == std::errc::result_out_of_range) {
    if (DecimalMagnitude(number) > 0) return std::nullopt;
    return *first == '-' ? -0.0 : 0.0;
  }
  if (ec != std::errc() || !std::isfinite(value)) return std::nullopt;
  return value;
}

ScannedNumber ScanNumber(std::string_view text, std::size_t from) {
  ScannedNumber scanned;
  std::size_t i = from;
  const auto digitRun = [&](std::string& out) {
    bool any = false;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
      out.push_back(text[i++]);
      any = true;
    }
    return any;
  };
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) scanned.text.push_back(text[i++]);
  scanned.digits = digitRun(scanned.text);
  if (i < text.size() && text[i] == '.') {
    scanned.text.push_back(text[i++]);
    scanned.digits = digitRun(scanned.text) || scanned.digits;
  }
  if (scanned.digits && i < text.size() &&
      (text[i] == 'e' || text[i] == 'E' || text[i] == 'd' || text[i] == 'D')) {
    const std::size_t letter = i++;
    std::string exponent = "e";
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) exponent.push_back(text[i++]);
    if (digitRun(exponent)) {
      scanned.text += exponent;
    } else {
      scanned.bareExponent = true;
      i = letter;
    }
  }
  scanned.end = i;
  return scanned;
}

double Val(std::string_view text) {
  std::string s;
  s.reserve(text.size());
  for (char c : text) {
    if (c != ' ' && c != '\t' && c != '\n' && c != '\r') s.push_back(c);
  }
  const ScannedNumber scanned = ScanNumber(s, 0);
  if (!scanned.digits) return 0.0;
  // The text is a well-formed number, so only a value beyond the range of a
  // double is refused: it becomes the largest double of its sign.
  const std::optional<double> v = DecimalValue(scanned.text);
  if (v) return *v;
  return scanned.text[0] == '-' ? -std::numeric_limits<double>::max() : std::numeric_limits<double>::max();
}

std::int32_t Mod(double a, double b) {
  const std::int32_t ia = CLng(a);
  const std::int32_t ib = CLng(b);
  return ia % ib;  // C++ keeps the sign of the dividend, as the rule wants
}

double Reduce(double x, double m) { return x - m * Int(x / m); }

}  // namespace orvane::num
