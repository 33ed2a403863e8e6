#include "export/report_data.h"

#include <algorithm>
#include <cmath>

#include "engine/dates.h"
#include "engine/numeric.h"
#include "engine/sunset.h"
#include "engine/trig.h"

namespace orvane::report {

using json = nlohmann::ordered_json;

void ReportCollector::RunStarted(const RecordedRun& run) {
  shown_.push_back(run.shown);
  if (run.shown) calendarRuns.push_back(CollectedCalendarRun{run, {}, {}});
  if (next_ != nullptr) next_->RunStarted(run);
}

void ReportCollector::DayStated(const RecordedDay& day) {
  if (Recording()) calendarRuns.back().days.push_back(day);
  // Outside a calendar run only a chronology report tells its dates.
  if (shown_.empty()) statedDates.push_back(day);
  if (next_ != nullptr) next_->DayStated(day);
}

void ReportCollector::RunFinished() {
  if (!shown_.empty()) shown_.pop_back();
  if (next_ != nullptr) next_->RunFinished();
}

void ReportCollector::ReportStarted(const RecordedRun& report) {
  table = report;
  sunsets.clear();
  dayTimes.clear();
  statedDates.clear();
  yearsFound.clear();
  floodDaysCounted = false;
}

void ReportCollector::YearFound(double year, std::string_view list) { yearsFound.emplace_back(year, list); }

void ReportCollector::DaysCounted(double days, const std::vector<double>& possible) {
  floodDays = days;
  possibleFloodDays = possible;
  floodDaysCounted = true;
}

void ReportCollector::NewMoonTableStarted(double lunation) {
  if (Recording()) calendarRuns.back().tables.push_back(NewMoonTable{lunation, {}});
}

void ReportCollector::EveningTested(const RecordedEvening& evening) {
  if (Recording() && !calendarRuns.back().tables.empty())
    calendarRuns.back().tables.back().evenings.push_back(evening);
}

void ReportCollector::SunsetListed(double jd, double hour, double minute) {
  // The table prints hours after noon ("5:07PM").
  sunsets.push_back(Sunset{jd, ClockAfterNoon(hour, minute)});
}

void ReportCollector::DayTimesListed(const RecordedDayTimes& day) { dayTimes.push_back(day); }

namespace {

std::string TwoDigits(double value) { return num::ZeroPadded(static_cast<long long>(value), 2); }

const char* EraOf(double historicalYear) { return historicalYear < 0 ? "BCE" : "CE"; }

// A clock time the new-moon tables print in hours after noon (an evening
// clock: "5:39" is 17:39, a moonset of "12:10" is ten past midnight).
std::string EveningClockText(double hour, double minute) { return ClockText(ClockAfterNoon(hour, minute)); }

json CertaintyJson(Certainty c) {
  if (c == Certainty::Certain) return nullptr;
  return CertaintyText(c);
}

json ReadingJson(HarvestReading r) {
  switch (r) {
    case HarvestReading::Only:
      return nullptr;
    case HarvestReading::EarlyHarvest:
      return "early harvest";
    case HarvestReading::LateHarvest:
      break;
  }
  return "late harvest";
}

constexpr const char* kWeekdays[] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                     "Thursday", "Friday", "Saturday"};

json EveningJson(const RecordedEvening& e) {
  return json{{"evening", DateJson(e.eveningJD)},
              {"sunset", EveningClockText(e.sunsetHour, e.sunsetMinute)},
              {"moonset", EveningClockText(e.moonsetHour, e.moonsetMinute)},
              {"illuminated_percent", NumberJson(e.illuminatedPercent)},
              {"sun_azimuth", NumberJson(e.sunAzimuth)},
              {"moon_azimuth", NumberJson(e.moonAzimuth)},
              {"moon_altitude", NumberJson(e.moonAltitude)},
              {"sun_altitude_at_moonset", NumberJson(e.sunAltitudeAtMoonset)},
              {"visibility_number", NumberJson(e.visibilityNumber)},
              {"visibility", std::string(VisibilityText(e.visibility))}};
}

// The evening on which a month's crescent counts as seen, with its sunset
// when the month's table has a row for it (a month-start list does not
// show the evening after a doubtful one).
json CrescentEveningJson(const CollectedCalendarRun& run, const RecordedDay& day) {
  json evening = DateJson(day.sightingEveningJD);
  evening["sunset"] = nullptr;
  for (const NewMoonTable& t : run.tables) {
    if (t.lunation != day.lunation) continue;
    for (const RecordedEvening& e : t.evenings) {
      if (e.eveningJD == day.sightingEveningJD)
        evening["sunset"] = EveningClockText(e.sunsetHour, e.sunsetMinute);
    }
  }
  return evening;
}

// The evening before a stated day, whose sunset begins it, with that
// sunset at the run's place.
json BeginsAtSunsetJson(const RunPlace& place, const RecordedDay& day) {
  json evening = DateJson(day.jd - 1);
  evening["sunset"] = ClockText(SunsetBeginning(place, day));
  return evening;
}

json TableHead(std::string_view command, const RecordedRun& run, std::string_view placeName) {
  json doc;
  doc["report"] = command;
  doc["place"] = PlaceJson(run.place, placeName);
  doc["year"] = YearJson(run.year);
  doc["starts_on_1_january"] = run.gregorian;
  return doc;
}

}  // namespace

json NumberJson(double value) {
  if (value == std::floor(value) && std::fabs(value) < 1e15) return static_cast<long long>(value);
  return value;
}

json DateJson(double jd, DayStart start, Reckoning reckoning) {
  const CivilDate d = DateFromJD(jd, start, reckoning);
  return json{{"date", IsoDateText(d)},
              {"era", EraOf(d.year)},
              {"year", NumberJson(std::fabs(d.year))},
              {"jd", NumberJson(jd)}};
}

json YearJson(double year) {
  return json{{"year", NumberJson(std::fabs(year))},
              {"era", EraOf(year)},
              {"astronomical_year", NumberJson(AstronomicalYear(year))}};
}

std::string ClockText(const RecordedClock& clock) {
  if (!clock.occurs) return {};
  return TwoDigits(clock.hour) + ":" + TwoDigits(clock.minute);
}

json PlaceJson(const RunPlace& place, std::string_view name) {
  // The engine keeps the longitude as a fraction of a turn, west positive,
  // and the latitude in radians: back to degrees, to the 1e-9 the boxes'
  // degrees and minutes never need.
  const auto degrees = [](double value) { return num::Round(value, 9); };
  return json{{"name", name},
              {"latitude", NumberJson(degrees(place.latitudeRadians / kRad))},
              {"longitude", NumberJson(degrees(-place.longitudeTurns * 360))},
              {"utc_offset", NumberJson(place.utcOffsetHours)}};
}

json CalendarReportJson(std::string_view command, const CollectedCalendarRun& run,
                        std::string_view placeName) {
  json doc;
  doc["report"] = command;
  doc["place"] = PlaceJson(run.run.place, placeName);
  json year = YearJson(run.run.year);
  if (run.run.report == ReportKind::HolyDays) year["after_creation"] = NumberJson(run.run.creationYear);
  doc["year"] = year;
  doc["east_of_israel"] = run.run.east;

  json days = json::array();
  for (const RecordedDay& d : run.days) {
    json day{{"key", d.key},
             {"name", d.reportName},
             {"date", DateJson(d.jd)},
             {"weekday", d.weekday >= 0 ? json(kWeekdays[d.weekday]) : json(nullptr)},
             {"certainty", CertaintyJson(d.certainty)},
             {"reading", ReadingJson(d.reading)},
             {"lunation", NumberJson(d.lunation)},
             {"crescent_evening", CrescentEveningJson(run, d)},
             {"begins_at_sunset", BeginsAtSunsetJson(run.run.place, d)}};
    days.push_back(day);
  }
  doc["days"] = days;

  json months = json::array();
  for (const NewMoonTable& t : run.tables) {
    json evenings = json::array();
    for (const RecordedEvening& e : t.evenings) evenings.push_back(EveningJson(e));
    months.push_back(json{{"lunation", NumberJson(t.lunation)}, {"evenings", evenings}});
  }
  doc["months"] = months;
  return doc;
}

json SunsetsJson(const ReportCollector& c, std::string_view placeName) {
  json doc = TableHead("sunsets", c.table, placeName);
  std::vector<ReportCollector::Sunset> sorted = c.sunsets;
  std::stable_sort(sorted.begin(), sorted.end(), [](const auto& a, const auto& b) { return a.jd < b.jd; });
  json days = json::array();
  for (const auto& s : sorted) {
    json day = DateJson(s.jd);
    day["sunset"] = ClockText(s.clock);
    days.push_back(day);
  }
  doc["days"] = days;
  return doc;
}

namespace {

// A field of a CSV line: quoted when it holds a comma, a quote or a line end.
std::string CsvField(const std::string& text) {
  if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
  std::string quoted = "\"";
  for (const char ch : text) {
    quoted += ch;
    if (ch == '"') quoted += '"';
  }
  return quoted + "\"";
}

std::string CsvLine(const std::vector<std::string>& fields) {
  std::string line;
  for (std::size_t i = 0; i < fields.size(); ++i) line += (i == 0 ? "" : ",") + CsvField(fields[i]);
  return line + "\r\n";
}

// The date fields that begin every CSV line: the ISO date, the era, the
// historical year and the whole JD.
std::vector<std::string> CsvDate(double jd) {
  const CivilDate d = DateFromJD(jd);
  return {IsoDateText(d), EraOf(d.year), num::CStr(std::fabs(d.year)), num::CStr(jd)};
}

// A percentage as the times table prints it, or "" with no such event.
std::string Percent(bool occurs, double percent) { return occurs ? num::CStr(percent) : std::string(); }

}  // namespace

std::string SunsetsCsv(const ReportCollector& c) {
  std::vector<ReportCollector::Sunset> sorted = c.sunsets;
  std::stable_sort(sorted.begin(), sorted.end(), [](const auto& a, const auto& b) { return a.jd < b.jd; });
  std::string csv = CsvLine({"date", "era", "year", "jd", "sunset"});
  for (const auto& s : sorted) {
    std::vector<std::string> fields = CsvDate(s.jd);
    fields.push_back(ClockText(s.clock));
    csv += CsvLine(fields);
  }
  return csv;
}

json TimesJson(const ReportCollector& c, std::string_view placeName) {
  json doc = TableHead("times", c.table, placeName);
  json days = json::array();
  for (const RecordedDayTimes& t : c.dayTimes) {
    json day = DateJson(t.jd);
    day["sunrise"] = ClockText(t.sunrise);
    day["sunset"] = ClockText(t.sunset);
    day["moonrise"] = ClockText(t.moonrise);
    day["moonrise_illuminated_percent"] =
        t.moonrise.occurs ? json(t.moonriseIlluminatedPercent) : json(nullptr);
    day["moonset"] = ClockText(t.moonset);
    day["moonset_illuminated_percent"] =
        t.moonset.occurs ? NumberJson(t.moonsetIlluminatedPercent) : json(nullptr);
    days.push_back(day);
  }
  doc["days"] = days;
  return doc;
}

std::string TimesCsv(const ReportCollector& c) {
  std::string csv = CsvLine({"date", "era", "year", "jd", "sunrise", "sunset", "moonrise",
                             "moonrise_illuminated_percent", "moonset", "moonset_illuminated_percent"});
  for (const RecordedDayTimes& t : c.dayTimes) {
    std::vector<std::string> fields = CsvDate(t.jd);
    fields.push_back(ClockText(t.sunrise));
    fields.push_back(ClockText(t.sunset));
    fields.push_back(ClockText(t.moonrise));
    fields.push_back(Percent(t.moonrise.occurs, t.moonriseIlluminatedPercent));
    fields.push_back(ClockText(t.moonset));
    fields.push_back(Percent(t.moonset.occurs, t.moonsetIlluminatedPercent));
    csv += CsvLine(fields);
  }
  return csv;
}

json ChronologyJson(std::string_view command, const ReportCollector& c) {
  json doc;
  doc["report"] = command;
  doc["first_year"] = YearJson(c.table.year);
  doc["last_year"] = YearJson(c.table.lastYear);
  json found = json::array();
  for (const auto& [year, list] : c.yearsFound) {
    json entry = YearJson(year);
    if (!list.empty()) entry["list"] = list;
    found.push_back(entry);
  }
  doc["years_found"] = found;
  if (c.table.year == c.table.lastYear) {
    json days = json::array();
    for (const RecordedDay& d : c.statedDates) {
      days.push_back(json{{"label", d.reportName},
                          {"date", DateJson(d.jd)},
                          {"weekday", d.weekday >= 0 ? json(kWeekdays[d.weekday % 7]) : json(nullptr)}});
    }
    doc["days"] = days;
    if (c.floodDaysCounted) {
      doc["days_between"] = NumberJson(c.floodDays);
      json possible = json::array();
      for (const double d : c.possibleFloodDays) possible.push_back(NumberJson(d));
      doc["possible_days_between"] = possible;
    }
  }
  return doc;
}

std::string JsonText(const json& document) { return document.dump(2) + "\n"; }

}  // namespace orvane::report
