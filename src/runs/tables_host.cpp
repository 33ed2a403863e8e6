#include "runs/tables_host.h"

#include "engine/positions.h"

namespace orvane::runs {

bool StartTableYear(Engine& engine, TablesHost& host) {
  EphemerisState& st = engine.st;
  if (host.GregorianYearTicked()) {
    st.MonthStartJD = JulianDayFromDate(1, 1, AstronomicalYear(st.YearNumber)) + 1;
    // The Delta T of the table's own year, as a Biblical year's table takes
    // that of its first month: not whatever the last run left.
    st.DeltaT = DeltaTDays(CenturiesSince1900(st.MonthStartJD));
    engine.out.main.Clear();
    return true;
  }
  // The local new-moon run empties the pane itself; silent, it leaves the
  // first day of the year's first month and writes nothing.
  st.ShowInMain = kFalse;
  host.cmdLocMon_Click();
  st.ShowInMain = kTrue;
  return false;
}

}  // namespace orvane::runs
