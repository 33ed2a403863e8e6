#include "conversions/easter_window_model.h"

#include <utility>

#include "engine/local_clock.h"
#include "engine/numeric.h"

namespace orvane::conversions {

namespace {

// x mod q for whole x >= 0 and q > 0.
int Rem(int x, int q) { return x % q; }

}  // namespace

EasterWindowModel::EasterWindowModel(Beeper& beeper, HelpProvider help, YearClock clock)
    : beeper_(beeper), help_(std::move(help)), clock_(std::move(clock)) {}

void EasterWindowModel::Form_Load() {
  year_text_ = num::CStr(clock_ ? clock_() : LocalToday().year);
  cmdHelp_Click();
}

void EasterWindowModel::Form_KeyDown(int& key_code) {
  if (key_code != kKeyF1) return;
  cmdHelp_Click();
  key_code = 0;
}

void EasterWindowModel::cmdHelp_Click() { out_ = help_ ? help_(kHelpKey) : std::string(); }

void EasterWindowModel::txtYear_KeyPress(int& key_ascii) {
  if (key_ascii == kKeyEnter) {
    cmdEaster_Click();
    key_ascii = 0;
  } else if (!YearBoxAcceptsKey(key_ascii)) {
    beeper_.Beep();
    key_ascii = 0;
  }
}

void EasterWindowModel::txtYear_KeyDown(int key_code) { year_text_ = YearBoxStep(year_text_, key_code); }

void EasterWindowModel::cmdEaster_Click() {
  out_.clear();
  // Whole years only: a fraction could not be typed, and would not name a year.
  double year = num::Int(num::Val(year_text_));
  if (year < kMinYear) {
    year = kMinYear;
    year_text_ = num::CStr(year);
    beeper_.Beep();
  } else if (year > kMaxYear) {
    year = kMaxYear;
    year_text_ = num::CStr(year);
    beeper_.Beep();
  }
  const double last = year + (kYearsListed - 1);
  for (easter_year_ = year; easter_year_ <= last; easter_year_ += 1) {
    if (easter_year_ < kFirstGregorianYear) {
      JulianEasterLine();
    } else {
      GregorianEasterLine();
    }
  }
}

void EasterWindowModel::GregorianEasterLine() {
  // The Gregorian computus: golden number, century corrections for the solar
  // and lunar equations, epact and the following Sunday.
  const int Y = static_cast<int>(num::Int(easter_year_));
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
  const int Y = static_cast<int>(num::Int(easter_year_));
  const int a = Rem(Y, 4);
  const int b = Rem(Y, 7);
  const int c = Rem(Y, 19);
  const int d = Rem(19 * c + 15, 30);
  const int e = Rem(2 * a + 4 * b - d + 34, 7);
  const int n = d + e + 114;
  AppendLine(Y, n / 31, Rem(n, 31) + 1, true);
}

void EasterWindowModel::AppendLine(int year, int month, int day, bool julian) {
  auto month_text = [](int m) { return m == 3 ? " March," : " April,"; };
  int friday_day = day - 2;
  int friday_month = month;
  if (friday_day <= 0) {
    friday_day += 31;  // back into March
    friday_month -= 1;
  }
  out_ += "'Good Friday' is" + DayText3(friday_day) + month_text(friday_month) + " " + YearText4(year) +
          "   Easter Sunday is" + DayText3(day) + month_text(month) + " " + YearText4(year);
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

std::string EasterWindowModel::ListingFor(std::string_view year_text) {
  SetYearText(year_text);
  cmdEaster_Click();
  return out_;
}

std::string EasterListing(std::string_view year_text) {
  SilentBeeper beeper;
  EasterWindowModel model(beeper);
  return model.ListingFor(year_text);
}

}  // namespace orvane::conversions
