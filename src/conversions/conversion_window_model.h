// The logic of the conversion window: one day shown at once in the
// Gregorian calendar, the Julian calendar, the Biblical reckoning of the
// visible crescent, the Julian day count and the Rabbinical calendar, with
// the molad of Tishri, the postponement rules, a picture of the moon's phase,
// the possible alternative Biblical dates (Date 1 to Date 4) and the criteria
// text that explains them.
//
// The Julian day box is the hub: a compute button first turns its own column
// into a Julian day in txtJDCount, then every column is refreshed from that
// box, in the order each button fixes.  The window works on the main
// window's engine and state, switching its flags around every call so that
// nothing reaches the main pane and the main window's year box is never read;
// every flag is as it was when a handler returns.
//
// The Qt window is a view over this model: it shows the public fields,
// forwards the user's clicks and keys to the handlers, and is told through
// ConversionWindowHooks when another window is to appear.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "conversions/hebrew_calendar.h"
#include "conversions/help_provider.h"
#include "engine/engine.h"
#include "engine/host.h"
#include "engine/local_clock.h"
#include "engine/year_box.h"
#include "runs/times.h"

namespace orvane::conversions {

// A hidden list box used as a month chooser: list position = month - 1.
struct MonthListBox {
  std::vector<std::string> List;
  int ListIndex = -1;  // -1: nothing selected
  bool Visible = false;
  int ListCount() const { return static_cast<int>(List.size()); }
};

// One of the Date options of the Biblical column.
struct OptionButton {
  std::string_view Caption;
  std::string_view ToolTipText;
  bool Value = false;  // selected
  bool Visible = false;
  bool Enabled = true;
};

// The four columns with a day, a month and a year box.
enum class Column { Gregorian, Julian, Biblical, Hebrew };

// The controls that take the focus.
enum class Control {
  None,
  txtGDay,
  txtGMonth,
  txtGYear,
  txtJCDay,
  txtJCMonth,
  txtJCYear,
  txtBDay,
  txtBMonth,
  txtBYear,
  txtJDCount,
  txtHDay,
  txtHMonth,
  txtHYear,
  chkOnTop,
  Other
};

// What the window asks of the desktop around it.  Every hook may be empty.
struct ConversionWindowHooks {
  // chkOnTop: keep the window above all others (true) or release it.
  std::function<void(bool)> SetStayOnTop;
  // txtControl was clicked: the main window arms its quick exit.
  std::function<void()> ArmQuickExit;
  // The criteria window appears (true, shown without waiting) or disappears
  // (false).  Its text is the engine's criteria pane, whose onChange tells
  // when the text changes.
  std::function<void(bool)> ShowCriteriaWindow;
  // The help window is shown without waiting, holding txtHelp.
  std::function<void()> ShowHelpWindow;
};

// The postponement rules as lblRules shows them: "No Postponements" when no
// rule is set, else "Rule " or "Rules " and the rule numbers joined by "and":
//   {rule4} -> "Rule 4 ", {rule1, rule4} -> "Rules 1 and 4 ".
std::string RulesCaption(const PostponementFlags& rules);
// lblRules' font size, points: 10 for "No Postponements", 12 for rules.
int RulesFontSize(const PostponementFlags& rules);

// The illumination of a day, percent, from the two texts of its times-table
// line (at moonrise and at moonset): their mean, or the one there is when
// the other event does not occur (" ----").  DayIllumination(" 40.0", " 45.0") = 42.5.
double DayIllumination(std::string_view atMoonrise, std::string_view atMoonset);

// The moon picture 0..58 for a day lit p0 percent followed by a day lit p1:
// a waning moon (p1 <= p0) takes the waning picture lit just above p0
// (30..58; 0 below 3 percent), a waxing one the waxing picture lit just
// below p0 (0..30).  MoonPictureFor(50, 60) = 15 (47 percent, waxing).
int MoonPictureFor(double p0, double p1);

// What a moon picture shows, in words for a screen reader: "Waxing moon,
// 47 percent lit" for picture 15, "Waning moon, 91 percent lit" and so on.
std::string MoonPictureDescription(int index);

// The ordinal ending of a day with its blank: "st ", "nd ", "rd ", "th "; the
// teens rule applies to the last two digits (111 gives "th ").
std::string OrdinalSuffixText(long n);

class ConversionWindowModel {
 public:
  static constexpr std::string_view kCaption = "Conversions   (F1 for Help)";
  static constexpr std::string_view kHelpKey = "Conversions";

  // Limits of the boxes; a value beyond one is brought to it with a beep.
  static constexpr double kMaxGregorianYear = 29000;
  static constexpr double kMinGregorianYear = -4500;
  static constexpr double kMaxBiblicalYear = 33004;
  static constexpr double kMinBiblicalYear = -496;
  static constexpr double kMaxHebrewYear = 32760;
  static constexpr double kMinHebrewYear = -739;
  static constexpr double kMaxDay = 1000;
  static constexpr double kMinDay = -1000;
  static constexpr double kMinDayCount = 78166.5;
  static constexpr double kMaxDayCount = 12313456.5;
  // On and before this day the Gregorian column is "Modified Gregorian": the
  // weekdays are one later for Joshua's long day.
  static constexpr double kLastModifiedGregorianJD = 1170111.5;
  // The criteria text recomputes candidates below this day.
  static constexpr double kLowestCriteriaJD = 77833.5;

  // `engine` is the main window's: the window shares its state and its
  // criteria pane.  The clock defaults to the system clock.
  ConversionWindowModel(Engine& engine, Beeper& beeper, HelpProvider help = {}, DateClock clock = {},
                        ConversionWindowHooks hooks = {});
  ConversionWindowModel(const ConversionWindowModel&) = delete;
  ConversionWindowModel& operator=(const ConversionWindowModel&) = delete;

  // --- Gregorian column (fraGregorian) --------------------------------------------
  std::string fraGregorian = "Gregorian";  // "Modified Gregorian" for early days
  std::string txtGDay;
  std::string txtGMonth = "January";
  MonthListBox lstGMonth;
  std::string txtGYear = "2006";
  std::string lblGDayOfWeek;
  std::string lblGYearType = "Year Type";

  // --- Julian-calendar column (fraJulianCal, "Julian") ---------------------------------
  std::string txtJCDay;
  std::string txtJCMonth = "JCMonth";
  MonthListBox lstJCMonth;
  std::string txtJCYear = "JCYear";

  // --- Biblical column (fraBiblical, "Biblical-Not IDL adjusted") ----------------------
  std::string txtBDay;
  std::string txtBMonth = "BMonth";
  MonthListBox lstBMonth;
  std::string txtBYear = "BYear";  // years after Creation
  std::string lblBDayOfWeek = "Sabbath";
  // optDate1 .. optDate4 are optDate[0] .. optDate[3].
  std::array<OptionButton, 4> optDate{{{"Date 1", "First possible date"},
                                       {"Date 2", "Second possible date"},
                                       {"Date 3", "Third possible date"},
                                       {"Date 4", "Fourth possible date"}}};

  // --- Julian day count (fraJulian) -------------------------------------------------
  std::string txtJDCount;

  // --- Rabbinical column (fraHebrew, "Hebrew - Rabbinic") -------------------------------
  std::string txtHDay;
  std::string txtHMonth = "HMonth";
  MonthListBox lstHMonth;
  std::string txtHYear = "HYear";
  std::string lblHDay;  // the true weekday, as a Biblical day name
  std::string lblHYearType = "Year Type";
  std::string lblMolad1 = "Label1";  // "6D 11H 882P "
  std::string lblRules = "Rules";
  int lblRulesFontSize = 10;

  // --- The rest of the window --------------------------------------------------------
  bool chkOnTop = false;
  bool lblTabIndVisible = false;  // the focus marker of chkOnTop
  Control ActiveControl = Control::None;
  int MoonPictureIndex = 0;      // the one picMoon entry shown
  bool CriteriaVisible = false;  // frmCriteria
  std::string txtHelp;           // frmConversionsHelp's box
  bool HelpVisible = false;      // frmConversionsHelp

  // The criteria window's box (the engine's criteria pane).
  TextPane& txtCriteria() { return engine_.out.criteria; }

  // The possible dates of the Biblical date last computed, n = 1..4: the
  // Julian day (0 = none) and the Biblical month that gave it.
  double CandidateJD(int n) const { return candidateJD_.at(static_cast<std::size_t>(n)); }
  double CandidateMonth(int n) const { return candidateMonth_.at(static_cast<std::size_t>(n)); }

  // --- Loading and keys of the whole window ---------------------------------------------
  // The month lists filled, today's date in the Gregorian column, computed.
  void Form_Load();
  // F1 anywhere: the conversion help in its window; the key is dropped (0).
  void Form_KeyDown(int& keyCode);

  // --- Compute buttons ------------------------------------------------------------------
  void cmdGCompute_Click();
  void cmdJCCompute_Click();
  void cmdBCompute_Click();
  void cmdHCompute_Click();
  void cmdJCompute_Click();

  // --- Columns from and to the Julian day ----------------------------------------------
  void RefreshGregorian();
  void RefreshJulianCalendar();
  void RefreshBiblical();
  void RefreshRabbinical();
  void JulianCalendarToDayCount();
  void RabbinicalToDayCount();
  // The moon picture of the day in txtJDCount, from the illumination of that
  // day and the next.
  void ShowMoonPicture();

  // --- Possible dates and the criteria text -----------------------------------------------
  // The Julian day of the Biblical column into txtJDCount, and the possible
  // dates (Date options) of that Biblical date.
  void BiblicalToDayCount();
  void optDate1_Click() { OptionClick(1); }
  void optDate2_Click() { OptionClick(2); }
  void optDate3_Click() { OptionClick(3); }
  void optDate4_Click() { OptionClick(4); }
  // Selects (true) or clears (false) a Date option, n = 1..4, as the user's
  // click or the window's own code does: selecting an option that was not
  // selected clears the others and runs its Click handler.
  void SetOptionValue(int n, bool value);
  void SelectOption(int n) { SetOptionValue(n, true); }
  // Shows or hides the criteria window, rewriting its text when shown.
  void cmdCriteria_Click();
  // The criteria window was closed by the user.
  void CriteriaWindow_Closed() { CriteriaVisible = false; }
  void WriteCriteriaText();
  void WriteHarvestEarlyNote();
  void WriteHarvestLateNote();

  // --- Fields ------------------------------------------------------------------------------
  // A click on a month box shows its list.
  void MonthBox_Click(Column column);
  // Up and Down select the list's previous or next entry when there is one.
  void MonthBox_KeyDown(Column column, int keyCode);
  // Enter moves the focus to the column's day box; no key is typed (0).
  void MonthBox_KeyPress(Column column, int& keyAscii);
  // The user clicked entry `index` of a month list: the list hides and the
  // month box shows the entry.
  void MonthList_Click(Column column, int index);
  // Selects a list entry from the window's own code: as a click when the
  // selection changes.
  void SetListIndex(Column column, int index);
  // Up and Down step a year box by one, passing over the year 0.
  void YearBox_KeyDown(Column column, int keyCode);
  // Up and Down step a day box by one.
  void DayBox_KeyDown(Column column, int keyCode);
  // Typing in a year or day box: Enter computes the column (the key is
  // dropped); digits, "-" and Backspace pass; any other key is dropped (0)
  // with a beep.
  void YearBox_KeyPress(Column column, int& keyAscii) { DayBox_KeyPress(column, keyAscii); }
  void DayBox_KeyPress(Column column, int& keyAscii);
  // The Julian day box: Up and Down step it by one; "." passes instead of
  // "-"; Enter runs cmdJCompute.
  void txtJDCount_KeyDown(int keyCode);
  void txtJDCount_KeyPress(int& keyAscii);
  // chkOnTop was toggled (chkOnTop holds the new state).
  void chkOnTop_Click();
  // The focus moves to `control` (lblTabInd shows while chkOnTop has it).
  void SetFocus(Control control);
  void txtControl_Click();

  // The boxes of a column.
  std::string& DayBox(Column column) { return this->*Parts(column).day; }
  std::string& MonthBox(Column column) { return this->*Parts(column).month; }
  std::string& YearBox(Column column) { return this->*Parts(column).year; }
  MonthListBox& MonthList(Column column) { return this->*Parts(column).list; }

 private:
  // A column of the window, described once: its boxes (none for the day
  // count), the entries of its month list, its day box as a control, how
  // its compute button turns it into the day count and how it is shown
  // again from the day count (nothing for the day count itself).
  struct ColumnParts {
    std::string ConversionWindowModel::*day = nullptr;
    std::string ConversionWindowModel::*month = nullptr;
    MonthListBox ConversionWindowModel::*list = nullptr;
    std::string ConversionWindowModel::*year = nullptr;
    std::span<const std::string_view> monthNames = {};
    Control dayControl = Control::None;
    void (ConversionWindowModel::*toDayCount)() = nullptr;
    void (ConversionWindowModel::*refresh)() = nullptr;
  };
  // The Gregorian, Julian, Biblical and Rabbinical columns (in the order of
  // Column), then the day count.
  static const std::array<ColumnParts, 5> kColumns;
  static const ColumnParts& Parts(Column column) { return kColumns[static_cast<std::size_t>(column)]; }
  static const ColumnParts& DayCountColumn() { return kColumns[4]; }

  // A compute button: the column into the day count, every column shown
  // from it, the possible dates of the Biblical date, the moon's picture.
  void Compute(const ColumnParts& column);
  void GregorianToDayCount();
  void BiblicalColumnToDayCount();
  void DayCountEntered();
  // Shows month 1..12 (or 13) in the column's month box and selects it in
  // its list; any other number leaves both as they are.
  void ShowMonth(Column column, int month);
  void CommonEnding();
  void OptionClick(int n);
  void ShowCriteria();
  void HideCriteria();
  // The weekday 0..6 (0 = Sunday) the engine writes for the civil day
  // starting at `jd`, with the weekday shift before Joshua's long day.
  int EngineWeekday(double jd);
  double DayCount() const;
  void SetDayCount(double jd);
  // Replaces the box's text by the limit, with a beep, when its value is
  // above (or below) it.
  void ClampAbove(std::string& box, double limit);
  void ClampBelow(std::string& box, double limit);
  void ClampGregorian();
  void ClampDayCount();

  Engine& engine_;
  Beeper& beeper_;
  HelpProvider help_;
  DateClock clock_;
  ConversionWindowHooks hooks_;
  HebrewCalendar calendar_;
  runs::SunMoonTimes times_;
  std::array<double, 5> candidateJD_{};     // 1..4
  std::array<double, 5> candidateMonth_{};  // 1..4
};

}  // namespace orvane::conversions
