#include "app/holy_days_window.h"

#include "app/help_texts.h"
#include "calendar/holy_days.h"
#include "engine/numeric.h"

namespace orvane::app {

HolyDaysWindow::HolyDaysWindow(Beeper& beeper)
    : LocationEditor(static_cast<CoordinateFields&>(*this)),
      beeper_(beeper),
      engine_(*this),
      shownRun_(engine_.out.main, [this](const RecordedRun& run) {
        return run.local ? LocationName() : std::string("Jerusalem");
      }) {
  BuildHelpText = &app::BuildHelpText;
  engine_.dayRecorder = &shownRun_;
}

void HolyDaysWindow::Form_Load(int currentYear) {
  EphemerisState& st = engine_.st;
  st.RunName = "HolyDays";
  SectionName = "HolyDays";
  st.LineEnd = "\r\n";
  MonthsShown = false;
  st.ShowInMain = kTrue;
  Caption = SectionCaption(kSections[0]);
  ShowHelp("HolyDays");
  txtYear = num::CStr(currentYear);
  SavedYear = num::CInt(currentYear);
  txtYearSelStart = 0;
  txtYearSelLength = 8;
}

void HolyDaysWindow::cmdHolyDays_Click() {
  EphemerisState& st = engine_.st;
  st.LocalMode = kFalse;
  MonthsShown = false;
  SetEveningFlagFromBox();
  calendar::ComputeHolyDays(engine_);
  st.EveningFlag = "";
}

void HolyDaysWindow::cmdMonths_Click() {
  EphemerisState& st = engine_.st;
  SavedYear = num::CInt(num::Val(txtYear));
  st.LocalMode = kFalse;
  MonthsShown = true;
  engine_.out.main.Clear();
  SetEveningFlagFromBox();
  calendar::ListMonthStarts(engine_);
  st.EveningFlag = "";
}

void HolyDaysWindow::chkEJW_Click() {
  EphemerisState& st = engine_.st;
  if (st.LocalMode != 0 || st.FixedPlaceMode != 0) return;
  engine_.out.main.Clear();
  SetEveningFlagFromBox();
  if (MonthsShown) {
    calendar::ListMonthStarts(engine_);
  } else {
    calendar::ComputeHolyDays(engine_);
  }
  st.EveningFlag = "";
}

}  // namespace orvane::app
