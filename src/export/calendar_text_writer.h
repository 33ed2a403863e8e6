// The meeting point of the calendar export and the module that writes
// iCalendar text with libical.
//
// libical (and the ICU libraries it brings) is loaded only when a calendar
// file is written, so that every other command and the desktop program
// start without it: the module orvane-ical-writer holds the only code that
// calls the library, and the export reaches it through this interface.
// Both sides are built together, with the same compiler and library.
#pragma once

#include <ctime>
#include <string>
#include <vector>

namespace orvane::ical {

// A date of the Gregorian calendar, years 1 to 9999.
struct CalendarDate {
  int year = 0;
  int month = 0;
  int day = 0;
};

// The calendar's own properties.
struct CalendarFields {
  std::string productId;  // PRODID
  std::string name;       // X-WR-CALNAME
  std::time_t stamp = 0;  // every event's DTSTAMP (UTC)
};

// One all-day event.
struct EventFields {
  std::string uid;
  CalendarDate start;  // DTSTART, the day itself
  CalendarDate end;    // DTEND, the day after
  std::string summary;
  std::string description;
  std::vector<std::string> categories;  // one CATEGORIES property each
  std::string location;                 // none when empty
};

// Writes the text of one VCALENDAR in three steps: its beginning with the
// calendar's properties, then each VEVENT as it comes, then its end.  The
// pieces, put together, are the text of the whole calendar as libical
// writes it (CR LF line ends, lines folded and values escaped by it).
class CalendarTextWriter {
 public:
  virtual ~CalendarTextWriter() = default;
  // Appends the beginning to `text`; false when libical fails (Error says why).
  virtual bool Begin(const CalendarFields& calendar, std::string& text) = 0;
  // Appends one VEVENT to `text`; false when libical fails.
  virtual bool Event(const EventFields& event, std::string& text) = 0;
  // Appends the end of the calendar to `text`.
  virtual void End(std::string& text) = 0;
  // Why the last step failed, in plain words.
  virtual std::string Error() const = 0;
};

// The module's one entry point: a new writer, owned by the caller.
using MakeCalendarTextWriter = CalendarTextWriter* (*)();
inline constexpr char kMakeCalendarTextWriterSymbol[] = "orvane_make_calendar_text_writer";
inline constexpr char kCalendarWriterModule[] = "orvane-ical-writer.so";

}  // namespace orvane::ical
