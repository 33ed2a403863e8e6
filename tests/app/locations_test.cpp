// The location list, the coordinate boxes and their reading into the
// engine's place.
#include "app/locations.h"

#include <gtest/gtest.h>

#include <optional>
#include <tuple>

#include "support/main_window_core.h"
#include "support/report_dates.h"

namespace orvane::app {
namespace {

using Control = HolyDaysWindow::Control;
using testing::MainWindowCore;

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
  struct Case {
    std::string lat, latMin, latDir, lon, lonMin, lonDir, gmt;
    double latitude, longitude, zoneHours;
  };
  const Case cases[] = {
      {"31", "47", "N", "35", "13", "E", "2", 31 + 47.0 / 60, -(35 + 13.0 / 60), 14},
      {"40", "43", "N", "74", "0", "W", "5", 40 + 43.0 / 60, 74, 7},
      {"22", "34", "N", "88", "22", "E", "5.5", 22 + 34.0 / 60, -(88 + 22.0 / 60), 17.5},
      {"75", "0", "S", "190", "0", "W", "0", -60.99, 180, 12},  // past the limits
      {"60", "59", "N", "180", "59", "E", "12", 60.98333333333333, -180, 24},
      {"61", "", "N", "", "", "E", "", 60.99, 0, 12},                 // empty boxes count as 0
      {"0", "-9999", "N", "0", "-32767", "W", "", -60.99, -180, 12},  // minutes pasted past the filter
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.lat + " " + c.lon);
    MainWindowCore f;
    HolyDaysWindow& w = f.w;
    for (auto [box, text] : {std::pair{&w.txtLatDeg, c.lat},
                             {&w.txtLatMin, c.latMin},
                             {&w.txtLatDir, c.latDir},
                             {&w.txtLongDeg, c.lon},
                             {&w.txtLongMin, c.lonMin},
                             {&w.txtLonDir, c.lonDir},
                             {&w.txtGMT, c.gmt}}) {
      box->Text = text;
    }
    w.UserDataChanged = true;
    w.ReadCoordinates();
    EXPECT_DOUBLE_EQ(w.state().Latitude, c.latitude);
    EXPECT_DOUBLE_EQ(w.state().Longitude, c.longitude);
    EXPECT_DOUBLE_EQ(w.state().ZoneHours, c.zoneHours);
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
  // Entering a box selects its text, so a letter typed replaces the old one.
  struct Step {
    Control box;
    TextBox* field;
    const char *keys, *text;
    int beeps;
    bool marks;
  };
  const Step steps[] = {{Control::txtLatDeg, &f.w.txtLatDeg, "1", "1", 2, true},
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
  for (const Step& s : steps) {
    f.w.SetFocus(Control::None);
    f.w.UserDataChanged = f.w.lblChangeVisible = false;
    f.w.TypeKeys(s.box, s.keys);
    EXPECT_EQ(s.field->Text, s.text) << s.keys;  // the offset box holds five characters
    EXPECT_EQ(f.beeper.beeps, s.beeps) << s.keys;
    // Every change to a coordinate box marks the place as changed.
    EXPECT_EQ(f.w.UserDataChanged && f.w.lblChangeVisible, s.marks) << s.keys;
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
  struct Case {
    const char *lat, *lon, *offset;
    int beeps;
    const char* boxes;
  };
  const Case cases[] = {
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
  for (const Case& c : cases) {
    MainWindowCore f;
    EXPECT_EQ(f.w.EnterPlace(c.lat, c.lon, c.offset), c.beeps) << c.lat;
    EXPECT_EQ(f.beeper.beeps, c.beeps) << c.lat;
    EXPECT_EQ(f.Boxes(), c.boxes) << c.lat;
    EXPECT_EQ(f.w.ActiveControl, Control::None);
  }
}

}  // namespace
}  // namespace orvane::app
