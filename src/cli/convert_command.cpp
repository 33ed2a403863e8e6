// convert: one day in the five reckonings of the conversion window.
#include <array>
#include <cstddef>
#include <memory>
#include <string>
#include <vector>

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
using conversions::MonthListBox;

struct ConvertOptions {
  std::string jd, gregorian, julian, hebrew, biblical;
  bool criteria = false;
  bool crlf = false;
  detail::OutputFormat format = detail::OutputFormat::Text;
  // The five day options, to tell how many were given.
  std::vector<CLI::Option*> days;
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

// Splits "Y-M-D" into its three numbers.  Returns what is wrong with the
// text, naming the part at fault, or an empty text when it is a date.
std::string ReadDate(const std::string& option, const std::string& text, int maxMonth, TypedDate& date) {
  const std::size_t start = !text.empty() && text[0] == '-' ? 1 : 0;
  const std::size_t first = text.find('-', start);
  const std::size_t second = first == std::string::npos ? first : text.find('-', first + 1);
  if (second == std::string::npos) {
    return option + " must be a date YEAR-MONTH-DAY such as 2024-4-9 (BCE years negative), not " +
           detail::Quoted(text);
  }
  date.year = text.substr(0, first);
  date.month = text.substr(first + 1, second - first - 1);
  date.day = text.substr(second + 1);
  const std::string of = " of " + detail::Quoted(text);
  if (!Digits(date.year.substr(start), 5)) {
    return option + ": the year " + detail::Quoted(date.year) + of +
           " is not a whole number of at most 5 digits";
  }
  if (!Digits(date.month, 2) || num::Val(date.month) < 1 || num::Val(date.month) > maxMonth) {
    return option + ": the month " + detail::Quoted(date.month) + of + " is not a month number from 1 to " +
           num::CStr(maxMonth);
  }
  if (!Digits(date.day, 4)) {
    return option + ": the day " + detail::Quoted(date.day) + of + " is not a day number of at most 4 digits";
  }
  return {};
}

// What the Julian day box accepts: digits and at most one decimal point.
bool IsDayCount(const std::string& text) {
  const std::size_t point = text.find('.');
  const std::string whole = text.substr(0, point);
  const std::string fraction = point == std::string::npos ? std::string() : text.substr(point + 1);
  return Digits(whole, 9) && (point == std::string::npos || fraction.empty() || Digits(fraction, 6));
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

void Row(std::string& out, const std::string& caption, const std::string& value) {
  std::string label = caption;
  if (label.size() < 28) label.append(28 - label.size(), ' ');
  out += label + " " + value + "\n";
}

void PrintColumns(ConversionWindowModel& m, std::string& out) {
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

// A month box's number, 1..13, or null when no month is chosen.
nlohmann::ordered_json MonthNumberJson(const MonthListBox& list) {
  return list.ListIndex >= 0 ? nlohmann::ordered_json(list.ListIndex + 1) : nlohmann::ordered_json(nullptr);
}

// The window's columns as data: what PrintColumns prints, each box as a field.
nlohmann::ordered_json ColumnsJson(ConversionWindowModel& m, bool criteria) {
  using json = nlohmann::ordered_json;
  const double jd = num::Val(m.txtJDCount);
  json doc;
  doc["report"] = "convert";
  doc["jd"] = report::NumberJson(jd);
  json gregorian = report::DateJson(jd, DayStart::Midnight);
  gregorian.update(json{{"caption", m.fraGregorian},
                        {"weekday", m.lblGDayOfWeek},
                        {"day_text", m.txtGDay},
                        {"month", m.txtGMonth},
                        {"month_number", MonthNumberJson(m.lstGMonth)},
                        {"year_text", m.txtGYear},
                        {"year_type", m.lblGYearType}});
  doc["gregorian"] = gregorian;
  json julian = report::DateJson(jd, DayStart::Midnight, Reckoning::Julian);
  julian.update(json{{"day_text", m.txtJCDay},
                     {"month", m.txtJCMonth},
                     {"month_number", MonthNumberJson(m.lstJCMonth)},
                     {"year_text", m.txtJCYear}});
  doc["julian"] = julian;
  doc["biblical"] = json{{"caption", "Biblical-Not IDL adjusted"},
                         {"weekday", m.lblBDayOfWeek},
                         {"day", report::NumberJson(num::Val(m.txtBDay))},
                         {"month", m.txtBMonth},
                         {"month_number", MonthNumberJson(m.lstBMonth)},
                         {"year_after_creation", report::NumberJson(num::Val(m.txtBYear))}};
  json possible = json::array();
  for (int n = 1; n <= 4; ++n) {
    const conversions::OptionButton& option = m.optDate[static_cast<std::size_t>(n - 1)];
    if (!option.Visible) continue;
    json date = report::DateJson(m.CandidateJD(n), DayStart::Midnight);
    date.update(json{{"caption", option.Caption}, {"shown", option.Value}});
    possible.push_back(date);
  }
  doc["possible_biblical_dates"] = possible;
  doc["hebrew"] = json{{"weekday", m.lblHDay},
                       {"day", report::NumberJson(num::Val(m.txtHDay))},
                       {"month", m.txtHMonth},
                       {"month_number", MonthNumberJson(m.lstHMonth)},
                       {"year", report::NumberJson(num::Val(m.txtHYear))},
                       {"year_type", m.lblHYearType},
                       {"molad_of_tishri", TrimRight(m.lblMolad1)},
                       {"rules", TrimRight(m.lblRules)}};
  const int picture = m.MoonPictureIndex;
  doc["moon"] = json{
      {"picture", picture},
      {"illuminated_percent", report::NumberJson(num::Val(num::Str(conversions::kMoonPictureIllumination.at(
                                  static_cast<std::size_t>(picture)))))},
      {"waxing", picture < conversions::kFirstWaningPicture}};
  doc["criteria"] = criteria ? json(detail::WithLineEnds(m.txtCriteria().Text(), false)) : json(nullptr);
  return doc;
}

// The boxes of a date column and the window's limits on them.
struct DateColumn {
  Column column;
  const char* option;
  int maxMonth;
  double minYear, maxYear;  // 0, 0: the column has no limits of its own
};

constexpr DateColumn kGregorianColumn{Column::Gregorian, "--gregorian", 12,
                                      ConversionWindowModel::kMinGregorianYear,
                                      ConversionWindowModel::kMaxGregorianYear};
constexpr DateColumn kJulianColumn{Column::Julian, "--julian", 12, 0, 0};
constexpr DateColumn kHebrewColumn{Column::Hebrew, "--hebrew", 13, ConversionWindowModel::kMinHebrewYear,
                                   ConversionWindowModel::kMaxHebrewYear};
constexpr DateColumn kBiblicalColumn{Column::Biblical, "--biblical", 13,
                                     ConversionWindowModel::kMinBiblicalYear,
                                     ConversionWindowModel::kMaxBiblicalYear};

struct ColumnBoxes {
  std::string* day;
  MonthListBox* month;
  std::string* year;
  void (ConversionWindowModel::*compute)();  // the column's compute button
};

ColumnBoxes BoxesOf(ConversionWindowModel& m, Column column) {
  switch (column) {
    case Column::Gregorian:
      return {&m.txtGDay, &m.lstGMonth, &m.txtGYear, &ConversionWindowModel::cmdGCompute_Click};
    case Column::Julian:
      return {&m.txtJCDay, &m.lstJCMonth, &m.txtJCYear, &ConversionWindowModel::cmdJCCompute_Click};
    case Column::Hebrew:
      return {&m.txtHDay, &m.lstHMonth, &m.txtHYear, &ConversionWindowModel::cmdHCompute_Click};
    case Column::Biblical:
      break;
  }
  return {&m.txtBDay, &m.lstBMonth, &m.txtBYear, &ConversionWindowModel::cmdBCompute_Click};
}

std::string MonthName(const MonthListBox& list, int month) {
  return month >= 1 && month <= list.ListCount() ? list.List[static_cast<std::size_t>(month - 1)] : "?";
}

// Why the window read a typed date differently, when it held a box to its
// limits: "the years run from -4500 to 29000", "there is no year 0".
std::string DateReasons(const DateColumn& c, double year, double day, bool clamped) {
  std::vector<std::string> reasons;
  if (c.maxYear != 0 && (year > c.maxYear || year < c.minYear)) {
    reasons.push_back("the years run from " + num::CStr(c.minYear) + " to " + num::CStr(c.maxYear));
  }
  if (c.maxYear != 0 && (day > ConversionWindowModel::kMaxDay || day < ConversionWindowModel::kMinDay)) {
    reasons.push_back("the days run from " + num::CStr(ConversionWindowModel::kMinDay) + " to " +
                      num::CStr(ConversionWindowModel::kMaxDay));
  }
  const bool christianEra = c.column == Column::Gregorian || c.column == Column::Julian;
  if (year == 0 && christianEra) reasons.emplace_back("there is no year 0");
  if (reasons.empty() && clamped) {
    reasons.push_back("the window's days run from Julian day " +
                      num::CStr(ConversionWindowModel::kMinDayCount) + " to " +
                      num::CStr(ConversionWindowModel::kMaxDayCount));
  }
  std::string text;
  for (const std::string& r : reasons) text += (text.empty() ? " (" : "; ") + r;
  return text.empty() ? text : text + ")";
}

int RunConvert(const ConvertOptions& o, CommandContext& ctx) {
  // The one day option given: --jd, or the column of a date.
  std::size_t given = 0;
  std::size_t which = 0;
  for (std::size_t i = 0; i < o.days.size(); ++i) {
    if (o.days[i]->count() == 0) continue;
    ++given;
    which = i;
  }
  if (given != 1) {
    return ctx.Fail("convert takes exactly one day: --jd, --gregorian, --julian, --hebrew or --biblical");
  }
  static constexpr std::array<const DateColumn*, 5> kColumns = {nullptr, &kGregorianColumn, &kJulianColumn,
                                                                &kHebrewColumn, &kBiblicalColumn};
  const DateColumn* column = kColumns.at(which);
  const std::array<const std::string*, 5> texts = {&o.jd, &o.gregorian, &o.julian, &o.hebrew, &o.biblical};
  const std::string& typedDate = *texts.at(which);
  TypedDate date;
  if (column != nullptr) {
    const std::string problem = ReadDate(column->option, typedDate, column->maxMonth, date);
    if (!problem.empty()) return ctx.Fail(problem);
  } else if (!IsDayCount(o.jd)) {
    return ctx.Fail("--jd must be a Julian day such as 2460409.5, not " + detail::Quoted(o.jd));
  }

  CountingBeeper beeper;
  app::HolyDaysWindow window(beeper);
  window.Form_Load(ctx.currentYear);
  ConversionWindowModel m(window.engine(), beeper,
                          [](std::string_view key) { return app::BuildHelpText(key); });
  m.Form_Load();
  beeper.beeps = 0;
  if (o.criteria) m.cmdCriteria_Click();

  if (column == nullptr) {
    m.txtJDCount = o.jd;
    m.cmdJCompute_Click();
    // A Julian day names an instant; the columns show the civil day it
    // falls in, which begins at midnight (x.5).
    const double typed = num::Val(o.jd);
    const double shown = num::Val(m.txtJDCount);
    if (shown != num::Int(typed + 0.5) - 0.5) {
      ctx.Note("Julian day " + o.jd + " was read as " + m.txtJDCount +
               (beeper.beeps > 0
                    ? " (the window's days run from " + num::CStr(ConversionWindowModel::kMinDayCount) +
                          " to " + num::CStr(ConversionWindowModel::kMaxDayCount) + ")"
                    : std::string()));
    }
  } else {
    const ColumnBoxes boxes = BoxesOf(m, column->column);
    *boxes.year = date.year;
    *boxes.day = date.day;
    const int month = num::CInt(num::Val(date.month));
    m.SetListIndex(column->column, month - 1);
    (m.*boxes.compute)();
    const double year = num::Val(date.year);
    const double day = num::Val(date.day);
    if (num::Val(*boxes.year) != year || boxes.month->ListIndex + 1 != month || num::Val(*boxes.day) != day) {
      ctx.Note("day " + num::CStr(day) + " of " + MonthName(*boxes.month, month) + " " + num::CStr(year) +
               " was read as " + *boxes.day + " " + MonthName(*boxes.month, boxes.month->ListIndex + 1) +
               " " + *boxes.year + DateReasons(*column, year, day, beeper.beeps > 0));
    }
  }

  if (o.format == detail::OutputFormat::Json) {
    ctx.out += report::JsonText(ColumnsJson(m, o.criteria));
    return 0;
  }
  PrintColumns(m, ctx.out);
  if (o.criteria) {
    ctx.out += "\nCriteria\n" + detail::WithLineEnds(m.txtCriteria().Text(), o.crlf) + "\n";
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
              [o](CommandContext& ctx) { return RunConvert(*o, ctx); });
  // Exactly one of the day options is required; RunConvert checks it.  (The
  // parser's option groups are not used: they are subcommands without a
  // name, and an empty argument was taken as that name.)
  o->days.push_back(cmd->add_option("--jd", o->jd,
                                    "Julian day count, 78166.5 to 12313456.5; the day it falls in is shown "
                                    "(2451545, noon, is 2451544.5)")
                        ->type_name("JD"));
  o->days.push_back(cmd->add_option("--gregorian", o->gregorian,
                                    "Gregorian date YEAR-MONTH-DAY, BCE years negative (-44-3-15)")
                        ->type_name("Y-M-D"));
  o->days.push_back(
      cmd->add_option("--julian", o->julian, "Julian-calendar date YEAR-MONTH-DAY, BCE years negative")
          ->type_name("Y-M-D"));
  o->days.push_back(
      cmd->add_option("--hebrew", o->hebrew, "Rabbinical date YEAR-MONTH-DAY, months 1 (Nisan) to 13 (Vedar)")
          ->type_name("Y-M-D"));
  o->days.push_back(cmd->add_option("--biblical", o->biblical,
                                    "Biblical date YEAR-MONTH-DAY, the year after Creation (6028 is 2024), "
                                    "months 1 (Abib) to 13")
                        ->type_name("Y-M-D"));
  cmd->add_flag("--criteria", o->criteria, "Also print the criteria text of the Biblical date");
  cmd->add_flag("--crlf", o->crlf, "End the criteria text's lines with CR LF, as the window's box does");
  detail::AddFormatOption(cmd, o->format, {detail::OutputFormat::Json});
}

}  // namespace orvane::cli
