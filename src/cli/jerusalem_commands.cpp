// holydays and newmoons: the Jerusalem reports of the main window.
#include <memory>
#include <string>
#include <vector>

#include "app/holy_days_window.h"
#include "cli/commands.h"

namespace orvane::cli {

namespace {

struct ReportOptions {
  std::string year;
  bool east = false;
  bool crlf = false;
  detail::CalendarFileOptions calendar;
  detail::OutputFormat format = detail::OutputFormat::Text;
};

// Types each year into the main window's year box, runs a command there and
// prints the pane's text; a year read differently is reported on stderr.
// With --ics the days of every run go to the calendar file first, and
// nothing is printed when it cannot be written.  With --format json the
// run's days and tables are printed as data instead of the text.
int RunJerusalemReport(const ReportOptions& o, CommandContext& ctx, const std::string& name,
                       void (app::HolyDaysWindow::*command)()) {
  const bool data = o.format != detail::OutputFormat::Text;
  if (!detail::DataFormatFits(o.format, o.calendar, ctx)) return 2;
  SilentBeeper beeper;
  app::HolyDaysWindow window(beeper);
  window.Form_Load(ctx.currentYear);
  detail::CollectingRuns collecting(window.engine());
  std::vector<std::string> years;
  if (!detail::YearsToRun(o.calendar, o.year.empty() ? window.txtYear : o.year, ctx, years)) return 2;
  const detail::YearRuns done = detail::RunEachYear(window, years, o.crlf, ctx, [&] {
    window.chkEJW = o.east;
    (window.*command)();
  });
  if (!o.calendar.file.empty() && !detail::WriteCalendarFile(o.calendar, done.runs, ctx)) return 2;
  if (data) {
    const auto& shown = collecting.collector.calendarRuns;
    if (shown.empty()) return ctx.Fail("the report stated no days");
    ctx.out += report::JsonText(report::CalendarReportJson(name, shown.back(), "Jerusalem"));
  } else if (o.calendar.file != detail::kStandardOutput) {
    ctx.out += done.report;
  }
  return 0;
}

void AddReport(CommandSet& set, const std::string& name, const std::string& description,
               void (app::HolyDaysWindow::*command)()) {
  auto o = std::make_shared<ReportOptions>();
  CLI::App* cmd = set.Add(name, description, [o, name, command](CommandContext& ctx) {
    return RunJerusalemReport(*o, ctx, name, command);
  });
  CLI::Option* year = cmd->add_option("YEAR", o->year,
                                      "Year to compute, -4004 to 9999; BCE years are negative (-1 is 1 "
                                      "BCE, 0 is read as -1). Default: the current year.");
  year->check(detail::WholeNumber());
  cmd->add_flag(
      "--east", o->east,
      "Delay every date by one day for the region east of Israel and west of the International Date Line");
  cmd->add_flag("--crlf", o->crlf, "End lines with CR LF, as the program's pane does (default: LF)");
  detail::AddCalendarFileOptions(cmd, year, o->calendar);
  detail::AddFormatOption(cmd, o->format, {detail::OutputFormat::Json});
}

}  // namespace

void AddJerusalemCommands(CommandSet& set) {
  AddReport(set, "holydays", "The holy days of a year at Jerusalem, with the new-moon tables they rest on",
            &app::HolyDaysWindow::cmdHolyDays_Click);
  AddReport(set, "newmoons", "The month starts of fourteen lunations from the start of a year at Jerusalem",
            &app::HolyDaysWindow::cmdMonths_Click);
}

}  // namespace orvane::cli
