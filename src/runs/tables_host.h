// What the tables of a year at a place need of the main window.
#pragma once

#include <string>

#include "engine/engine.h"

namespace orvane::runs {

// The year box, the Gregorian-year box, the place (read from the coordinate
// boxes), its caption, the user data file, the local new-moon run and the
// buttons a table disables while it runs.  The year box is also the engine's
// (EngineHost): both are the same text.
class TablesHost {
 public:
  virtual ~TablesHost() = default;
  virtual std::string YearBoxText() const = 0;  // txtYear
  // chkGregYear: the table starts on 1 January instead of the first
  // Biblical month of the year.
  virtual bool GregorianYearTicked() const = 0;
  // The locations or colours differ from the file (UserDataChanged).
  virtual bool UserDataUnsaved() const = 0;
  virtual void SaveUserData() = 0;
  // Sets the engine's place inputs (Longitude, Latitude, ZoneHours) from the
  // coordinate boxes.
  virtual void ReadCoordinates() = 0;
  // Writes the place's caption line.
  virtual void WriteLocationCaption() = 0;
  // The local new moons of the year at the place (it empties the pane and
  // leaves MonthStartJD at the first day of the year's first month).
  virtual void cmdLocMon_Click() = 0;
  virtual void SetSunsetEnabled(bool enabled) = 0;  // cmdSunset
  virtual void SetTimesEnabled(bool enabled) = 0;   // cmdTimes
};

// The first day of a table's year, left in MonthStartJD (the table starts
// with the evening before it), and the main pane emptied: with chkGregYear
// ticked 2 January of the year, so that the table starts on the evening of
// 1 January; else the first day of the year's first month at the place, by
// a silent local new-moon run.  Returns whether the year is the Gregorian one.
bool StartTableYear(Engine& engine, TablesHost& host);

}  // namespace orvane::runs
