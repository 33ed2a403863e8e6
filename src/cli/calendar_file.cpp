// --ics FILE and --years A B: the holy days and month starts of the reports
// as an iCalendar file.
#include <ctime>

#include "app/holy_days_window.h"
#include "cli/commands.h"
#include "engine/numeric.h"
#include "export/ical_export.h"

namespace orvane::cli::detail {

void AddCalendarFileOptions(CLI::App* cmd, CLI::Option* year, CalendarFileOptions& o) {
  CLI::Option* ics = cmd->add_option(
      "--ics", o.file,
      "Also write the days the report states to FILE as an iCalendar file, one all-day event per date, "
      "for import into a calendar program; the report is printed as usual. FILE is a new or regular "
      "file (a symbolic link to one is written through); - writes the calendar to standard output "
      "instead of the report");
  ics->type_name("FILE");
  ics->check(CLI::Validator(
      [](std::string& v) { return v.empty() ? std::string("needs a file name, not ''") : std::string(); },
      "FILE"));
  CLI::Option* years = cmd->add_option("--years", o.years,
                                       "Export the years A to B (at most " + num::CStr(kMaxCalendarYears) +
                                           ") into one file instead of one YEAR; the reports are printed one "
                                           "after another");
  years->expected(2)->type_name("A B")->check(WholeNumber());
  years->needs(ics);
  years->excludes(year);
}

bool YearsToRun(const CalendarFileOptions& o, const std::string& year, CommandContext& ctx,
                std::vector<std::string>& years) {
  years.clear();
  if (o.years.empty()) {
    years.push_back(year);
    return true;
  }
  const double first = num::Val(o.years[0]);
  const double last = num::Val(o.years[1]);
  if (first < -4004 || last > 9999 || first > last || last - first >= kMaxCalendarYears) {
    ctx.Fail(
        "--years must give a first and a last year from -4004 to 9999, in that order and spanning at most " +
        num::CStr(kMaxCalendarYears) + " years; not " + o.years[0] + " " + o.years[1]);
    return false;
  }
  for (double y = first; y <= last; ++y) {
    if (y != 0) years.push_back(num::CStr(y));  // there is no year 0
  }
  return true;
}

YearRuns RunEachYear(app::HolyDaysWindow& w, const std::vector<std::string>& years, bool crlf,
                     CommandContext& ctx, const std::function<void()>& run) {
  YearRuns done;
  for (const std::string& typed : years) {
    w.txtYear = typed;
    run();
    if (w.txtYear != typed) ctx.Note(YearNote(typed, w.txtYear));
    done.report += WithLineEnds(w.OutputText(), crlf);
    if (const CalendarRun* shown = w.ShownCalendarRun()) done.runs.push_back(*shown);
  }
  return done;
}

bool WriteCalendarFile(const CalendarFileOptions& o, const std::vector<CalendarRun>& runs,
                       CommandContext& ctx) {
  if (o.file == kStandardOutput) {
    const ical::CalendarText calendar = ical::BuildCalendar(runs, std::time(nullptr));
    if (!calendar.ok) {
      ctx.Fail("--ics: " + calendar.error);
      return false;
    }
    ctx.out += calendar.text;
    ctx.output = CommandContext::Output::Calendar;
    return true;
  }
  const ical::ExportOutcome outcome = ical::ExportCalendar(runs, o.file, std::time(nullptr));
  if (!outcome.ok) ctx.Fail("--ics: " + outcome.error);
  return outcome.ok;
}

}  // namespace orvane::cli::detail
