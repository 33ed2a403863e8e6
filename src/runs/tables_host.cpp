#include "runs/tables_host.h"

namespace orvane::runs {

bool StartTableYear(Engine& engine, TablesHost& host) {
  EphemerisState& st = engine.st;
  if (host.GregorianYearTicked()) {
    st.MonthStartJD = JulianDayFromDate(1, 1, AstronomicalYear(st.YearNumber)) + 1;
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
