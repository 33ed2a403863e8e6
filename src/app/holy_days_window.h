// The core of the main window: the texts of its fields, its check boxes and
// the handlers of the commands that start the Jerusalem reports.  The desktop
// window and the command line are views over it; it decides everything that
// is not drawing.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "app/entry_fields.h"
#include "app/questions.h"
#include "app/sections.h"
#include "app/shown_calendar_run.h"
#include "app/user_data.h"
#include "app/user_data_file.h"
#include "engine/engine.h"
#include "engine/host.h"
#include "runs/chronology.h"
#include "runs/tables_host.h"
#include "runs/times.h"

namespace orvane::app {

class HolyDaysWindow final : public EngineHost, public runs::ChronologyHost, public runs::TablesHost {
 public:
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

  // The seven coordinate boxes (shown in the LocalMoons, Sunset and Times
  // sections) with their initial texts, length limits and tooltips.
  TextBox txtLatDeg{"31", 2, 0, 0, "Latitude Degrees (0 to 60)"};
  TextBox txtLatMin{"47", 2, 0, 0, "Latitude Minutes"};
  TextBox txtLatDir{"N", 1, 0, 0, "(N)orth or (S)outh"};
  TextBox txtLongDeg{"35", 3, 0, 0, "Longitude Degrees"};
  TextBox txtLongMin{"13", 2, 0, 0, "Longitude Minutes"};
  TextBox txtLonDir{"E", 1, 0, 0, "(E)ast or (W)est"};
  TextBox txtGMT{"2", 5, 0, 0, "Hour offset from UTC/GMT"};
  // The stored locations' names; its text is the name being looked at.
  ComboBox cboLocation;
  static constexpr std::string_view kLocationToolTip =
      "To edit, add or delete a location (Press ENTER after the  location name)";
  static constexpr std::size_t kLocationNameMaxCharacters = 40;

  // The coordinate boxes or the colours differ from the file.  lblChange
  // ("*") shows the coordinate edits.
  bool UserDataChanged = false;
  bool lblChangeVisible = false;
  bool cmdLocMonEnabled = true;
  bool cmdSunsetEnabled = true;
  bool cmdTimesEnabled = true;

  // The locations, the current location's name and the colours.
  UserData& userData() { return userData_; }
  const std::string& LocationName() const { return userData_.LocationName; }
  // Where "UserData.Dat" is read and written (default: the working
  // directory, else the per-user data folder).
  void SetUserDataFolders(UserDataFolders folders) {
    folders_ = std::move(folders);
    file_.reset();
  }
  // With false the file is read but never written (the command line).
  void SetUserDataWritable(bool writable) { userDataWritable_ = writable; }
  // Where the location questions and notices are asked; without one every
  // question is answered No.
  void SetQuestionBox(QuestionBox* questions) { questions_ = questions; }

  // Reads the file: the locations and colours, the location list, the
  // current location in the boxes.  A missing, damaged or unreadable file is
  // rewritten at once from what could be read (a damaged one kept as
  // "UserData.Dat.bak" first; an unreadable one never replaced, see
  // SaveUserData).  The start-up clears UserDataChanged afterwards.
  LoadOutcome LoadUserData();
  // Writes the whole file from the current state, with what another running
  // copy of the program saved meanwhile merged in (the location list shows
  // it), and clears UserDataChanged.  When the file cannot be saved where it
  // is, the state stays in memory and counts as unsaved (so that the next
  // save tries again), and the user is told once, with the reason, and
  // offered the per-user data folder instead.
  void SaveUserData() override;
  // The entry named LocationName into the boxes, then ReadCoordinates;
  // clears UserDataChanged.
  void ShowCurrentLocation();
  // The coordinate boxes into the engine's place inputs: Longitude (degrees,
  // east negative, at most 180), Latitude (degrees, north positive, at most
  // 60.99 either way) and ZoneHours (12 + the offset, east positive).
  //   "W" with offset 5 gives ZoneHours 7; "E" with 5.5 gives 17.5.
  void ReadCoordinates() override;
  // Enter in cboLocation: add the name typed (Yes to the question), delete
  // the entry of a name found while no box was changed, or overwrite its
  // coordinates after a change (each after its question); saves the file.
  void MaintainLocation();
  // "(Jerusalem, Israel, 31º47'N 35º13'E GMT +2)" and a line end.
  void WriteLocationCaption() override;
  // With this set, an empty location name leaves the caption without a
  // name, "(31º47'N 35º13'E GMT +2)": the command line's place typed
  // without one.  The window's own caption always has the name part.
  bool CaptionOmitsEmptyName = false;
  // The command line's place when there is no file: the default entry, as
  // the next start after a first one installs it.
  void UseDefaultLocation();

  void cboLocation_Click();
  void cboLocation_Change();
  void cboLocation_GotFocus();
  void cboLocation_KeyPress(int& KeyAscii);

  // Which control has the focus.  SetFocus runs the LostFocus handler of the
  // old control and the GotFocus handler of the new one.
  enum class Control {
    None,
    txtYear,
    txtYear2,
    cboLocation,
    txtLatDeg,
    txtLatMin,
    txtLatDir,
    txtLongDeg,
    txtLongMin,
    txtLonDir,
    txtGMT,
    chkGregYear
  };
  Control ActiveControl = Control::None;
  void SetFocus(Control control);
  // Gives the focus to `control` and types `keys` as the toolkit delivers
  // them: each key to the control that has the focus then, through its
  // KeyPress handler and, when it passes, into the text (Change follows).
  void TypeKeys(Control control, std::string_view keys);

  // The year box: the whole year selected on entry, the arrow keys step the
  // year (over the year 0), the key filter, Enter runs the section.
  void txtYear_GotFocus();
  void txtYear_KeyDown(int KeyCode) { txtYear = StepYearText(txtYear, KeyCode); }
  void txtYear_KeyPress(int& KeyAscii);
  // The second year box of the range sections: the same selection on
  // entry, arrow keys and filter.
  void txtYear2_GotFocus();
  void txtYear2_KeyDown(int KeyCode) { txtYear2 = StepYearText(txtYear2, KeyCode); }
  void txtYear2_KeyPress(int& KeyAscii);

  // The coordinate boxes: the whole text selected on entry, the key filters
  // (a blank or comma moves on), UserDataChanged on every change, and the
  // limits on leaving a degree or minute box.
  void txtLatDeg_GotFocus() { SelectForTyping(txtLatDeg); }
  void txtLatMin_GotFocus() { SelectForTyping(txtLatMin); }
  void txtLatDir_GotFocus() { SelectForTyping(txtLatDir); }
  void txtLongDeg_GotFocus() { SelectForTyping(txtLongDeg); }
  void txtLongMin_GotFocus() { SelectForTyping(txtLongMin); }
  void txtLonDir_GotFocus() { SelectForTyping(txtLonDir); }
  void txtGMT_GotFocus() { SelectForTyping(txtGMT); }
  void txtLatDeg_KeyPress(int& KeyAscii) { CoordinateKeyPress(Control::txtLatDeg, KeyAscii); }
  void txtLatMin_KeyPress(int& KeyAscii) { CoordinateKeyPress(Control::txtLatMin, KeyAscii); }
  void txtLatDir_KeyPress(int& KeyAscii) { CoordinateKeyPress(Control::txtLatDir, KeyAscii); }
  void txtLongDeg_KeyPress(int& KeyAscii) { CoordinateKeyPress(Control::txtLongDeg, KeyAscii); }
  void txtLongMin_KeyPress(int& KeyAscii) { CoordinateKeyPress(Control::txtLongMin, KeyAscii); }
  void txtLonDir_KeyPress(int& KeyAscii) { CoordinateKeyPress(Control::txtLonDir, KeyAscii); }
  void txtGMT_KeyPress(int& KeyAscii) { CoordinateKeyPress(Control::txtGMT, KeyAscii); }
  void txtLatDeg_Change() { CoordinateChanged(); }
  void txtLatMin_Change() { CoordinateChanged(); }
  void txtLatDir_Change() { CoordinateChanged(); }
  void txtLongDeg_Change() { CoordinateChanged(); }
  void txtLongMin_Change() { CoordinateChanged(); }
  void txtLonDir_Change() { CoordinateChanged(); }
  void txtGMT_Change() { CoordinateChanged(); }
  void txtLatDeg_LostFocus() { LimitOnLeaving(txtLatDeg, 60, "60", "00"); }
  void txtLatMin_LostFocus() { LimitOnLeaving(txtLatMin, 59, "59", "00"); }
  void txtLongDeg_LostFocus() { LimitOnLeaving(txtLongDeg, 180, "180", "000"); }
  void txtLongMin_LostFocus() { LimitOnLeaving(txtLongMin, 59, "59", "00"); }
  // The offset box left holding no offset of 0 to 14 hours: brought to one,
  // with a beep.
  void txtGMT_LostFocus();
  // Sets a coordinate box's text as the program or a paste does (no key
  // filter); its Change handler runs when the text differs.
  void SetCoordinateText(TextBox& box, std::string text);

  // The local new moons of the year at the place (fourteen lunations).
  void cmdLocMon_Click() override;
  // The sunsets table and the sun and moon times table of the year at the place.
  void cmdSunset_Click();
  void cmdTimes_Click();
  // The Gregorian-year box was toggled: the Sunset or Times section's table
  // again, unless a section switch is resetting the box.
  void chkGregYear_Click();
  // Enter on the Gregorian-year box toggles it (the key is consumed).
  void chkGregYear_KeyPress(int& KeyAscii);
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
  TextBox* CoordinateBox(Control control);
  void SelectForTyping(TextBox& box) {
    box.SelStart = 0;
    box.SelLength = 5;
  }
  void CoordinateKeyPress(Control field, int& KeyAscii);
  void CoordinateChanged();
  void LimitOnLeaving(TextBox& box, double limit, std::string_view limitText, std::string_view belowZeroText);
  void SetUserDataChanged(bool changed);
  UserDataFile& File();
  Answer Ask(const Question& question);
  void TellSaveFailed(const SaveOutcome& failed);
  void FillLocationList();
  Location LocationFromBoxes(std::string name) const;

  UserData userData_;
  std::optional<UserDataFolders> folders_;
  std::optional<UserDataFile> file_;
  bool userDataWritable_ = true;
  bool saveFailureTold_ = false;
  QuestionBox* questions_ = nullptr;
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
  void Beep() override { beeper_.Beep(); }

 private:
  void SetEveningFlagFromBox() { engine_.st.EveningFlag = chkEJW ? "Y" : ""; }

  void ShowHelp(std::string_view key);

  Beeper& beeper_;
  Engine engine_;
  app::ShownCalendarRun shownRun_;
  const Section* section_ = &kSections[0];
  bool shutDown_ = false;
};

}  // namespace orvane::app
