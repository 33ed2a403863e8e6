#include "conversions/hebrew_window_model.h"

#include <cstddef>
#include <utility>

#include "engine/numeric.h"

namespace orvane::conversions {

namespace {

constexpr std::string_view kLineEnd = "\r\n";

std::string WholeNumberText(int value) { return num::CStr(static_cast<double>(value)); }

}  // namespace

HebrewWindowModel::HebrewWindowModel(Beeper& beeper, HelpProvider help, DateClock clock)
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
  listed_ = RabbinicalYear{year, nisanHebrewYear, {}, {}, {}};

  // That Rabbinical year began in the autumn of the Gregorian year before.
  const int previousYear = year == 1 ? -1 : year - 1;
  listed_.yearType = YearTypeNames[static_cast<std::size_t>(calendar_.HebrewYearType(previousYear))];
  Append(listed_.yearType);
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
    const std::string monthYear = WholeNumberText(m <= 6 ? nisanHebrewYear : nisanHebrewYear + 1);
    Append(monthYear);
    Append(" - ");
    const double first = calendar_.FirstOfHebrewMonthJD(m, year);
    WriteDateLine(first);
    std::string name(HebrewMonthNamesPadded[static_cast<std::size_t>(m)]);
    while (!name.empty() && name.back() == ' ') name.pop_back();
    name.append(" ").append(monthYear);
    listed_.monthStarts.push_back({std::move(name), first});
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
  WriteHolyDay("Passover preparation day is ", "Passover preparation day", passoverPreparation);
  WriteHolyDay("\r\n\r\nFeast of Unleavened Bread starts ", "Feast of Unleavened Bread starts",
               passoverPreparation + 1);
  WriteHolyDay("\r\nand runs through ", "Feast of Unleavened Bread runs through", passoverPreparation + 7);

  const double waveOffering = passoverPreparation + 2;  // 16 Nisan
  WriteHolyDay("\r\n\r\n(Wave Offering) is ", "(Wave Offering)", waveOffering);
  WriteHolyDay("\r\n\r\nPentecost is ", "Pentecost", waveOffering + 49);

  const double trumpets = calendar_.FirstOfHebrewMonthJD(7, year);  // 1 Tishri
  WriteHolyDay("\r\n\r\nFeast of Trumpets is ", "Feast of Trumpets", trumpets);
  WriteHolyDay("\r\n\r\nDay of Atonement is ", "Day of Atonement", trumpets + 9);
  WriteHolyDay("\r\n\r\nFeast of Tabernacles starts ", "Feast of Tabernacles starts", trumpets + 14);
  WriteHolyDay("\r\nand runs through ", "Feast of Tabernacles runs through", trumpets + 20);
  WriteHolyDay("\r\n\r\nLast Great Day is ", "Last Great Day", trumpets + 21);
  Append(
      "\r\n\r\nThe Rabbinical Holy Day dates are frequently wrong.\r\n"
      "Read the [Help] documentation for details.");
}

void HebrewWindowModel::WriteHolyDay(std::string_view text, std::string_view label, double jd) {
  Append(text);
  WriteDateLine(jd);
  listed_.holyDays.push_back({std::string(label), jd});
}

std::string RabbinicalYearListing(std::string_view yearText) {
  SilentBeeper beeper;
  HebrewWindowModel model(beeper);
  return model.ListingFor(yearText);
}

}  // namespace orvane::conversions
