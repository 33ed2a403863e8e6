// The main window's core: its sections, the runs its buttons and Enter
// start, the east-of-Israel box, the saved year, and the help texts: one per
// key, laid out for the pane, quoting the runs' results as the runs give them;
// the location list, the coordinate boxes and their reading into the
// engine's place.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <optional>
#include <regex>
#include <set>
#include <tuple>

#include "app/help_texts.h"
#include "app/locations.h"
#include "app/printing.h"
#include "support/main_window_core.h"
#include "support/report_dates.h"

namespace orvane::app {
namespace {

using testing::MainWindowCore;
using Menu = void (HolyDaysWindow::*)();
using Control = HolyDaysWindow::Control;

TEST(Sections, EachMenuItemShowsItsCaptionYearsAndHelpAndTheEastOfIsraelBoxRerunsTheReport) {
  // The menu item, its section, caption and range years ("" keeps the saved year).
  const std::tuple<Menu, const char*, const char*, const char*, const char*> cases[] = {
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
  for (const auto& [menu, key, caption, first, last] : cases) {
    SCOPED_TRACE(key);
    (f.w.*menu)();
    EXPECT_EQ(f.w.Caption, std::string("Orvane - ") + caption + " - orvane.example");
    EXPECT_EQ(f.w.SectionName, key);
    EXPECT_EQ(f.w.state().RunName, key);
    EXPECT_EQ(f.w.OutputText(), BuildHelpText(key));
    EXPECT_EQ(f.w.txtYear, *first ? first : "2024");
    if (*first) {
      EXPECT_EQ(f.w.txtYear2, last);
    }
    f.w.OutputPane().SetText("a report");
    f.w.mnuDocumentation_Click();  // F1
    EXPECT_EQ(f.w.OutputText(), BuildHelpText(key));
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
  const std::tuple<Menu, const char*, const char*> cases[] = {
      {&HolyDaysWindow::cmdGolgotha_Click, "Golgotha",
       "The following years may have the Passover sacrifice on Wednesday."},
      {&HolyDaysWindow::cmdJordan_Click, "Jordan",
       "The following years may have the Passover sacrifice on the Sabbath."},
      {&HolyDaysWindow::cmdCreation_Click, "Creation", "The following years may have Abib 1 on Sunday."},
      {&HolyDaysWindow::cmdFlood_Click, "Flood",
       " First year of run is 30 CE             Last year of run is 32 CE   "},
  };
  for (const auto& [button, name, firstLine] : cases) {
    SCOPED_TRACE(name);
    MainWindowCore f;
    f.w.chkEJW = true;
    f.w.txtYear = "32";
    f.w.txtYear2 = "30";
    (f.w.*button)();
    EXPECT_EQ(f.w.state().RunName, name);
    EXPECT_EQ(f.w.SectionName, name);
    const std::string report = f.w.OutputText();
    EXPECT_TRUE(report.starts_with(std::string(firstLine) + "\r\n")) << report;
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
  const std::array<const char*, 4> cases[] = {{"HolyDays", "2024", "", "holydays-2024"},
                                              {"LocalMoons", "-1461", "", "localmoons-1461bce"},
                                              {"Flood", "-2400", "-2300", "flood-2400bce-2300bce"},
                                              {"Golgotha", "28", "35", "golgotha-28-35"},
                                              {"Sunset", "", "", "sunset"},
                                              {"Times", "20x4", "", "times"}};
  for (const auto& [section, year, lastYear, stem] : cases)
    EXPECT_EQ(ReportFileStem(section, year, lastYear), stem) << section << " " << year;
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
  const std::array<const char*, 4> cases[] = {
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
  for (const auto& [key, year, reportHas, helpHas] : cases) {  // reportHas "": the report has no 150 days
    SCOPED_TRACE(std::string(key) + " " + year);
    EXPECT_NE(Flat(BuildHelpText(key)).find(helpHas), std::string::npos);
    MainWindowCore f;
    f.w.SwitchSection(key);
    f.w.txtYear = year;
    f.w.txtYear2 = "";
    f.w.txtYear_Enter();
    const std::string report = Flat(f.w.OutputText());
    EXPECT_EQ(report.find(*reportHas ? reportHas : "There are 150 days") != std::string::npos,
              *reportHas != 0)
        << report;
  }
}

// --- The coordinate boxes ---------------------------------------------------------

const Location kJerusalem{"Jerusalem , Israel", -35.2166666666667, 31.7833333333333, "2"};
const Location kSydney{"Sydney", -151.216666666667, -33.8666666666667, "10"};

std::string FileWith(const std::vector<Location>& entries, const std::string& current) {
  UserData data;
  data.LocationName = current;
  data.Locations = entries;
  return WriteUserData(data);
}

UserData OnDisk(const MainWindowCore& f) {
  UserData data;
  EXPECT_TRUE(ReadUserData(testing::ReadBytes(f.dir / "UserData.Dat"), data).complete);
  return data;
}

TEST(Coordinates, AZoneOffsetIsAnUnsignedNumberOfHoursUpToFourteen) {
  // Standard times run from UTC-12 (Baker Island) to UTC+14 (Kiribati's
  // Line Islands); India is 5:30 ahead, Nepal 5:45, the Chatham Islands 12:45.
  using Hours = std::optional<double>;
  const std::pair<std::string, Hours> cases[] = {
      {"0", 0},      {"2", 2},      {"5.5", 5.5}, {"5.75", 5.75}, {"12.75", 12.75},
      {"14", 14},    {"014.0", 14}, {".5", 0.5},  {"5.", 5},      {"14.01", {}},
      {"15", {}},    {"10000", {}}, {"-5", {}},   {"+2", {}},     {"1.2.3", {}},
      {"1e308", {}}, {" 2", {}},    {"2 ", {}},   {".", {}},      {"", {}}};
  for (const auto& [text, hours] : cases) EXPECT_EQ(ZoneOffsetHours(text), hours) << text;
}

TEST(Coordinates, ReadCoordinatesCapsThePlaceAndSignsTheZone) {
  // The seven boxes as typed (latitude, longitude, offset), then the place read.
  const std::tuple<std::array<const char*, 7>, double, double, double> cases[] = {
      {{"31", "47", "N", "35", "13", "E", "2"}, 31 + 47.0 / 60, -(35 + 13.0 / 60), 14},
      {{"40", "43", "N", "74", "0", "W", "5"}, 40 + 43.0 / 60, 74, 7},
      {{"22", "34", "N", "88", "22", "E", "5.5"}, 22 + 34.0 / 60, -(88 + 22.0 / 60), 17.5},
      {{"75", "0", "S", "190", "0", "W", "0"}, -60.99, 180, 12},  // past the limits
      {{"60", "59", "N", "180", "59", "E", "12"}, 60.98333333333333, -180, 24},
      {{"61", "", "N", "", "", "E", ""}, 60.99, 0, 12},                 // empty boxes count as 0
      {{"0", "-9999", "N", "0", "-32767", "W", ""}, -60.99, -180, 12},  // minutes pasted past the filter
  };
  for (const auto& [typed, latitude, longitude, zoneHours] : cases) {
    SCOPED_TRACE(std::string(typed[0]) + " " + typed[3]);
    MainWindowCore f;
    HolyDaysWindow& w = f.w;
    const std::array<TextBox*, 7> boxes = {&w.txtLatDeg,  &w.txtLatMin, &w.txtLatDir, &w.txtLongDeg,
                                           &w.txtLongMin, &w.txtLonDir, &w.txtGMT};
    for (std::size_t i = 0; i < boxes.size(); ++i) boxes[i]->Text = typed[i];
    w.UserDataChanged = true;
    w.ReadCoordinates();
    EXPECT_DOUBLE_EQ(w.state().Latitude, latitude);
    EXPECT_DOUBLE_EQ(w.state().Longitude, longitude);
    EXPECT_DOUBLE_EQ(w.state().ZoneHours, zoneHours);
    EXPECT_TRUE(w.UserDataChanged);  // reading keeps the flag
  }
}

// The zone in the general form keeps its zero before the point; without a
// name the window keeps the name's place, while the command line's caption
// of a place typed without one leaves it out.
TEST(Coordinates, TheCaptionShowsTheBoxes) {
  const std::tuple<const char*, const char*, const char*, bool, const char*> cases[] = {
      {"Jerusalem, Israel", "E", "2", false, "(Jerusalem, Israel, 31\u00BA47'N 35\u00BA13'E GMT +2)\r\n"},
      {"Jerusalem, Israel", "W", "", false, "(Jerusalem, Israel, 31\u00BA47'N 35\u00BA13'W GMT -0)\r\n"},
      {"", "W", ".5", false, "(, 31\u00BA47'N 35\u00BA13'W GMT -0.5)\r\n"},
      {"", "W", ".5", true, "(31\u00BA47'N 35\u00BA13'W GMT -0.5)\r\n"}};
  for (const auto& [name, lonDir, gmt, omitted, caption] : cases) {
    MainWindowCore f;
    f.w.userData().LocationName = name;
    f.w.txtLonDir.Text = lonDir;
    f.w.txtGMT.Text = gmt;
    f.w.CaptionOmitsEmptyName = omitted;
    f.w.OutputPane().Clear();
    f.w.WriteLocationCaption();
    EXPECT_EQ(f.w.OutputText(), caption);
  }
}

// --- The location list ------------------------------------------------------------

// Enter in the location box asks once: a new name is added with the boxes,
// a stored one with a changed box edited, an unchanged one deleted, each
// change saved at once; No changes nothing.
TEST(Locations, EnterOnTheNameAddsEditsOrDeletesAsAnswered) {
  MainWindowCore f(FileWith({kJerusalem, kSydney}, "Jerusalem , Israel"), true);
  std::size_t seen = 0;
  const auto asked = [&f, &seen](const std::string& title) {
    EXPECT_EQ(f.questions.asked.size(), ++seen);
    EXPECT_EQ(f.questions.asked.back().title, title);
    return f.questions.asked.back();
  };
  // Minutes are truncated: 0.7833333333333 x 60 = 46.999999999998 shows as 46;
  // a value from a damaged file cannot overflow the boxes.
  EXPECT_EQ(f.Boxes(), "31 46 N 35 13 E 2");
  EXPECT_EQ(WholeDegrees(1e300), 32767);
  EXPECT_EQ(WholeMinutes(1e300), 0);
  f.w.cboLocation.Text = "Sydney";
  f.w.cboLocation_Click();
  EXPECT_EQ(f.Boxes(), "33 52 S 151 13 E 10");
  EXPECT_EQ(f.w.LocationName(), "Sydney");
  EXPECT_FALSE(f.w.UserDataChanged || f.w.lblChangeVisible);
  EXPECT_DOUBLE_EQ(f.w.state().Latitude, -(33 + 52.0 / 60));
  EXPECT_DOUBLE_EQ(f.w.state().ZoneHours, 22);
  for (Answer answer : {Answer::No, Answer::Yes}) {
    f.questions.answer = answer;
    f.w.TypeKeys(Control::txtGMT, "11");
    EXPECT_TRUE(f.w.UserDataChanged);
    f.w.TypeKeys(Control::cboLocation, "\r");
    const Question edit = asked("Edit this location information?");
    EXPECT_EQ(edit.text,
              "Do you wish to edit this location?\n Selecting [Yes] will change the location information.");
    EXPECT_TRUE(edit.secondButtonDefault);
    EXPECT_FALSE(f.w.UserDataChanged || f.w.lblChangeVisible);
    EXPECT_EQ(f.w.txtGMT.Text, "11");  // No keeps the typed box but not the change
    EXPECT_EQ(f.w.userData().Locations[1].zone, answer == Answer::Yes ? "11" : "10");
    EXPECT_EQ(OnDisk(f).Locations[1].zone, answer == Answer::Yes ? "11" : "10");
    EXPECT_EQ(OnDisk(f).Locations[1].latitude, -33.8666666666667);
    // Enter again now offers deletion: the change no longer counts.
    f.questions.answer = Answer::No;
    f.w.TypeKeys(Control::cboLocation, "\r");
    const Question deletion = asked("Delete this location?");
    EXPECT_EQ(deletion.text, "Do you wish to delete this location?");
    EXPECT_TRUE(deletion.secondButtonDefault);
    EXPECT_EQ(f.w.cboLocation.List.size(), 2u);
  }
  f.w.cboLocation.Text.clear();
  f.w.TypeKeys(Control::cboLocation, "Elsewhere\r");
  asked("Add this location information?");
  EXPECT_EQ(f.w.userData().Locations.size(), 2u);
  f.questions.answer = Answer::Yes;
  f.w.TypeKeys(Control::txtLatDeg, "40 43 n 74 0 w 5");
  EXPECT_TRUE(f.w.lblChangeVisible);
  f.w.cboLocation.Text.clear();
  f.w.TypeKeys(Control::cboLocation, "New York\r");
  const Question add = asked("Add this location information?");
  EXPECT_EQ(add.text,
            "Do you wish to add this location?\nSelecting [Yes] will add the location\nto the list.");
  EXPECT_TRUE(add.buttons == Question::Buttons::YesNo && add.questionIcon && !add.secondButtonDefault);
  EXPECT_EQ(f.w.cboLocation.List, (std::vector<std::string>{"Jerusalem , Israel", "Sydney", "New York"}));
  EXPECT_EQ(f.w.LocationName(), "New York");
  EXPECT_FALSE(f.w.UserDataChanged);  // saved
  UserData disk = OnDisk(f);
  ASSERT_EQ(disk.Locations.size(), 3u);
  EXPECT_EQ(disk.LocationName, "New York");
  EXPECT_EQ(disk.Locations[2].latitude, 40.7166666666667);  // 15 significant digits on disk
  EXPECT_EQ(disk.Locations[2].longitude, 74);
  EXPECT_EQ(disk.Locations[2].zone, "5");
  // Deleting the current entry makes the first one current.
  f.w.cboLocation.Text = "Sydney";
  f.w.cboLocation_Click();
  f.w.MaintainLocation();
  asked("Delete this location?");
  EXPECT_EQ(f.w.cboLocation.List, (std::vector<std::string>{"Jerusalem , Israel", "New York"}));
  EXPECT_EQ(f.w.LocationName() + "|" + f.w.cboLocation.Text, "Jerusalem , Israel|Jerusalem , Israel");
  EXPECT_EQ(f.Boxes(), "31 46 N 35 13 E 2");
  EXPECT_EQ(OnDisk(f).Locations[1].name, "New York");
  for (const char* name : {"Jerusalem , Israel", "New York"}) {
    f.w.cboLocation.Text = name;
    f.w.MaintainLocation();
  }
  EXPECT_TRUE(f.w.cboLocation.List.empty());
  EXPECT_EQ(testing::TextLines(testing::ReadBytes(f.dir / "UserData.Dat")).at(1), "-1 ");
}

TEST(Locations, TheListTakesNoMoreThan500FromTheWindow) {
  std::vector<Location> many;
  for (int i = 0; i < 500; ++i) many.push_back({"Place " + std::to_string(i), 1, 2, "3"});
  MainWindowCore f(FileWith(many, "Place 0"), true);
  f.w.cboLocation.Text = "One more";
  f.w.MaintainLocation();
  ASSERT_EQ(f.questions.asked.size(), 2u);
  EXPECT_EQ(f.questions.asked[1].title, "No room to add more locations!");
  EXPECT_EQ(f.questions.asked[1].text, "There is no room to add any more locations!");
  EXPECT_EQ(f.w.userData().Locations.size(), 500u);
  EXPECT_EQ(f.w.cboLocation.List.size(), 500u);
  EXPECT_EQ(OnDisk(f).Locations.size(), 500u);
}

// --- The entry fields ---------------------------------------------------------------

TEST(EntryFields, TheBoxesFilterKeysHoldTheirLengthsAndMoveOn) {
  MainWindowCore f;
  // The location box holds forty characters, the year box five, which mark
  // no change of place. (Which keys the year box takes and how its arrows
  // step are the year box's own rules, held by its tests.)
  f.w.TypeKeys(Control::cboLocation, std::string(45, 'a'));
  EXPECT_EQ(f.w.cboLocation.Text, std::string(40, 'a'));
  EXPECT_EQ(f.w.cboLocation.SelStart, 40);
  f.w.cboLocation.Text = "\u00C5rhus, Danmark, " + std::string(30, 'x');  // 46 characters, 47 bytes
  f.w.cboLocation_Change();
  EXPECT_EQ(f.w.cboLocation.Text, "\u00C5rhus, Danmark, " + std::string(24, 'x'));
  f.w.TypeKeys(Control::txtYear, "a-99999");
  EXPECT_EQ(f.beeper.beeps, 1);
  EXPECT_EQ(f.w.txtYear, "-9999");
  f.w.txtYear_KeyDown(kKeyUp);
  EXPECT_EQ(f.w.txtYear, "-9998");
  EXPECT_FALSE(f.w.UserDataChanged || f.w.lblChangeVisible);
  f.beeper.beeps = 0;
  f.w.txtYear = "2024";
  f.w.TypeKeys(Control::txtLatDeg, "a3x,");
  EXPECT_EQ(f.w.txtLatDeg.Text, "3");  // the whole text was selected: typing replaced it
  EXPECT_EQ(f.beeper.beeps, 2);
  EXPECT_EQ(f.w.ActiveControl, Control::txtLatMin);
  f.w.TypeKeys(Control::txtLatMin, "5 ");
  EXPECT_EQ(f.w.txtLatMin.Text, "5");  // the blank is not inserted
  EXPECT_EQ(f.w.ActiveControl, Control::txtLatDir);
  // Entering a box selects its text, so a letter typed replaces the old one: the box, the
  // keys, the text it then holds, the beeps so far and whether the place is marked changed.
  const std::tuple<Control, TextBox*, const char*, const char*, int, bool> steps[] = {
      {Control::txtLatDeg, &f.w.txtLatDeg, "1", "1", 2, true},
      {Control::txtLatMin, &f.w.txtLatMin, "1", "1", 2, true},
      {Control::txtLongDeg, &f.w.txtLongDeg, "1", "1", 2, true},
      {Control::txtLongMin, &f.w.txtLongMin, "1", "1", 2, true},
      {Control::txtLatDir, &f.w.txtLatDir, "s", "S", 2, true},
      {Control::txtLatDir, &f.w.txtLatDir, "n", "N", 2, true},
      {Control::txtLatDir, &f.w.txtLatDir, "x", "N", 3, false},
      {Control::txtLonDir, &f.w.txtLonDir, "w", "W", 3, true},
      {Control::txtLonDir, &f.w.txtLonDir, "s", "W", 4, false},
      {Control::txtGMT, &f.w.txtGMT, "10.75", "10.75", 4, true},
      {Control::txtGMT, &f.w.txtGMT, "-5", "5", 5, true},
      {Control::txtGMT, &f.w.txtGMT, "123456", "12345", 5, true}};
  for (const auto& [box, field, keys, text, beeps, marks] : steps) {
    f.w.SetFocus(Control::None);
    f.w.UserDataChanged = f.w.lblChangeVisible = false;
    f.w.TypeKeys(box, keys);
    EXPECT_EQ(field->Text, text) << keys;  // the offset box holds five characters
    EXPECT_EQ(f.beeper.beeps, beeps) << keys;
    // Every change to a coordinate box marks the place as changed.
    EXPECT_EQ(f.w.UserDataChanged && f.w.lblChangeVisible, marks) << keys;
  }
  f.w.TypeKeys(Control::txtGMT, "\b\b");
  EXPECT_EQ(f.w.txtGMT.Text, "123");
  // A blank in the offset box moves on only in the table sections.
  f.w.TypeKeys(Control::txtGMT, " ");
  EXPECT_EQ(f.w.ActiveControl, Control::txtGMT);
  f.w.SwitchSection("Sunset");
  f.w.TypeKeys(Control::txtGMT, ",");
  EXPECT_EQ(f.w.ActiveControl, Control::chkGregYear);
  // Enter on the Gregorian box toggles it and runs the table.
  f.w.TypeKeys(Control::chkGregYear, "\r");
  EXPECT_TRUE(f.w.chkGregYear);
  EXPECT_NE(f.w.OutputText().find(" 1 Jan 2024"), std::string::npos);
}

// A place entered in one go follows the keys' rules: the limits on leaving
// a box correct without a beep, a rejected key and a corrected offset (the
// nearest offset of 0 to 14 hours) count one beep each.
TEST(EntryFields, APlaceEnteredInOneGoKeepsTheBoxesRules) {
  const std::tuple<const char*, const char*, const char*, int, const char*> cases[] = {
      {"51 30 n", "0 7 w", "0", 0, "51 30 N 0 7 W 0"},
      {"75 61 S", "200 0 E", "5.5", 0, "60 59 S 180 0 E 5.5"},
      {"31 47 X", "35 13 E", "2", 1, "31 47 N 35 13 E 2"},
      {"31 47 N", "35 13 E", "99", 1, "31 47 N 35 13 E 14"},
      {"31 47 N", "35 13 E", "14.5", 1, "31 47 N 35 13 E 14"},
      {"31 47 N", "35 13 E", "1.2.3", 1, "31 47 N 35 13 E 1.2"},
      {"31 47 N", "35 13 E", ".", 1, "31 47 N 35 13 E 0"},
      {"31 47 N", "35 13 E", "12.75", 0, "31 47 N 35 13 E 12.75"},
      {"3a1 47 N", "35 13 E", "-2", 2, "31 47 N 35 13 E 2"},
  };
  for (const auto& [lat, lon, offset, beeps, boxes] : cases) {
    MainWindowCore f;
    EXPECT_EQ(f.w.EnterPlace(lat, lon, offset), beeps) << lat;
    EXPECT_EQ(f.beeper.beeps, beeps) << lat;
    EXPECT_EQ(f.Boxes(), boxes) << lat;
    EXPECT_EQ(f.w.ActiveControl, Control::None);
  }
}

}  // namespace
}  // namespace orvane::app
