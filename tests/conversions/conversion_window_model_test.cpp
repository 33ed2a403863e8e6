// The conversion window's logic: the columns after each compute button, the
// clamps of the boxes, the possible dates, the criteria text, the moon
// picture, and the main window's engine left as it was found.
#include "conversions/conversion_window_model.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <tuple>
#include <vector>

#include "support/civil_days.h"
#include "support/fake_host.h"
#include "support/window_fakes.h"

namespace orvane::conversions {
namespace {

constexpr std::string_view kMainPane = "the report on show";

// JD at midnight starting a proleptic Gregorian date (CE).
double GregorianJD(int year, int month, int day) {
  return testing::NoonJD(testing::CivilDays(day, month, year)) - 0.5;
}

using M = ConversionWindowModel;
constexpr Column G = Column::Gregorian, J = Column::Julian, B = Column::Biblical, H = Column::Hebrew;

// The day, month and year boxes and the compute button of a column.
struct Boxes {
  std::string M::*day;
  std::string M::*month;
  std::string M::*year;
  void (M::*compute)();
};
Boxes BoxesOf(Column column) {
  switch (column) {
    case G:
      return {&M::txtGDay, &M::txtGMonth, &M::txtGYear, &M::cmdGCompute_Click};
    case J:
      return {&M::txtJCDay, &M::txtJCMonth, &M::txtJCYear, &M::cmdJCCompute_Click};
    case B:
      return {&M::txtBDay, &M::txtBMonth, &M::txtBYear, &M::cmdBCompute_Click};
    case H:
      break;
  }
  return {&M::txtHDay, &M::txtHMonth, &M::txtHYear, &M::cmdHCompute_Click};
}

// A conversion window over a main window that shows a report, opened on
// 9 April 2024.
struct Window {
  Window() {
    main.engine.out.main.SetText(std::string(kMainPane));
    model.Form_Load();
  }
  // Fills a column and presses its compute button.
  void Compute(Column column, const std::string& year, int month, const std::string& day) {
    const Boxes b = BoxesOf(column);
    model.SetListIndex(column, month - 1);
    model.*b.year = year;
    model.*b.day = day;
    (model.*b.compute)();
  }
  std::string Date(Column column) const {
    const Boxes b = BoxesOf(column);
    return model.*b.day + " " + model.*b.month + " " + model.*b.year;
  }
  void DayCount(const std::string& jd) {
    model.txtJDCount = jd;
    model.cmdJCompute_Click();
  }
  std::vector<bool> VisibleOptions() const {
    std::vector<bool> v;
    for (const OptionButton& o : model.optDate) v.push_back(o.Visible);
    return v;
  }
  const std::string& Criteria() { return model.txtCriteria().Text(); }

  testing::EngineFixture main{"2024"};
  test::CountingBeeper beeper;
  std::vector<std::string> events;
  ConversionWindowHooks Hooks() {
    ConversionWindowHooks hooks;
    hooks.ShowCriteriaWindow = [this](bool shown) {
      events.push_back(shown ? "criteria shown" : "criteria hidden");
    };
    return hooks;
  }
  ConversionWindowModel model{main.engine, beeper,
                              [](std::string_view key) { return "help for " + std::string(key); },
                              [] {
                                return ClockDate{2024, 4, 9};
                              },
                              Hooks()};
};

TEST(ConversionWindow, OpeningOnTodayThenTheDayCountAndRabbinicalColumns) {
  Window w;
  EXPECT_EQ(w.Date(G) + ", " + w.model.lblGDayOfWeek + ", " + w.Date(J),
            "9 April 2024, Tuesday, 27 March 2024");
  EXPECT_EQ(w.model.txtJDCount, "2460409.5");
  EXPECT_EQ(w.Date(H) + ", " + w.model.lblHYearType, "1 Nisan 5784, Embolismic Deficient (383 days)");
  // Abib 1 of 2024 is 10 April: this is the last day of month 13.
  EXPECT_EQ(w.Date(B) + ", " + w.model.lblBDayOfWeek, "29 Thirteenth 6027, Third");
  EXPECT_EQ(w.VisibleOptions(), (std::vector<bool>{false, false, false, false}));
  EXPECT_EQ(w.model.MoonPictureIndex, 0);  // the day after the new moon of 8 April
  EXPECT_EQ(w.beeper.beeps, 0);
  struct Case {
    const char *typed, *box, *gregorian, *weekday, *biblicalWeekday, *hebrew, *caption;
  };
  const Case cases[] = {
      // A whole JD is noon: the day starts half a day before; any other
      // hour is shown as the day it falls in, in every column.
      {"2451545", "2451544.5", "1 January 2000", "Saturday", "Sabbath", "23 Tevet 5760", "Gregorian"},
      {"2451545.25", "2451544.5", "1 January 2000", "Saturday", "Sabbath", "23 Tevet 5760", "Gregorian"},
      {"2451545.9", "2451545.5", "2 January 2000", "Sunday", "First", "24 Tevet 5760", "Gregorian"},
      // Joshua's long day: the civil weekday repeats, the Rabbinical column
      // keeps the true one.
      {"1170111.5", "1170111.5", "22 July -1510", "Monday", "", "", "Modified Gregorian"},
      {"1170112.5", "1170112.5", "23 July -1510", "Monday", "", "", "Gregorian"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed);
    w.DayCount(c.typed);
    EXPECT_EQ(w.model.txtJDCount, c.box);
    EXPECT_EQ(w.Date(G) + " " + w.model.lblGDayOfWeek + " " + w.model.fraGregorian,
              std::string(c.gregorian) + " " + c.weekday + " " + c.caption);
    if (*c.biblicalWeekday != '\0') {
      EXPECT_EQ(w.model.lblBDayOfWeek + " " + w.Date(H), std::string(c.biblicalWeekday) + " " + c.hebrew);
    }
  }
  EXPECT_EQ(w.model.lblHDay, "Second");
  EXPECT_EQ(w.model.CandidateJD(1), 1170111.5);  // the long day is one Biblical day
  // 5766: a Monday molad after 15 h 589 p following the leap year 5765, postponed to Tuesday.
  w.Compute(H, "5766", 7, "1");
  EXPECT_EQ(w.Date(G) + ", " + w.model.lblHDay + ", " + w.model.lblHYearType,
            "4 October 2005, Third, Common Regular (354 days)");
  EXPECT_EQ(w.model.lblMolad1 + "/ " + w.model.lblRules, "2D 16H 876P / Rule 3 ");
  w.Compute(H, "5785", 7, "1");
  EXPECT_EQ(w.model.lblMolad1 + "/ " + w.model.lblRules, "5D 9H 391P / No Postponements");
  EXPECT_EQ(w.model.lblRulesFontSize, 10);
}

TEST(ConversionWindow, OutOfRangeEntriesAreBroughtToTheirLimitsWithABeep) {
  struct Case {
    Column column;
    const char* year;
    int month;
    const char *day, *correctedYear;
    double jd;  // 0: not checked
    int beeps;
  };
  const Case cases[] = {
      {G, "29001", 4, "9", "29000", 0, 1},
      {G, "-4501", 12, "1", "-4500", 0, 1},
      {G, "0", 6, "1", "-1", 0, 0},  // there is no year 0
      {G, "2024", 1, "1001", nullptr, GregorianJD(2024, 1, 1) + 999, 1},
      {G, "2024", 1, "-1001", nullptr, GregorianJD(2024, 1, 1) - 1001, 1},
      {H, "32761", 1, "1", "32760", 0, 1},
      {H, "5784", 1, "-1001", nullptr, GregorianJD(2024, 4, 9) - 1001, 1},
      {B, "33005", 1, "1", "33004", 0, 1},
      // 4501 BCE is below the Gregorian column's limit, which beeps as well.
      {B, "-497", 7, "1", "-496", 0, 2},
      // The Julian column has no limits, but its day is kept within the
      // day count's, so that no search runs on a negative day number.
      {J, "-5000", 1, "1", nullptr, 78166.5, 1},
      {J, "1582", 10, "5", nullptr, GregorianJD(1582, 10, 15), 0},
  };
  Window w;
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.year) + " " + c.day);
    const int before = w.beeper.beeps;
    w.Compute(c.column, c.year, c.month, c.day);
    if (c.correctedYear != nullptr) {
      EXPECT_EQ(w.model.*BoxesOf(c.column).year, c.correctedYear);
    }
    if (c.jd != 0) {
      EXPECT_EQ(std::stod(w.model.txtJDCount), c.jd);
    }
    EXPECT_EQ(w.beeper.beeps - before, c.beeps);
  }
  for (const auto& [typed, box, date] : {std::tuple{"50000", "78166.5", "30 November -4500"},
                                         std::tuple{"20000000", "12313456.5", "31 December 29000"}}) {
    w.DayCount(typed);
    EXPECT_EQ(w.model.txtJDCount, box);
    EXPECT_EQ(w.Date(G), date);
  }
  EXPECT_GE(std::stod(w.model.txtBYear), -496);
}

TEST(ConversionWindow, OneTwoThreeOrFourPossibleDatesWithTheMainWindowLeftAsItWas) {
  Window w;
  // The main window as in the middle of a Flood range, when the windows handle events.
  EphemerisState& st = w.main.st();
  w.main.host.yearBox = "99999";
  st.RunName = "Flood";
  st.FixedPlaceMode = kTrue;
  st.ShowInMain = kFalse;
  // 2024: a sure sighting, one date.
  w.Compute(B, "6028", 1, "1");
  EXPECT_EQ(w.model.CandidateJD(1), GregorianJD(2024, 4, 10));
  EXPECT_EQ(w.VisibleOptions(), (std::vector<bool>{false, false, false, false}));
  // 2005: Abib 1 possibly one day earlier, as its holy-day report says, at
  // Jerusalem whatever place the run fixed.
  w.Compute(G, "2005", 4, "11");
  EXPECT_EQ(w.model.CandidateJD(2), GregorianJD(2005, 4, 10));
  EXPECT_EQ(w.VisibleOptions(), (std::vector<bool>{true, true, false, false}));
  EXPECT_EQ(w.Criteria(), "");  // written only while shown
  w.model.cmdCriteria_Click();
  w.model.SelectOption(2);  // the day before; the month's first day stays
  EXPECT_TRUE(w.Criteria().starts_with(" Date     Sunset Moonset   Illum.")) << w.Criteria();
  EXPECT_TRUE(w.Criteria().ends_with(
      "First day of Month is (possibly one day earlier)  Monday, 11 Apr 2005 CE \r\n\r\n"
      "The 1st day of the Abib Month of Biblical year 6009\r\nwould fall on the 10th of April 2005 CE."))
      << w.Criteria();
  // 1999: the harvest may be late (18 April) or early (19 March, possibly
  // one day later), as its report lists them; the early Abib is month 0.
  w.Compute(B, "6003", 1, "1");
  EXPECT_EQ(w.model.CandidateJD(1), GregorianJD(1999, 4, 18));
  EXPECT_EQ(w.model.CandidateJD(2), GregorianJD(1999, 3, 19));
  EXPECT_EQ(w.model.CandidateMonth(2), 0);
  EXPECT_EQ(w.model.CandidateJD(3), GregorianJD(1999, 3, 20));
  EXPECT_EQ(w.VisibleOptions(), (std::vector<bool>{true, true, true, false}));
  EXPECT_TRUE(
      w.Criteria().starts_with("This year the barley harvest may be early or late.\r\n"
                               "This is the Abib month if the barley harvest is late.\r\n\r\n"));
  // Choosing a date shows it in the other columns only.
  w.model.SelectOption(2);
  EXPECT_EQ(w.Date(G) + ", " + w.Date(H) + ", " + w.Date(B), "19 March 1999, 2 Nisan 5759, 1 Abib 6003");
  w.model.ShowMoonPicture();
  // A compute after choosing Date 2 shows the new day everywhere, as Date 1.
  w.DayCount("2451544.5");
  EXPECT_EQ(w.Date(G) + ", " + w.Date(H), "1 January 2000, 23 Tevet 5760");
  EXPECT_EQ(w.model.CandidateJD(1), 2451544.5);
  // 1969 (Creation year 5973): a late-harvest year whose fourth month is
  // doubtful in both readings; a Gregorian compute prepares all four.
  w.Compute(B, "5973", 4, "1");
  const double fourth = w.model.CandidateJD(1);
  const std::string year = w.model.txtGYear, day = w.model.txtGDay;
  const int month = w.model.lstGMonth.ListIndex + 1;
  w.DayCount("2451544.5");
  w.Compute(G, year, month, day);
  EXPECT_EQ(w.Date(B), "1 Fourth 5973");
  EXPECT_EQ(w.model.CandidateJD(1), fourth);
  EXPECT_EQ(std::abs(w.model.CandidateJD(2) - fourth), 1);
  const double early = w.model.CandidateJD(3);
  EXPECT_TRUE(fourth - early == 29 || fourth - early == 30) << fourth - early;
  EXPECT_EQ(std::abs(w.model.CandidateJD(4) - early), 1);
  EXPECT_EQ(w.VisibleOptions(), (std::vector<bool>{true, true, true, true}));
  // The era is that of the date's own year (the month began in 1 BCE).
  w.Compute(G, "1", 1, "1");
  EXPECT_TRUE(w.Criteria().ends_with("would fall on the 1st of January 1 CE.")) << w.Criteria();
  w.Compute(B, "-5", 1, "22");
  EXPECT_NE(w.Criteria().find("The 22nd day of the Abib Month of Biblical year 5 Before Creation\r\n"),
            std::string::npos);
  EXPECT_EQ(w.events, std::vector<std::string>{"criteria shown"});  // announced once, not on every rewrite
  // Days beyond the month keep the number typed; the teens rule takes the last two digits.
  for (const std::string ordinal : {"111th", "112th", "121st", "213th"}) {
    w.model.cmdCriteria_Click();  // hidden, then shown and written
    w.model.txtBDay = ordinal.substr(0, 3);
    w.model.cmdCriteria_Click();
    EXPECT_NE(w.Criteria().find("The " + ordinal + " day of the Abib Month"), std::string::npos) << ordinal;
  }
  // Nothing of it reached the main window.
  EXPECT_EQ(w.main.pane(), kMainPane);
  EXPECT_EQ(w.main.host.yearBox, "99999");
  EXPECT_EQ(w.main.host.beeps, 0);
  EXPECT_EQ(std::tie(st.RunName, st.FixedPlaceMode, st.ShowInMain, st.EveningFlag),
            std::make_tuple(std::string("Flood"), kTrue, kFalse, std::string()));
  for (const auto flag : {st.ShowInConversion, st.ShowInConversion2, st.ConversionMode,
                          st.ConversionTableFlag, st.LocalMode, st.TableMode})
    EXPECT_EQ(flag, kFalse);
  // With the main window at rest, nothing appears in its pane either.
  st.RunName = "HolyDays";
  st.FixedPlaceMode = kFalse;
  st.ShowInMain = kTrue;
  w.Compute(B, "6028", 1, "1");
  EXPECT_EQ(w.main.pane(), kMainPane);
  EXPECT_EQ(st.ShowInMain, kTrue);
}

TEST(MoonPicture, ThePictureLitNearestTheDaysFigureWaxingOrWaning) {
  struct Case {
    double today, tomorrow;
    int picture;
  };
  // Waxing: the picture lit just below the day's figure; waning (the next
  // day no brighter): the one lit just above it.
  const Case cases[] = {{50, 60, 15}, {51, 60, 16}, {2, 5, 0},    {3.5, 5, 0},  {90, 95, 29}, {99, 99.5, 30},
                        {99, 97, 30}, {88, 80, 31}, {50, 45, 43}, {50, 50, 43}, {5, 2, 58},   {2.9, 1, 0}};
  for (const Case& c : cases)
    EXPECT_EQ(MoonPictureFor(c.today, c.tomorrow), c.picture) << c.today << " " << c.tomorrow;
  // A day without moonrise or moonset takes the other figure.
  EXPECT_EQ(DayIllumination(" 40.0", " 45.0"), 42.5);
  EXPECT_EQ(DayIllumination(" ----", " 45.0"), 45);
  EXPECT_EQ(DayIllumination(" ----", " ----"), 0);
}

}  // namespace
}  // namespace orvane::conversions
