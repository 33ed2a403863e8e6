// The main window's chronology handlers: the Golgotha, Jordan, Creation and
// Flood buttons and Enter in the year boxes of those sections.
#include "app/holy_days_window.h"
#include "runs/chronology.h"

namespace orvane::app {

namespace {

bool IsChronologyRun(const std::string& name) {
  return name == "Golgotha" || name == "Jordan" || name == "Creation";
}

}  // namespace

void HolyDaysWindow::cmdGolgotha_Click() {
  engine_.st.RunName = SectionName = "Golgotha";
  runs::RunChronology(engine_, *this);
}

void HolyDaysWindow::cmdJordan_Click() {
  engine_.st.RunName = SectionName = "Jordan";
  runs::RunChronology(engine_, *this);
}

void HolyDaysWindow::cmdCreation_Click() {
  engine_.st.RunName = SectionName = "Creation";
  runs::RunChronology(engine_, *this);
}

void HolyDaysWindow::cmdFlood_Click() {
  engine_.st.RunName = SectionName = "Flood";
  runs::RunFlood(engine_, *this);
}

bool HolyDaysWindow::RunRangeSectionOnEnter() {
  EphemerisState& st = engine_.st;
  // The conversion window may have left the run name empty: the section
  // shown says which run Enter repeats.
  if (st.RunName.empty()) st.RunName = SectionName;
  if (st.RunName == "Flood") {
    cmdFloodEnabled = false;  // the run cannot be started again meanwhile
    cmdFlood_Click();
    cmdFloodEnabled = true;
    return true;
  }
  if (IsChronologyRun(st.RunName)) {
    runs::RunChronology(engine_, *this);
    return true;
  }
  return false;
}

}  // namespace orvane::app
