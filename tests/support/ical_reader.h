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
  bool operator==(const IcsDate& o) const {
    return year == o.year && month == o.month && day == o.day && dateOnly == o.dateOnly;
  }
};

struct IcsEvent {
  std::string uid, summary, description, location;
  std::vector<std::string> categories;  // of every CATEGORIES property, in order
  bool hasStamp = false;
  std::string stamp;  // DTSTAMP as text
  bool hasStart = false;
  IcsDate start, end;
};

struct IcsFile {
  bool parsed = false;  // a VCALENDAR came back
  int errors = 0;       // properties libical could not read
  std::string version, prodid, calendarName;
  std::vector<IcsEvent> events;
};

inline std::string Text(const char* s) { return s == nullptr ? std::string() : std::string(s); }

inline IcsDate DateOf(icaltimetype t) {
  IcsDate d;
  if (icaltime_is_null_time(t)) return d;
  d.year = t.year;
  d.month = t.month;
  d.day = t.day;
  d.dateOnly = t.is_date != 0;
  return d;
}

// Parses `text` with libical and collects its events.
inline IcsFile ReadIcs(const std::string& text) {
  IcsFile file;
  icalcomponent* root = icalparser_parse_string(text.c_str());
  if (root == nullptr) return file;
  icalcomponent* cal = root;
  if (icalcomponent_isa(root) != ICAL_VCALENDAR_COMPONENT) {
    cal = icalcomponent_get_first_component(root, ICAL_VCALENDAR_COMPONENT);
  }
  if (cal != nullptr) {
    file.parsed = true;
    file.errors = icalcomponent_count_errors(cal);
    if (icalproperty* p = icalcomponent_get_first_property(cal, ICAL_VERSION_PROPERTY)) {
      file.version = Text(icalproperty_get_version(p));
    }
    if (icalproperty* p = icalcomponent_get_first_property(cal, ICAL_PRODID_PROPERTY)) {
      file.prodid = Text(icalproperty_get_prodid(p));
    }
    for (icalproperty* p = icalcomponent_get_first_property(cal, ICAL_X_PROPERTY); p != nullptr;
         p = icalcomponent_get_next_property(cal, ICAL_X_PROPERTY)) {
      if (Text(icalproperty_get_x_name(p)) == "X-WR-CALNAME") file.calendarName = Text(icalproperty_get_x(p));
    }
    for (icalcomponent* e = icalcomponent_get_first_component(cal, ICAL_VEVENT_COMPONENT); e != nullptr;
         e = icalcomponent_get_next_component(cal, ICAL_VEVENT_COMPONENT)) {
      IcsEvent ev;
      ev.uid = Text(icalcomponent_get_uid(e));
      ev.summary = Text(icalcomponent_get_summary(e));
      ev.description = Text(icalcomponent_get_description(e));
      ev.location = Text(icalcomponent_get_location(e));
      for (icalproperty* p = icalcomponent_get_first_property(e, ICAL_CATEGORIES_PROPERTY); p != nullptr;
           p = icalcomponent_get_next_property(e, ICAL_CATEGORIES_PROPERTY)) {
        ev.categories.push_back(Text(icalproperty_get_categories(p)));
      }
      if (icalproperty* p = icalcomponent_get_first_property(e, ICAL_DTSTAMP_PROPERTY)) {
        ev.hasStamp = true;
        ev.stamp = Text(icaltime_as_ical_string(icalproperty_get_dtstamp(p)));
      }
      ev.hasStart = icalcomponent_get_first_property(e, ICAL_DTSTART_PROPERTY) != nullptr;
      ev.start = DateOf(icalcomponent_get_dtstart(e));
      ev.end = DateOf(icalcomponent_get_dtend(e));
      file.events.push_back(ev);
    }
  }
  icalcomponent_free(root);
  return file;
}

}  // namespace orvane::testing
