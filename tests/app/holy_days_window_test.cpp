#include "app/holy_days_window.h"

#include <gtest/gtest.h>

#include "app/printing.h"

namespace orvane::app {
namespace {

class CountingBeeper final : public Beeper {
 public:
  void Beep() override { ++beeps; }
  int beeps = 0;
};

struct Window {
  CountingBeeper beeper;
  HolyDaysWindow w{beeper};
  Window() { w.Form_Load(2024); }
};

bool StartsWith(const std::string& text, const std::string& prefix) { return text.rfind(prefix, 0) == 0; }

TEST(HolyDaysWindow, StartsInTheHolyDaysSectionWithTheCurrentYear) {
  Window f;
  EXPECT_EQ(f.w.txtYear, "2024");
  EXPECT_EQ(f.w.SavedYear, 2024);
  EXPECT_EQ(f.w.state().RunName, "HolyDays");
  EXPECT_EQ(f.w.state().LineEnd, "\r\n");
  EXPECT_FALSE(f.w.MonthsShown);
}

TEST(HolyDaysWindow, HolyDaysAndNewMoonsRememberWhichWasShown) {
  Window f;
  f.w.cmdMonths_Click();
  EXPECT_TRUE(f.w.MonthsShown);
  EXPECT_TRUE(StartsWith(f.w.OutputText(), " 2024 CE  CALCULATED NEW MOONS"));
  f.w.cmdHolyDays_Click();
  EXPECT_FALSE(f.w.MonthsShown);
  EXPECT_TRUE(StartsWith(f.w.OutputText(), "These Holy Day dates are for Israel"));
}

TEST(HolyDaysWindow, NewMoonsRememberTheYear) {
  Window f;
  f.w.txtYear = "1999";
  f.w.cmdMonths_Click();
  EXPECT_EQ(f.w.SavedYear, 1999);
}

TEST(HolyDaysWindow, TogglingEastOfIsraelRerunsTheLastReport) {
  Window f;
  f.w.cmdMonths_Click();
  f.w.chkEJW = true;
  f.w.chkEJW_Click();
  EXPECT_NE(f.w.OutputText().find("The Month Start dates are corrected (delayed one day)"),
            std::string::npos);
  EXPECT_EQ(f.w.state().EveningFlag, "");  // the delay lasts for the run only

  f.w.cmdHolyDays_Click();
  EXPECT_TRUE(StartsWith(f.w.OutputText(), "These Holy Day dates are corrected (delayed one day) for the"));
  f.w.chkEJW = false;
  f.w.chkEJW_Click();
  EXPECT_TRUE(StartsWith(f.w.OutputText(), "These Holy Day dates are for Israel"));
  EXPECT_EQ(f.w.state().EveningFlag, "");
}

TEST(HolyDaysWindow, TogglingRunsNothingDuringALocalOrFixedPlaceRun) {
  Window f;
  f.w.OutputPane().SetText("kept");
  f.w.state().FixedPlaceMode = kTrue;
  f.w.chkEJW = true;
  f.w.chkEJW_Click();
  EXPECT_EQ(f.w.OutputText(), "kept");
  f.w.state().FixedPlaceMode = kFalse;
  f.w.state().LocalMode = kTrue;
  f.w.chkEJW_Click();
  EXPECT_EQ(f.w.OutputText(), "kept");
}

TEST(HolyDaysWindow, AClampedYearIsCorrectedInTheBoxWithABeep) {
  Window f;
  f.w.txtYear = "-9999";
  f.w.cmdHolyDays_Click();
  EXPECT_EQ(f.w.txtYear, "-4004");
  EXPECT_EQ(f.beeper.beeps, 1);
  EXPECT_NE(f.w.OutputText().find("This may be Year 1 After Creation. "), std::string::npos);
}

TEST(HolyDaysWindow, EachWindowHasItsOwnEngine) {
  Window a, b;
  a.w.txtYear = "2000";
  b.w.txtYear = "2001";
  a.w.cmdHolyDays_Click();
  const std::string first = a.w.OutputText();
  b.w.cmdHolyDays_Click();
  EXPECT_EQ(a.w.OutputText(), first);
  EXPECT_NE(b.w.OutputText(), first);
}

// The name a saved report is offered under: the section and the year as
// typed, a range with both years, BCE years spelled out (no "--" in a name).
TEST(ReportFileStem, SectionAndYears) {
  struct Case {
    const char* section;
    const char* year;
    const char* lastYear;
    const char* stem;
  };
  const Case cases[] = {
      {"HolyDays", "2024", "", "holydays-2024"},
      {"LocalMoons", "-1461", "", "localmoons-1461bce"},
      {"Flood", "-2400", "-2300", "flood-2400bce-2300bce"},
      {"Golgotha", "28", "35", "golgotha-28-35"},
      {"Sunset", "", "", "sunset"},
      {"Times", "20x4", "", "times"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ReportFileStem(c.section, c.year, c.lastYear), c.stem) << c.section << " " << c.year;
  }
}

}  // namespace
}  // namespace orvane::app
