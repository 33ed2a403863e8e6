#include "conversions/hebrew_window_model.h"

#include <cstddef>
#include <utility>

#include "engine/numeric.h"

namespace orvane::conversions {

namespace {

constexpr std::string_view kLineEnd = "\r\n";

std::string WholeNumberText(int value) { return num::CStr(static_cast<double>(value)); }

}  // namespace

HebrewWindowModel::HebrewWindowModel(Beeper& beeper, HelpProvider help, YearClock clock)
    : ListingWindowModel(beeper, std::move(help), std::move(clock), kHelpKey, kInitialYearText) {}

void HebrewWindowModel::Form_Load() {
  calendar_.FillCalendarNames();
  ListingWindowModel::Form_Load();
}

void HebrewWindowModel::cmdCompute_Click() {
  // There is no year 0; out-of-range years are brought back without a beep.
  const double entered = num::RoundHalfEven(num::Val(yearText_));
  if (entered == 0) {
    yearText_ = "-1";
  } else if (entered < kMinYear) {
    yearText_ = WholeNumberText(kMinYear);
  } else if (entered > kMaxYear) {
    yearText_ = WholeNumberText(kMaxYear);
  }
  const int year = num::CInt(num::Val(yearText_));

  out_.clear();
  const int astronomicalYear = year < 0 ? year + 1 : year;
  const int nisanHebrewYear = astronomicalYear + 3760;  // the Rabbinical year that contains Nisan

  // That Rabbinical year began in the autumn of the Gregorian year before.
  const int previousYear = year == 1 ? -1 : year - 1;
  Append(YearTypeNames[static_cast<std::size_t>(calendar_.HebrewYearType(previousYear))]);
  Append(" for year ");
  Append(WholeNumberText(nisanHebrewYear));
  Append(kLineEnd);
  Append(kLineEnd);
  Append("Start of months for 'Sacred' Year");
  Append(kLineEnd);

  const int months = calendar_.MonthsInSacredYear(year);
  for (int m = 1; m <= months; ++m) {
    Append(HebrewMonthNamesPadded[static_cast<std::size_t>(m)]);
    Append(" ");
    Append(WholeNumberText(m <= 6 ? nisanHebrewYear : nisanHebrewYear + 1));
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

  const double passoverPreparation = calendar_.FirstOfHebrewMonthJD(1, year) + 13;  // 14 Nisan
  Append("Rabbinical Holy Days are: ");
  Append(kLineEnd);
  Append("Passover preparation day is ");
  WriteDateLine(passoverPreparation);
  Append("\r\n\r\nFeast of Unleavened Bread starts ");
  WriteDateLine(passoverPreparation + 1);
  Append("\r\nand runs through ");
  WriteDateLine(passoverPreparation + 7);

  const double waveOffering = passoverPreparation + 2;  // 16 Nisan
  Append("\r\n\r\n(Wave Offering) is ");
  WriteDateLine(waveOffering);
  Append("\r\n\r\nPentecost is ");
  WriteDateLine(waveOffering + 49);

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

std::string RabbinicalYearListing(std::string_view yearText) {
  SilentBeeper beeper;
  HebrewWindowModel model(beeper);
  return model.ListingFor(yearText);
}

}  // namespace orvane::conversions
