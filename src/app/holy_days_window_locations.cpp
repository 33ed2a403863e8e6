// The main window's focus and keys, and the tables of a year at the user's
// place.
#include <utility>

#include "app/holy_days_window.h"
#include "calendar/holy_days.h"
#include "engine/numeric.h"
#include "runs/sunsets.h"

namespace orvane::app {

// --- Focus and keys --------------------------------------------------------------

void HolyDaysWindow::SetFocus(Control control) {
  if (ActiveControl == control) return;
  using W = HolyDaysWindow;
  static const std::pair<Control, void (W::*)()> kLostFocus[] = {
      {Control::txtYear, &W::txtYear_LostFocus},       {Control::txtLatDeg, &W::txtLatDeg_LostFocus},
      {Control::txtLatMin, &W::txtLatMin_LostFocus},   {Control::txtLongDeg, &W::txtLongDeg_LostFocus},
      {Control::txtLongMin, &W::txtLongMin_LostFocus}, {Control::txtGMT, &W::txtGMT_LostFocus}};
  for (const auto& [left, lostFocus] : kLostFocus) {
    if (left == ActiveControl) (this->*lostFocus)();
  }
  ActiveControl = control;
  if (control == Control::txtYear) txtYear_GotFocus();
  if (control == Control::txtYear2) txtYear2_GotFocus();
  if (control == Control::cboLocation) cboLocation_GotFocus();
  if (TextBox* box = CoordinateBox(control)) SelectForTyping(*box);
}

void HolyDaysWindow::TypeKeys(Control control, std::string_view keys) {
  SetFocus(control);
  for (char key : keys) {
    int keyAscii = static_cast<unsigned char>(key);
    const Control target = ActiveControl;
    if (target == Control::txtYear) {
      txtYear_KeyPress(keyAscii);
      if (keyAscii != 0) ApplyKey(txtYear, txtYearSelStart, txtYearSelLength, 5, static_cast<char>(keyAscii));
    } else if (target == Control::txtYear2) {
      txtYear2_KeyPress(keyAscii);
      if (keyAscii != 0)
        ApplyKey(txtYear2, txtYear2SelStart, txtYear2SelLength, 0, static_cast<char>(keyAscii));
    } else if (target == Control::cboLocation) {
      cboLocation_KeyPress(keyAscii);
      if (keyAscii != 0 && ApplyKey(cboLocation.Text, cboLocation.SelStart, cboLocation.SelLength, 0,
                                    static_cast<char>(keyAscii))) {
        cboLocation_Change();
      }
    } else if (target == Control::chkGregYear) {
      chkGregYear_KeyPress(keyAscii);
    } else if (TextBox* box = CoordinateBox(target)) {
      CoordinateKeyPress(target, keyAscii);
      if (keyAscii != 0 && ApplyKey(*box, static_cast<char>(keyAscii))) CoordinateChanged();
    }
  }
}

void HolyDaysWindow::txtYear_GotFocus() {
  txtYearSelStart = 0;
  txtYearSelLength = 8;
}

void HolyDaysWindow::txtYear2_GotFocus() {
  txtYear2SelStart = 0;
  txtYear2SelLength = 8;
}

void HolyDaysWindow::YearKeyPress(int& keyAscii, void (HolyDaysWindow::*enter)()) {
  if (keyAscii == kKeyEnter) {
    keyAscii = 0;
    (this->*enter)();
    return;
  }
  if (YearBoxAcceptsKey(keyAscii)) return;
  keyAscii = 0;
  Beep();
}

void HolyDaysWindow::MoveOnFrom(Control field) {
  // The controls are listed in the order a blank or comma walks the boxes;
  // from the offset box it reaches the Gregorian-year box only where the
  // section shows that box.
  const std::string& run = engine_.st.RunName;
  if (field == Control::txtGMT && run != "Times" && run != "Sunset") return;
  SetFocus(static_cast<Control>(static_cast<int>(field) + 1));
}

int HolyDaysWindow::EnterPlace(std::string_view latitude, std::string_view longitude,
                               std::string_view offset) {
  const int beepsBefore = beeps_;
  TypeKeys(Control::txtLatDeg,
           std::string(latitude) + " " + std::string(longitude) + " " + std::string(offset));
  SetFocus(Control::None);
  return beeps_ - beepsBefore;
}

void HolyDaysWindow::ReadCoordinates() { ReadPlaceInto(engine_.st); }

void HolyDaysWindow::WriteLocationCaption() {
  engine_.WriteOutputLine("(" + CaptionName() + PlaceCaption() + ")" + engine_.st.LineEnd);
}

// --- Runs at the place ----------------------------------------------------------------

void HolyDaysWindow::cmdLocMon_Click() {
  EphemerisState& st = engine_.st;
  st.LocalMode = kTrue;
  if (chkEJW) {
    chkEJW = false;
    chkEJW_Click();  // runs nothing while LocalMode is set
  }
  st.MonthStartJD = 0;
  ReadCoordinates();
  MonthsShown = true;
  engine_.out.main.Clear();
  if (UserDataChanged) SaveUserData();
  SavedYear = num::CInt(num::Val(txtYear));
  calendar::ListMonthStarts(engine_, [this] { WriteLocationCaption(); });
  st.LocalMode = kFalse;
}

void HolyDaysWindow::cmdSunset_Click() { runs::ListSunsets(engine_, *this); }

void HolyDaysWindow::cmdTimes_Click() { modTimes_.ListSunMoonTimes(engine_, *this); }

void HolyDaysWindow::chkGregYear_Click() {
  if (GregYearQuiet) return;
  if (engine_.st.RunName == "Sunset") cmdSunset_Click();
  if (engine_.st.RunName == "Times") cmdTimes_Click();
}

void HolyDaysWindow::chkGregYear_KeyPress(int& keyAscii) {
  if (keyAscii != kKeyEnter) return;
  keyAscii = 0;
  chkGregYear = !chkGregYear;
  chkGregYear_Click();
}

bool HolyDaysWindow::RunLocationSectionOnEnter() {
  const std::string& run = engine_.st.RunName;
  if (run == "LocalMoons") {
    cmdLocMonEnabled = false;
    cmdLocMon_Click();
    cmdLocMonEnabled = true;
    return true;
  }
  if (run == "Sunset") {
    cmdSunset_Click();
    return true;
  }
  if (run == "Times") {
    cmdTimes_Click();
    return true;
  }
  return false;
}

}  // namespace orvane::app
