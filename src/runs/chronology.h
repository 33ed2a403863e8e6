// The chronology runs: searches over ranges of years for the weekday
// conditions of the first Biblical month (Golgotha, the Jordan crossing,
// Creation) and for the 150 days of the Flood.
//
// A run reads the two year boxes of the main window, corrects them to its
// limits, and either writes the full report of one year or lists the years of
// a range that meet its condition.  The place is fixed by the run itself.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "engine/engine.h"

namespace orvane::runs {

// What the chronology runs read and change of the main window: the two year
// boxes, the east-of-Israel box, the Flood button and the "WORKING" box, and
// a chance for the window to handle pending events during a long range.
// The first year box is also the engine's year box (EngineHost); both must
// be the same text.
class ChronologyHost {
 public:
  virtual ~ChronologyHost() = default;
  virtual std::string FirstYearBox() const = 0;  // txtYear
  virtual void SetFirstYearBox(const std::string& text) = 0;
  virtual std::string SecondYearBox() const = 0;  // txtYear2
  virtual void SetSecondYearBox(const std::string& text) = 0;
  // Unticks "East of Israel and west of the International Date Line?":
  // the runs give the dates of their fixed place.
  virtual void UntickEastOfIsrael() = 0;
  virtual void SetWorkingVisible(bool visible) = 0;  // txtWorking
  virtual void SetFloodEnabled(bool enabled) = 0;    // cmdFlood
  virtual void ProcessPendingEvents() = 0;
  // The most threads a silent range may take; 0 (the window's answer) is
  // one per core.  A measurement of one core's work asks for 1.
  virtual std::size_t MostThreads() const { return 0; }
};

// The year limits of a run: -4004..9999 for Golgotha, Jordan and the Flood;
// Creation reaches back to -6000.
inline constexpr double kRunYearMax = 9999;
inline constexpr double kRunYearMin = -4004;
inline constexpr double kCreationYearMin = -6000;

// The Golgotha, Jordan or Creation run named by the engine's RunName; any
// other name runs nothing.
//   "Golgotha": years in which the Passover sacrifice (Abib 14) may fall on a
//               Wednesday, at Jerusalem;
//   "Jordan":   years in which it may fall on the Sabbath, at Jerusalem;
//   "Creation": years in which Abib 1 may fall on a Sunday, at 42 E 38.5 N.
// With one year (the second box empty or equal) the pane gets the full report
// of that year; with two, the matching years of the range, eight to a line.
// The boxes are corrected first: an empty first box takes the second; each is
// brought into the run's limits; a reversed range is swapped.
void RunChronology(Engine& engine, ChronologyHost& host);

// The days between the 17th of the second month and the 17th of the seventh,
// at 44.32 E 39.69 N: the full report of one year, or for a range the years in
// which the count is 150 or could be 150, in three columns.  The first box is
// read as the engine reads a year (-4004..9999, 0 is 1 BCE, with a beep); the
// second is clamped alike without a beep; a reversed range is swapped.
void RunFlood(Engine& engine, ChronologyHost& host);

// Which list of the Flood summary a year joins.
enum class FloodList { None, Days150, Days149, Days148 };

// The uncertainty note of a Flood year and the list it marks the year for.
// Given D, the days from the 17th of the second month to the 17th of the
// seventh, and the possible change of D from each month start: s2 = +1 when
// the second month is possibly one day earlier (D could be one more), -1 when
// possibly one day later, 0 when sure; s7 = -1 when the seventh month is
// possibly one day earlier, +1 when possibly one day later, 0 when sure.
// Only an uncertainty that can raise D to exactly 150 marks the year: by one
// day for the 149(+1) list, by two (both months) for the 148(+2) list.
//   FloodNoteList(149, 1, 0) = Days149; FloodNoteList(151, 1, -1) = None.
FloodList FloodNoteList(double days, int s2, int s7);
//   FloodNoteText(149, 1, 0) = "********** Possibly 150 days. **********"
//   FloodNoteText(151, 1, -1) = "Possibly 150 or 152 days."
//   FloodNoteText(150, 0, 0) = "" (a sure count has no note).
std::string FloodNoteText(double days, int s2, int s7);

}  // namespace orvane::runs
