// The reports of the main window as data: JSON documents and CSV tables of
// what a run states, for programs that compare, publish or check the dates
// rather than read fixed columns.
//
// A ReportCollector attached to the engine is told, while a report is
// written, every day it states, every evening row of its new-moon tables
// and every line of its sunset and times tables.  The builders below turn
// what it collected into documents whose field names stay the same from
// release to release (docs/formats.md describes them).
//
// Dates are civil dates of the modified proleptic Gregorian reckoning the
// reports use, written in ISO 8601 with astronomical year numbering (1 BCE
// is 0000, 2 BCE is -0001), with the era and the historical year beside
// them; times are the zone's clock times in 24-hour form ("17:39").
#pragma once

#include <nlohmann/json.hpp>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "engine/dates.h"
#include "engine/day_recorder.h"

namespace orvane::report {

// A new-moon table: the lunation whose evenings it tests and its rows.
struct NewMoonTable {
  double lunation = 0;
  std::vector<RecordedEvening> evenings;
};

// A holy-day report or month-start list whose text reached the main pane,
// with the days it stated and the tables it printed, in order.
struct CollectedCalendarRun {
  RecordedRun run;
  std::vector<RecordedDay> days;
  std::vector<NewMoonTable> tables;
};

// Collects what the shown runs of an engine tell its recorder; silent runs
// (the tables' search for the year's first month) are left out.  The
// calendar runs are passed on to `next`, the recorder that was attached
// before, so that it sees them as it would without this one.
class ReportCollector final : public DayRecorder {
 public:
  explicit ReportCollector(DayRecorder* next) : next_(next) {}

  void RunStarted(const RecordedRun& run) override;
  void DayStated(const RecordedDay& day) override;
  void RunFinished() override;
  void ReportStarted(const RecordedRun& report) override;
  void NewMoonTableStarted(double lunation) override;
  void EveningTested(const RecordedEvening& evening) override;
  void SunsetListed(double jd, double hour, double minute) override;
  void DayTimesListed(const RecordedDayTimes& day) override;
  void YearFound(double year, std::string_view list) override;
  void DaysCounted(double days, const std::vector<double>& possible) override;

  std::vector<CollectedCalendarRun> calendarRuns;
  // The sunsets or times table or the chronology run: its run, its sunsets
  // (whole JD with the clock time as the table prints it) and its lines.
  RecordedRun table;
  struct Sunset {
    double jd = 0;
    RecordedClock clock;  // 24-hour
  };
  std::vector<Sunset> sunsets;
  std::vector<RecordedDayTimes> dayTimes;
  // A chronology run: the dates the report of one year states, the years
  // found (with the Flood's list) and the Flood's count of days.
  std::vector<RecordedDay> statedDates;
  std::vector<std::pair<double, std::string>> yearsFound;
  double floodDays = 0;
  std::vector<double> possibleFloodDays;
  bool floodDaysCounted = false;

 private:
  bool Recording() const { return !shown_.empty() && shown_.back(); }

  DayRecorder* next_;
  std::vector<bool> shown_;  // one entry per calendar run in progress: whether it is kept
};

// A date as the documents give it: {"date": "2024-04-10", "era": "CE",
// "year": 2024, "jd": 2460411} for the day whose noon is the whole JD `jd`
// (or, with DayStart::Midnight, the civil day from the midnight `jd`, a JD
// ending in .5), in the reckoning given.
//   DateJson(1721425) = {"date": "0000-12-31", "era": "BCE", "year": 1, ...}.
nlohmann::ordered_json DateJson(double jd, DayStart start = DayStart::Noon,
                                Reckoning reckoning = Reckoning::Gregorian);

// A number as the documents give it: a whole number as an integer (2024,
// not 2024.0), any other as it is.
nlohmann::ordered_json NumberJson(double value);

// A year of a report: {"year": 1461, "era": "BCE", "astronomical_year": -1460}
// for the historical year -1461.
nlohmann::ordered_json YearJson(double historicalYear);

// A clock time of the zone as "HH:MM" in 24-hour form, or "" for none.
//   ClockText({true, 5, 7}) = "05:07".
std::string ClockText(const RecordedClock& clock);

// The place of a run: its name and its coordinates in degrees (north and
// east positive) with the zone's offset from UTC in hours.
nlohmann::ordered_json PlaceJson(const RunPlace& place, std::string_view name);

// The holy-day report ("holydays") or a month-start list ("newmoons",
// "localmoons") of one run.
nlohmann::ordered_json CalendarReportJson(std::string_view command, const CollectedCalendarRun& run,
                                          std::string_view placeName);

// The sunsets table, one entry per day in date order.
nlohmann::ordered_json SunsetsJson(const ReportCollector& c, std::string_view placeName);
std::string SunsetsCsv(const ReportCollector& c);

// The sun and moon times table, one entry per day.
nlohmann::ordered_json TimesJson(const ReportCollector& c, std::string_view placeName);
std::string TimesCsv(const ReportCollector& c);

// A chronology run ("golgotha", "jordan", "creation", "flood"): the years
// found and, for the report of one year, the dates it states.
nlohmann::ordered_json ChronologyJson(std::string_view command, const ReportCollector& c);

// A document as printed: two-blank indentation and a final line end.
std::string JsonText(const nlohmann::ordered_json& document);

}  // namespace orvane::report
