// The eight sections of the main window: which buttons and fields each one
// shows, its caption, the place of the output pane and the tooltips of the
// year fields.  The window is always in one of them.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace orvane::app {

// The picture buttons of the main window.
enum class Button {
  cmdHolyDays,
  cmdMonths,
  cmdLocMon,
  cmdSunset,
  cmdTimes,
  cmdGolgotha,
  cmdJordan,
  cmdFlood,
  cmdCreation
};

struct Section {
  std::string_view key;            // RunName and SectionName: "HolyDays", "LocalMoons", ...
  std::string_view menuItem;       // the Mode menu item that chooses it
  std::string_view captionMiddle;  // "HOLY DAYS / NEW MOONS"
  std::array<Button, 2> buttons;   // visible buttons in tab order (tab 1, 2)
  int buttonCount;
  bool range;               // a range section: the second year field is shown
  int startYear, endYear;   // range sections: the default years written on entry
  int chkEJWTab;            // tab index of chkEJW; 0 = hidden
  int chkGregYearTab;       // tab index of chkGregYear; 0 = hidden
  bool locationFields;      // cboLocation, the coordinate boxes and their labels
  int cboLocationTab;       // tab index of cboLocation when it is not the default
  int paneTop, paneHeight;  // txtOut, twips
  std::string_view yearToolTip;
  std::string_view year2ToolTip;  // range sections only
};

inline constexpr std::string_view kYearToolTip = "Year to compute (Range -4004 to 9999)";
inline constexpr std::string_view kRunStartToolTip = "Year to start run (Range -4004 to 9999)";
inline constexpr std::string_view kRunEndToolTip = "Year to end run (Range -4004 to 9999)";

// clang-format off
inline constexpr std::array<Section, 8> kSections = {{
    {"HolyDays", "mnuHolyDays", "HOLY DAYS / NEW MOONS", {Button::cmdHolyDays, Button::cmdMonths}, 2, false, 0, 0,
     3, 0, false, 0, 720, 8055, kYearToolTip, ""},
    {"LocalMoons", "mnuLocalMoons", "LOCAL NEW MOONS", {Button::cmdLocMon, Button::cmdLocMon}, 1, false, 0, 0, 0, 0,
     true, 2, 720, 8055, kYearToolTip, ""},
    {"Sunset", "mnuSunset", "LOCAL SUNSETS", {Button::cmdSunset, Button::cmdSunset}, 1, false, 0, 0, 0, 2, true, 0,
     1080, 7695, kYearToolTip, ""},
    {"Times", "mnuTimes", "LOCAL TIMES", {Button::cmdTimes, Button::cmdTimes}, 1, false, 0, 0, 0, 3, true, 0, 1080,
     7695, kYearToolTip, ""},
    {"Golgotha", "mnuGolgotha", "GOLGOTHA", {Button::cmdGolgotha, Button::cmdGolgotha}, 1, true, 28, 35, 0, 0, false,
     0, 720, 8055, kRunStartToolTip, kRunEndToolTip},
    {"Jordan", "mnuJordan", "JORDAN CROSSING", {Button::cmdJordan, Button::cmdJordan}, 1, true, -1525, -1495, 0, 0,
     false, 0, 720, 8055, kRunStartToolTip, kRunEndToolTip},
    {"Flood", "mnuFlood", "FLOOD", {Button::cmdFlood, Button::cmdFlood}, 1, true, -2400, -2300, 0, 0, false, 0, 720,
     8055, kRunStartToolTip, kRunEndToolTip},
    {"Creation", "mnuCreation", "CREATION", {Button::cmdCreation, Button::cmdCreation}, 1, true, -4040, -3965, 0, 0,
     false, 0, 720, 8055, "Year to start run (Range -6000 to 9999)", "Year to end run (Range -6000 to 9999)"},
}};
// clang-format on

// The section of a key, or null for a key that is not a section.
const Section* FindSection(std::string_view key);

// The window caption of a section: "Orvane - HOLY DAYS / NEW MOONS - orvane.example".
std::string SectionCaption(const Section& section);

// Whether a button is one of the section's visible buttons.
bool ShowsButton(const Section& section, Button button);

}  // namespace orvane::app
