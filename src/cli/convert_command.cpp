// convert: one day in the five reckonings of the conversion window.
#include <cstddef>
#include <memory>
#include <ostream>
#include <string>

#include "app/help_texts.h"
#include "app/holy_days_window.h"
#include "cli/commands.h"
#include "conversions/conversion_window_model.h"
#include "conversions/moon_pictures.h"
#include "engine/numeric.h"

namespace orvane::cli {

namespace {

using conversions::Column;
using conversions::ConversionWindowModel;

struct ConvertOptions {
  std::string jd, gregorian, julian, hebrew, biblical;
  bool criteria = false;
  bool crlf = false;
};

class CountingBeeper final : public Beeper {
 public:
  void Beep() override { ++beeps; }
  int beeps = 0;
};

// A date typed as YEAR-MONTH-DAY: the year with an optional minus sign,
// month and day as whole numbers.  "-44-3-15" is 15 March 44 BCE.
struct TypedDate {
  std::string year, month, day;
};

bool Digits(const std::string& s, std::size_t maxDigits) {
  if (s.empty() || s.size() > maxDigits) return false;
  for (const char c : s) {
    if (c < '0' || c > '9') return false;
  }
  return true;
}

// Splits "Y-M-D" into its three numbers; false when the text is not of that
// form or the month is outside 1..maxMonth.
bool ParseDate(const std::string& raw, int maxMonth, TypedDate& date) {
  const std::string text = detail::Trim(raw);
  const std::size_t start = !text.empty() && text[0] == '-' ? 1 : 0;
  const std::size_t first = text.find('-', start);
  if (first == std::string::npos) return false;
  const std::size_t second = text.find('-', first + 1);
  if (second == std::string::npos) return false;
  date.year = text.substr(0, first);
  date.month = text.substr(first + 1, second - first - 1);
  date.day = text.substr(second + 1);
  if (!Digits(date.year.substr(start), 5) || !Digits(date.month, 2) || !Digits(date.day, 4)) return false;
  const double month = num::Val(date.month);
  return month >= 1 && month <= maxMonth;
}

CLI::Validator DateOf(const std::string& what, int maxMonth) {
  return CLI::Validator(
      [what, maxMonth](std::string& v) {
        TypedDate date;
        if (ParseDate(v, maxMonth, date)) return std::string();
        return what + " must be YEAR-MONTH-DAY with the month 1 to " + num::CStr(maxMonth) + ", not '" +
               detail::Trim(v) + "'";
      },
      "Y-M-D");
}

// What the Julian day box accepts: digits and at most one decimal point.
CLI::Validator DayCountNumber() {
  return CLI::Validator(
      [](std::string& v) {
        const std::string t = detail::Trim(v);
        const std::size_t point = t.find('.');
        const std::string whole = t.substr(0, point);
        const std::string fraction = point == std::string::npos ? std::string() : t.substr(point + 1);
        const bool ok =
            Digits(whole, 9) && (point == std::string::npos || fraction.empty() || Digits(fraction, 6));
        return ok ? std::string() : "--jd must be a Julian day such as 2460409.5, not '" + t + "'";
      },
      "JD");
}

// "Tuesday 9 April 2024": a column's weekday label and its three boxes.
std::string DateLine(const std::string& weekday, const std::string& day, const std::string& month,
                     const std::string& year) {
  return (weekday.empty() ? std::string() : weekday + " ") + day + " " + month + " " + year;
}

std::string TrimRight(std::string s) {
  while (!s.empty() && s.back() == ' ') s.pop_back();
  return s;
}

void Row(std::ostream& out, const std::string& caption, const std::string& value) {
  std::string label = caption;
  if (label.size() < 28) label.append(28 - label.size(), ' ');
  out << label << " " << value << "\n";
}

void PrintColumns(ConversionWindowModel& m, std::ostream& out) {
  Row(out, m.fraGregorian, DateLine(m.lblGDayOfWeek, m.txtGDay, m.txtGMonth, m.txtGYear));
  Row(out, "", m.lblGYearType);
  Row(out, "Julian", DateLine("", m.txtJCDay, m.txtJCMonth, m.txtJCYear));
  Row(out, "Biblical-Not IDL adjusted", DateLine(m.lblBDayOfWeek, m.txtBDay, m.txtBMonth, m.txtBYear));
  bool first = true;
  for (int n = 1; n <= 4; ++n) {
    const conversions::OptionButton& option = m.optDate[static_cast<std::size_t>(n - 1)];
    if (!option.Visible) continue;
    const conversions::GregorianDateText date = conversions::JDToGregorianText(m.CandidateJD(n));
    const std::string text =
        std::string(option.Caption) + (option.Value ? " (shown)" : "        ") + "  " +
        num::CStr(m.CandidateJD(n)) + "  " +
        DateLine("", num::CStr(date.day),
                 std::string(conversions::GregorianMonthNames.at(static_cast<std::size_t>(date.month))),
                 num::CStr(date.year));
    Row(out, first ? "Possible dates" : "", text);
    first = false;
  }
  Row(out, "Julian Day Count", m.txtJDCount);
  Row(out, "Hebrew - Rabbinic", DateLine(m.lblHDay, m.txtHDay, m.txtHMonth, m.txtHYear));
  Row(out, "", m.lblHYearType);
  Row(out, "Molad of Tishri", TrimRight(m.lblMolad1));
  Row(out, "Rules", TrimRight(m.lblRules));
  const int picture = m.MoonPictureIndex;
  const float lit = conversions::kMoonPictureIllumination.at(static_cast<std::size_t>(picture));
  Row(out, "Moon",
      "picture " + num::CStr(picture) + " of 0..58 (" + num::Str(lit).substr(1) + "% lit, " +
          (picture < conversions::kFirstWaningPicture ? "waxing" : "waning") + ")");
}

int RunConvert(const ConvertOptions& o, const CommandContext& ctx) {
  CountingBeeper beeper;
  app::HolyDaysWindow window(beeper);
  window.Form_Load(ctx.currentYear);
  ConversionWindowModel m(window.engine(), beeper,
                          [](std::string_view key) { return app::BuildHelpText(key); });
  m.Form_Load();
  beeper.beeps = 0;
  if (o.criteria) m.cmdCriteria_Click();

  auto fill = [&m](Column column, const std::string& text, int maxMonth) {
    TypedDate date;
    ParseDate(text, maxMonth, date);  // checked by the option's validator
    std::string& year = column == Column::Gregorian ? m.txtGYear
                        : column == Column::Julian  ? m.txtJCYear
                        : column == Column::Hebrew  ? m.txtHYear
                                                    : m.txtBYear;
    std::string& day = column == Column::Gregorian ? m.txtGDay
                       : column == Column::Julian  ? m.txtJCDay
                       : column == Column::Hebrew  ? m.txtHDay
                                                   : m.txtBDay;
    year = date.year;
    day = date.day;
    m.SetListIndex(column, num::CInt(num::Val(date.month)) - 1);
  };
  if (!o.jd.empty()) {
    m.txtJDCount = detail::Trim(o.jd);
    m.cmdJCompute_Click();
  } else if (!o.gregorian.empty()) {
    fill(Column::Gregorian, o.gregorian, 12);
    m.cmdGCompute_Click();
  } else if (!o.julian.empty()) {
    fill(Column::Julian, o.julian, 12);
    m.cmdJCCompute_Click();
  } else if (!o.hebrew.empty()) {
    fill(Column::Hebrew, o.hebrew, 13);
    m.cmdHCompute_Click();
  } else {
    fill(Column::Biblical, o.biblical, 13);
    m.cmdBCompute_Click();
  }
  if (beeper.beeps > 0) {
    ctx.err << "orvane-cli: an entry beyond the window's limits was brought to the nearest limit\n";
  }

  PrintColumns(m, ctx.out);
  if (o.criteria) {
    ctx.out << "\nCriteria\n" << detail::WithLineEnds(m.txtCriteria().Text(), o.crlf) << "\n";
  }
  return 0;
}

}  // namespace

void AddConvertCommand(CommandSet& set) {
  auto o = std::make_shared<ConvertOptions>();
  CLI::App* cmd =
      set.Add("convert",
              "One day in the Gregorian, Julian, Biblical and Rabbinical reckonings and the Julian day "
              "count, with the possible Biblical dates and the moon's phase",
              [o](const CommandContext& ctx) { return RunConvert(*o, ctx); });
  CLI::Option_group* from = cmd->add_option_group("day", "The day to convert, in one reckoning");
  from->add_option("--jd", o->jd,
                   "Julian day count, 78166.5 to 12313456.5 (a whole number is noon: 2451545 "
                   "becomes 2451544.5)")
      ->check(DayCountNumber());
  from->add_option("--gregorian", o->gregorian,
                   "Gregorian date YEAR-MONTH-DAY, BCE years negative (-44-3-15)")
      ->check(DateOf("--gregorian", 12));
  from->add_option("--julian", o->julian, "Julian-calendar date YEAR-MONTH-DAY, BCE years negative")
      ->check(DateOf("--julian", 12));
  from->add_option("--hebrew", o->hebrew, "Rabbinical date YEAR-MONTH-DAY, months 1 (Nisan) to 13 (Vedar)")
      ->check(DateOf("--hebrew", 13));
  from->add_option(
          "--biblical", o->biblical,
          "Biblical date YEAR-MONTH-DAY, the year after Creation (6028 is 2024), months 1 (Abib) to 13")
      ->check(DateOf("--biblical", 13));
  from->require_option(1);
  cmd->add_flag("--criteria", o->criteria, "Also print the criteria text of the Biblical date");
  cmd->add_flag("--crlf", o->crlf, "End the criteria text's lines with CR LF, as the window's box does");
}

}  // namespace orvane::cli
