// The core of the main window: its sections and their runs, the year boxes
// and check boxes, and the focus that walks its controls.  Its two other
// parts are the coordinate boxes (CoordinateFields) and the location editor
// with the user data file (LocationEditor); the window holds both, so that
// each binding name stays on the part it belongs to.  The desktop window and
// the command line are views over it; it decides everything that is not
// drawing.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "app/coordinate_fields.h"
#include "app/entry_fields.h"
#include "app/location_editor.h"
#include "app/questions.h"
#include "app/sections.h"
#include "app/shown_calendar_run.h"
#include "engine/engine.h"
#include "engine/host.h"
#include "runs/chronology.h"
#include "runs/tables_host.h"
#include "runs/times.h"

namespace orvane::app {

class HolyDaysWindow final : public CoordinateFields,
                             public LocationEditor,
                             public EngineHost,
                             public runs::ChronologyHost,
                             public runs::TablesHost {
 public:
  using Control = app::Control;

  explicit HolyDaysWindow(Beeper& beeper);

  // --- The fields the user sees ------------------------------------------------
  std::string txtYear;  // the year box
  bool chkEJW = false;  // "East of Israel and west of the International Date Line?"

  // The output pane (txtOut): the text of the last report, CR LF line ends.
  const std::string& OutputText() const { return engine_.out.main.Text(); }
  TextPane& OutputPane() { return engine_.out.main; }

  // --- Window state ---------------------------------------------------------------
  std::string SectionName = "HolyDays";
  bool MonthsShown = false;    // the new-moon list was the last Jerusalem report
  std::int16_t SavedYear = 0;  // the year last entered in the single-year sections

  Engine& engine() { return engine_; }
  EphemerisState& state() { return engine_.st; }
  // The holy days or month starts of the report the pane shows, as data;
  // null when the pane shows anything else (a table, a help text, nothing).
  const CalendarRun* ShownCalendarRun() const { return shownRun_.Shown(); }

  // Start-up: the line end, the section and the current year in the year box.
  void Form_Load(int currentYear);

  // --- Commands ---------------------------------------------------------------------
  void cmdHolyDays_Click();
  void cmdMonths_Click();
  // The east-of-Israel box was toggled (chkEJW already holds the new state):
  // the last Jerusalem report runs again with or without the one-day delay.
  void chkEJW_Click();

  // --- Sections (implemented in holy_days_window_sections.cpp) ----------------------
  std::string txtYear2;     // the second year field of the range sections
  int txtYearSelStart = 0;  // the selection in the year box
  int txtYearSelLength = 0;
  int txtYear2SelStart = 0;  // the selection in the second year box
  int txtYear2SelLength = 0;
  std::string Caption;         // the window caption
  bool GregYearQuiet = false;  // a section switch is resetting chkGregYear: no run
  bool chkGregYear = false;  // "Check if you want to start calculations on the first of the Gregorian Year."
  const Section& CurrentSection() const { return *section_; }
  // The help text of a section key ("HolyDays", ...); empty until set.
  std::function<std::string(std::string_view key)> BuildHelpText;

  // The Mode menu: each switches the window to its section.
  void mnuHolyDays_Click() { SwitchSection("HolyDays"); }
  void mnuLocalMoons_Click() { SwitchSection("LocalMoons"); }
  void mnuSunset_Click() { SwitchSection("Sunset"); }
  void mnuTimes_Click() { SwitchSection("Times"); }
  void mnuGolgotha_Click() { SwitchSection("Golgotha"); }
  void mnuJordan_Click() { SwitchSection("Jordan"); }
  void mnuFlood_Click() { SwitchSection("Flood"); }
  void mnuCreation_Click() { SwitchSection("Creation"); }
  void SwitchSection(std::string_view key);
  // F1 and Help, Documentation: the help text of the current run in the pane.
  void mnuDocumentation_Click();
  // The year box lost the focus: its year becomes the saved year.
  void txtYear_LostFocus();
  // Enter in the year box (the key is consumed): the section's run again.
  void txtYear_Enter();
  // Start-up, after Form_Load: the user data file is read (locations and
  // colours) and nothing counts as changed yet.
  void LoadUserDataAtStartUp();
  // File, Exit and closing the window: the user data saved when it changed.
  // Runs once; returns false when it had already run.
  bool ShutDown();
  // The quick exit: the conversion window's tiny box arms it and shows
  // txtVerification; a click on that box then ends the program at once,
  // without saving.  txtVerification_Click returns whether to end now.
  bool QuickExitArmed = false;
  bool txtVerificationVisible = false;
  void txtControl_Click() {
    QuickExitArmed = true;
    txtVerificationVisible = true;
  }
  bool txtVerification_Click() const { return QuickExitArmed; }

  // --- Locations, coordinate fields and the tables of a year at a place ----------
  // (implemented in holy_days_window_locations.cpp)

  // The coordinate boxes (CoordinateFields, shown in the LocalMoons, Sunset
  // and Times sections) and the location list (LocationEditor).
  bool cmdLocMonEnabled = true;
  bool cmdSunsetEnabled = true;
  bool cmdTimesEnabled = true;

  // The user data saved when it changed (TablesHost).
  void SaveUserData() override { LocationEditor::SaveUserData(); }
  // The coordinate boxes into the engine's place inputs (see ReadPlaceInto).
  void ReadCoordinates() override;
  // "(Jerusalem, Israel, 31º47'N 35º13'E GMT +2)" and a line end.
  void WriteLocationCaption() override;
  // The place typed into the coordinate boxes as the user types it (a blank
  // moves on to the next box; each box keeps its key filter and is held to
  // its limits when it is left), as "31 47 N", "35 13 E" and "2".  Returns
  // how many keys or values the boxes rejected or corrected with a beep.
  int EnterPlace(std::string_view latitude, std::string_view longitude, std::string_view offset);

  // Which control has the focus.  SetFocus runs the LostFocus handler of the
  // old control and the GotFocus handler of the new one.
  Control ActiveControl = Control::None;
  void SetFocus(Control control);
  // Gives the focus to `control` and types `keys` as the toolkit delivers
  // them: each key to the control that has the focus then, through its
  // KeyPress handler and, when it passes, into the text (Change follows).
  void TypeKeys(Control control, std::string_view keys);

  // The year box: the whole year selected on entry, the arrow keys step the
  // year (over the year 0), the key filter, Enter runs the section.
  void txtYear_GotFocus();
  void txtYear_KeyDown(int keyCode) { txtYear = YearBoxStep(txtYear, keyCode); }
  void txtYear_KeyPress(int& keyAscii) { YearKeyPress(keyAscii, &HolyDaysWindow::txtYear_Enter); }
  // The second year box of the range sections: the same selection on
  // entry, arrow keys and filter.
  void txtYear2_GotFocus();
  void txtYear2_KeyDown(int keyCode) { txtYear2 = YearBoxStep(txtYear2, keyCode); }
  void txtYear2_KeyPress(int& keyAscii) { YearKeyPress(keyAscii, &HolyDaysWindow::txtYear2_Enter); }

  // The local new moons of the year at the place (fourteen lunations).
  void cmdLocMon_Click() override;
  // The sunsets table and the sun and moon times table of the year at the place.
  void cmdSunset_Click();
  void cmdTimes_Click();
  // The Gregorian-year box was toggled: the Sunset or Times section's table
  // again, unless a section switch is resetting the box.
  void chkGregYear_Click();
  // Enter on the Gregorian-year box toggles it (the key is consumed).
  void chkGregYear_KeyPress(int& keyAscii);
  // Enter in the year box in the LocalMoons, Sunset or Times section: that
  // section's run (the local new moons with cmdLocMon disabled meanwhile).
  // Returns false, running nothing, in the other sections.
  bool RunLocationSectionOnEnter();
  // The times table's state (its day line is also used for single days).
  runs::SunMoonTimes& modTimes() { return modTimes_; }

  // TablesHost
  bool GregorianYearTicked() const override { return chkGregYear; }
  bool UserDataUnsaved() const override { return UserDataChanged; }
  void SetSunsetEnabled(bool enabled) override { cmdSunsetEnabled = enabled; }
  void SetTimesEnabled(bool enabled) override { cmdTimesEnabled = enabled; }

 private:
  // CoordinateFields
  void MoveOnFrom(Control field) override;
  void CoordinateChanged() override { SetUserDataChanged(true); }
  // The year boxes' key filter; Enter runs `enter`.
  void YearKeyPress(int& keyAscii, void (HolyDaysWindow::*enter)());

  runs::SunMoonTimes modTimes_;

 public:
  // --- Chronology runs ----------------------------------------------------------------
  // (implemented in holy_days_window_chronology.cpp)
  bool txtWorkingVisible = false;  // the "WORKING" box, shown while a Flood range computes
  bool cmdFloodEnabled = true;     // disabled while a Flood range computes
  // Handles the window's pending events between the years of a long Flood
  // range (every 501st year); may be empty.
  std::function<void()> PendingEventsHook;

  // The Golgotha, Jordan and Creation buttons: the section becomes the
  // run's and the run reads both year boxes (the second may be empty).
  void cmdGolgotha_Click();
  void cmdJordan_Click();
  void cmdCreation_Click();
  void cmdFlood_Click();
  // Enter in either year box while a range section is shown: that section's
  // run again (the Flood with cmdFlood disabled meanwhile).  Returns false,
  // running nothing, when the section is not a range section.
  bool RunRangeSectionOnEnter();
  // Enter in the second year box (the key is consumed).
  void txtYear2_Enter() { RunRangeSectionOnEnter(); }

  // ChronologyHost: the runs read and correct the year boxes.
  std::string FirstYearBox() const override { return txtYear; }
  void SetFirstYearBox(const std::string& text) override { txtYear = text; }
  std::string SecondYearBox() const override { return txtYear2; }
  void SetSecondYearBox(const std::string& text) override { txtYear2 = text; }
  void UntickEastOfIsrael() override { chkEJW = false; }
  void SetWorkingVisible(bool visible) override { txtWorkingVisible = visible; }
  void SetFloodEnabled(bool enabled) override { cmdFloodEnabled = enabled; }
  void ProcessPendingEvents() override {
    if (PendingEventsHook) PendingEventsHook();
  }

  // --- EngineHost ---------------------------------------------------------------------
  std::string YearBoxText() const override { return txtYear; }
  void SetYearBoxText(const std::string& text) override { txtYear = text; }
  void Beep() override {
    ++beeps_;
    beeper_.Beep();
  }

 private:
  void SetEveningFlagFromBox() { engine_.st.EveningFlag = chkEJW ? "Y" : ""; }

  void ShowHelp(std::string_view key);

  Beeper& beeper_;
  Engine engine_;
  app::ShownCalendarRun shownRun_;
  const Section* section_ = &kSections[0];
  bool shutDown_ = false;
  int beeps_ = 0;
};

}  // namespace orvane::app
