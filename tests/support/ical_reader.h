// An iCalendar text read back with libical's parser, for the tests of the
// calendar export.
#pragma once

#include <libical/ical.h>

#include <string>
#include <vector>

namespace orvane::testing {

struct IcsDate {
  int year = 0, month = 0, day = 0;
  bool dateOnly = false;  // VALUE=DATE (an all-day date)
  bool operator==(const IcsDate&) const = default;
};

struct IcsEvent {
  std::string uid, summary, description, location;
  std::vector<std::string> categories;  // of every CATEGORIES property, in order
  IcsDate start;
};

struct IcsFile {
  bool parsed = false;  // a VCALENDAR came back
  int errors = 0;       // properties libical could not read
  std::string calendarName;
  std::vector<IcsEvent> events;
};

// Parses `text` with libical and collects its events.
inline IcsFile ReadIcs(const std::string& text) {
  const auto str = [](const char* s) { return s == nullptr ? std::string() : std::string(s); };
  IcsFile file;
  icalcomponent* root = icalparser_parse_string(text.c_str());
  if (root == nullptr) return file;
  icalcomponent* cal = icalcomponent_isa(root) == ICAL_VCALENDAR_COMPONENT
                           ? root
                           : icalcomponent_get_first_component(root, ICAL_VCALENDAR_COMPONENT);
  if (cal != nullptr) {
    file.parsed = true;
    file.errors = icalcomponent_count_errors(cal);
    for (icalproperty* p = icalcomponent_get_first_property(cal, ICAL_X_PROPERTY); p != nullptr;
         p = icalcomponent_get_next_property(cal, ICAL_X_PROPERTY)) {
      if (str(icalproperty_get_x_name(p)) == "X-WR-CALNAME") file.calendarName = str(icalproperty_get_x(p));
    }
    for (icalcomponent* e = icalcomponent_get_first_component(cal, ICAL_VEVENT_COMPONENT); e != nullptr;
         e = icalcomponent_get_next_component(cal, ICAL_VEVENT_COMPONENT)) {
      IcsEvent& ev = file.events.emplace_back();
      ev.uid = str(icalcomponent_get_uid(e));
      ev.summary = str(icalcomponent_get_summary(e));
      ev.description = str(icalcomponent_get_description(e));
      ev.location = str(icalcomponent_get_location(e));
      for (icalproperty* p = icalcomponent_get_first_property(e, ICAL_CATEGORIES_PROPERTY); p != nullptr;
           p = icalcomponent_get_next_property(e, ICAL_CATEGORIES_PROPERTY)) {
        ev.categories.push_back(str(icalproperty_get_categories(p)));
      }
      const icaltimetype t = icalcomponent_get_dtstart(e);
      if (!icaltime_is_null_time(t)) ev.start = {t.year, t.month, t.day, t.is_date != 0};
    }
  }
  icalcomponent_free(root);
  return file;
}

}  // namespace orvane::testing
