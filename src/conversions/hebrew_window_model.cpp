#include "conversions/hebrew_window_model.h"

#include <cstddef>
#include <utility>

#include "engine/local_clock.h"
#include "engine/numeric.h"

namespace orvane::conversions {

namespace {

constexpr std::string_view kLineEnd = "\r\n";

std::string WholeNumberText(int value) { return num::CStr(static_cast<double>(value)); }

}  // namespace

HebrewWindowModel::HebrewWindowModel(Beeper& beeper, HelpProvider help, YearClock clock)
    : beeper_(beeper), help_(std::move(help)), clock_(std::move(clock)) {}

void HebrewWindowModel::Form_Load() {
  calendar_.FillCalendarNames();
  year_text_ = WholeNumberText(clock_ ? clock_() : LocalToday().year);
  cmdHelp_Click();
}

void HebrewWindowModel::Form_KeyDown(int& key_code) {
  if (key_code != kKeyF1) return;
  cmdHelp_Click();
  key_code = 0;
}

void HebrewWindowModel::cmdHelp_Click() { out_ = help_ ? help_(kHelpKey) : std::string(); }

void HebrewWindowModel::txtYear_KeyPress(int& key_ascii) {
  if (key_ascii == kKeyEnter) {
    cmdCompute_Click();
    key_ascii = 0;
  } else if (!YearBoxAcceptsKey(key_ascii)) {
    beeper_.Beep();
    key_ascii = 0;
  }
}

void HebrewWindowModel::txtYear_KeyDown(int key_code) { year_text_ = YearBoxStep(year_text_, key_code); }

void HebrewWindowModel::cmdCompute_Click() {
  // There is no year 0; out-of-range years are brought back without a beep.
  const double entered = num::RoundHalfEven(num::Val(year_text_));
  if (entered == 0) {
    year_text_ = "-1";
  } else if (entered < kMinYear) {
    year_text_ = WholeNumberText(kMinYear);
  } else if (entered > kMaxYear) {
    year_text_ = WholeNumberText(kMaxYear);
  }
  const int year = num::CInt(num::Val(year_text_));

  out_.clear();
  const int astronomical_year = year < 0 ? year + 1 : year;
  const int nisan_hyear = astronomical_year + 3760;  // the Rabbinical year that contains Nisan

  // That Rabbinical year began in the autumn of the Gregorian year before.
  const int previous_year = year == 1 ? -1 : year - 1;
  Append(YearTypeNames[static_cast<std::size_t>(calendar_.HebrewYearType(previous_year))]);
  Append(" for year ");
  Append(WholeNumberText(nisan_hyear));
  Append(kLineEnd);
  Append(kLineEnd);
  Append("Start of months for 'Sacred' Year");
  Append(kLineEnd);

  const int months = calendar_.MonthsInSacredYear(year);
  for (int m = 1; m <= months; ++m) {
    Append(HebrewMonthNamesPadded[static_cast<std::size_t>(m)]);
    Append(" ");
    Append(WholeNumberText(m <= 6 ? nisan_hyear : nisan_hyear + 1));
    Append(" - ");
    WriteDateLine(calendar_.FirstOfHebrewMonthJD(m, year));
    Append(kLineEnd);
  }
  Append(kLineEnd);
  WriteRabbinicalHolyDays(year);
}

void HebrewWindowModel::WriteDateLine(double jd) {
  // JD + 1.5 counts whole days from a Sunday.
  const auto weekday = static_cast<std::size_t>(num::Reduce(num::Int(jd + 1.5), 7));
  const GregorianDateText date = JDToGregorianText(jd);
  Append(GregorianDayAbbrevs[weekday]);
  Append(",");
  Append(date.day_text);
  Append(" ");
  Append(GregorianMonthAbbrevs[static_cast<std::size_t>(date.month)]);
  Append(" ");
  Append(date.year_text);
}

void HebrewWindowModel::WriteRabbinicalHolyDays(int year) {
  // The month lengths of the Rabbinical year that begins in this autumn.
  calendar_.HebrewYearType(year);

  const double passover_preparation = calendar_.FirstOfHebrewMonthJD(1, year) + 13;  // 14 Nisan
  Append("Rabbinical Holy Days are: ");
  Append(kLineEnd);
  Append("Passover preparation day is ");
  WriteDateLine(passover_preparation);
  Append("\r\n\r\nFeast of Unleavened Bread starts ");
  WriteDateLine(passover_preparation + 1);
  Append("\r\nand runs through ");
  WriteDateLine(passover_preparation + 7);

  const double wave_offering = passover_preparation + 2;  // 16 Nisan
  Append("\r\n\r\n(Wave Offering) is ");
  WriteDateLine(wave_offering);
  Append("\r\n\r\nPentecost is ");
  WriteDateLine(wave_offering + 49);

  const double trumpets = calendar_.FirstOfHebrewMonthJD(7, year);  // 1 Tishri
  Append("\r\n\r\nFeast of Trumpets is ");
  WriteDateLine(trumpets);
  Append("\r\n\r\nDay of Atonement is ");
  WriteDateLine(trumpets + 9);
  Append("\r\n\r\nFeast of Tabernacles starts ");
  WriteDateLine(trumpets + 14);
  Append("\r\nand runs through ");
  WriteDateLine(trumpets + 20);
  Append("\r\n\r\nLast Great Day is ");
  WriteDateLine(trumpets + 21);
  Append(
      "\r\n\r\nThe Rabbinical Holy Day dates are frequently wrong.\r\n"
      "Read the [Help] documentation for details.");
}

std::string HebrewWindowModel::ListingFor(std::string_view year_text) {
  SetYearText(year_text);
  cmdCompute_Click();
  return out_;
}

std::string RabbinicalYearListing(std::string_view year_text) {
  SilentBeeper beeper;
  HebrewWindowModel model(beeper);
  return model.ListingFor(year_text);
}

}  // namespace orvane::conversions
