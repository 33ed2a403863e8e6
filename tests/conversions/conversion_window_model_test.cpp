// The conversion window's logic: the columns after each compute button, the
// clamps and keys of the boxes, the possible dates, the criteria text, the
// moon picture, and the main window's engine left as it was found.
#include "conversions/conversion_window_model.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "calendar/holy_days.h"
#include "conversions/reference_calendar.h"
#include "support/fake_host.h"

namespace orvane::conversions {
namespace {

using reference::GregorianJD;
using testing::EngineFixture;

class CountingBeeper final : public Beeper {
 public:
  void Beep() override { ++beeps; }
  int beeps = 0;
};

constexpr std::string_view kMainPane = "the report on show";

// A conversion window over a main window that shows a report, opened on
// 9 April 2024.
struct Window {
  explicit Window(ClockDate today = {2024, 4, 9})
      : model(
            main.engine, beeper, [this](std::string_view key) { return "help for " + std::string(key); },
            [today] { return today; }, Hooks()) {
    main.engine.out.main.SetText(std::string(kMainPane));
    model.Form_Load();
  }

  ConversionWindowHooks Hooks() {
    ConversionWindowHooks hooks;
    hooks.SetStayOnTop = [this](bool on) { events.push_back(on ? "on top" : "not on top"); };
    hooks.ArmQuickExit = [this] { events.push_back("quick exit"); };
    hooks.ShowCriteriaWindow = [this](bool shown) {
      events.push_back(shown ? "criteria shown" : "criteria hidden");
    };
    hooks.ShowHelpWindow = [this] { events.push_back("help shown"); };
    return hooks;
  }

  void Gregorian(const std::string& year, int month, const std::string& day) {
    model.txtGYear = year;
    model.SetListIndex(Column::Gregorian, month - 1);
    model.txtGDay = day;
    model.cmdGCompute_Click();
  }
  void Biblical(const std::string& year, int month, const std::string& day) {
    model.txtBYear = year;
    model.SetListIndex(Column::Biblical, month - 1);
    model.txtBDay = day;
    model.cmdBCompute_Click();
  }
  void Hebrew(const std::string& year, int month, const std::string& day) {
    model.txtHYear = year;
    model.SetListIndex(Column::Hebrew, month - 1);
    model.txtHDay = day;
    model.cmdHCompute_Click();
  }
  void DayCount(const std::string& jd) {
    model.txtJDCount = jd;
    model.cmdJCompute_Click();
  }
  std::string GregorianText() const { return m().txtGDay + " " + m().txtGMonth + " " + m().txtGYear; }
  std::string JulianText() const { return m().txtJCDay + " " + m().txtJCMonth + " " + m().txtJCYear; }
  std::string BiblicalText() const { return m().txtBDay + " " + m().txtBMonth + " " + m().txtBYear; }
  std::string HebrewText() const { return m().txtHDay + " " + m().txtHMonth + " " + m().txtHYear; }
  std::vector<bool> VisibleOptions() const {
    std::vector<bool> v;
    for (const OptionButton& o : m().optDate) v.push_back(o.Visible);
    return v;
  }
  int SelectedOption() const {
    for (int i = 0; i < 4; ++i) {
      if (m().optDate[static_cast<std::size_t>(i)].Value) return i + 1;
    }
    return 0;
  }
  const std::string& Criteria() { return model.txtCriteria().Text(); }
  const ConversionWindowModel& m() const { return model; }

  EngineFixture main{"2024"};
  CountingBeeper beeper;
  std::vector<std::string> events;
  ConversionWindowModel model;
};

double Value(const std::string& text) { return std::stod(text); }

bool EndsWith(const std::string& text, const std::string& tail) {
  return text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

// The day starts of the "Abib 1 is" lines of a year's holy-day report.
std::vector<double> AbibOnesOfReport(const std::string& year) {
  EngineFixture f(year);
  calendar::ComputeHolyDays(f.engine);
  static const char* kMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                  "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
  std::vector<double> days;
  const std::string& report = f.pane();
  for (std::size_t at = 0; (at = report.find("Abib 1 is", at)) != std::string::npos; ++at) {
    const std::size_t comma = report.find(", ", at);
    int month = 0;
    for (int i = 0; i < 12; ++i) {
      if (report.compare(comma + 5, 3, kMonths[i]) == 0) month = i + 1;
    }
    days.push_back(
        GregorianJD(std::stol(report.substr(comma + 9, 5)), month, std::stol(report.substr(comma + 2, 2))));
  }
  return days;
}

// --- Opening and the compute buttons -----------------------------------------------------

TEST(ConversionWindow, OpeningComputesTodayInEveryColumn) {
  Window w;
  const ConversionWindowModel& m = w.model;
  EXPECT_EQ(w.GregorianText(), "9 April 2024");
  EXPECT_EQ(m.lstGMonth.ListIndex, 3);
  EXPECT_FALSE(m.lstGMonth.Visible);
  EXPECT_EQ(m.fraGregorian, "Gregorian");
  EXPECT_EQ(m.lblGDayOfWeek, "Tuesday");
  EXPECT_EQ(m.lblGYearType, "Leap Year (366 days)");
  EXPECT_EQ(w.JulianText(), "27 March 2024");  // thirteen days behind
  EXPECT_EQ(m.txtJDCount, "2460409.5");
  EXPECT_EQ(w.HebrewText(), "1 Nisan 5784");
  EXPECT_EQ(m.lblHDay, "Third");
  EXPECT_EQ(m.lblHYearType, "Embolismic Deficient (383 days)");
  EXPECT_EQ(m.lblMolad1, "6D 11H 882P ");
  EXPECT_EQ(m.lblRules, "Rule 4 ");
  EXPECT_EQ(m.lblRulesFontSize, 12);
  // Abib 1 of 2024 is the next day, so this is the last day of month 13.
  ASSERT_EQ(AbibOnesOfReport("2024"), std::vector<double>{GregorianJD(2024, 4, 10)});
  EXPECT_EQ(m.txtBMonth, "Thirteenth");
  EXPECT_EQ(m.lstBMonth.ListIndex, 12);
  EXPECT_EQ(m.txtBYear, "6027");
  EXPECT_EQ(m.lblBDayOfWeek, "Third");
  EXPECT_EQ(m.CandidateJD(1), 2460409.5);
  EXPECT_EQ(m.CandidateJD(2), 0);
  EXPECT_EQ(w.VisibleOptions(), (std::vector<bool>{false, false, false, false}));
  EXPECT_EQ(w.SelectedOption(), 1);
  EXPECT_EQ(m.MoonPictureIndex, 0);  // the day after the new moon of 8 April
  // The lists hold the month names in order.
  EXPECT_EQ(m.lstGMonth.List.size(), 12u);
  EXPECT_EQ(m.lstHMonth.List.back(), "Vedar");
  EXPECT_EQ(m.lstBMonth.List.size(), 13u);
  EXPECT_EQ(w.beeper.beeps, 0);
}

TEST(ConversionWindow, AWholeJulianDayBecomesTheStartOfItsDay) {
  Window w;
  w.DayCount("2451545");
  EXPECT_EQ(w.model.txtJDCount, "2451544.5");
  EXPECT_EQ(w.GregorianText(), "1 January 2000");
  EXPECT_EQ(w.model.lblGDayOfWeek, "Saturday");
  EXPECT_EQ(w.model.lblBDayOfWeek, "Sabbath");
  EXPECT_EQ(w.model.lblHDay, "Sabbath");
  EXPECT_EQ(w.JulianText(), "19 December 1999");
  EXPECT_EQ(w.HebrewText(), "23 Tevet 5760");
  // A day start stays as it is.
  w.DayCount("2451545.5");
  EXPECT_EQ(w.model.txtJDCount, "2451545.5");
  EXPECT_EQ(w.GregorianText(), "2 January 2000");
  // Any other hour is shown as the day it falls in, in every column:
  // 2451545.25 is 18:00 on 1 January 2000, 2451545.9 is 09:36 on 2 January.
  w.DayCount("2451545.25");
  EXPECT_EQ(w.model.txtJDCount, "2451544.5");
  EXPECT_EQ(w.GregorianText(), "1 January 2000");
  EXPECT_EQ(w.HebrewText(), "23 Tevet 5760");
  w.DayCount("2451545.9");
  EXPECT_EQ(w.model.txtJDCount, "2451545.5");
  EXPECT_EQ(w.GregorianText(), "2 January 2000");
}

TEST(ConversionWindow, TheLongDayGivesTheModifiedCaptionAndRepeatsItsWeekday) {
  Window w;
  ASSERT_EQ(GregorianJD(-1510, 7, 22), 1170111.5);
  w.DayCount("1170111.5");
  EXPECT_EQ(w.model.fraGregorian, "Modified Gregorian");
  EXPECT_EQ(w.GregorianText(), "22 July -1510");
  EXPECT_EQ(w.model.lblGDayOfWeek, "Monday");  // a day later than the plain cycle
  EXPECT_EQ(w.model.lblHDay, "First");         // the Rabbinical column keeps the true weekday
  const std::string biblical = w.BiblicalText();

  w.DayCount("1170112.5");
  EXPECT_EQ(w.model.fraGregorian, "Gregorian");
  EXPECT_EQ(w.GregorianText(), "23 July -1510");
  EXPECT_EQ(w.model.lblGDayOfWeek, "Monday");
  EXPECT_EQ(w.model.lblHDay, "Second");
  // The long day is one Biblical day; the box keeps the civil day.
  EXPECT_EQ(w.BiblicalText(), biblical);
  EXPECT_EQ(w.model.txtJDCount, "1170112.5");
  EXPECT_EQ(w.model.CandidateJD(1), 1170111.5);
}

TEST(ConversionWindow, ABiblicalComputeShowsTheDateItLandsOn) {
  Window w;
  const double abib = AbibOnesOfReport("2024").at(0);
  // Day 31 of Abib runs on into the second month: the column is rewritten
  // from the day found, and the Date options follow the rewritten date.
  w.Biblical("6028", 1, "31");
  EXPECT_EQ(Value(w.model.txtJDCount), abib + 30);
  EXPECT_EQ(w.model.txtBMonth, "Second");
  EXPECT_EQ(w.model.lstBMonth.ListIndex, 1);
  EXPECT_EQ(w.GregorianText(), "10 May 2024");
  EXPECT_EQ(w.model.CandidateMonth(1), 2);
  EXPECT_EQ(w.model.CandidateJD(1), abib + 30);
}

TEST(ConversionWindow, TheRabbinicalColumnShowsTheMoladAndTheRules) {
  Window w;
  w.Hebrew("5784", 7, "1");
  EXPECT_EQ(w.GregorianText(), "16 September 2023");
  EXPECT_EQ(w.model.lblHYearType, "Embolismic Deficient (383 days)");
  EXPECT_EQ(w.model.lblMolad1, "6D 11H 882P ");
  EXPECT_EQ(w.model.lblRules, "Rule 4 ");
  EXPECT_EQ(w.model.lblRulesFontSize, 12);
  EXPECT_EQ(w.model.lblHDay, "Sabbath");

  w.Hebrew("5785", 7, "1");
  EXPECT_EQ(w.GregorianText(), "3 October 2024");
  EXPECT_EQ(w.model.lblHYearType, "Common Complete (355 days)");
  EXPECT_EQ(w.model.lblMolad1, "5D 9H 391P ");
  EXPECT_EQ(w.model.lblRules, "No Postponements");
  EXPECT_EQ(w.model.lblRulesFontSize, 10);
  EXPECT_EQ(w.model.lblHDay, "Fifth");

  // 5766: a Monday molad after 15 h 589 p, following the leap year 5765.
  w.Hebrew("5766", 7, "1");
  EXPECT_EQ(w.model.lblMolad1, "2D 16H 876P ");
  EXPECT_EQ(w.model.lblRules, "Rule 3 ");
  EXPECT_EQ(w.model.lblHDay, "Third");  // postponed from Monday to Tuesday
}

TEST(ConversionWindow, RulesCaptionJoinsTheRulesWithAnd) {
  EXPECT_EQ(RulesCaption({}), "No Postponements");
  EXPECT_EQ(RulesFontSize({}), 10);
  EXPECT_EQ(RulesCaption({false, false, false, true}), "Rule 4 ");
  EXPECT_EQ(RulesCaption({true, false, false, true}), "Rules 1 and 4 ");
  EXPECT_EQ(RulesCaption({false, true, false, true}), "Rules 2 and 4 ");
  EXPECT_EQ(RulesCaption({false, true, true, false}), "Rules 2 and 3 ");
  EXPECT_EQ(RulesCaption({true, false, false, false}), "Rule 1 ");
  EXPECT_EQ(RulesFontSize({true, false, false, false}), 12);
}

// --- Clamps and keys -----------------------------------------------------------------------

TEST(ConversionWindow, OutOfRangeEntriesAreBroughtToTheirLimitsWithABeep) {
  Window w;
  w.Gregorian("29001", 4, "9");
  EXPECT_EQ(w.model.txtGYear, "29000");
  EXPECT_EQ(w.beeper.beeps, 1);
  w.Gregorian("-4501", 12, "1");
  EXPECT_EQ(w.model.txtGYear, "-4500");
  EXPECT_EQ(w.beeper.beeps, 2);
  w.Gregorian("0", 6, "1");  // there is no year 0: no beep
  EXPECT_EQ(w.GregorianText(), "1 June -1");
  EXPECT_EQ(w.beeper.beeps, 2);
  w.Gregorian("2024", 1, "1001");
  EXPECT_EQ(Value(w.model.txtJDCount), GregorianJD(2024, 1, 1) + 999);
  EXPECT_EQ(w.beeper.beeps, 3);
  w.Gregorian("2024", 1, "-1001");
  EXPECT_EQ(Value(w.model.txtJDCount), GregorianJD(2024, 1, 1) - 1001);
  EXPECT_EQ(w.beeper.beeps, 4);

  w.Hebrew("32761", 1, "1");
  EXPECT_EQ(w.model.txtHYear, "32760");
  EXPECT_EQ(w.beeper.beeps, 5);
  w.Hebrew("5784", 1, "-1001");
  EXPECT_EQ(Value(w.model.txtJDCount), GregorianJD(2024, 4, 9) - 1001);
  EXPECT_EQ(w.beeper.beeps, 6);

  w.Biblical("33005", 1, "1");
  EXPECT_EQ(w.model.txtBYear, "33004");
  EXPECT_EQ(w.beeper.beeps, 7);
  // Year -496 lies in 4501 BCE, below the Gregorian column's limit: that
  // column's year is brought to -4500 with a beep of its own.
  w.Biblical("-497", 7, "1");
  EXPECT_EQ(w.model.txtBYear, "-496");
  EXPECT_EQ(w.model.txtGYear, "-4500");
  EXPECT_EQ(w.beeper.beeps, 9);

  w.DayCount("50000");
  EXPECT_EQ(w.model.txtJDCount, "78166.5");
  EXPECT_EQ(w.GregorianText(), "30 November -4500");
  EXPECT_EQ(w.beeper.beeps, 10);
  w.DayCount("20000000");
  EXPECT_EQ(w.model.txtJDCount, "12313456.5");
  EXPECT_EQ(w.GregorianText(), "31 December 29000");
  EXPECT_EQ(w.beeper.beeps, 11);

  // The Julian-calendar column has no limits of its own, but its day is kept
  // within the day count's.
  w.model.txtJCYear = "-5000";
  w.model.SetListIndex(Column::Julian, 0);
  w.model.txtJCDay = "1";
  w.model.cmdJCCompute_Click();
  EXPECT_EQ(w.model.txtJDCount, "78166.5");
  EXPECT_EQ(w.beeper.beeps, 12);
  EXPECT_GE(Value(w.model.txtBYear), -496);
  w.model.txtJCYear = "1582";
  w.model.SetListIndex(Column::Julian, 9);
  w.model.txtJCDay = "5";
  w.model.cmdJCCompute_Click();
  EXPECT_EQ(w.GregorianText(), "15 October 1582");
  EXPECT_EQ(w.beeper.beeps, 12);
}

TEST(ConversionWindow, ArrowKeysStepYearsOverZeroAndDaysByOne) {
  Window w;
  ConversionWindowModel& m = w.model;
  m.txtGYear = "1";
  m.YearBox_KeyDown(Column::Gregorian, kKeyDown);
  EXPECT_EQ(m.txtGYear, "-1");
  m.YearBox_KeyDown(Column::Gregorian, kKeyUp);
  EXPECT_EQ(m.txtGYear, "1");
  m.txtJCYear = "-1";
  m.YearBox_KeyDown(Column::Julian, kKeyUp);
  EXPECT_EQ(m.txtJCYear, "1");
  m.YearBox_KeyDown(Column::Hebrew, kKeyUp);
  EXPECT_EQ(m.txtHYear, "5785");
  m.YearBox_KeyDown(Column::Biblical, kKeyDown);
  EXPECT_EQ(m.txtBYear, "6026");

  m.DayBox_KeyDown(Column::Gregorian, kKeyUp);
  EXPECT_EQ(m.txtGDay, "10");
  m.txtBDay = "1";
  m.DayBox_KeyDown(Column::Biblical, kKeyDown);
  m.DayBox_KeyDown(Column::Biblical, kKeyDown);
  EXPECT_EQ(m.txtBDay, "-1");
  m.txtJDCount_KeyDown(kKeyUp);
  EXPECT_EQ(m.txtJDCount, "2460410.5");

  // December is the last entry of the Julian list; January the first.
  m.SetListIndex(Column::Julian, 11);
  m.MonthBox_KeyDown(Column::Julian, kKeyDown);
  EXPECT_EQ(m.lstJCMonth.ListIndex, 11);
  EXPECT_EQ(m.txtJCMonth, "December");
  m.MonthBox_KeyDown(Column::Julian, kKeyUp);
  EXPECT_EQ(m.txtJCMonth, "November");
  m.SetListIndex(Column::Gregorian, 0);
  m.MonthBox_KeyDown(Column::Gregorian, kKeyUp);
  EXPECT_EQ(m.txtGMonth, "January");
  m.SetListIndex(Column::Biblical, 12);
  m.MonthBox_KeyDown(Column::Biblical, kKeyDown);
  EXPECT_EQ(m.txtBMonth, "Thirteenth");
  m.SetListIndex(Column::Hebrew, 11);
  m.MonthBox_KeyDown(Column::Hebrew, kKeyDown);
  EXPECT_EQ(m.txtHMonth, "Vedar");
  m.MonthBox_KeyDown(Column::Hebrew, kKeyDown);
  EXPECT_EQ(m.txtHMonth, "Vedar");
  EXPECT_EQ(w.beeper.beeps, 0);
}

TEST(ConversionWindow, MonthBoxesChooseFromTheirListsOnly) {
  Window w;
  ConversionWindowModel& m = w.model;
  m.MonthBox_Click(Column::Hebrew);
  EXPECT_TRUE(m.lstHMonth.Visible);
  m.MonthList_Click(Column::Hebrew, 6);
  EXPECT_FALSE(m.lstHMonth.Visible);
  EXPECT_EQ(m.txtHMonth, "Tishri");
  EXPECT_EQ(m.lstHMonth.ListIndex, 6);
  // The month comes from the list, whatever the box says.
  m.txtHMonth = "Nisan";
  m.txtHYear = "5785";
  m.txtHDay = "1";
  m.cmdHCompute_Click();
  EXPECT_EQ(w.GregorianText(), "3 October 2024");

  int key = 'x';
  m.MonthBox_KeyPress(Column::Gregorian, key);
  EXPECT_EQ(key, 0);
  key = kKeyEnter;
  m.MonthBox_KeyPress(Column::Gregorian, key);
  EXPECT_EQ(key, 0);
  EXPECT_EQ(m.ActiveControl, Control::txtGDay);
  key = kKeyEnter;
  m.MonthBox_KeyPress(Column::Hebrew, key);
  EXPECT_EQ(m.ActiveControl, Control::txtHDay);
  EXPECT_EQ(w.beeper.beeps, 0);
}

TEST(ConversionWindow, TypingFiltersKeysAndEnterComputesTheColumn) {
  Window w;
  ConversionWindowModel& m = w.model;
  for (const int accepted : {int{'0'}, int{'9'}, int{'-'}, kKeyBackspace}) {
    int key = accepted;
    m.YearBox_KeyPress(Column::Gregorian, key);
    EXPECT_EQ(key, accepted);
    m.DayBox_KeyPress(Column::Biblical, key);
    EXPECT_EQ(key, accepted);
  }
  EXPECT_EQ(w.beeper.beeps, 0);
  int key = '.';
  m.DayBox_KeyPress(Column::Hebrew, key);
  EXPECT_EQ(key, 0);
  key = 'a';
  m.YearBox_KeyPress(Column::Julian, key);
  EXPECT_EQ(key, 0);
  EXPECT_EQ(w.beeper.beeps, 2);
  // The day count takes "." instead of "-".
  key = '.';
  m.txtJDCount_KeyPress(key);
  EXPECT_EQ(key, '.');
  key = '-';
  m.txtJDCount_KeyPress(key);
  EXPECT_EQ(key, 0);
  EXPECT_EQ(w.beeper.beeps, 3);

  m.txtHYear = "5785";
  m.SetListIndex(Column::Hebrew, 6);
  m.txtHDay = "1";
  key = kKeyEnter;
  m.YearBox_KeyPress(Column::Hebrew, key);
  EXPECT_EQ(key, 0);
  EXPECT_EQ(w.GregorianText(), "3 October 2024");
  m.txtJDCount = "2451545";
  key = kKeyEnter;
  m.txtJDCount_KeyPress(key);
  EXPECT_EQ(w.GregorianText(), "1 January 2000");
  m.txtJCDay = "25";
  m.SetListIndex(Column::Julian, 11);
  m.txtJCYear = "2023";
  key = kKeyEnter;
  m.DayBox_KeyPress(Column::Julian, key);
  EXPECT_EQ(w.GregorianText(), "7 January 2024");
}

// --- Possible dates -------------------------------------------------------------------------

TEST(ConversionWindow, OneTwoThreeOrFourPossibleDates) {
  Window w;
  // 2024: a sure sighting in an ordinary year, one date.
  w.Biblical("6028", 1, "1");
  EXPECT_EQ(w.model.CandidateJD(1), GregorianJD(2024, 4, 10));
  EXPECT_EQ(w.VisibleOptions(), (std::vector<bool>{false, false, false, false}));

  // 2005: Abib 1 possibly one day earlier (its holy-day report says so).
  w.Biblical("6009", 1, "1");
  EXPECT_EQ(w.model.CandidateJD(1), GregorianJD(2005, 4, 11));
  EXPECT_EQ(w.model.CandidateJD(2), GregorianJD(2005, 4, 10));
  EXPECT_EQ(w.model.CandidateJD(3), 0);
  EXPECT_EQ(w.VisibleOptions(), (std::vector<bool>{true, true, false, false}));

  // 1999: the harvest may be late (Abib 18 April) or early (19 March,
  // possibly one day later), as its report lists them.
  const std::vector<double> abib1999 = AbibOnesOfReport("1999");
  ASSERT_EQ(abib1999, (std::vector<double>{GregorianJD(1999, 3, 19), GregorianJD(1999, 4, 18)}));
  w.Biblical("6003", 1, "1");
  EXPECT_EQ(w.model.CandidateJD(1), abib1999[1]);
  EXPECT_EQ(w.model.CandidateMonth(1), 1);
  EXPECT_EQ(w.model.CandidateJD(2), abib1999[0]);
  EXPECT_EQ(w.model.CandidateMonth(2), 0);
  EXPECT_EQ(w.model.CandidateJD(3), abib1999[0] + 1);
  EXPECT_EQ(w.model.CandidateJD(4), 0);
  EXPECT_EQ(w.VisibleOptions(), (std::vector<bool>{true, true, true, false}));

  // 1969 (Creation year 5973): a late harvest year whose fourth month is
  // doubtful in both readings.  A Gregorian compute ends with the Biblical
  // column recomputed and the Date options prepared.
  w.Biblical("5973", 4, "1");
  const double fourth = w.model.CandidateJD(1);
  const std::string year = w.model.txtGYear;
  const std::string day = w.model.txtGDay;
  const int month = w.model.lstGMonth.ListIndex + 1;
  w.DayCount("2451544.5");
  w.Gregorian(year, month, day);
  EXPECT_EQ(w.BiblicalText(), "1 Fourth 5973");
  EXPECT_EQ(w.model.CandidateJD(1), fourth);
  EXPECT_EQ(std::abs(w.model.CandidateJD(2) - fourth), 1);
  const double early = w.model.CandidateJD(3);
  EXPECT_TRUE(fourth - early == 29 || fourth - early == 30) << fourth - early;
  EXPECT_EQ(std::abs(w.model.CandidateJD(4) - early), 1);
  EXPECT_EQ(w.model.CandidateMonth(3), 3);
  EXPECT_EQ(w.model.CandidateMonth(4), 3);
  EXPECT_EQ(w.VisibleOptions(), (std::vector<bool>{true, true, true, true}));
  EXPECT_EQ(w.SelectedOption(), 1);
  EXPECT_EQ(Value(w.model.txtJDCount), fourth);
}

TEST(ConversionWindow, ChoosingADateShowsItInTheOtherColumnsOnly) {
  Window w;
  w.Biblical("6003", 1, "1");
  w.model.SelectOption(2);
  EXPECT_EQ(w.SelectedOption(), 2);
  EXPECT_EQ(Value(w.model.txtJDCount), GregorianJD(1999, 3, 19));
  EXPECT_EQ(w.GregorianText(), "19 March 1999");
  EXPECT_EQ(w.model.lblGDayOfWeek, "Friday");
  EXPECT_EQ(w.model.lblBDayOfWeek, "Sixth");
  EXPECT_EQ(w.HebrewText(), "2 Nisan 5759");
  EXPECT_EQ(w.BiblicalText(), "1 Abib 6003");  // the date entered
  w.model.SelectOption(3);
  EXPECT_EQ(w.GregorianText(), "20 March 1999");
  EXPECT_EQ(w.model.optDate[1].Value, false);
  // Selecting the selected option again does nothing.
  w.model.txtGDay = "edited";
  w.model.SelectOption(3);
  EXPECT_EQ(w.model.txtGDay, "edited");
  w.model.SelectOption(1);
  EXPECT_EQ(w.GregorianText(), "18 April 1999");
}

TEST(ConversionWindow, AComputeAfterChoosingDateTwoShowsTheNewDayEverywhere) {
  Window w;
  w.Biblical("6003", 1, "1");
  w.model.SelectOption(2);
  ASSERT_EQ(w.GregorianText(), "19 March 1999");
  w.DayCount("2451544.5");
  EXPECT_EQ(w.GregorianText(), "1 January 2000");
  EXPECT_EQ(w.JulianText(), "19 December 1999");
  EXPECT_EQ(w.HebrewText(), "23 Tevet 5760");
  EXPECT_EQ(w.model.lblGDayOfWeek, "Saturday");
  EXPECT_EQ(w.model.txtJDCount, "2451544.5");
  EXPECT_EQ(w.SelectedOption(), 1);
  EXPECT_EQ(w.model.CandidateJD(1), 2451544.5);
}

// --- The criteria window ----------------------------------------------------------------------

TEST(ConversionWindow, TheCriteriaTextOfADoubtfulMonth) {
  Window w;
  w.Biblical("6009", 1, "1");
  w.model.cmdCriteria_Click();
  EXPECT_TRUE(w.model.CriteriaVisible);
  EXPECT_EQ(w.events, std::vector<std::string>{"criteria shown"});
  const std::string& text = w.Criteria();
  // The month's new-moon table, then its first day and the sentence.
  EXPECT_EQ(text.find(" Date     Sunset Moonset   Illum."), 0u) << text;
  EXPECT_EQ(text.find("barley"), std::string::npos);
  EXPECT_NE(text.find("Prob Not Visible\r\n"), std::string::npos) << text;
  EXPECT_TRUE(EndsWith(text,
                       "First day of Month is (possibly one day earlier)  Monday, 11 Apr 2005 CE \r\n"
                       "\r\n"
                       "The 1st day of the Abib Month of Biblical year 6009\r\n"
                       "would fall on the 11th of April 2005 CE."))
      << text;
  // Date 2 is the day before; the month's first day stays the same.
  w.model.SelectOption(2);
  EXPECT_TRUE(EndsWith(w.Criteria(),
                       "First day of Month is (possibly one day earlier)  Monday, 11 Apr 2005 CE \r\n"
                       "\r\n"
                       "The 1st day of the Abib Month of Biblical year 6009\r\n"
                       "would fall on the 10th of April 2005 CE."))
      << w.Criteria();
  EXPECT_EQ(w.main.pane(), kMainPane);
}

TEST(ConversionWindow, TheCriteriaTextOfAnEarlyOrLateHarvest) {
  Window w;
  w.model.cmdCriteria_Click();
  w.Biblical("6003", 1, "15");
  EXPECT_EQ(w.Criteria().find("This year the barley harvest may be early or late.\r\n"
                              "This is the Abib month if the barley harvest is late.\r\n\r\n"),
            0u)
      << w.Criteria();
  EXPECT_TRUE(EndsWith(w.Criteria(),
                       "First day of Month is  Sunday, 18 Apr 1999 CE \r\n\r\n"
                       "The 15th day of the Abib Month of Biblical year 6003\r\n"
                       "would fall on the 2nd of May 1999 CE."))
      << w.Criteria();
  w.model.SelectOption(2);
  EXPECT_EQ(w.Criteria().find("This year the barley harvest may be early or late.\r\n"
                              "This is the Abib month if the barley harvest is early.\r\n\r\n"),
            0u)
      << w.Criteria();
  EXPECT_TRUE(EndsWith(w.Criteria(),
                       "First day of Month is (possibly one day later)  Friday, 19 Mar 1999 CE \r\n\r\n"
                       "The 15th day of the Abib Month of Biblical year 6003\r\n"
                       "would fall on the 2nd of April 1999 CE."))
      << w.Criteria();

  // The early Abib of 1999 is month 13 of the year before.
  w.Gregorian("1999", 3, "28");
  EXPECT_EQ(w.BiblicalText(), "10 Thirteenth 6002");
  EXPECT_NE(w.Criteria().find(
                "This may be the first month of the next year if the barley harvest is early.\r\n\r\n"),
            std::string::npos)
      << w.Criteria();
  EXPECT_TRUE(EndsWith(w.Criteria(),
                       "The 10th day of the Thirteenth Month of Biblical year 6002\r\n"
                       "would fall on the 28th of March 1999 CE."))
      << w.Criteria();
}

TEST(ConversionWindow, TheCriteriaSentenceNamesTheErasAndOrdinals) {
  Window w;
  w.model.cmdCriteria_Click();
  // 1 January 1 CE lies in a month that began in 1 BCE.
  w.Gregorian("1", 1, "1");
  EXPECT_TRUE(EndsWith(w.Criteria(), "would fall on the 1st of January 1 CE.")) << w.Criteria();
  EXPECT_NE(w.Criteria().find(" 1 BCE   \r\n"), std::string::npos) << "the month's first day";
  w.Gregorian("-44", 3, "15");
  EXPECT_TRUE(EndsWith(w.Criteria(), "would fall on the 15th of March 44 BCE.")) << w.Criteria();
  w.Gregorian("2024", 3, "23");
  EXPECT_TRUE(EndsWith(w.Criteria(), "would fall on the 23rd of March 2024 CE.")) << w.Criteria();
  w.Biblical("-5", 1, "22");
  EXPECT_NE(w.Criteria().find("The 22nd day of the Abib Month of Biblical year 5 Before Creation\r\n"),
            std::string::npos)
      << w.Criteria();
  // Days beyond the month keep the number typed; the teens rule takes the
  // last two digits.
  for (const auto& [day, ordinal] : std::vector<std::pair<std::string, std::string>>{
           {"111", "111th"}, {"112", "112th"}, {"113", "113th"}, {"121", "121st"}, {"213", "213th"}}) {
    w.model.cmdCriteria_Click();  // hide
    w.model.txtBYear = "6028";
    w.model.SetListIndex(Column::Biblical, 0);
    w.model.txtBDay = day;
    w.model.cmdCriteria_Click();  // show and write
    EXPECT_NE(w.Criteria().find("The " + ordinal + " day of the Abib Month"), std::string::npos)
        << w.Criteria();
  }
}

TEST(ConversionWindow, TheCriteriaTextIsRewrittenOnlyWhileShown) {
  Window w;
  w.Gregorian("2005", 4, "11");
  EXPECT_EQ(w.Criteria(), "");
  w.model.cmdCriteria_Click();
  const std::string first = w.Criteria();
  EXPECT_NE(first, "");
  w.Gregorian("2005", 4, "12");
  EXPECT_NE(w.Criteria(), first);
  EXPECT_TRUE(EndsWith(w.Criteria(), "would fall on the 12th of April 2005 CE."));
  w.model.cmdCriteria_Click();
  EXPECT_FALSE(w.model.CriteriaVisible);
  EXPECT_EQ(w.events.back(), "criteria hidden");
  const std::string hidden = w.Criteria();
  w.Gregorian("2024", 4, "23");
  EXPECT_EQ(w.Criteria(), hidden);

  // The long day's second civil day keeps its number in the box; the text
  // takes it for the first, which is Date 1, and explains that month.
  w.DayCount("1170112.5");
  ASSERT_EQ(w.model.txtJDCount, "1170112.5");
  w.model.WriteCriteriaText();
  EXPECT_TRUE(w.model.CriteriaVisible);
  EXPECT_NE(w.Criteria().find(" Date     Sunset Moonset"), std::string::npos) << w.Criteria();
  EXPECT_TRUE(EndsWith(w.Criteria(), "would fall on the 23rd of July 1510 BCE.")) << w.Criteria();
  EXPECT_EQ(w.main.pane(), kMainPane);
}

TEST(OrdinalSuffixText, TeensByTheLastTwoDigits) {
  for (const long n : {1L, 21L, 31L, 101L, 121L, -1L}) EXPECT_EQ(OrdinalSuffixText(n), "st ") << n;
  for (const long n : {2L, 22L, 102L}) EXPECT_EQ(OrdinalSuffixText(n), "nd ") << n;
  for (const long n : {3L, 23L, 1003L}) EXPECT_EQ(OrdinalSuffixText(n), "rd ") << n;
  for (long n = 4; n <= 20; ++n) EXPECT_EQ(OrdinalSuffixText(n), "th ") << n;
  for (long n = 24; n <= 30; ++n) EXPECT_EQ(OrdinalSuffixText(n), "th ") << n;
  for (const long n : {0L, 111L, 112L, 113L, 211L, 212L, 213L, 1000L})
    EXPECT_EQ(OrdinalSuffixText(n), "th ") << n;
}

// --- The moon picture -----------------------------------------------------------------------

TEST(MoonPicture, WaxingAndWaningPicks) {
  // Waxing: the picture lit just below the day's figure.
  EXPECT_EQ(MoonPictureFor(50, 60), 15);  // 47
  EXPECT_EQ(MoonPictureFor(51, 60), 16);  // 51 itself
  EXPECT_EQ(MoonPictureFor(2, 5), 0);
  EXPECT_EQ(MoonPictureFor(3.5, 5), 0);   // 3 < 3.5 < 3.7
  EXPECT_EQ(MoonPictureFor(90, 95), 29);  // 89.5
  EXPECT_EQ(MoonPictureFor(99, 99.5), 30);
  // Waning (the next day no brighter): the picture lit just above it.
  EXPECT_EQ(MoonPictureFor(99, 97), 30);
  EXPECT_EQ(MoonPictureFor(88, 80), 31);  // 88.5
  EXPECT_EQ(MoonPictureFor(50, 45), 43);  // 52
  EXPECT_EQ(MoonPictureFor(50, 50), 43);
  EXPECT_EQ(MoonPictureFor(5, 2), 58);  // nothing below 7.5
  EXPECT_EQ(MoonPictureFor(2.9, 1), 0);
}

TEST(MoonPicture, ADayWithoutMoonriseOrMoonsetTakesTheOtherFigure) {
  EXPECT_EQ(DayIllumination(" 40.0", " 45.0"), 42.5);
  EXPECT_EQ(DayIllumination(" ----", " 45.0"), 45);
  EXPECT_EQ(DayIllumination(" 40.0", " ----"), 40);
  EXPECT_EQ(DayIllumination(" ----", " ----"), 0);
  EXPECT_EQ(DayIllumination("100.0", " 99.5"), 99.75);
}

TEST(MoonPicture, FollowsTheMoonThroughALunation) {
  Window w;
  // From the day after the new moon of 8 April 2024 to two days before that
  // of 8 May: the pictures wax to the full moon of 23/24 April and wane after it.
  std::vector<int> pictures;
  for (double jd = GregorianJD(2024, 4, 9); jd < GregorianJD(2024, 5, 7); jd += 1) {
    w.model.txtJDCount = std::to_string(jd);
    w.model.ShowMoonPicture();
    pictures.push_back(w.model.MoonPictureIndex);
  }
  EXPECT_EQ(pictures.front(), 0);
  EXPECT_GE(pictures[6], 13);  // first quarter, 15 April: about half lit
  EXPECT_LE(pictures[6], 18);
  EXPECT_EQ(pictures[14], 30);  // 23 April
  EXPECT_GE(pictures[23], 40);  // last quarter, 2 May
  EXPECT_LE(pictures[23], 47);
  EXPECT_GE(pictures.back(), 55);
  // Waxing pictures climb, then the waning ones follow in order.
  for (std::size_t i = 1; i < pictures.size(); ++i) EXPECT_GE(pictures[i], pictures[i - 1]) << "day " << i;
  EXPECT_EQ(w.main.pane(), kMainPane);
}

// --- The main window's engine -------------------------------------------------------------------

TEST(ConversionWindow, NothingReachesTheMainWindowAndEveryFlagIsRestored) {
  Window w;
  EphemerisState& st = w.main.st();
  // As in the middle of a Flood range, when the windows handle events
  // between its years.
  w.main.host.yearBox = "99999";
  st.RunName = "Flood";
  st.FixedPlaceMode = kTrue;
  st.ShowInMain = kFalse;
  st.EveningFlag = "";
  auto check = [&](const char* what) {
    EXPECT_EQ(w.main.pane(), kMainPane) << what;
    EXPECT_EQ(w.main.host.yearBox, "99999") << what;
    EXPECT_EQ(w.main.host.beeps, 0) << what;
    EXPECT_EQ(st.RunName, "Flood") << what;
    EXPECT_EQ(st.FixedPlaceMode, kTrue) << what;
    EXPECT_EQ(st.ShowInMain, kFalse) << what;
    EXPECT_EQ(st.EveningFlag, "") << what;
    EXPECT_EQ(st.ShowInConversion, kFalse) << what;
    EXPECT_EQ(st.ShowInConversion2, kFalse) << what;
    EXPECT_EQ(st.ConversionMode, kFalse) << what;
    EXPECT_EQ(st.ConversionTableFlag, kFalse) << what;
    EXPECT_EQ(st.LocalMode, kFalse) << what;
    EXPECT_EQ(st.TableMode, kFalse) << what;
  };
  w.Gregorian("2005", 4, "11");
  check("Gregorian compute");
  // The Biblical reckoning is Jerusalem's all the same.
  EXPECT_EQ(w.model.CandidateJD(2), GregorianJD(2005, 4, 10));
  w.model.cmdCriteria_Click();
  check("criteria");
  w.model.SelectOption(2);
  check("Date 2");
  w.Biblical("6003", 1, "1");
  check("Biblical compute");
  w.Hebrew("5784", 7, "1");
  check("Rabbinical compute");
  w.DayCount("2451545");
  check("day count");
  w.model.cmdJCCompute_Click();
  check("Julian compute");
  w.model.ShowMoonPicture();
  check("moon picture");

  // With the main window at rest, nothing more appears in its pane either.
  st.RunName = "HolyDays";
  st.FixedPlaceMode = kFalse;
  st.ShowInMain = kTrue;
  w.Gregorian("2024", 4, "9");
  w.model.cmdCriteria_Click();
  w.model.cmdCriteria_Click();
  EXPECT_EQ(w.main.pane(), kMainPane);
  EXPECT_EQ(st.ShowInMain, kTrue);
  EXPECT_EQ(st.RunName, "HolyDays");
}

TEST(ConversionWindow, F1ShowsTheConversionHelpAndTheHooksReachTheDesktop) {
  Window w;
  w.main.st().RunName = "Times";
  int key = kKeyF1;
  w.model.Form_KeyDown(key);
  EXPECT_EQ(key, 0);
  EXPECT_EQ(w.model.txtHelp, "help for Conversions");
  EXPECT_TRUE(w.model.HelpVisible);
  EXPECT_EQ(w.main.st().RunName, "Times");
  key = 'a';
  w.model.Form_KeyDown(key);
  EXPECT_EQ(key, 'a');

  w.model.chkOnTop = true;
  w.model.chkOnTop_Click();
  w.model.chkOnTop = false;
  w.model.chkOnTop_Click();
  w.model.txtControl_Click();
  EXPECT_EQ(w.events, (std::vector<std::string>{"help shown", "on top", "not on top", "quick exit"}));
  w.model.SetFocus(Control::chkOnTop);
  EXPECT_TRUE(w.model.lblTabIndVisible);
  w.model.SetFocus(Control::txtGYear);
  EXPECT_FALSE(w.model.lblTabIndVisible);
}

}  // namespace
}  // namespace orvane::conversions
