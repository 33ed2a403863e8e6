// The module orvane-ical-writer: the calendar's text written by libical, one
// event at a time, so that no tree of the whole calendar is ever built.
#include <libical/ical.h>

#include <memory>
#include <string_view>

#include "export/calendar_text_writer.h"

namespace orvane::ical {

namespace {

// Frees a libical component tree when it goes out of scope.
struct ComponentDeleter {
  void operator()(icalcomponent* c) const { icalcomponent_free(c); }
};
using ComponentPtr = std::unique_ptr<icalcomponent, ComponentDeleter>;

// Appends libical's text of a component to `text`; false when it has none.
bool AppendText(icalcomponent* component, std::string& text) {
  char* written = icalcomponent_as_ical_string_r(component);
  if (written == nullptr) return false;
  text += written;
  icalmemory_free_buffer(written);
  return true;
}

icaltimetype DateValue(const CalendarDate& d) {
  icaltimetype t = icaltime_null_date();
  t.year = d.year;
  t.month = d.month;
  t.day = d.day;
  return t;
}

class IcalTextWriter final : public CalendarTextWriter {
 public:
  bool Begin(const CalendarFields& calendar, std::string& text) override {
    stamp_ = icaltime_from_timet_with_zone(calendar.stamp, 0, icaltimezone_get_utc_timezone());
    ComponentPtr cal(icalcomponent_new_vcalendar());
    icalcomponent_add_property(cal.get(), icalproperty_new_version("2.0"));
    icalcomponent_add_property(cal.get(), icalproperty_new_prodid(calendar.productId.c_str()));
    icalcomponent_add_property(cal.get(), icalproperty_new_calscale("GREGORIAN"));
    icalcomponent_add_property(cal.get(), icalproperty_new_method(ICAL_METHOD_PUBLISH));
    icalproperty* name = icalproperty_new_x(calendar.name.c_str());
    icalproperty_set_x_name(name, "X-WR-CALNAME");
    icalcomponent_add_property(cal.get(), name);
    // libical writes a component as its BEGIN line, its properties, its
    // subcomponents and its END line: the calendar without events, cut
    // before its END line, begins the whole; the END line ends it.
    std::string whole;
    if (!AppendText(cal.get(), whole)) return false;
    const std::size_t end = whole.rfind("END:VCALENDAR");
    if (end == std::string::npos) return false;
    end_ = whole.substr(end);
    text += std::string_view(whole).substr(0, end);
    return true;
  }

  bool Event(const EventFields& e, std::string& text) override {
    ComponentPtr event(icalcomponent_new_vevent());
    icalcomponent* v = event.get();
    icalcomponent_add_property(v, icalproperty_new_uid(e.uid.c_str()));
    icalcomponent_add_property(v, icalproperty_new_dtstamp(stamp_));
    icalcomponent_add_property(v, icalproperty_new_dtstart(DateValue(e.start)));
    icalcomponent_add_property(v, icalproperty_new_dtend(DateValue(e.end)));
    icalcomponent_add_property(v, icalproperty_new_summary(e.summary.c_str()));
    icalcomponent_add_property(v, icalproperty_new_description(e.description.c_str()));
    // One CATEGORIES property per category: a single one with a list would
    // have its commas escaped into one name.
    for (const std::string& category : e.categories) {
      icalcomponent_add_property(v, icalproperty_new_categories(category.c_str()));
    }
    if (!e.location.empty()) icalcomponent_add_property(v, icalproperty_new_location(e.location.c_str()));
    icalcomponent_add_property(v, icalproperty_new_transp(ICAL_TRANSP_TRANSPARENT));
    return AppendText(v, text);
  }

  void End(std::string& text) override { text += end_; }

  std::string Error() const override {
    return std::string("the calendar could not be written: ") + icalerror_strerror(icalerrno);
  }

 private:
  icaltimetype stamp_ = icaltime_null_time();
  std::string end_;
};

}  // namespace

}  // namespace orvane::ical

extern "C" __attribute__((visibility("default"))) orvane::ical::CalendarTextWriter*
orvane_make_calendar_text_writer() {
  return new orvane::ical::IcalTextWriter();
}
