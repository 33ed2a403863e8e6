#include "conversions/easter_window_model.h"

#include <utility>

#include "engine/numeric.h"

namespace orvane::conversions {

namespace {

// x mod q for whole x >= 0 and q > 0.
int Rem(int x, int q) { return x % q; }

}  // namespace

EasterWindowModel::EasterWindowModel(Beeper& beeper, HelpProvider help, DateClock clock)
    : ListingWindowModel(beeper, std::move(help), std::move(clock), kHelpKey, kInitialYearText) {}

void EasterWindowModel::cmdEaster_Click() {
  out_.clear();
  listed_.clear();
  // Whole years only: a fraction could not be typed, and would not name a year.
  double year = num::Int(num::Val(yearText_));
  if (year < kMinYear) {
    year = kMinYear;
    yearText_ = num::CStr(year);
    beeper_.Beep();
  } else if (year > kMaxYear) {
    year = kMaxYear;
    yearText_ = num::CStr(year);
    beeper_.Beep();
  }
  const double last = year + (kYearsListed - 1);
  for (easterYear_ = year; easterYear_ <= last; easterYear_ += 1) {
    if (easterYear_ < kFirstGregorianYear) {
      JulianEasterLine();
    } else {
      GregorianEasterLine();
    }
  }
}

void EasterWindowModel::GregorianEasterLine() {
  // The Gregorian computus: golden number, century corrections for the solar
  // and lunar equations, epact and the following Sunday.
  const int Y = static_cast<int>(num::Int(easterYear_));
  const int a = Rem(Y, 19);
  const int b = Y / 100;
  const int c = Rem(Y, 100);
  const int d = b / 4;
  const int e = Rem(b, 4);
  const int f = (b + 8) / 25;
  const int g = (b - f + 1) / 3;
  const int h = Rem(19 * a + b - d - g + 15, 30);
  const int i = c / 4;
  const int k = Rem(c, 4);
  const int L = Rem(32 + 2 * e + 2 * i - h - k, 7);
  const int m = (a + 11 * h + 22 * L) / 451;
  const int n = h + L - 7 * m + 114;
  AppendLine(Y, n / 31, Rem(n, 31) + 1, false);
}

void EasterWindowModel::JulianEasterLine() {
  // The Julian computus: the 19-year lunar cycle on the Julian calendar.
  const int Y = static_cast<int>(num::Int(easterYear_));
  const int a = Rem(Y, 4);
  const int b = Rem(Y, 7);
  const int c = Rem(Y, 19);
  const int d = Rem(19 * c + 15, 30);
  const int e = Rem(2 * a + 4 * b - d + 34, 7);
  const int n = d + e + 114;
  AppendLine(Y, n / 31, Rem(n, 31) + 1, true);
}

void EasterWindowModel::AppendLine(int year, int month, int day, bool julian) {
  auto monthText = [](int m) { return m == 3 ? " March," : " April,"; };
  int fridayDay = day - 2;
  int fridayMonth = month;
  if (fridayDay <= 0) {
    fridayDay += 31;  // back into March
    fridayMonth -= 1;
  }
  listed_.push_back({year, julian, fridayMonth, fridayDay, month, day});
  out_ += "'Good Friday' is" + DayText3(fridayDay) + monthText(fridayMonth) + " " + YearText4(year) +
          "   Easter Sunday is" + DayText3(day) + monthText(month) + " " + YearText4(year);
  if (julian) out_ += " (Julian)";
  out_ += "\r\n";
}

std::string EasterWindowModel::DayText3(int day) {
  std::string text = num::Str(static_cast<double>(day));
  if (text.size() < 3) text = " 0" + text.substr(1);
  return text;
}

std::string EasterWindowModel::YearText4(int year) {
  std::string text = num::CStr(static_cast<double>(year));
  if (text.size() < 4) text.insert(0, 4 - text.size(), '0');
  return text;
}

std::string EasterListing(std::string_view yearText) {
  SilentBeeper beeper;
  EasterWindowModel model(beeper);
  return model.ListingFor(yearText);
}

}  // namespace orvane::conversions
