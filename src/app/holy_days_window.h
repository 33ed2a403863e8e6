// The core of the main window: the texts of its fields, its check boxes and
// the handlers of the commands that start the Jerusalem reports.  The desktop
// window and the command line are views over it; it decides everything that
// is not drawing.
#pragma once

#include <cstdint>
#include <string>

#include <functional>

#include "app/sections.h"
#include "engine/engine.h"
#include "engine/host.h"
#include "runs/chronology.h"

namespace orvane::app {

class HolyDaysWindow final : public EngineHost, public runs::ChronologyHost {
 public:
  explicit HolyDaysWindow(Beeper& beeper);

  // --- The fields the user sees ------------------------------------------------
  std::string txtYear;   // the year box
  bool chkEJW = false;   // "East of Israel and west of the International Date Line?"

  // The output pane (txtOut): the text of the last report, CR LF line ends.
  const std::string& OutputText() const { return engine_.out.main.Text(); }
  TextPane& OutputPane() { return engine_.out.main; }

  // --- Window state ---------------------------------------------------------------
  std::string SectionName = "HolyDays";
  bool MonthsShown = false;      // the new-moon list was the last Jerusalem report
  std::int16_t SavedYear = 0;    // the year last entered in the single-year sections

  Engine& engine() { return engine_; }
  EphemerisState& state() { return engine_.st; }

  // Start-up: the line end, the section and the current year in the year box.
  void Form_Load(int currentYear);

  // --- Commands ---------------------------------------------------------------------
  void cmdHolyDays_Click();
  void cmdMonths_Click();
  // The east-of-Israel box was toggled (chkEJW already holds the new state):
  // the last Jerusalem report runs again with or without the one-day delay.
  void chkEJW_Click();

  // --- Sections (implemented in holy_days_window_sections.cpp) ----------------------
  std::string txtYear2;              // the second year field of the range sections
  int txtYearSelStart = 0;           // the selection in the year box
  int txtYearSelLength = 0;
  std::string Caption;               // the window caption
  bool GregYearQuiet = false;        // a section switch is resetting chkGregYear: no run
  bool chkGregYear = false;          // "Check if you want to start calculations on the first of the Gregorian Year."
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

  // --- Locations, coordinate fields and the tables of a year at a place ----------
  // (implemented in holy_days_window_locations.cpp)

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
  const Section* section_ = &kSections[0];
};

}  // namespace orvane::app
