// The holy days and month starts of a report as data, told while the report
// is written.
//
// The holy-day report and the month-start list write text; a DayRecorder
// attached to the engine is also told, as each date is written, what the day
// is, the date as printed, its certainty and its reading.  The recorder only
// listens: with or without one the text is the same to the byte.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "engine/ephemeris_state.h"

namespace orvane {

// Which report a run writes: the holy-day report and the month-start list
// (the calendar runs, whose days the calendar export takes), or one of the
// other reports of the main window.
enum class ReportKind { HolyDays, MonthStarts, Sunsets, Times, Golgotha, Jordan, Creation, Flood };

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

// The certainty as the reports word it, in the order of the enum:
// "certain", "possibly one day earlier", ...
inline constexpr std::array<std::string_view, 5> kCertaintyTexts = {
    "certain", "possibly one day earlier", "possibly one day later", "possibly one week earlier",
    "possibly one week later"};
constexpr std::string_view CertaintyText(Certainty c) {
  return kCertaintyTexts.at(static_cast<std::size_t>(c));
}

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
  // The year after Creation the holy-day report states; 0 in other runs.
  double creationYear = 0;
  // The sunsets and times tables: the table starts on 1 January, not with
  // the first day of the year's first month at the place.
  bool gregorian = false;
  // The chronology runs: the last year of the range (the same as `year`
  // for the report of one year).
  double lastYear = 0;
};

// One day the report states.
struct RecordedDay {
  DayKind kind = DayKind::HolyDay;
  // A short fixed key of the day within its run: "abib-1", "passover", ...,
  // "month-start".  It does not change with the date.
  std::string key;
  // The day's name as a calendar entry gives it: "Abib 1", "Passover
  // sacrifice", "First day of month".
  std::string name;
  // The day's name as the report's line words it: "Abib 1", "The Passover
  // sacrifice", "First Day of Month"; both days of a feast that "goes from"
  // one day "to" another carry the feast's name.
  std::string reportName;
  // The weekday the report prints with the date, 0 = Sunday (the long-day
  // shift included); -1 when it prints none.
  int weekday = -1;
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

// One row of a new-moon table: an evening tested for the crescent, with
// the figures as the row prints them (rounded to the row's significant
// figures).  Clock times are the zone's, in whole hours and minutes after
// noon, as the row prints them ("5:39" is hour 5, 17:39).
struct RecordedEvening {
  double eveningJD = 0;  // whole JD of the civil day whose evening is tested
  double sunsetHour = 0, sunsetMinute = 0;
  double moonsetHour = 0, moonsetMinute = 0;
  double illuminatedPercent = 0;
  double sunAzimuth = 0;            // degrees at sunset, from the south towards the west
  double moonAzimuth = 0;           // degrees at sunset
  double moonAltitude = 0;          // degrees at sunset
  double sunAltitudeAtMoonset = 0;  // degrees, raised by 1.75 as the row prints it
  double visibilityNumber = 0;
  // The class of the number before rounding: the verdict the row prints.
  Visibility visibility = Visibility::NotVisible;
};

// A clock time of the zone as the sunrise-and-moonrise table prints it:
// whole hours (0..23) and minutes, or no such event on the day.
struct RecordedClock {
  bool occurs = true;
  double hour = 0, minute = 0;
};

// One line of the sun and moon times table.
struct RecordedDayTimes {
  double jd = 0;  // whole JD of the day
  RecordedClock sunrise, sunset, moonrise, moonset;
  // The moon's illuminated percent at moonrise and at moonset as printed;
  // meaningless for an event that does not occur.
  double moonriseIlluminatedPercent = 0;
  double moonsetIlluminatedPercent = 0;
};

// Told of every run of the holy-day report and the month-start list and of
// every day they state.  Runs do not nest.
//
// The hooks after the first three are told of the other reports, for their
// machine-readable forms; each does nothing unless a recorder wants it.
class DayRecorder {
 public:
  virtual ~DayRecorder() = default;
  // A run starts; its year and place are set.
  virtual void RunStarted(const RecordedRun& run) = 0;
  // A day's date was just written (or, in a local month-start list, which
  // prints no dates, the month start was just found).  The one-year report
  // of a chronology run tells its dates here too.
  virtual void DayStated(const RecordedDay& day) = 0;
  // The run has written its last text.
  virtual void RunFinished() = 0;

  // A report other than the calendar runs starts (the sunsets and times
  // tables, the chronology runs); its year and place are set.  Calendar runs
  // may happen inside it (the tables' search for the year's first month).
  virtual void ReportStarted(const RecordedRun& /*report*/) {}
  virtual void ReportFinished() {}
  // A new-moon table begins: the lunation (k) whose evenings it tests.
  virtual void NewMoonTableStarted(double /*lunation*/) {}
  // An evening of the new-moon table was tested: the figures of its row.
  virtual void EveningTested(const RecordedEvening& /*evening*/) {}
  // A cell of the sunsets table: the date (whole JD) and its sunset in
  // whole hours and minutes after noon ("5:07" is 17:07).
  virtual void SunsetListed(double /*jd*/, double /*hour*/, double /*minute*/) {}
  // A line of the sun and moon times table.
  virtual void DayTimesListed(const RecordedDayTimes& /*day*/) {}
  // A chronology year compared the March equinox with the sunset of its
  // first crescent, both JDs as the report prints them (cut to three
  // decimals); `nextMonthBegins` when the crescent came first, so that the
  // next month begins the year.
  virtual void EquinoxCompared(double /*equinoxJD*/, double /*newMoonJD*/, bool /*nextMonthBegins*/) {}
  // A chronology run found a year that qualifies.  `list` names the Flood's
  // list: "150" (the count is 150), "149+1" or "148+2" (it may be 150); it
  // is empty for the other runs.
  virtual void YearFound(double /*year*/, std::string_view /*list*/) {}
  // The Flood's days from the 17th of the second month to the 17th of the
  // seventh, and the other counts the months' uncertainty allows.
  virtual void DaysCounted(double /*days*/, const std::vector<double>& /*possible*/) {}
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
