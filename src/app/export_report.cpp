#include "app/export_report.h"

#include <string>

#include "app/holy_days_window.h"

namespace orvane::app {

ical::ExportOutcome ExportReport(const HolyDaysWindow& window, const std::filesystem::path& path,
                                 std::time_t stamp) {
  const CalendarRun* shown = window.ShownCalendarRun();
  if (shown == nullptr) {
    ical::ExportOutcome outcome;
    outcome.error = std::string(kNothingToExport);
    return outcome;
  }
  return ical::ExportCalendar({*shown}, path, stamp);
}

}  // namespace orvane::app
