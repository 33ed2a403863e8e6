#include "runs/tables_host.h"

namespace orvane::runs {

bool StartTableYear(Engine& e, TablesHost& host) {
  EphemerisState& st = e.st;
  if (host.GregorianYearTicked()) {
    st.MonthStartJD = JulianDayFromDate(1, 1, AstronomicalYear(st.YearNumber)) + 1;
    e.out.main.Clear();
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
