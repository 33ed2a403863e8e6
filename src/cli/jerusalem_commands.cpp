// holydays and newmoons: the Jerusalem reports of the main window.
#include <memory>
#include <ostream>

#include "app/holy_days_window.h"
#include "cli/commands.h"
#include "engine/numeric.h"

namespace orvane::cli {

namespace {

struct ReportOptions {
  std::string year;
  bool east = false;
  bool crlf = false;
};

// Types the year into the main window's year box, runs a command there and
// prints the pane's text; a year read differently is reported on stderr.
int RunJerusalemReport(const ReportOptions& o, const CommandContext& ctx,
                       void (app::HolyDaysWindow::*command)()) {
  SilentBeeper beeper;
  app::HolyDaysWindow window(beeper);
  window.Form_Load(ctx.currentYear);
  const std::string typed = o.year.empty() ? window.txtYear : detail::Trim(o.year);
  window.txtYear = typed;
  window.chkEJW = o.east;
  (window.*command)();
  if (window.txtYear != typed) {
    const bool zero = num::Val(typed) == 0;
    ctx.err << "orvane-cli: year " << typed << " was read as " << window.txtYear
            << (zero ? " (there is no year 0)" : " (the years run from -4004 to 9999)") << "\n";
  }
  ctx.out << detail::WithLineEnds(window.OutputText(), o.crlf);
  return 0;
}

void AddReport(CommandSet& set, const std::string& name, const std::string& description,
               void (app::HolyDaysWindow::*command)()) {
  auto o = std::make_shared<ReportOptions>();
  CLI::App* cmd = set.Add(name, description, [o, command](const CommandContext& ctx) {
    return RunJerusalemReport(*o, ctx, command);
  });
  cmd->add_option("YEAR", o->year,
                  "Year to compute, -4004 to 9999; BCE years are negative (-1 is 1 BCE, 0 is read as -1). "
                  "Default: the current year.")
      ->check(detail::WholeNumber("YEAR"));
  cmd->add_flag("--east", o->east,
                "Delay every date by one day for the region east of Israel and west of the International Date Line");
  cmd->add_flag("--crlf", o->crlf, "End lines with CR LF, as the program's pane does (default: LF)");
}

}  // namespace

void AddJerusalemCommands(CommandSet& set) {
  AddReport(set, "holydays", "The holy days of a year at Jerusalem, with the new-moon tables they rest on",
            &app::HolyDaysWindow::cmdHolyDays_Click);
  AddReport(set, "newmoons", "The month starts of fourteen lunations from the start of a year at Jerusalem",
            &app::HolyDaysWindow::cmdMonths_Click);
}

}  // namespace orvane::cli
