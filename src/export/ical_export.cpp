#include "export/ical_export.h"

#include <libical/ical.h>

#include <cmath>
#include <memory>
#include <set>
#include <string_view>

#include "app/holy_days_window.h"
#include "app/safe_file.h"
#include "engine/engine.h"
#include "engine/numeric.h"
#include "engine/positions.h"

namespace orvane::ical {

namespace {

constexpr std::string_view kUidDomain = "@orvane";

// An engine host for the sunset computation, which reads no year box.
class NoWindow final : public EngineHost {
 public:
  std::string YearBoxText() const override { return std::string(); }
  void SetYearBoxText(const std::string&) override {}
  void Beep() override {}
};

// Frees a libical component tree when it goes out of scope.
struct ComponentDeleter {
  void operator()(icalcomponent* c) const { icalcomponent_free(c); }
};
using ComponentPtr = std::unique_ptr<icalcomponent, ComponentDeleter>;

// The weekday's name of a whole JD of the common era (the long-day shift of
// the reports concerns dates before it only).
//   WeekdayName(2451545) = "Saturday" (1 January 2000).
std::string WeekdayName(double jd) {
  static constexpr std::string_view kNames[] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                                "Thursday", "Friday", "Saturday"};
  const long index = static_cast<long>(num::Mod(static_cast<std::int32_t>(jd) + 1, 7));
  return std::string(kNames[index]);
}

// "Saturday, 29 Mar 2025": the weekday and date of a whole JD of the
// common era ("5 Apr 30 BCE", without the weekday, before it).
std::string DateText(double jd) {
  const CivilDate d = DateFromJD(jd);
  const std::string date = num::CStr(static_cast<int>(d.day)) + " " +
                           std::string(kMonthNames[static_cast<std::size_t>(d.month)]) + " " +
                           num::CStr(static_cast<int>(std::fabs(d.year)));
  return d.year < 0 ? date + " BCE" : WeekdayName(jd) + ", " + date;
}

// "19:05".
std::string ClockText(ClockTime t) { return num::ZeroPadded(t.hour, 2) + ":" + num::ZeroPadded(t.minute, 2); }

// "UTC+2", "UTC-5", "UTC+5:30": the zone's offset from UTC (hours, east positive).
std::string ZoneText(double offsetHours) {
  const long minutes = std::lround(std::fabs(offsetHours) * 60);
  std::string text = std::string("UTC") + (offsetHours < 0 ? "-" : "+") + num::CStr(minutes / 60);
  if (minutes % 60 != 0) text += ":" + num::ZeroPadded(minutes % 60, 2);
  return text;
}

// The place's part of a UID: "jerusalem" for the Jerusalem runs, else the
// coordinates in whole minutes, "40n43-74w00".
std::string PlaceKey(const RecordedRun& run) {
  if (!run.local) return "jerusalem";
  const double latitude = run.place.latitudeRadians / 0.01745329251993;  // degrees, north positive
  const double longitude = run.place.longitudeTurns * 360;               // degrees, east negative
  auto part = [](double degrees, char positive, char negative) {
    const long minutes = std::lround(std::fabs(degrees) * 60);
    return num::CStr(minutes / 60) + (degrees >= 0 ? positive : negative) + num::ZeroPadded(minutes % 60, 2);
  };
  return part(latitude, 'n', 's') + "-" + part(longitude, 'w', 'e');
}

// A year in a UID: "2025", "1bce".
std::string YearKey(double year) {
  const long y = std::lround(year);
  return y < 0 ? num::CStr(-y) + "bce" : num::CStr(y);
}

// The UID of a day: the same day of the same reading at the same place has
// the same UID in every export, whatever its date and the region's delay.
//   "2025-passover-jerusalem@orvane", "2021-passover-late-jerusalem@orvane",
//   "lunation1567-month-start-40n43-74w00@orvane".
std::string Uid(const RecordedRun& run, const RecordedDay& day) {
  std::string uid;
  if (run.report == ReportKind::MonthStarts) {
    uid = "lunation" + num::CStr(std::lround(day.lunation)) + "-" + day.key;
  } else {
    uid = YearKey(run.year) + "-" + day.key;
    if (day.reading == HarvestReading::EarlyHarvest) uid += "-early";
    if (day.reading == HarvestReading::LateHarvest) uid += "-late";
  }
  return uid + "-" + PlaceKey(run) + std::string(kUidDomain);
}

// The certainty as the reports word it: "certain", "possibly one day earlier".
std::string CertaintyText(Certainty c) {
  switch (c) {
    case Certainty::PossiblyDayEarlier:
      return "possibly one day earlier";
    case Certainty::PossiblyDayLater:
      return "possibly one day later";
    case Certainty::PossiblyWeekEarlier:
      return "possibly one week earlier";
    case Certainty::PossiblyWeekLater:
      return "possibly one week later";
    case Certainty::Certain:
      break;
  }
  return "certain";
}

// What a summary adds for a reading: "", " (early harvest)" or " (late harvest)".
std::string ReadingSuffix(HarvestReading r) {
  if (r == HarvestReading::EarlyHarvest) return " (early harvest)";
  if (r == HarvestReading::LateHarvest) return " (late harvest)";
  return std::string();
}

// "Orvane: holy days 2025 (Jerusalem)", "Orvane: month starts 2025 to 2030 (Paris)".
std::string CalendarName(const CalendarRun& first, const CalendarRun& last) {
  std::string name =
      first.run.report == ReportKind::HolyDays ? "Orvane: holy days " : "Orvane: month starts ";
  auto year = [](double y) {
    return y < 0 ? num::CStr(std::lround(-y)) + " BCE" : num::CStr(std::lround(y));
  };
  name += year(first.run.year);
  if (last.run.year != first.run.year) name += " to " + year(last.run.year);
  if (!first.placeName.empty()) name += " (" + first.placeName + ")";
  return name;
}

// The text of the description of a day.
std::string Description(const CalendarRun& run, const RecordedDay& day) {
  const std::string place = run.placeName.empty() ? std::string("the place") : run.placeName;
  std::string text = "Certainty: " + CertaintyText(day.certainty) + ".\n";
  const double eve = day.jd - 1;
  text += "Begins at sunset on the evening before, " + DateText(eve) + ": sunset at " + place + " " +
          ClockText(SunsetAt(run.run.place, eve, day.lunation)) + " " +
          ZoneText(run.run.place.utcOffsetHours) + " (no daylight saving).\n";
  text += "The crescent of the new moon that begins the month counts as seen at " + place +
          " on the evening of " + DateText(day.sightingEveningJD) + ".\n";
  if (day.reading == HarvestReading::EarlyHarvest) {
    text += "Early-harvest reading: this month begins the year if the barley harvest is early.\n";
  }
  if (day.reading == HarvestReading::LateHarvest) {
    text += "Late-harvest reading: the holy days of a year with a late spring barley harvest.\n";
  }
  if (run.run.east) {
    text += "Delayed one day for the region east of Israel and west of the International Date Line.\n";
  }
  text.pop_back();  // no line end after the last line
  return text;
}

// A date-only value of a whole JD.
icaltimetype DateValue(double jd) {
  const CivilDate d = DateFromJD(jd);
  icaltimetype t = icaltime_null_date();
  t.year = static_cast<int>(d.year);
  t.month = static_cast<int>(d.month);
  t.day = static_cast<int>(d.day);
  return t;
}

// Adds the all-day VEVENT of a day to the calendar, with the given UID and
// DTSTAMP (UTC).
void AddEvent(icalcomponent* calendar, const CalendarRun& run, const RecordedDay& day, const std::string& uid,
              icaltimetype stamp) {
  icalcomponent* event = icalcomponent_new_vevent();
  icalcomponent_add_property(event, icalproperty_new_uid(uid.c_str()));
  icalcomponent_add_property(event, icalproperty_new_dtstamp(stamp));
  icalcomponent_add_property(event, icalproperty_new_dtstart(DateValue(day.jd)));
  icalcomponent_add_property(event, icalproperty_new_dtend(DateValue(day.jd + 1)));
  icalcomponent_add_property(event,
                             icalproperty_new_summary((day.name + ReadingSuffix(day.reading)).c_str()));
  icalcomponent_add_property(event, icalproperty_new_description(Description(run, day).c_str()));
  // One CATEGORIES property per category: a single one with a list would
  // have its commas escaped into one name.
  icalcomponent_add_property(
      event, icalproperty_new_categories(day.kind == DayKind::HolyDay ? "Holy day" : "Month start"));
  if (day.reading == HarvestReading::EarlyHarvest) {
    icalcomponent_add_property(event, icalproperty_new_categories("Early-harvest reading"));
  }
  if (day.reading == HarvestReading::LateHarvest) {
    icalcomponent_add_property(event, icalproperty_new_categories("Late-harvest reading"));
  }
  if (!run.placeName.empty())
    icalcomponent_add_property(event, icalproperty_new_location(run.placeName.c_str()));
  icalcomponent_add_property(event, icalproperty_new_transp(ICAL_TRANSP_TRANSPARENT));
  icalcomponent_add_component(calendar, event);
}

}  // namespace

ClockTime SunsetAt(const RunPlace& place, double eveningJD, double lunation) {
  NoWindow window;
  Engine e(window);
  EphemerisState& st = e.st;
  st.ShowInMain = kFalse;
  st.Longitude = place.longitudeTurns;
  st.Latitude = place.latitudeRadians;
  st.ZoneCorrection = place.zoneCorrection;
  // As the conjunction of the lunation sets it for the month's evenings.
  st.DeltaT = DeltaTDays(lunation / 1236.85);
  // About six hours after local noon, 40 minutes earlier before Hezekiah's sign.
  const double sixHours = eveningJD < kHezekiahJD ? 0.2222 : 0.25;
  st.Centuries = ((eveningJD + st.Longitude + sixHours) + st.DeltaT - 2415020) / 36525;
  e.SunPositionAndSunset();
  ClockTime t;
  t.hour = static_cast<int>(st.SunsetHour) + 12;
  t.minute = static_cast<int>(st.SunsetMinute);
  if (t.hour >= 24) t.hour -= 24;
  return t;
}

CalendarText BuildCalendar(const std::vector<CalendarRun>& runs, std::time_t stamp) {
  CalendarText result;
  const CalendarRun* firstRun = nullptr;
  const CalendarRun* lastRun = nullptr;
  for (const CalendarRun& run : runs) {
    if (run.days.empty()) continue;
    if (firstRun == nullptr) firstRun = &run;
    lastRun = &run;
    for (const RecordedDay& day : run.days) {
      // The format's dates have four-digit years of the common era.
      for (double jd : {day.jd, day.jd + 1, day.jd - 1, day.sightingEveningJD}) {
        if (DateFromJD(jd).year >= 1 && DateFromJD(jd).year <= 9999) continue;
        result.error = "calendar files hold dates from 1 CE to 9999 CE only; " + day.name + " falls on " +
                       DateText(day.jd);
        return result;
      }
    }
  }
  if (firstRun == nullptr) {
    result.error = "the report states no holy days or month starts";
    return result;
  }

  ComponentPtr calendar(icalcomponent_new_vcalendar());
  icalcomponent* cal = calendar.get();
  icalcomponent_add_property(cal, icalproperty_new_version("2.0"));
  icalcomponent_add_property(cal, icalproperty_new_prodid("-//Orvane//Orvane " ORVANE_VERSION "//EN"));
  icalcomponent_add_property(cal, icalproperty_new_calscale("GREGORIAN"));
  icalcomponent_add_property(cal, icalproperty_new_method(ICAL_METHOD_PUBLISH));
  icalproperty* name = icalproperty_new_x(CalendarName(*firstRun, *lastRun).c_str());
  icalproperty_set_x_name(name, "X-WR-CALNAME");
  icalcomponent_add_property(cal, name);

  const icaltimetype dtstamp = icaltime_from_timet_with_zone(stamp, 0, icaltimezone_get_utc_timezone());
  std::set<std::string> uids;
  for (const CalendarRun& run : runs) {
    for (const RecordedDay& day : run.days) {
      const std::string uid = Uid(run.run, day);
      if (!uids.insert(uid).second) continue;  // stated by an earlier run already
      AddEvent(cal, run, day, uid, dtstamp);
      ++result.events;
    }
  }

  char* text = icalcomponent_as_ical_string_r(cal);
  if (text == nullptr) {
    result.error = std::string("the calendar could not be written: ") + icalerror_strerror(icalerrno);
    result.events = 0;
    return result;
  }
  result.text = text;
  icalmemory_free_buffer(text);
  result.ok = true;
  return result;
}

ExportOutcome ExportCalendar(const std::vector<CalendarRun>& runs, const std::filesystem::path& path,
                             std::time_t stamp) {
  ExportOutcome outcome;
  const CalendarText calendar = BuildCalendar(runs, stamp);
  if (!calendar.ok) {
    outcome.error = calendar.error;
    return outcome;
  }
  const app::WriteOutcome written = app::ReplaceFile(path, calendar.text);
  if (!written.ok) {
    outcome.error = "cannot write " + path.string() + ": " + written.error;
    return outcome;
  }
  outcome.ok = true;
  outcome.events = calendar.events;
  return outcome;
}

ExportOutcome ExportReport(const app::HolyDaysWindow& window, const std::filesystem::path& path,
                           std::time_t stamp) {
  const CalendarRun* shown = window.ShownCalendarRun();
  if (shown == nullptr) {
    ExportOutcome outcome;
    outcome.error = std::string(kNothingToExport);
    return outcome;
  }
  return ExportCalendar({*shown}, path, stamp);
}

}  // namespace orvane::ical
