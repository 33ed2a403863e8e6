#include "app/sections.h"

#include <gtest/gtest.h>

#include "app/holy_days_window.h"

namespace orvane::app {
namespace {

struct Window {
  SilentBeeper beeper;
  HolyDaysWindow w{beeper};
  Window() {
    w.BuildHelpText = [](std::string_view key) { return "help for " + std::string(key); };
    w.Form_Load(2024);
  }
};

TEST(Sections, EveryMenuItemHasItsSection) {
  const char* keys[] = {"HolyDays", "LocalMoons", "Sunset", "Times",
                        "Golgotha", "Jordan",     "Flood",  "Creation"};
  for (const char* key : keys) {
    const Section* s = FindSection(key);
    ASSERT_NE(s, nullptr) << key;
    EXPECT_EQ(s->menuItem, "mnu" + std::string(key)) << key;
    EXPECT_GE(s->buttonCount, 1);
  }
  EXPECT_EQ(FindSection("Conversions"), nullptr);
}

TEST(Sections, CaptionsAndPanePlaces) {
  EXPECT_EQ(SectionCaption(*FindSection("HolyDays")), "Orvane - HOLY DAYS / NEW MOONS - orvane.example");
  EXPECT_EQ(SectionCaption(*FindSection("Jordan")), "Orvane - JORDAN CROSSING - orvane.example");
  // The sunset and times tables leave room for the Gregorian-year box above the pane.
  for (const Section& s : kSections) {
    const bool lower = s.key == "Sunset" || s.key == "Times";
    EXPECT_EQ(s.paneTop, lower ? 1080 : 720) << s.key;
    EXPECT_EQ(s.paneTop + s.paneHeight, 8775) << s.key;  // the pane always ends at the same place
    EXPECT_EQ(s.chkGregYearTab != 0, lower) << s.key;
  }
}

TEST(Sections, ButtonsOfEachSection) {
  EXPECT_TRUE(ShowsButton(*FindSection("HolyDays"), Button::cmdHolyDays));
  EXPECT_TRUE(ShowsButton(*FindSection("HolyDays"), Button::cmdMonths));
  EXPECT_FALSE(ShowsButton(*FindSection("HolyDays"), Button::cmdLocMon));
  EXPECT_TRUE(ShowsButton(*FindSection("LocalMoons"), Button::cmdLocMon));
  EXPECT_FALSE(ShowsButton(*FindSection("LocalMoons"), Button::cmdMonths));
  EXPECT_TRUE(ShowsButton(*FindSection("Flood"), Button::cmdFlood));
  EXPECT_FALSE(ShowsButton(*FindSection("Flood"), Button::cmdCreation));
}

TEST(Sections, StartUpShowsTheHolyDaysHelpAndTheCurrentYear) {
  Window f;
  EXPECT_EQ(f.w.OutputText(), "help for HolyDays");
  EXPECT_EQ(f.w.Caption, "Orvane - HOLY DAYS / NEW MOONS - orvane.example");
  EXPECT_EQ(f.w.txtYear, "2024");
  EXPECT_EQ(f.w.txtYearSelLength, 8);
}

TEST(Sections, RangeSectionsWriteTheirDefaultYears) {
  Window f;
  f.w.mnuCreation_Click();
  EXPECT_EQ(f.w.txtYear, "-4040");
  EXPECT_EQ(f.w.txtYear2, "-3965");
  EXPECT_EQ(f.w.txtYearSelLength, 6);
  EXPECT_EQ(f.w.state().RunName, "Creation");
  EXPECT_EQ(f.w.SectionName, "Creation");
  EXPECT_EQ(f.w.OutputText(), "help for Creation");
  f.w.mnuGolgotha_Click();
  EXPECT_EQ(f.w.txtYear, "28");
  EXPECT_EQ(f.w.txtYear2, "35");
  f.w.mnuJordan_Click();
  EXPECT_EQ(f.w.txtYear, "-1525");
  f.w.mnuFlood_Click();
  EXPECT_EQ(f.w.txtYear2, "-2300");
}

TEST(Sections, TheSavedYearComesBackInTheSingleYearSections) {
  Window f;
  f.w.txtYear = "1999";
  f.w.mnuGolgotha_Click();
  EXPECT_EQ(f.w.txtYear, "28");
  // Back to Holy Days without leaving the year field: the year before Golgotha.
  f.w.mnuHolyDays_Click();
  EXPECT_EQ(f.w.txtYear, "1999");

  // Leaving the year field while it shows 28 makes 28 the saved year.
  f.w.mnuGolgotha_Click();
  f.w.txtYear_LostFocus();
  f.w.mnuHolyDays_Click();
  EXPECT_EQ(f.w.txtYear, "28");
}

TEST(Sections, ASavedYearTooLargeForSixteenBitsIsHeldAtItsLimit) {
  Window f;
  f.w.txtYear = "99999";
  f.w.txtYear_LostFocus();
  f.w.mnuSunset_Click();
  EXPECT_EQ(f.w.txtYear, "32767");
}

TEST(Sections, EnteringTheSunsetSectionUnticksTheGregorianYearQuietly) {
  Window f;
  f.w.chkGregYear = true;
  f.w.mnuSunset_Click();
  EXPECT_FALSE(f.w.chkGregYear);
  EXPECT_FALSE(f.w.GregYearQuiet);
  EXPECT_EQ(f.w.OutputText(), "help for Sunset");  // no table was computed
}

TEST(Sections, DocumentationShowsTheHelpOfTheCurrentRun) {
  Window f;
  f.w.mnuTimes_Click();
  f.w.OutputPane().SetText("a report");
  f.w.mnuDocumentation_Click();
  EXPECT_EQ(f.w.OutputText(), "help for Times");
  f.w.state().RunName = "";  // emptied by the conversion window: no help to show
  f.w.BuildHelpText = [](std::string_view key) {
    return key.empty() ? std::string() : "help for " + std::string(key);
  };
  f.w.mnuDocumentation_Click();
  EXPECT_EQ(f.w.OutputText(), "");
}

}  // namespace
}  // namespace orvane::app
