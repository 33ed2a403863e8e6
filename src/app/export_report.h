// File, Export to Calendar... of the main window: the holy days or month
// starts of the report its pane shows, as an iCalendar file.
#pragma once

#include <ctime>
#include <filesystem>
#include <string_view>

#include "export/ical_export.h"

namespace orvane::app {

class HolyDaysWindow;

// What the user is told when the main window's pane shows no holy days or
// month starts to export.
inline constexpr std::string_view kNothingToExport =
    "The window shows no holy days or month starts to export: run the holy days, the new moons or the local "
    "new moons first.";

// Exports the holy days or month starts of the report the window's pane
// shows now (the holy days, the new moons or the local new moons) to
// `path`.  Fails with a message for the user when the pane shows another
// report, a help text or nothing, and when the file cannot be written.
ical::ExportOutcome ExportReport(const HolyDaysWindow& window, const std::filesystem::path& path,
                                 std::time_t stamp = std::time(nullptr));

}  // namespace orvane::app
