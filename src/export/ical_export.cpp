#include "export/ical_export.h"

#include <dlfcn.h>

#include <cmath>
#include <memory>
#include <set>
#include <string_view>

#include "engine/engine.h"
#include "engine/numeric.h"
#include "engine/sunset.h"
#include "export/calendar_text_writer.h"
#include "export/report_data.h"
#include "io/safe_file.h"

namespace orvane::ical {

namespace {

constexpr std::string_view kUidDomain = "@orvane";

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
  std::string text = "Certainty: " + std::string(CertaintyText(day.certainty)) + ".\n";
  text += "Begins at sunset on the evening before, " + DateText(day.jd - 1) + ": sunset at " + place + " " +
          report::ClockText(SunsetBeginning(run.run.place, day)) + " " +
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

// The date of a whole JD of the common era.
CalendarDate DateValue(double jd) {
  const CivilDate d = DateFromJD(jd);
  return CalendarDate{static_cast<int>(d.year), static_cast<int>(d.month), static_cast<int>(d.day)};
}

// The all-day event of a day, with the given UID.
EventFields EventOf(const CalendarRun& run, const RecordedDay& day, const std::string& uid) {
  EventFields e;
  e.uid = uid;
  e.start = DateValue(day.jd);
  e.end = DateValue(day.jd + 1);
  e.summary = day.name + ReadingSuffix(day.reading);
  e.description = Description(run, day);
  e.categories.emplace_back(day.kind == DayKind::HolyDay ? "Holy day" : "Month start");
  if (day.reading == HarvestReading::EarlyHarvest) e.categories.emplace_back("Early-harvest reading");
  if (day.reading == HarvestReading::LateHarvest) e.categories.emplace_back("Late-harvest reading");
  e.location = run.placeName;
  return e;
}

// The module that writes the text, loaded for one export.  It is loaded
// from beside the program (from the folder its installation gives the
// module, relative to the program's own folder) and stays in memory when
// released (libical keeps tables of its own for the whole process).
class WriterModule {
 public:
  WriterModule() {
    std::error_code ec;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", ec);
    const std::filesystem::path module =
        program.parent_path() / ORVANE_MODULE_DIR_FROM_BIN / kCalendarWriterModule;
    handle_ = ::dlopen(module.c_str(), RTLD_NOW | RTLD_LOCAL | RTLD_NODELETE);
    if (handle_ == nullptr) {
      error_ = std::string("the calendar writer could not be loaded: ") + ::dlerror();
      return;
    }
    void* entry = ::dlsym(handle_, kMakeCalendarTextWriterSymbol);
    if (entry == nullptr) {
      error_ = std::string("the calendar writer could not be loaded: ") + ::dlerror();
      return;
    }
    writer_.reset(reinterpret_cast<MakeCalendarTextWriter>(entry)());
  }
  ~WriterModule() {
    writer_.reset();
    if (handle_ != nullptr) ::dlclose(handle_);
  }
  WriterModule(const WriterModule&) = delete;
  WriterModule& operator=(const WriterModule&) = delete;

  // The writer; null when the module could not be loaded (error() says why).
  CalendarTextWriter* writer() const { return writer_.get(); }
  const std::string& error() const { return error_; }

 private:
  void* handle_ = nullptr;
  std::unique_ptr<CalendarTextWriter> writer_;
  std::string error_;
};

// The first and last runs that state a day; empty with `error` set when a
// date lies outside what the format holds or no run states a day.
struct CalendarSpan {
  const CalendarRun* first = nullptr;
  const CalendarRun* last = nullptr;
  std::string error;
};

CalendarSpan SpanOf(const std::vector<CalendarRun>& runs) {
  CalendarSpan span;
  for (const CalendarRun& run : runs) {
    if (run.days.empty()) continue;
    if (span.first == nullptr) span.first = &run;
    span.last = &run;
    for (const RecordedDay& day : run.days) {
      // The format's dates have four-digit years of the common era.
      for (double jd : {day.jd, day.jd + 1, day.jd - 1, day.sightingEveningJD}) {
        if (DateFromJD(jd).year >= 1 && DateFromJD(jd).year <= 9999) continue;
        span.error = "calendar files hold dates from 1 CE to 9999 CE only; " + day.name + " falls on " +
                     DateText(day.jd);
        return span;
      }
    }
  }
  if (span.first == nullptr) span.error = "the report states no holy days or month starts";
  return span;
}

// Writes the calendar of the runs to the sink, each event as it is made, and
// counts the events; returns why it could not, or an empty text (also when
// the sink failed, which knows why).
std::string WriteCalendar(const std::vector<CalendarRun>& runs, const CalendarSpan& span, std::time_t stamp,
                          CalendarTextWriter& writer, io::TextSink& sink, std::size_t& events) {
  events = 0;
  CalendarFields fields;
  fields.productId = "-//Orvane//Orvane " ORVANE_VERSION "//EN";
  fields.name = CalendarName(*span.first, *span.last);
  fields.stamp = stamp;
  std::string piece;
  if (!writer.Begin(fields, piece)) return writer.Error();
  if (!sink.Write(piece)) return std::string();
  std::set<std::string> uids;
  for (const CalendarRun& run : runs) {
    for (const RecordedDay& day : run.days) {
      std::string uid = Uid(run.run, day);
      if (!uids.insert(uid).second) continue;  // stated by an earlier run already
      piece.clear();
      if (!writer.Event(EventOf(run, day, uid), piece)) return writer.Error();
      if (!sink.Write(piece)) return std::string();
      ++events;
    }
  }
  piece.clear();
  writer.End(piece);
  sink.Write(piece);
  return std::string();
}

// Collects a text in memory.
class StringSink final : public io::TextSink {
 public:
  bool Write(std::string_view piece) override {
    text.append(piece);
    return true;
  }
  std::string text;
};

}  // namespace

CalendarText BuildCalendar(const std::vector<CalendarRun>& runs, std::time_t stamp) {
  CalendarText result;
  const CalendarSpan span = SpanOf(runs);
  if (!span.error.empty()) {
    result.error = span.error;
    return result;
  }
  const WriterModule module;
  if (module.writer() == nullptr) {
    result.error = module.error();
    return result;
  }
  StringSink sink;
  result.error = WriteCalendar(runs, span, stamp, *module.writer(), sink, result.events);
  if (!result.error.empty()) {
    result.events = 0;
    return result;
  }
  result.text = std::move(sink.text);
  result.ok = true;
  return result;
}

ExportOutcome ExportCalendar(const std::vector<CalendarRun>& runs, const std::filesystem::path& path,
                             std::time_t stamp) {
  ExportOutcome outcome;
  const CalendarSpan span = SpanOf(runs);
  if (!span.error.empty()) {
    outcome.error = span.error;
    return outcome;
  }
  const WriterModule module;
  if (module.writer() == nullptr) {
    outcome.error = module.error();
    return outcome;
  }
  std::string ownFailure;
  const io::WriteOutcome written = io::ReplaceFileWith(path, [&](io::TextSink& sink) {
    ownFailure = WriteCalendar(runs, span, stamp, *module.writer(), sink, outcome.events);
    return ownFailure;
  });
  if (!written.ok) {
    // The writer's own failure is told as it is; the file's with its name.
    outcome.error = !ownFailure.empty() && written.error == ownFailure
                        ? ownFailure
                        : "cannot write " + path.string() + ": " + written.error;
    outcome.events = 0;
    return outcome;
  }
  outcome.ok = true;
  return outcome;
}

}  // namespace orvane::ical
