#include "conversions/conversion_window_model.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "calendar/biblical_date.h"
#include "conversions/moon_pictures.h"
#include "engine/numeric.h"

namespace orvane::conversions {

namespace {

constexpr std::string_view kLineEnd = "\r\n";
constexpr std::string_view kNoEvent = " ----";

// The numeric value of a box; a box without a number reads as 0.
double Value(const std::string& box) { return num::Val(box); }

// The value of a box rounded half to even to a whole number.
int Nearest(const std::string& box) { return num::CLng(num::Val(box)); }

// A number as a box shows it: its shortest decimal text (2451544.5, -44).
std::string NumberText(double value) { return num::CStr(value); }

// x mod 7 brought into 0..6.
std::size_t WeekdayIndex(double wholeDays) {
  const long r = static_cast<long>(std::fmod(wholeDays, 7.0));
  return static_cast<std::size_t>(r < 0 ? r + 7 : r);
}

// The engine flags a handler changes, put back when it returns (also on an
// early return).  While it runs nothing reaches the main pane, and the
// Biblical reckoning is Jerusalem's whatever run the main window is in the
// middle of (the Flood run lets the windows handle events between its years).
class EngineScope {
 public:
  explicit EngineScope(EphemerisState& st) : saved_(st) {
    st.ShowInMain = kFalse;
    st.LocalMode = kFalse;
    st.FixedPlaceMode = kFalse;
    st.TableMode = kFalse;
  }

 private:
  SavedRunFlags saved_;
};

}  // namespace

std::string RulesCaption(const PostponementFlags& r) {
  const int set = int{r.rule1} + int{r.rule2} + int{r.rule3} + int{r.rule4};
  if (set == 0) return "No Postponements";
  std::string caption = set == 1 ? "Rule " : "Rules ";
  bool written = false;
  auto add = [&](bool rule, const char* number) {
    if (!rule) return;
    if (written) caption += "and ";
    caption += number;
    written = true;
  };
  add(r.rule1, "1 ");
  add(r.rule2, "2 ");
  add(r.rule3, "3 ");
  add(r.rule4, "4 ");
  return caption;
}

int RulesFontSize(const PostponementFlags& r) { return r.rule1 || r.rule2 || r.rule3 || r.rule4 ? 12 : 10; }

double DayIllumination(std::string_view atMoonrise, std::string_view atMoonset) {
  // A day without moonrise (or moonset) has only the other figure.
  if (atMoonrise == kNoEvent) return num::Val(atMoonset);
  if (atMoonset == kNoEvent) return num::Val(atMoonrise);
  return (num::Val(atMoonrise) + num::Val(atMoonset)) / 2;
}

int MoonPictureFor(double p0, double p1) {
  if (p1 <= p0) {
    // Waning: the picture lit just above p0.
    if (p0 < 3) return 0;
    for (int k = kFirstWaningPicture; k < static_cast<int>(kMoonPictureIllumination.size()); ++k) {
      if (kMoonPictureIllumination[static_cast<std::size_t>(k)] < p0) return k - 1;
    }
    return static_cast<int>(kMoonPictureIllumination.size()) - 1;
  }
  // Waxing: the picture lit just below p0.
  for (int k = 0; k < kFirstWaningPicture; ++k) {
    if (kMoonPictureIllumination[static_cast<std::size_t>(k)] > p0) return k == 0 ? 0 : k - 1;
  }
  return kFirstWaningPicture - 1;
}

std::string MoonPictureDescription(int index) {
  const int last = static_cast<int>(kMoonPictureIllumination.size()) - 1;
  const int k = std::clamp(index, 0, last);
  return std::string(k < kFirstWaningPicture ? "Waxing" : "Waning") + " moon, " +
         num::CStr(
             num::Round(static_cast<double>(kMoonPictureIllumination[static_cast<std::size_t>(k)]), 1)) +
         " percent lit";
}

std::string OrdinalSuffixText(long n) { return std::string(OrdinalSuffix(n)) + " "; }

ConversionWindowModel::ConversionWindowModel(Engine& engine, Beeper& beeper, HelpProvider help,
                                             DateClock clock, ConversionWindowHooks hooks)
    : engine_(engine),
      beeper_(beeper),
      help_(std::move(help)),
      clock_(std::move(clock)),
      hooks_(std::move(hooks)) {}

// --- Fields by column ---------------------------------------------------------------------

using Model = ConversionWindowModel;

const std::array<Model::ColumnParts, 5> Model::kColumns = {{
    {&Model::txtGDay, &Model::txtGMonth, &Model::lstGMonth, &Model::txtGYear,
     std::span(GregorianMonthNames).subspan(1), Control::txtGDay, &Model::GregorianToDayCount,
     &Model::RefreshGregorian},
    {&Model::txtJCDay, &Model::txtJCMonth, &Model::lstJCMonth, &Model::txtJCYear,
     std::span(GregorianMonthNames).subspan(1), Control::txtJCDay, &Model::JulianCalendarToDayCount,
     &Model::RefreshJulianCalendar},
    {&Model::txtBDay, &Model::txtBMonth, &Model::lstBMonth, &Model::txtBYear,
     std::span(BiblicalMonthNames).subspan(1), Control::txtBDay, &Model::BiblicalColumnToDayCount,
     &Model::RefreshBiblical},
    {&Model::txtHDay, &Model::txtHMonth, &Model::lstHMonth, &Model::txtHYear,
     std::span(HebrewMonthNames).subspan(1), Control::txtHDay, &Model::RabbinicalToDayCount,
     &Model::RefreshRabbinical},
    {.dayControl = Control::txtJDCount, .toDayCount = &Model::DayCountEntered},
}};

namespace {

// The date columns in the order they are shown from the day count.  The
// Biblical column goes last: showing it writes the day count back in its
// shortest form, and the others show the day as it was typed.
constexpr std::array<Column, 4> kRefreshOrder = {Column::Gregorian, Column::Julian, Column::Hebrew,
                                                 Column::Biblical};

}  // namespace

void ConversionWindowModel::ShowMonth(Column c, int month) {
  const MonthListBox& list = MonthList(c);
  if (month < 1 || month > list.ListCount()) return;
  MonthBox(c) = list.List[static_cast<std::size_t>(month - 1)];
  SetListIndex(c, month - 1);
}

double ConversionWindowModel::DayCount() const { return Value(txtJDCount); }

void ConversionWindowModel::SetDayCount(double jd) { txtJDCount = NumberText(jd); }

void ConversionWindowModel::ClampAbove(std::string& box, double limit) {
  if (Value(box) > limit) {
    box = NumberText(limit);
    beeper_.Beep();
  }
}

void ConversionWindowModel::ClampBelow(std::string& box, double limit) {
  if (Value(box) < limit) {
    box = NumberText(limit);
    beeper_.Beep();
  }
}

void ConversionWindowModel::ClampGregorian() {
  ClampAbove(txtGYear, kMaxGregorianYear);
  ClampBelow(txtGYear, kMinGregorianYear);
  ClampAbove(txtGDay, kMaxDay);
  ClampBelow(txtGDay, kMinDay);
  if (Value(txtGYear) == 0) txtGYear = "-1";  // there is no year 0
}

void ConversionWindowModel::ClampDayCount() {
  ClampBelow(txtJDCount, kMinDayCount);
  ClampAbove(txtJDCount, kMaxDayCount);
}

int ConversionWindowModel::EngineWeekday(double jd) {
  EphemerisState& st = engine_.st;
  const EngineScope scope(st);
  st.RunName = "Conversions";
  st.PrintJD = jd + 0.5;
  engine_.WriteDayAndDate();
  return st.WeekdayIndex;
}

// --- Loading and the whole window -------------------------------------------------------------

void ConversionWindowModel::Form_Load() {
  calendar_.FillCalendarNames();
  for (const ColumnParts& column : kColumns) {
    if (column.list == nullptr) continue;
    MonthListBox& list = this->*column.list;
    list.List.assign(column.monthNames.begin(), column.monthNames.end());
  }
  const ClockDate today = Today(clock_);
  txtGYear = NumberText(today.year);
  ShowMonth(Column::Gregorian, today.month);
  txtGDay = NumberText(today.day);
  cmdGCompute_Click();
}

void ConversionWindowModel::Form_KeyDown(int& keyCode) {
  if (keyCode != kKeyF1) return;
  EphemerisState& st = engine_.st;
  const std::string sectionName = st.RunName;
  st.RunName = kHelpKey;
  txtHelp.clear();
  txtHelp = help_ ? help_(st.RunName) : std::string();
  HelpVisible = true;
  if (hooks_.ShowHelpWindow) hooks_.ShowHelpWindow();
  st.RunName = sectionName;
  keyCode = 0;
}

// --- Compute buttons ---------------------------------------------------------------------------

void ConversionWindowModel::cmdGCompute_Click() { Compute(Parts(Column::Gregorian)); }
void ConversionWindowModel::cmdJCCompute_Click() { Compute(Parts(Column::Julian)); }
void ConversionWindowModel::cmdBCompute_Click() { Compute(Parts(Column::Biblical)); }
void ConversionWindowModel::cmdHCompute_Click() { Compute(Parts(Column::Hebrew)); }
void ConversionWindowModel::cmdJCompute_Click() { Compute(DayCountColumn()); }

void ConversionWindowModel::Compute(const ColumnParts& column) {
  const EngineScope scope(engine_.st);
  (this->*column.toDayCount)();
  for (Column shown : kRefreshOrder) (this->*Parts(shown).refresh)();
  BiblicalToDayCount();
  CommonEnding();
}

void ConversionWindowModel::GregorianToDayCount() {
  ClampGregorian();
  SetDayCount(GregorianToJD(lstGMonth.ListIndex + 1, Nearest(txtGDay), Nearest(txtGYear)));
}

void ConversionWindowModel::BiblicalColumnToDayCount() {
  txtJDCount = "0";  // so that the long day's second civil day is not kept
  BiblicalToDayCount();
}

void ConversionWindowModel::DayCountEntered() {
  // A Julian day names an instant, and the columns show the civil day it
  // falls in: every column works on that day's start (x.5, midnight).  A
  // whole Julian day is noon and becomes its value - 0.5; an hour such as
  // x.1 (early afternoon) becomes the same day's start, so that no column
  // shows the day after the others.
  const double jd = DayCount();
  const double dayStart = num::Int(jd + 0.5) - 0.5;
  if (jd != dayStart) SetDayCount(dayStart);
  ClampDayCount();
}

void ConversionWindowModel::CommonEnding() {
  // With the criteria window open, Date 1 is chosen again, which rewrites it.
  if (CriteriaVisible) {
    SetOptionValue(1, false);
    SetOptionValue(1, true);
  }
  ShowMoonPicture();
}

// --- Columns from and to the Julian day ----------------------------------------------------------

void ConversionWindowModel::RefreshGregorian() {
  const double jd = DayCount();
  const GregorianDateText date = JDToGregorianText(jd);
  txtGDay = NumberText(Value(date.day_text));
  txtGYear = NumberText(Value(date.year_text));
  ShowMonth(Column::Gregorian, static_cast<int>(Value(date.month_text)));
  lblGDayOfWeek = GregorianDayNames[static_cast<std::size_t>(EngineWeekday(jd))];
  fraGregorian = jd <= kLastModifiedGregorianJD ? "Modified Gregorian" : "Gregorian";
  lblGYearType = IsGregorianLeapYear(Nearest(txtGYear)) ? "Leap Year (366 days)" : "Normal Year (365 days)";
  ClampGregorian();
}

void ConversionWindowModel::RefreshJulianCalendar() {
  const JulianDate date = JDToJulianDate(DayCount());
  txtJCDay = NumberText(date.day);
  txtJCYear = NumberText(date.year);
  ShowMonth(Column::Julian, date.month);
}

void ConversionWindowModel::RefreshBiblical() {
  const EngineScope scope(engine_.st);
  const double J = DayCount();
  const calendar::BiblicalDate date = calendar::JDToBiblicalDate(engine_, J);
  txtBDay = NumberText(date.day);
  txtBYear = NumberText(date.creationYear);
  ShowMonth(Column::Biblical, date.month);
  lblBDayOfWeek = BiblicalDayNames[static_cast<std::size_t>(EngineWeekday(J))];
  SetDayCount(J);
}

void ConversionWindowModel::RefreshRabbinical() {
  const double jd = DayCount();
  const HebrewDate date = calendar_.JDToHebrewDate(jd);
  txtHYear = NumberText(date.year);
  ShowMonth(Column::Hebrew, date.month);
  txtHDay = NumberText(date.day);

  // The Rabbinical year begins in the autumn of Gregorian year H - 3761.
  int gregorianYear = num::CLng(date.year - 3761.0);
  if (gregorianYear < 1) gregorianYear -= 1;
  lblHYearType = YearTypeNames[static_cast<std::size_t>(calendar_.HebrewYearType(gregorianYear))];
  // The true weekday, without the long-day shift of the engine.
  lblHDay = BiblicalDayNames[WeekdayIndex(num::RoundHalfEven(jd + 1.5))];

  const Molad molad = MoladOfTishri(num::CLng(Value(txtHYear) - 3761));
  lblMolad1 = NumberText(molad.days) + "D " + NumberText(molad.hours) + "H " + NumberText(molad.parts) + "P ";
  const PostponementFlags rules = PostponementRules(date.year, molad.days, molad.hours, molad.parts);
  lblRules = RulesCaption(rules);
  lblRulesFontSize = RulesFontSize(rules);
}

void ConversionWindowModel::JulianCalendarToDayCount() {
  SetDayCount(JulianToJD(Nearest(txtJCYear), lstJCMonth.ListIndex + 1, Nearest(txtJCDay)));
  // The Julian column has no limits of its own; its day is kept within the
  // day count's, so that the Biblical search never starts before its range.
  ClampDayCount();
}

void ConversionWindowModel::RabbinicalToDayCount() {
  ClampAbove(txtHYear, kMaxHebrewYear);
  ClampBelow(txtHYear, kMinHebrewYear);
  ClampAbove(txtHDay, kMaxDay);
  ClampBelow(txtHDay, kMinDay);
  const double jd = calendar_.HebrewToJD(lstHMonth.ListIndex + 1, Nearest(txtHDay), Nearest(txtHYear));
  SetDayCount(jd);
  lblHDay = BiblicalDayNames[WeekdayIndex(num::RoundHalfEven(jd + 1.5))];
}

void ConversionWindowModel::ShowMoonPicture() {
  EphemerisState& st = engine_.st;
  double p0 = 0;
  double p1 = 0;
  {
    const EngineScope scope(st);
    st.ConversionMode = kTrue;  // the main window's year box is neither read nor corrected
    engine_.InitEphemeris();
    st.ConversionTableFlag = kTrue;  // the figures are formatted although no pane shows them
    const double jd = DayCount();
    // The lunation at or before the day, as the times table starts.
    st.LunationNumber = num::Int((jd + 0.5 - 2415021) / 29.530589);
    times_.WriteDayTimes(engine_, jd + 0.5);
    p0 = DayIllumination(st.IlluminationText, times_.MoonsetIlluminationText);
    times_.WriteDayTimes(engine_, jd + 1.5);
    p1 = DayIllumination(st.IlluminationText, times_.MoonsetIlluminationText);
  }
  MoonPictureIndex = MoonPictureFor(p0, p1);
}

// --- Possible dates ---------------------------------------------------------------------------

void ConversionWindowModel::BiblicalToDayCount() {
  EphemerisState& st = engine_.st;
  const EngineScope scope(st);
  // The last compute's dates go first, so that choosing Date 1 below cannot
  // show one of them beside the new day.
  candidateJD_.fill(0);
  candidateMonth_.fill(0);
  SelectOption(1);
  for (OptionButton& option : optDate) option.Enabled = true;
  st.EveningFlag = "N";
  st.RunName = "";

  ClampAbove(txtBYear, kMaxBiblicalYear);
  ClampBelow(txtBYear, kMinBiblicalYear);
  ClampAbove(txtBDay, kMaxDay);
  ClampBelow(txtBDay, kMinDay);
  const double BY = Value(txtBYear);
  const int BD = Nearest(txtBDay);
  const int BM = lstBMonth.ListIndex + 1;
  int count = 1;

  const double J = calendar::BiblicalDateToJD(engine_, BM, BD, BY);
  const Visibility verdict = st.Verdict;
  const bool yearShifted = st.YearShifted != 0;
  lblBDayOfWeek = BiblicalDayNames[static_cast<std::size_t>(EngineWeekday(DayCount()))];
  // The long day's second civil day keeps its own number in the box.
  if (DayCount() != calendar::kLongDayFirstJD) SetDayCount(J);

  // A doubtful sighting: the month may begin a day earlier (1) or later (2).
  candidateJD_[1] = J;
  candidateMonth_[1] = BM;
  if (PossibleDayShift(verdict) != 0) {
    candidateJD_[2] = J + PossibleDayShift(verdict);
    candidateMonth_[2] = BM;
    count = 2;
  }
  // A doubtful year: with an early harvest the same date falls one month
  // number earlier.
  if (yearShifted) {
    const double early = calendar::BiblicalDateToJD(engine_, BM - 1, BD, BY);
    const Visibility earlyVerdict = st.Verdict;
    const std::size_t slot = candidateJD_[2] == 0 ? 2 : 3;
    candidateJD_[slot] = early;
    candidateMonth_[slot] = BM - 1;
    count += 1;
    if (PossibleDayShift(earlyVerdict) != 0) {
      candidateJD_[slot + 1] = early + PossibleDayShift(earlyVerdict);
      candidateMonth_[slot + 1] = BM - 1;
      count += 1;
    }
  }

  for (OptionButton& option : optDate) option.Visible = false;
  if (count >= 2) optDate[0].Visible = optDate[1].Visible = true;
  if (count >= 3) optDate[2].Visible = true;
  if (count == 4) optDate[3].Visible = true;
}

void ConversionWindowModel::SetOptionValue(int n, bool value) {
  OptionButton& option = optDate.at(static_cast<std::size_t>(n - 1));
  if (!value) {
    option.Value = false;
    return;
  }
  if (option.Value) return;
  for (OptionButton& o : optDate) o.Value = false;
  option.Value = true;
  OptionClick(n);
}

void ConversionWindowModel::OptionClick(int n) {
  const EngineScope scope(engine_.st);
  const double candidate = candidateJD_.at(static_cast<std::size_t>(n));
  if (candidate != 0) SetDayCount(candidate);
  if (candidate != 0 || n != 1) {
    // The Biblical column keeps the date entered; the others follow the choice.
    lblBDayOfWeek = BiblicalDayNames[static_cast<std::size_t>(EngineWeekday(DayCount()))];
    RefreshRabbinical();
    RefreshJulianCalendar();
    RefreshGregorian();
    if (CriteriaVisible) WriteCriteriaText();
    for (std::size_t i = 0; i < optDate.size(); ++i) optDate[i].Value = static_cast<int>(i) == n - 1;
  }
  ShowMoonPicture();
}

// --- The criteria window --------------------------------------------------------------------

void ConversionWindowModel::ShowCriteria() {
  if (CriteriaVisible) return;
  CriteriaVisible = true;
  if (hooks_.ShowCriteriaWindow) hooks_.ShowCriteriaWindow(true);
}

void ConversionWindowModel::HideCriteria() {
  if (!CriteriaVisible) return;
  CriteriaVisible = false;
  if (hooks_.ShowCriteriaWindow) hooks_.ShowCriteriaWindow(false);
}

void ConversionWindowModel::cmdCriteria_Click() {
  const EngineScope scope(engine_.st);
  if (CriteriaVisible) {
    HideCriteria();
  } else {
    ShowCriteria();
    BiblicalToDayCount();
    RefreshGregorian();
    RefreshRabbinical();
    WriteCriteriaText();
  }
  SetOptionValue(1, false);
  SetOptionValue(1, true);
  ShowMoonPicture();
}

void ConversionWindowModel::WriteHarvestEarlyNote() {
  engine_.WriteOutputLine("This is the " + txtBMonth + " month if the barley harvest is early." +
                          std::string(kLineEnd) + std::string(kLineEnd));
}

void ConversionWindowModel::WriteHarvestLateNote() {
  engine_.WriteOutputLine("This is the " + txtBMonth + " month if the barley harvest is late." +
                          std::string(kLineEnd) + std::string(kLineEnd));
}

void ConversionWindowModel::WriteCriteriaText() {
  EphemerisState& st = engine_.st;
  const EngineScope scope(st);
  const std::string lineEnd(kLineEnd);
  bool recompute = candidateJD_[1] < kLowestCriteriaJD;
  for (std::size_t k = 2; k <= 4; ++k) {
    if (candidateJD_[k] != 0 && candidateJD_[k] < kLowestCriteriaJD) recompute = true;
  }
  if (recompute) {
    RefreshGregorian();
    BiblicalToDayCount();
  }
  RefreshRabbinical();

  const double conjunctionJD = st.ConjunctionJD;
  st.EveningFlag = "N";
  ShowCriteria();
  st.ShowInConversion = kTrue;
  st.ShowInConversion2 = kTrue;
  st.ShowInMain = kFalse;
  st.RunName = "Conversions";
  txtCriteria().Clear();

  if (st.YearShifted != 0)
    engine_.WriteOutputLine("This year the barley harvest may be early or late." + lineEnd);
  double J = DayCount();
  if (J == calendar::kLongDayFirstJD) J -= 1;  // the long day is one Biblical day
  const double BY = Value(txtBYear);
  for (std::size_t k = 1; k <= 4; ++k) {
    if (candidateJD_[k] != J) continue;
    if (st.YearShifted != 0) {
      if (candidateMonth_[k] == lstBMonth.ListIndex + 1) {
        WriteHarvestLateNote();
      } else {
        WriteHarvestEarlyNote();
      }
    }
    if (st.ThirteenthMonthFlag != 0) {
      engine_.WriteOutputLine(
          std::string("This may be the first month of the next year if the barley harvest is early.")
              .append(lineEnd)
              .append(lineEnd));
    }
    // Leaves the month's first day in PrintJD, its table in this box.
    calendar::BiblicalDateToJD(engine_, num::CLng(candidateMonth_[k]), 1, BY);
    st.ShowInMain = kFalse;
    break;
  }

  engine_.WriteOutputLine("First day of Month is ");
  if (st.Verdict == Visibility::ProbablyVisible) engine_.WriteOutputLine("(possibly one day later) ");
  if (st.Verdict == Visibility::ProbablyNotVisible) engine_.WriteOutputLine("(possibly one day earlier) ");
  engine_.WriteDayAndDate();

  // The era of the Gregorian year the sentence prints.
  const double gregorianYear = Value(txtGYear);
  const std::string era = gregorianYear < 0 ? " BCE" : " CE";
  const std::string creation = BY < 0 ? " Before Creation" : "";
  engine_.WriteOutputLine(lineEnd + "The " + txtBDay + OrdinalSuffixText(Nearest(txtBDay)) + "day of the " +
                          txtBMonth + " Month of Biblical year " + NumberText(std::fabs(BY)) + creation +
                          lineEnd + "would fall on the " + txtGDay + OrdinalSuffixText(Nearest(txtGDay)) +
                          "of " + txtGMonth + " " + NumberText(std::fabs(gregorianYear)) + era + ".");
  st.ConjunctionJD = conjunctionJD;
}

// --- Fields --------------------------------------------------------------------------------

void ConversionWindowModel::MonthBox_Click(Column c) { MonthList(c).Visible = true; }

void ConversionWindowModel::MonthBox_KeyDown(Column c, int keyCode) {
  const MonthListBox& list = MonthList(c);
  if (keyCode == kKeyUp && list.ListIndex > 0) SetListIndex(c, list.ListIndex - 1);
  if (keyCode == kKeyDown && list.ListIndex < list.ListCount() - 1) SetListIndex(c, list.ListIndex + 1);
}

void ConversionWindowModel::MonthBox_KeyPress(Column c, int& keyAscii) {
  if (keyAscii == kKeyEnter) SetFocus(Parts(c).dayControl);
  keyAscii = 0;  // the month is chosen from the list, never typed
}

void ConversionWindowModel::MonthList_Click(Column c, int index) {
  MonthListBox& list = MonthList(c);
  if (index >= 0 && index < list.ListCount()) list.ListIndex = index;
  list.Visible = false;
  if (list.ListIndex >= 0) MonthBox(c) = list.List[static_cast<std::size_t>(list.ListIndex)];
}

void ConversionWindowModel::SetListIndex(Column c, int index) {
  MonthListBox& list = MonthList(c);
  if (index < -1 || index >= list.ListCount() || index == list.ListIndex) return;
  list.ListIndex = index;
  list.Visible = false;
  MonthBox(c) = index >= 0 ? list.List[static_cast<std::size_t>(index)] : std::string();
}

void ConversionWindowModel::YearBox_KeyDown(Column c, int keyCode) {
  std::string& box = YearBox(c);
  box = YearBoxStep(box, keyCode);
}

void ConversionWindowModel::DayBox_KeyDown(Column c, int keyCode) {
  std::string& box = DayBox(c);
  if (keyCode == kKeyUp) box = NumberText(Value(box) + 1);
  if (keyCode == kKeyDown) box = NumberText(Value(box) - 1);
}

void ConversionWindowModel::DayBox_KeyPress(Column c, int& keyAscii) {
  if (keyAscii == kKeyEnter) {
    keyAscii = 0;
    Compute(Parts(c));
    return;
  }
  if (!YearBoxAcceptsKey(keyAscii)) {
    beeper_.Beep();
    keyAscii = 0;
  }
}

void ConversionWindowModel::txtJDCount_KeyDown(int keyCode) {
  if (keyCode == kKeyUp) SetDayCount(DayCount() + 1);
  if (keyCode == kKeyDown) SetDayCount(DayCount() - 1);
}

void ConversionWindowModel::txtJDCount_KeyPress(int& keyAscii) {
  if (keyAscii == kKeyEnter) {
    keyAscii = 0;
    cmdJCompute_Click();
    return;
  }
  const bool accepted = (keyAscii >= '0' && keyAscii <= '9') || keyAscii == '.' || keyAscii == kKeyBackspace;
  if (!accepted) {
    beeper_.Beep();
    keyAscii = 0;
  }
}

void ConversionWindowModel::chkOnTop_Click() {
  if (hooks_.SetStayOnTop) hooks_.SetStayOnTop(chkOnTop);
}

void ConversionWindowModel::SetFocus(Control control) {
  ActiveControl = control;
  lblTabIndVisible = control == Control::chkOnTop;
}

void ConversionWindowModel::txtControl_Click() {
  if (hooks_.ArmQuickExit) hooks_.ArmQuickExit();
}

}  // namespace orvane::conversions
