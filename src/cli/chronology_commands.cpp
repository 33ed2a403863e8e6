// golgotha, jordan, creation and flood: the chronology runs of the main window.
#include <memory>

#include "app/holy_days_window.h"
#include "cli/commands.h"
#include "engine/numeric.h"

namespace orvane::cli {

namespace {

struct RunOptions {
  std::string first;
  std::string last;
  bool crlf = false;
  detail::OutputFormat format = detail::OutputFormat::Text;
};

struct RunCommandKind {
  const char* name;
  const char* description;
  void (app::HolyDaysWindow::*click)();
  double yearMin;
};

// Why the boxes hold other years than were typed, for the message on stderr.
std::string Reasons(const std::string& first, const std::string& last, const RunCommandKind& kind,
                    bool flood) {
  std::string reasons;
  auto add = [&reasons](const std::string& r) { reasons += (reasons.empty() ? "" : "; ") + r; };
  const auto outside = [&kind](const std::string& text) {
    const double v = num::Val(text);
    return !text.empty() && (v < kind.yearMin || v > runs::kRunYearMax);
  };
  if (outside(first) || outside(last)) {
    add("the years run from " + num::CStr(kind.yearMin) + " to " + num::CStr(runs::kRunYearMax));
  }
  if (flood && (num::Val(first) == 0 || (!last.empty() && num::Val(last) == 0))) add("there is no year 0");
  if (!last.empty() && num::Val(last) < num::Val(first))
    add("a range runs from the earlier year to the later");
  return reasons;
}

// Types the years into the main window's two year boxes, presses the run's
// button and prints the pane's text; years read differently are reported on
// stderr.
int RunChronologyCommand(const RunOptions& o, const RunCommandKind& kind, CommandContext& ctx) {
  SilentBeeper beeper;
  app::HolyDaysWindow window(beeper);
  window.Form_Load(ctx.currentYear);
  const std::string& first = o.first;
  const std::string& last = o.last;
  window.txtYear = first;
  window.txtYear2 = last;
  detail::CollectingRuns collecting(window.engine());
  (window.*kind.click)();
  if (window.txtYear != first || window.txtYear2 != last) {
    const auto shown = [](const std::string& a, const std::string& b) {
      return b.empty() ? a : a + " to " + b;
    };
    const bool range = !last.empty() || !window.txtYear2.empty();
    const std::string reasons =
        Reasons(first, last, kind, kind.click == &app::HolyDaysWindow::cmdFlood_Click);
    ctx.Note((range ? "years " : "year ") + shown(first, last) + (range ? " were" : " was") + " read as " +
             shown(window.txtYear, window.txtYear2) + (reasons.empty() ? "" : " (" + reasons + ")"));
  }
  if (o.format == detail::OutputFormat::Json) {
    ctx.out += report::JsonText(report::ChronologyJson(kind.name, collecting.collector));
  } else {
    ctx.out += detail::WithLineEnds(window.OutputText(), o.crlf);
  }
  return 0;
}

void AddRun(CommandSet& set, const RunCommandKind& kind) {
  auto o = std::make_shared<RunOptions>();
  CLI::App* cmd = set.Add(kind.name, kind.description,
                          [o, kind](CommandContext& ctx) { return RunChronologyCommand(*o, kind, ctx); });
  const std::string limits = num::CStr(kind.yearMin) + " to 9999";
  cmd->add_option("FIRST", o->first,
                  "First year of the run, " + limits +
                      "; BCE years are negative (-1 is 1 BCE). "
                      "Alone: the full report of that year.")
      ->required()
      ->check(detail::WholeNumber());
  cmd->add_option("LAST", o->last,
                  "Last year of a range: the years of the range that qualify, instead of one year's report. "
                  "A year before FIRST is swapped with it.")
      ->check(detail::WholeNumber());
  cmd->add_flag("--crlf", o->crlf, "End lines with CR LF, as the program's pane does (default: LF)");
  detail::AddFormatOption(cmd, o->format, {detail::OutputFormat::Json});
}

}  // namespace

void AddChronologyCommands(CommandSet& set) {
  AddRun(set, {"golgotha", "Years in which the Passover sacrifice may fall on a Wednesday, at Jerusalem",
               &app::HolyDaysWindow::cmdGolgotha_Click, runs::kRunYearMin});
  AddRun(set, {"jordan", "Years in which the Passover sacrifice may fall on the Sabbath, at Jerusalem",
               &app::HolyDaysWindow::cmdJordan_Click, runs::kRunYearMin});
  AddRun(set, {"creation", "Years in which Abib 1 may fall on a Sunday, at 42 E 38.5 N",
               &app::HolyDaysWindow::cmdCreation_Click, runs::kCreationYearMin});
  AddRun(set, {"flood", "Years with 150 days from the 17th of the second month to the 17th of the seventh",
               &app::HolyDaysWindow::cmdFlood_Click, runs::kRunYearMin});
}

}  // namespace orvane::cli
