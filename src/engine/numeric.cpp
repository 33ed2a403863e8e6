#include "engine/numeric.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

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

// Formats |x| with `digits` significant digits in the general form: fixed
// notation for decimal exponents from -5 up to digits - 1, otherwise "dE+xx".
// The mantissa carries no trailing zeros and no zero before the point.
std::string GeneralForm(double x, int digits) {
  if (x == 0.0) return "0";
  // Not a number and infinity have no digits to show: their names are shown.
  if (std::isnan(x)) return "nan";
  if (std::isinf(x)) return "inf";
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.*e", digits - 1, x);
  // buf is "d.ddddde+XX"
  std::string mant;
  const char* p = buf;
  for (; *p != 'e'; ++p) {
    if (*p != '.') mant.push_back(*p);
  }
  const int exp10 = std::atoi(p + 1);
  while (mant.size() > 1 && mant.back() == '0') mant.pop_back();

  std::string out;
  if (exp10 >= digits || exp10 < -5) {
    out = mant.substr(0, 1);
    if (mant.size() > 1) out += "." + mant.substr(1);
    char e[16];
    std::snprintf(e, sizeof e, "E%c%02d", exp10 < 0 ? '-' : '+', std::abs(exp10));
    return out + e;
  }
  if (exp10 < 0) {
    out = "." + std::string(static_cast<std::size_t>(-exp10 - 1), '0') + mant;
  } else {
    const std::size_t intDigits = static_cast<std::size_t>(exp10) + 1;
    if (mant.size() <= intDigits) {
      out = mant + std::string(intDigits - mant.size(), '0');
    } else {
      out = mant.substr(0, intDigits) + "." + mant.substr(intDigits);
    }
  }
  return out;
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
  if (x < 0) return "-" + GeneralForm(-x, 15);
  return " " + GeneralForm(x, 15);
}

std::string Str(float x) {
  const double d = static_cast<double>(x);
  if (d < 0) return "-" + GeneralForm(-d, 7);
  return " " + GeneralForm(d, 7);
}

std::string CStr(double x) {
  std::string s = Str(x);
  if (!s.empty() && s[0] == ' ') s.erase(0, 1);
  return s;
}

double Val(std::string_view text) {
  std::string s;
  s.reserve(text.size());
  for (char c : text) {
    if (c != ' ' && c != '\t' && c != '\n' && c != '\r') s.push_back(c);
  }
  std::size_t i = 0;
  std::string number;
  if (i < s.size() && (s[i] == '-' || s[i] == '+')) number.push_back(s[i++]);
  bool digits = false;
  while (i < s.size() && s[i] >= '0' && s[i] <= '9') {
    number.push_back(s[i++]);
    digits = true;
  }
  if (i < s.size() && s[i] == '.') {
    number.push_back(s[i++]);
    while (i < s.size() && s[i] >= '0' && s[i] <= '9') {
      number.push_back(s[i++]);
      digits = true;
    }
  }
  if (!digits) return 0.0;
  if (i < s.size() && (s[i] == 'e' || s[i] == 'E' || s[i] == 'd' || s[i] == 'D')) {
    std::size_t j = i + 1;
    std::string exponent = "e";
    if (j < s.size() && (s[j] == '-' || s[j] == '+')) exponent.push_back(s[j++]);
    bool expDigits = false;
    while (j < s.size() && s[j] >= '0' && s[j] <= '9') {
      exponent.push_back(s[j++]);
      expDigits = true;
    }
    if (expDigits) number += exponent;
  }
  const double v = std::strtod(number.c_str(), nullptr);
  return std::isfinite(v) ? v : (v > 0 ? std::numeric_limits<double>::max() : -std::numeric_limits<double>::max());
}

std::int32_t Mod(double a, double b) {
  const std::int32_t ia = CLng(a);
  const std::int32_t ib = CLng(b);
  return ia % ib;  // C++ keeps the sign of the dividend, as the rule wants
}

double Reduce(double x, double m) { return x - m * Int(x / m); }

}  // namespace orvane::num
