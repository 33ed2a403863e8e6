// The main window's core: its sections, the runs its buttons and Enter
// start, the east-of-Israel box, the saved year, and the help texts: one per
// key, laid out for the pane, quoting the runs' results as the runs give them.
#include <gtest/gtest.h>

#include <algorithm>
#include <regex>
#include <set>

#include "app/help_texts.h"
#include "app/printing.h"
#include "support/main_window_core.h"
#include "support/report_dates.h"

namespace orvane::app {
namespace {

using testing::MainWindowCore;
using Menu = void (HolyDaysWindow::*)();

TEST(Sections, EachMenuItemShowsItsCaptionYearsAndHelpAndTheEastOfIsraelBoxRerunsTheReport) {
  struct Case {
    Menu menu;
    const char* key;
    const char* caption;
    const char* first;  // the range sections' years; "" keeps the saved year
    const char* last;
  };
  const Case cases[] = {
      {&HolyDaysWindow::mnuLocalMoons_Click, "LocalMoons", "LOCAL NEW MOONS", "", ""},
      {&HolyDaysWindow::mnuSunset_Click, "Sunset", "LOCAL SUNSETS", "", ""},
      {&HolyDaysWindow::mnuTimes_Click, "Times", "LOCAL TIMES", "", ""},
      {&HolyDaysWindow::mnuHolyDays_Click, "HolyDays", "HOLY DAYS / NEW MOONS", "", ""},
      {&HolyDaysWindow::mnuGolgotha_Click, "Golgotha", "GOLGOTHA", "28", "35"},
      {&HolyDaysWindow::mnuJordan_Click, "Jordan", "JORDAN CROSSING", "-1525", "-1495"},
      {&HolyDaysWindow::mnuFlood_Click, "Flood", "FLOOD", "-2400", "-2300"},
      {&HolyDaysWindow::mnuCreation_Click, "Creation", "CREATION", "-4040", "-3965"},
  };
  MainWindowCore f;
  EXPECT_EQ(f.w.OutputText(), BuildHelpText("HolyDays"));  // at start-up
  EXPECT_EQ(f.w.txtYear, "2024");
  EXPECT_EQ(f.w.txtYearSelLength, 8);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.key);
    (f.w.*c.menu)();
    EXPECT_EQ(f.w.Caption, std::string("Orvane - ") + c.caption + " - orvane.example");
    EXPECT_EQ(f.w.SectionName, c.key);
    EXPECT_EQ(f.w.state().RunName, c.key);
    EXPECT_EQ(f.w.OutputText(), BuildHelpText(c.key));
    EXPECT_EQ(f.w.txtYear, *c.first ? c.first : "2024");
    if (*c.first) {
      EXPECT_EQ(f.w.txtYear2, c.last);
    }
    f.w.OutputPane().SetText("a report");
    f.w.mnuDocumentation_Click();  // F1
    EXPECT_EQ(f.w.OutputText(), BuildHelpText(c.key));
  }
  // Emptied by the conversion window, the run name has no help: the pane empties.
  f.w.state().RunName = "";
  f.w.mnuDocumentation_Click();
  EXPECT_EQ(f.w.OutputText(), "");
  // The saved year comes back in the single-year sections.
  f.w.txtYear = "1999";
  f.w.mnuGolgotha_Click();
  f.w.mnuHolyDays_Click();  // the year field was not left: the year before Golgotha
  EXPECT_EQ(f.w.txtYear, "1999");
  f.w.mnuGolgotha_Click();
  f.w.txtYear_LostFocus();  // leaving it while it shows 28 makes 28 the saved year
  f.w.mnuHolyDays_Click();
  EXPECT_EQ(f.w.txtYear, "28");
  f.w.txtYear = "99999";  // held at the 16-bit limit
  f.w.txtYear_LostFocus();
  f.w.chkGregYear = true;
  f.w.mnuSunset_Click();
  EXPECT_EQ(f.w.txtYear, "32767");
  EXPECT_FALSE(f.w.chkGregYear);  // unticked quietly: no table was computed
  EXPECT_EQ(f.w.OutputText(), BuildHelpText("Sunset"));
  // The reports and the east-of-Israel box.
  f.w.txtYear = "1999";
  f.w.cmdMonths_Click();
  EXPECT_EQ(f.w.SavedYear, 1999);
  EXPECT_TRUE(f.w.OutputText().starts_with(" 1999 CE  CALCULATED NEW MOONS"));
  // Toggling the box runs the last report again, delayed for this run only.
  f.w.chkEJW = true;
  f.w.chkEJW_Click();
  EXPECT_NE(f.w.OutputText().find("The Month Start dates are corrected (delayed one day)"),
            std::string::npos);
  EXPECT_EQ(f.w.state().EveningFlag, "");
  f.w.cmdHolyDays_Click();
  EXPECT_FALSE(f.w.MonthsShown);
  EXPECT_TRUE(f.w.OutputText().starts_with("These Holy Day dates are corrected (delayed one day) for the"));
  f.w.chkEJW = false;
  f.w.chkEJW_Click();
  EXPECT_TRUE(f.w.OutputText().starts_with("These Holy Day dates are for Israel"));
  // During a local or fixed-place run the box reruns nothing.
  for (auto mode : {&EphemerisState::FixedPlaceMode, &EphemerisState::LocalMode}) {
    f.w.OutputPane().SetText("kept");
    f.w.state().*mode = kTrue;
    f.w.chkEJW_Click();
    EXPECT_EQ(f.w.OutputText(), "kept");
    f.w.state().*mode = kFalse;
  }
  // A year past the limit is corrected in the box, with a beep.
  f.w.txtYear = "-9999";
  f.w.cmdHolyDays_Click();
  EXPECT_EQ(f.w.txtYear, "-4004");
  EXPECT_EQ(f.beeper.beeps, 1);
  EXPECT_NE(f.w.OutputText().find("This may be Year 1 After Creation. "), std::string::npos);
  // A second window has its own engine.
  MainWindowCore other;
  other.w.txtYear = "2001";
  other.w.cmdHolyDays_Click();
  EXPECT_NE(f.w.OutputText(), other.w.OutputText());
  EXPECT_NE(f.w.OutputText().find("4004 BCE"), std::string::npos);
}

TEST(ChronologyWindow, EachButtonRunsItsRangeFromEitherBoxAndEnter) {
  struct Case {
    Menu button;
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
    SCOPED_TRACE(c.name);
    MainWindowCore f;
    f.w.chkEJW = true;
    f.w.txtYear = "32";
    f.w.txtYear2 = "30";
    (f.w.*c.button)();
    EXPECT_EQ(f.w.state().RunName, c.name);
    EXPECT_EQ(f.w.SectionName, c.name);
    const std::string report = f.w.OutputText();
    EXPECT_TRUE(report.starts_with(std::string(c.firstLine) + "\r\n")) << report;
    EXPECT_EQ(f.w.txtYear + " " + f.w.txtYear2, "30 32");  // the range is swapped in the boxes
    EXPECT_FALSE(f.w.chkEJW);                              // the runs give the dates of their own place
    // Enter in either box runs the section again, even after the conversion
    // window emptied the run name.
    f.w.state().RunName = "";
    f.w.OutputPane().Clear();
    f.w.txtYear2_Enter();
    EXPECT_EQ(f.w.OutputText(), report);
    f.w.OutputPane().Clear();
    f.w.txtYear_Enter();
    EXPECT_EQ(f.w.OutputText(), report);
  }
  MainWindowCore single;
  single.w.OutputPane().SetText("kept");
  single.w.txtYear2_Enter();  // a single-year section has no second box to run from
  EXPECT_EQ(single.w.OutputText(), "kept");
}

// The name a saved report is offered under: the section and the year as
// typed, a range with both years, BCE years spelled out (no "--" in a name).
TEST(ReportFileStem, SectionAndYears) {
  struct Case {
    const char *section, *year, *lastYear, *stem;
  };
  const Case cases[] = {{"HolyDays", "2024", "", "holydays-2024"},
                        {"LocalMoons", "-1461", "", "localmoons-1461bce"},
                        {"Flood", "-2400", "-2300", "flood-2400bce-2300bce"},
                        {"Golgotha", "28", "35", "golgotha-28-35"},
                        {"Sunset", "", "", "sunset"},
                        {"Times", "20x4", "", "times"}};
  for (const Case& c : cases) {
    EXPECT_EQ(ReportFileStem(c.section, c.year, c.lastYear), c.stem) << c.section << " " << c.year;
  }
}

// The text as one line, every run of blanks and line ends as one blank: what
// a reader reads, whatever the line breaks.
std::string Flat(const std::string& text) { return std::regex_replace(text, std::regex("[ \r\n]+"), " "); }

// Each key its own text, in plain ASCII lines of at most 88 characters
// ending in CR LF (the pane's width), the version beside the first heading
// and the closing line last, quoting the runs' results as the runs give them.
TEST(HelpTexts, EachKeyHasItsOwnTextLaidOutForThePaneQuotingTheRuns) {
  std::set<std::string> texts;
  for (std::string_view key : kHelpKeys) {
    SCOPED_TRACE(std::string(key));
    const std::string text = BuildHelpText(key);
    texts.insert(text);
    for (std::size_t i = 0; i < text.size(); ++i) {
      const auto c = static_cast<unsigned char>(text[i]);
      if (c == '\r' || c == '\n') {
        EXPECT_EQ(text.substr(c == '\r' ? i : i - 1, 2), "\r\n") << "at " << i;
      } else {
        EXPECT_TRUE(c >= 32 && c < 127 && c != '{' && c != '}') << "character " << int(c) << " at " << i;
      }
    }
    const std::vector<std::string> lines = testing::TextLines(text);
    ASSERT_GE(lines.size(), 5u);
    EXPECT_EQ(lines.back(), HelpClosingLine());
    EXPECT_TRUE(std::any_of(lines.begin(), lines.end(), [](const std::string& line) {
      return line.ends_with(std::string("    Ver ") + ORVANE_VERSION);
    }));
    for (const std::string& line : lines) {
      EXPECT_LE(line.size(), 88u) << line;
      EXPECT_TRUE(line.empty() || line.back() != ' ') << line;
    }
  }
  EXPECT_EQ(texts.size(), kHelpKeys.size());
  // The texts quote what the runs find for a few years; each run still finds it.
  struct Case {
    const char *key, *year, *reportHas, *helpHas;
  };
  const Case cases[] = {
      {"Golgotha", "31", "Passover sacrifice is Wednesday, 23 Apr 31 CE",
       "For the year 31 CE the run finds the Passover sacrifice on Wednesday, 23 April 31 CE"},
      {"Jordan", "-1510", "Passover sacrifice is Saturday, 27 Apr 1510 BCE",
       "its Passover sacrifice falls on Saturday, 27 April 1510 BCE and the Wave Offering on Sunday, 28 "
       "April."},
      {"Jordan", "-1510", "The Wave Offering (the First-Fruit) is Sunday, 28 Apr 1510 BCE",
       "1510 BCE is one"},
      {"Creation", "-4004", "Abib 1 is Sunday, 29 Mar 4004 BCE",
       "The traditional year 4004 BCE is one of the years the run finds: its Abib 1 falls on Sunday, 29 "
       "March 4004 BCE."},
      {"Flood", "-2349", "There are 150 days between these dates.",
       "closest candidate years the run finds are 2349 BCE and 2348 BCE, both with 150 days"},
      {"Flood", "-2348", "There are 150 days between these dates.", "2348 BCE, both"},
      {"Flood", "-2347", "", "2348 BCE, both"},  // and none as close has 150 days
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.key) + " " + c.year);
    EXPECT_NE(Flat(BuildHelpText(c.key)).find(c.helpHas), std::string::npos);
    MainWindowCore f;
    f.w.SwitchSection(c.key);
    f.w.txtYear = c.year;
    f.w.txtYear2 = "";
    f.w.txtYear_Enter();
    const std::string report = Flat(f.w.OutputText());
    EXPECT_EQ(report.find(*c.reportHas ? c.reportHas : "There are 150 days") != std::string::npos,
              *c.reportHas != 0)
        << report;
  }
}

}  // namespace
}  // namespace orvane::app
