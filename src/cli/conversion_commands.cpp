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
};

// Types the year into the window's year box, computes, and prints the
// output box; a year the window corrected is reported on stderr.
template <typename Model>
int RunListing(const ListingOptions& o, CommandContext& ctx) {
  SilentBeeper beeper;
  const int currentYear = ctx.currentYear;
  Model window(
      beeper, [](std::string_view key) { return app::BuildHelpText(key); },
      [currentYear] { return currentYear; });
  window.Form_Load();
  const std::string typed = o.year.empty() ? num::CStr(currentYear) : o.year;
  const std::string listing = window.ListingFor(typed);
  if (window.YearText() != typed) ctx.Note("year " + typed + " was read as " + window.YearText());
  ctx.out += detail::WithLineEnds(listing, o.crlf);
  return 0;
}

template <typename Model>
void AddListing(CommandSet& set, const std::string& name, const std::string& description,
                const std::string& yearHelp) {
  auto o = std::make_shared<ListingOptions>();
  CLI::App* cmd = set.Add(name, description, [o](CommandContext& ctx) { return RunListing<Model>(*o, ctx); });
  cmd->add_option("YEAR", o->year, yearHelp)->check(detail::WholeNumber());
  cmd->add_flag("--crlf", o->crlf, "End lines with CR LF, as the window's box does (default: LF)");
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
