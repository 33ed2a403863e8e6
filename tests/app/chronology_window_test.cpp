// The main window's chronology buttons and Enter in the year boxes of the
// range sections.
#include <gtest/gtest.h>

#include "app/holy_days_window.h"

namespace orvane::app {
namespace {

struct Window {
  SilentBeeper beeper;
  HolyDaysWindow w{beeper};
  Window() { w.Form_Load(2024); }
};

// The pane after pressing a section's button with the given boxes.
std::string PaneAfterButton(void (HolyDaysWindow::*button)(), const std::string& first,
                            const std::string& last) {
  Window f;
  f.w.txtYear = first;
  f.w.txtYear2 = last;
  (f.w.*button)();
  return f.w.OutputText();
}

TEST(ChronologyWindow, EachButtonMakesItsRunTheSection) {
  struct Case {
    void (HolyDaysWindow::*button)();
    const char* name;
    const char* firstLine;
  };
  const Case cases[] = {
      {&HolyDaysWindow::cmdGolgotha_Click, "Golgotha",
       "The following years may have the Passover sacrifice on Wednesday."},
      {&HolyDaysWindow::cmdJordan_Click, "Jordan",
       "The following years may have the Passover sacrifice on the Sabbath."},
      {&HolyDaysWindow::cmdCreation_Click, "Creation", "The following years may have Abib 1 on Sunday."},
      {&HolyDaysWindow::cmdFlood_Click, "Flood",
       " First year of run is 30 CE             Last year of run is 32 CE   "},
  };
  for (const Case& c : cases) {
    Window f;
    f.w.chkEJW = true;
    f.w.txtYear = "32";
    f.w.txtYear2 = "30";
    (f.w.*c.button)();
    EXPECT_EQ(f.w.state().RunName, c.name);
    EXPECT_EQ(f.w.SectionName, c.name);
    EXPECT_TRUE(f.w.OutputText().starts_with(std::string(c.firstLine) + "\r\n")) << f.w.OutputText();
    EXPECT_EQ(f.w.txtYear, "30");  // the range is swapped in the boxes
    EXPECT_EQ(f.w.txtYear2, "32");
    EXPECT_FALSE(f.w.chkEJW);  // the runs give the dates of their own place
    EXPECT_EQ(f.w.state().FixedPlaceMode, kFalse);
    EXPECT_EQ(f.w.state().ShowInMain, kTrue);
  }
}

TEST(ChronologyWindow, EnterInEitherYearBoxRepeatsTheSectionsRun) {
  const std::string expected = PaneAfterButton(&HolyDaysWindow::cmdJordan_Click, "-1410", "-1400");
  Window f;
  f.w.mnuJordan_Click();
  f.w.txtYear = "-1410";
  f.w.txtYear2 = "-1400";
  f.w.txtYear2_Enter();
  EXPECT_EQ(f.w.OutputText(), expected);
  f.w.OutputPane().Clear();
  f.w.txtYear_Enter();
  EXPECT_EQ(f.w.OutputText(), expected);
}

TEST(ChronologyWindow, EnterAfterTheRunNameWasEmptiedRunsTheSectionShown) {
  Window f;
  f.w.mnuCreation_Click();
  f.w.txtYear = "-3965";
  f.w.txtYear2 = "";
  f.w.state().RunName = "";
  f.w.txtYear2_Enter();
  EXPECT_EQ(f.w.state().RunName, "Creation");
  EXPECT_EQ(f.w.OutputText(), PaneAfterButton(&HolyDaysWindow::cmdCreation_Click, "-3965", ""));
}

TEST(ChronologyWindow, EnterInTheSecondBoxOfASingleYearSectionRunsNothing) {
  Window f;
  f.w.OutputPane().SetText("kept");
  EXPECT_FALSE(f.w.RunRangeSectionOnEnter());
  f.w.txtYear2_Enter();
  EXPECT_EQ(f.w.OutputText(), "kept");
}

TEST(ChronologyWindow, TheFloodButtonIsDisabledWhileARangeComputes) {
  Window f;
  f.w.mnuFlood_Click();  // -2400 to -2300
  int events = 0;
  bool busy = true;
  f.w.PendingEventsHook = [&] {
    ++events;
    busy = busy && f.w.txtWorkingVisible && !f.w.cmdFloodEnabled;
  };
  f.w.txtYear_Enter();
  EXPECT_EQ(events, 1);  // as the range starts; the next chance would be after 501 years
  EXPECT_TRUE(busy);
  EXPECT_FALSE(f.w.txtWorkingVisible);
  EXPECT_TRUE(f.w.cmdFloodEnabled);
  EXPECT_TRUE(f.w.OutputText().starts_with(
      " First year of run is 2400 BCE          Last year of run is 2300 BCE\r\n"));

  // A single year shows no WORKING box.
  f.w.txtYear2 = "";
  f.w.txtYear = "-2348";
  f.w.txtYear_Enter();
  EXPECT_EQ(events, 1);
  EXPECT_TRUE(f.w.cmdFloodEnabled);
  EXPECT_NE(f.w.OutputText().find("******* There are 150 days between these dates.  ******* "),
            std::string::npos);
}

}  // namespace
}  // namespace orvane::app
