// The holy days and month starts of a report as an iCalendar (RFC 5545)
// file, for the calendar on the user's phone or desktop.
//
// One VCALENDAR holds one all-day VEVENT for every date the report states:
// its name as the summary, its certainty, the evening its month's crescent
// counts as seen and the sunset that begins it in the description, a
// category telling holy days from month starts (and the early- or
// late-harvest reading).  UIDs depend only on the day and its reading, never
// on the date or on the moment of the export, so importing a new export
// updates the calendar instead of filling it twice.
#pragma once

#include <cstddef>
#include <ctime>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "engine/day_recorder.h"

namespace orvane::ical {

// The text of an iCalendar file, or why there is none.
struct CalendarText {
  bool ok = false;
  std::string text;   // CR LF line ends, folded and escaped by libical
  std::string error;  // one line, when !ok
  std::size_t events = 0;
};

// The iCalendar file of the days of `runs`, in their order; a day whose UID
// an earlier run already gave (the month starts two overlapping month-start
// lists share) is written once.  `stamp` becomes every DTSTAMP (UTC).  Fails
// without text when a date lies outside the years 1 to 9999 CE, which the
// format cannot hold, or when the runs state no day at all.
CalendarText BuildCalendar(const std::vector<CalendarRun>& runs, std::time_t stamp);

// What an export did.
struct ExportOutcome {
  bool ok = false;
  std::string error;  // one line, when !ok
  std::size_t events = 0;
};

// Writes the file of BuildCalendar to `path`, each event as it is made,
// through a temporary file beside it and one rename (io::ReplaceFileWith),
// so that an existing file is replaced whole or not at all, keeps its mode,
// and a failed export leaves nothing behind; the text is never held whole.
// `path` is a new or regular file or a symbolic link to one (written
// through); a folder, named pipe, device or link to nothing is refused.
ExportOutcome ExportCalendar(const std::vector<CalendarRun>& runs, const std::filesystem::path& path,
                             std::time_t stamp);

}  // namespace orvane::ical
