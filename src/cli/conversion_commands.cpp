// rabbinical and easter: the listings of the Rabbinical-year and Easter windows.
#include <memory>

#include "app/help_texts.h"
#include "cli/commands.h"
#include "conversions/easter_window_model.h"
#include "conversions/hebrew_window_model.h"
#include "engine/numeric.h"

namespace orvane::cli {

namespace {

struct ListingOptions {
  std::string year;
  bool crlf = false;
  detail::OutputFormat format = detail::OutputFormat::Text;
};

using json = nlohmann::ordered_json;

json ListedDaysJson(const std::vector<conversions::ListedDay>& days) {
  json list = json::array();
  for (const conversions::ListedDay& day : days) {
    json entry{{"name", day.label}};
    entry.update(report::DateJson(day.jd, DayStart::Midnight));
    list.push_back(entry);
  }
  return list;
}

json ListingJson(const conversions::HebrewWindowModel& window) {
  const conversions::RabbinicalYear& listed = window.Listed();
  return json{{"report", "rabbinical"},
              {"year", report::YearJson(listed.year)},
              {"rabbinical_year", listed.hebrewYear},
              {"year_type", listed.yearType},
              {"month_starts", ListedDaysJson(listed.monthStarts)},
              {"holy_days", ListedDaysJson(listed.holyDays)}};
}

// A day of the Easter list in the calendar of its computus.
json EasterDayJson(int year, int month, int day, bool julian) {
  const Reckoning reckoning = julian ? Reckoning::Julian : Reckoning::Gregorian;
  return report::DateJson(MidnightJD(day, month, AstronomicalYear(year), reckoning), DayStart::Midnight,
                          reckoning);
}

json ListingJson(const conversions::EasterWindowModel& window) {
  json years = json::array();
  for (const conversions::EasterDates& e : window.Listed()) {
    years.push_back(json{{"year", e.year},
                         {"calendar", e.julian ? "julian" : "gregorian"},
                         {"good_friday", EasterDayJson(e.year, e.goodFridayMonth, e.goodFridayDay, e.julian)},
                         {"easter_sunday", EasterDayJson(e.year, e.easterMonth, e.easterDay, e.julian)}});
  }
  return json{{"report", "easter"}, {"years", years}};
}

// Types the year into the window's year box, computes, and prints the
// output box; a year the window corrected is reported on stderr.
template <typename Model>
int RunListing(const ListingOptions& o, CommandContext& ctx) {
  SilentBeeper beeper;
  const int currentYear = ctx.currentYear;
  Model window(
      beeper, [](std::string_view key) { return app::BuildHelpText(key); },
      [currentYear] {
        return ClockDate{currentYear, 1, 1};
      });
  window.Form_Load();
  const std::string typed = o.year.empty() ? num::CStr(currentYear) : o.year;
  const std::string listing = window.ListingFor(typed);
  if (window.YearText() != typed) ctx.Note("year " + typed + " was read as " + window.YearText());
  if (o.format == detail::OutputFormat::Json) {
    ctx.out += report::JsonText(ListingJson(window));
  } else {
    ctx.out += detail::WithLineEnds(listing, o.crlf);
  }
  return 0;
}

template <typename Model>
void AddListing(CommandSet& set, const std::string& name, const std::string& description,
                const std::string& yearHelp) {
  auto o = std::make_shared<ListingOptions>();
  CLI::App* cmd = set.Add(name, description, [o](CommandContext& ctx) { return RunListing<Model>(*o, ctx); });
  cmd->add_option("YEAR", o->year, yearHelp)->check(detail::WholeNumber());
  cmd->add_flag("--crlf", o->crlf, "End lines with CR LF, as the window's box does (default: LF)");
  detail::AddFormatOption(cmd, o->format, {detail::OutputFormat::Json});
}

}  // namespace

void AddConversionCommands(CommandSet& set) {
  AddListing<conversions::HebrewWindowModel>(
      set, "rabbinical",
      "The months and holy days of the Rabbinical year that begins in the spring of a year",
      "Gregorian year, -4600 to 32000 (BCE years negative). Default: the current year.");
  AddListing<conversions::EasterWindowModel>(
      set, "easter", "Good Friday and Easter Sunday for sixty years from a year",
      "First year of the list (BCE years negative). Default: the current year.");
}

}  // namespace orvane::cli
