// The calendar export of a hundred years of holy days, written to a file as
// orvane-cli holydays --ics FILE --years 2001 2100 writes it (the reports are
// computed once, before the timing).
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "app/holy_days_window.h"
#include "engine/host.h"
#include "export/ical_export.h"

namespace {

using namespace orvane;

std::vector<CalendarRun> HolyDaysOfYears(int first, int last) {
  SilentBeeper beeper;
  app::HolyDaysWindow window(beeper);
  window.SetUserDataWritable(false);
  window.Form_Load(first);
  std::vector<CalendarRun> runs;
  for (int year = first; year <= last; ++year) {
    window.txtYear = std::to_string(year);
    window.cmdHolyDays_Click();
    if (const CalendarRun* run = window.ShownCalendarRun()) runs.push_back(*run);
  }
  return runs;
}

void BM_CalendarExport100Years(benchmark::State& state) {
  const std::vector<CalendarRun> runs = HolyDaysOfYears(2001, 2100);
  const std::filesystem::path file = std::filesystem::temp_directory_path() / "orvane-bench-export.ics";
  std::size_t events = 0;
  for (auto _ : state) {
    const ical::ExportOutcome outcome = ical::ExportCalendar(runs, file, 1767225600);
    if (!outcome.ok) state.SkipWithError(outcome.error.c_str());
    events = outcome.events;
  }
  state.counters["events"] = static_cast<double>(events);
  std::filesystem::remove(file);
}
BENCHMARK(BM_CalendarExport100Years)->Unit(benchmark::kMillisecond);

}  // namespace
