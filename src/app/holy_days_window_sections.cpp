// The main window's sections and its help.
#include "app/holy_days_window.h"
#include "engine/numeric.h"

namespace orvane::app {

void HolyDaysWindow::ShowHelp(std::string_view key) {
  engine_.out.main.SetText(BuildHelpText ? BuildHelpText(key) : std::string());
}

void HolyDaysWindow::SwitchSection(std::string_view key) {
  const Section* next = FindSection(key);
  if (next == nullptr) return;
  EphemerisState& st = engine_.st;
  // A single-year section gets back the year last entered in one.
  if (!next->range) txtYear = num::CStr(SavedYear);
  Caption = SectionCaption(*next);
  st.RunName = std::string(next->key);
  SectionName = st.RunName;
  ShowHelp(next->key);
  if (next->range) {
    SavedYear = num::CInt(num::Val(txtYear));
    txtYear = num::CStr(next->startYear);
    txtYear2 = num::CStr(next->endYear);
    txtYearSelStart = 0;
    txtYearSelLength = 6;
  }
  section_ = next;
  if (next->chkGregYearTab != 0) {
    // Unticking the box must not start a sunset or times run.
    GregYearQuiet = true;
    chkGregYear = false;
    GregYearQuiet = false;
  }
}

void HolyDaysWindow::mnuDocumentation_Click() {
  // An unknown run name (one the conversion window emptied) has no help: the pane becomes empty.
  ShowHelp(engine_.st.RunName);
}

void HolyDaysWindow::txtYear_Enter() {
  EphemerisState& st = engine_.st;
  if (st.RunName.empty()) st.RunName = SectionName;
  if (RunRangeSectionOnEnter()) return;
  if (RunLocationSectionOnEnter()) return;
  if (st.RunName == "HolyDays") {
    // The holy-days section repeats whichever Jerusalem report was shown last.
    if (MonthsShown) {
      cmdMonths_Click();
    } else {
      cmdHolyDays_Click();
    }
  }
}

void HolyDaysWindow::LoadUserDataAtStartUp() {
  LoadUserData();
  UserDataChanged = false;
  lblChangeVisible = false;
}

bool HolyDaysWindow::ShutDown() {
  if (shutDown_) return false;
  shutDown_ = true;
  if (UserDataChanged) SaveUserData();
  return true;
}

void HolyDaysWindow::txtYear_LostFocus() { SavedYear = num::CInt(num::Val(txtYear)); }

}  // namespace orvane::app
