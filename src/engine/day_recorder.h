// The holy days and month starts of a report as data, told while the report
// is written.
//
// The holy-day report and the month-start list write text; a DayRecorder
// attached to the engine is also told, as each date is written, what the day
// is, the date as printed, its certainty and its reading.  The recorder only
// listens: with or without one the text is the same to the byte.
#pragma once

#include <string>
#include <vector>

namespace orvane {

// Which report a run writes.
enum class ReportKind { HolyDays, MonthStarts };

// What a recorded day is: a holy day, or the first day of a month (Abib 1 of
// the holy-day report and every day of the month-start list).
enum class DayKind { HolyDay, MonthStart };

// The reading a day belongs to.  A year whose first candidate month begins
// before the March equinox has two lists: the early-harvest one (that month
// begins the year) and the late-harvest one (the next month does).
enum class HarvestReading { Only, EarlyHarvest, LateHarvest };

// How sure a date is, as the report states it.  A doubtful crescent moves
// the first day of a month, and with it every day counted from it, by one
// day; the Wave Offering and Pentecost then move by a week or not at all.
enum class Certainty {
  Certain,
  PossiblyDayEarlier,
  PossiblyDayLater,
  PossiblyWeekEarlier,
  PossiblyWeekLater
};

// The place of a run as the engine uses it after InitEphemeris.
struct RunPlace {
  double longitudeTurns = 0;   // a fraction of a turn, west positive (Jerusalem -35.244 / 360)
  double latitudeRadians = 0;  // north positive
  double zoneCorrection = 0;   // hours added to local-mean-time results to give zone clock time
  double utcOffsetHours = 0;   // the zone's offset from UTC, east positive (Jerusalem 2)
};

// One run of a report, as it starts.
struct RecordedRun {
  ReportKind report = ReportKind::HolyDays;
  double year = 0;     // YearNumber, historical numbering (-1 is 1 BCE)
  bool east = false;   // every date is delayed one day for the region east of Israel
  bool local = false;  // at the user's place; otherwise at Jerusalem
  bool shown = false;  // the text reaches the main pane (ShowInMain)
  RunPlace place;
};

// One day the report states.
struct RecordedDay {
  DayKind kind = DayKind::HolyDay;
  // A short fixed key of the day within its run: "abib-1", "passover", ...,
  // "month-start".  It does not change with the date.
  std::string key;
  // The day's name as the report states it: "Abib 1", "Passover sacrifice",
  // "First day of month".
  std::string name;
  // The whole JD of the date as the report prints it (one day later than
  // the computed one for the region east of Israel).
  double jd = 0;
  Certainty certainty = Certainty::Certain;
  HarvestReading reading = HarvestReading::Only;
  // The whole JD of the civil day on whose evening the month's crescent
  // counts as seen: the day before the month's first day, never delayed.
  double sightingEveningJD = 0;
  // The lunation (k, whole lunations since the new moon of 1900 January)
  // whose crescent begins the day's month.
  double lunation = 0;
};

// A run with the days it stated, in the order it wrote them.
struct CalendarRun {
  RecordedRun run;
  std::vector<RecordedDay> days;
  // The place's name as its caption gives it ("Jerusalem" for the Jerusalem
  // runs); filled by whoever knows it, the engine does not.
  std::string placeName;
};

// Told of every run of the holy-day report and the month-start list and of
// every day they state.  Runs do not nest.
class DayRecorder {
 public:
  virtual ~DayRecorder() = default;
  // A run starts; its year and place are set.
  virtual void RunStarted(const RecordedRun& run) = 0;
  // A day's date was just written (or, in a local month-start list, which
  // prints no dates, the month start was just found).
  virtual void DayStated(const RecordedDay& day) = 0;
  // The run has written its last text.
  virtual void RunFinished() = 0;
};

// A recorder that keeps every run it is told of.
class DayCollector final : public DayRecorder {
 public:
  void RunStarted(const RecordedRun& run) override { runs.push_back(CalendarRun{run, {}, {}}); }
  void DayStated(const RecordedDay& day) override {
    if (!runs.empty()) runs.back().days.push_back(day);
  }
  void RunFinished() override {}

  std::vector<CalendarRun> runs;
};

}  // namespace orvane
