// The main window's chronology handlers: the Golgotha, Jordan, Creation and
// Flood buttons and Enter in the year boxes of those sections.
#include "app/holy_days_window.h"
#include "runs/chronology.h"

namespace orvane::app {

namespace {

bool IsChronologyRun(const std::string& name) {
  return name == "Golgotha" || name == "Jordan" || name == "Creation";
}

// A range button: the section becomes the run's, and the run reads both year boxes.
void StartRange(HolyDaysWindow& window, std::string_view run) {
  Engine& engine = window.engine();
  engine.st.RunName = window.SectionName = std::string(run);
  if (run == "Flood") {
    runs::RunFlood(engine, window);
  } else {
    runs::RunChronology(engine, window);
  }
}

}  // namespace

void HolyDaysWindow::cmdGolgotha_Click() { StartRange(*this, "Golgotha"); }

void HolyDaysWindow::cmdJordan_Click() { StartRange(*this, "Jordan"); }

void HolyDaysWindow::cmdCreation_Click() { StartRange(*this, "Creation"); }

void HolyDaysWindow::cmdFlood_Click() { StartRange(*this, "Flood"); }

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
