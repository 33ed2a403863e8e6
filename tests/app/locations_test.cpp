// The location list, the coordinate boxes and their reading into the
// engine's place.
#include "app/locations.h"

#include <gtest/gtest.h>

#include <fstream>
#include <optional>
#include <sstream>

#include "app/holy_days_window.h"
#include "support/temp_dir.h"

namespace orvane::app {
namespace {

namespace fs = std::filesystem;
using Control = HolyDaysWindow::Control;
using orvane::testing::TempDir;

class CountingBeeper final : public Beeper {
 public:
  void Beep() override { ++beeps; }
  int beeps = 0;
};

class Answers final : public QuestionBox {
 public:
  Answer Ask(const Question& q) override {
    asked.push_back(q);
    return q.buttons == Question::Buttons::Ok ? Answer::Ok : reply;
  }
  std::vector<Question> asked;
  Answer reply = Answer::Yes;
};

// A main window whose user data file lives in a fresh folder, started as
// the program starts (the file read, UserDataChanged cleared).
struct Window {
  explicit Window(const std::string& file = {}) {
    if (!file.empty()) {
      std::ofstream(dir / "UserData.Dat", std::ios::binary) << file;
    }
    w.SetUserDataFolders({dir.path(), dir / "per-user"});
    w.SetQuestionBox(&answers);
    w.Form_Load(2024);
    w.LoadUserData();
    w.UserDataChanged = false;
    w.lblChangeVisible = false;
  }
  UserData OnDisk() const {
    std::ifstream in(dir / "UserData.Dat", std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    UserData data;
    EXPECT_TRUE(ReadUserData(s.str(), data).complete);
    return data;
  }
  std::string Boxes() const {
    return w.txtLatDeg.Text + " " + w.txtLatMin.Text + " " + w.txtLatDir.Text + " " + w.txtLongDeg.Text +
           " " + w.txtLongMin.Text + " " + w.txtLonDir.Text + " " + w.txtGMT.Text;
  }
  TempDir dir;
  CountingBeeper beeper;
  Answers answers;
  HolyDaysWindow w{beeper};
};

std::string FileWith(const std::vector<Location>& entries, const std::string& current) {
  UserData data;
  data.LocationName = current;
  data.Locations = entries;
  return WriteUserData(data);
}

const Location kJerusalem{"Jerusalem , Israel", -35.2166666666667, 31.7833333333333, "2"};
const Location kSydney{"Sydney", -151.216666666667, -33.8666666666667, "10"};
const Location kNewYork{"New York", 74, 40.7166666666667, "5"};

// --- Conversions --------------------------------------------------------------------

TEST(Coordinates, DegreesAndMinutesAreTruncated) {
  EXPECT_DOUBLE_EQ(DegMinToDecimal(31, 47), 31 + 47.0 / 60);
  EXPECT_DOUBLE_EQ(DegMinToDecimal(-35, 13), 35 + 13.0 / 60);
  EXPECT_EQ(WholeDegrees(31.7833333333333), 31);
  EXPECT_EQ(WholeMinutes(31.7833333333333), 46);  // 0.7833333333333 x 60 = 46.999999999998
  EXPECT_EQ(WholeDegrees(-33.8666666666667), 33);
  EXPECT_EQ(WholeMinutes(-33.8666666666667), 52);
  EXPECT_EQ(WholeDegrees(1e300), 32767);  // a value from a damaged file cannot overflow
  EXPECT_EQ(WholeMinutes(1e300), 0);
  EXPECT_EQ(BoxInteger(""), 0);
  EXPECT_EQ(BoxInteger("99999"), 32767);
}

TEST(Coordinates, AZoneOffsetIsAnUnsignedNumberOfHoursUpToFourteen) {
  // Standard times run from UTC-12 (Baker Island) to UTC+14 (Kiribati's
  // Line Islands); India is 5:30 ahead, Nepal 5:45, the Chatham Islands 12:45.
  const std::pair<std::string, std::optional<double>> cases[] = {
      {"0", 0},
      {"2", 2},
      {"5.5", 5.5},
      {"5.75", 5.75},
      {"12.75", 12.75},
      {"14", 14},
      {"014.0", 14},
      {".5", 0.5},
      {"5.", 5},
      {"14.01", std::nullopt},
      {"15", std::nullopt},
      {"10000", std::nullopt},
      {"-5", std::nullopt},
      {"+2", std::nullopt},
      {"1.2.3", std::nullopt},
      {"1e308", std::nullopt},
      {" 2", std::nullopt},
      {"2 ", std::nullopt},
      {".", std::nullopt},
      {"", std::nullopt},
  };
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
      {"61", "", "N", "", "", "E", "", 60.99, 0, 12},  // empty boxes count as 0
  };
  for (const Case& c : cases) {
    Window f;
    f.w.txtLatDeg.Text = c.lat;
    f.w.txtLatMin.Text = c.latMin;
    f.w.txtLatDir.Text = c.latDir;
    f.w.txtLongDeg.Text = c.lon;
    f.w.txtLongMin.Text = c.lonMin;
    f.w.txtLonDir.Text = c.lonDir;
    f.w.txtGMT.Text = c.gmt;
    f.w.UserDataChanged = true;
    f.w.ReadCoordinates();
    EXPECT_DOUBLE_EQ(f.w.state().Latitude, c.latitude) << c.lat;
    EXPECT_DOUBLE_EQ(f.w.state().Longitude, c.longitude) << c.lon;
    EXPECT_DOUBLE_EQ(f.w.state().ZoneHours, c.zoneHours) << c.gmt;
    EXPECT_TRUE(f.w.UserDataChanged);  // reading keeps the flag
  }
}

TEST(Coordinates, TheCaptionShowsTheBoxes) {
  Window f;
  f.w.userData().LocationName = "Jerusalem, Israel";
  f.w.OutputPane().Clear();
  f.w.WriteLocationCaption();
  EXPECT_EQ(f.w.OutputText(), "(Jerusalem, Israel, 31\u00BA47'N 35\u00BA13'E GMT +2)\r\n");
  f.w.OutputPane().Clear();
  f.w.txtLonDir.Text = "W";
  f.w.txtGMT.Text = "";
  f.w.WriteLocationCaption();
  EXPECT_EQ(f.w.OutputText(), "(Jerusalem, Israel, 31\u00BA47'N 35\u00BA13'W GMT -0)\r\n");
  // The zone in the general form keeps its zero before the point.
  f.w.OutputPane().Clear();
  f.w.txtGMT.Text = ".5";
  f.w.WriteLocationCaption();
  EXPECT_EQ(f.w.OutputText(), "(Jerusalem, Israel, 31\u00BA47'N 35\u00BA13'W GMT -0.5)\r\n");
  // Without a name the window keeps the name's place; the command line's
  // caption of a place typed without one leaves it out.
  f.w.userData().LocationName = "";
  f.w.OutputPane().Clear();
  f.w.WriteLocationCaption();
  EXPECT_EQ(f.w.OutputText(), "(, 31\u00BA47'N 35\u00BA13'W GMT -0.5)\r\n");
  f.w.CaptionOmitsEmptyName = true;
  f.w.OutputPane().Clear();
  f.w.WriteLocationCaption();
  EXPECT_EQ(f.w.OutputText(), "(31\u00BA47'N 35\u00BA13'W GMT -0.5)\r\n");
}

// --- The location list ------------------------------------------------------------

TEST(Locations, PickingAnEntryShowsItInTheBoxes) {
  Window f(FileWith({kJerusalem, kSydney, kNewYork}, "Jerusalem , Israel"));
  EXPECT_EQ(f.Boxes(), "31 46 N 35 13 E 2");
  f.w.cboLocation.Text = "Sydney";
  f.w.cboLocation_Click();
  EXPECT_EQ(f.Boxes(), "33 52 S 151 13 E 10");
  EXPECT_EQ(f.w.LocationName(), "Sydney");
  EXPECT_FALSE(f.w.UserDataChanged);
  EXPECT_FALSE(f.w.lblChangeVisible);
  EXPECT_DOUBLE_EQ(f.w.state().Latitude, -(33 + 52.0 / 60));
  EXPECT_DOUBLE_EQ(f.w.state().ZoneHours, 22);
  f.w.cboLocation.Text = "New York";
  f.w.cboLocation_Click();
  EXPECT_EQ(f.Boxes(), "40 43 N 74 0 W 5");
}

TEST(Locations, TypingANewNameAddsItWithTheBoxes) {
  Window f(FileWith({kJerusalem}, "Jerusalem , Israel"));
  f.w.TypeKeys(Control::txtLatDeg, "40 43 n 74 0 w 5");
  EXPECT_TRUE(f.w.lblChangeVisible);
  f.w.cboLocation.Text.clear();
  f.w.TypeKeys(Control::cboLocation, "New York\r");
  ASSERT_EQ(f.answers.asked.size(), 1u);
  const Question& q = f.answers.asked[0];
  EXPECT_EQ(q.title, "Add this location information?");
  EXPECT_EQ(q.text, "Do you wish to add this location?\nSelecting [Yes] will add the location\nto the list.");
  EXPECT_EQ(q.buttons, Question::Buttons::YesNo);
  EXPECT_TRUE(q.questionIcon);
  EXPECT_FALSE(q.secondButtonDefault);

  EXPECT_EQ(f.w.cboLocation.List, (std::vector<std::string>{"Jerusalem , Israel", "New York"}));
  EXPECT_EQ(f.w.LocationName(), "New York");
  EXPECT_FALSE(f.w.UserDataChanged);  // saved
  const UserData disk = f.OnDisk();
  ASSERT_EQ(disk.Locations.size(), 2u);
  EXPECT_EQ(disk.LocationName, "New York");
  EXPECT_EQ(disk.Locations[1].latitude, 40.7166666666667);  // 15 significant digits on disk
  EXPECT_EQ(disk.Locations[1].longitude, 74);
  EXPECT_EQ(disk.Locations[1].zone, "5");
}

TEST(Locations, NoToTheAddQuestionAddsNothing) {
  Window f(FileWith({kJerusalem}, "Jerusalem , Israel"));
  f.answers.reply = Answer::No;
  f.w.cboLocation.Text.clear();
  f.w.TypeKeys(Control::cboLocation, "Elsewhere\r");
  EXPECT_EQ(f.w.userData().Locations.size(), 1u);
  EXPECT_EQ(f.OnDisk().Locations.size(), 1u);
}

TEST(Locations, TheListTakesNoMoreThan500FromTheWindow) {
  std::vector<Location> many;
  for (int i = 0; i < 500; ++i) many.push_back({"Place " + std::to_string(i), 1, 2, "3"});
  Window f(FileWith(many, "Place 0"));
  f.w.cboLocation.Text = "One more";
  f.w.MaintainLocation();
  ASSERT_EQ(f.answers.asked.size(), 2u);
  EXPECT_EQ(f.answers.asked[1].title, "No room to add more locations!");
  EXPECT_EQ(f.answers.asked[1].text, "There is no room to add any more locations!");
  EXPECT_EQ(f.answers.asked[1].buttons, Question::Buttons::Ok);
  EXPECT_EQ(f.w.userData().Locations.size(), 500u);
  EXPECT_EQ(f.w.cboLocation.List.size(), 500u);
  EXPECT_EQ(f.OnDisk().Locations.size(), 500u);
}

TEST(Locations, AnUnchangedExistingNameOffersDeletion) {
  Window f(FileWith({kJerusalem, kSydney, kNewYork}, "Sydney"));
  f.w.cboLocation.Text = "Sydney";
  f.answers.reply = Answer::No;
  f.w.MaintainLocation();
  ASSERT_EQ(f.answers.asked.size(), 1u);
  EXPECT_EQ(f.answers.asked[0].title, "Delete this location?");
  EXPECT_EQ(f.answers.asked[0].text, "Do you wish to delete this location?");
  EXPECT_TRUE(f.answers.asked[0].secondButtonDefault);
  EXPECT_EQ(f.w.userData().Locations.size(), 3u);

  f.answers.reply = Answer::Yes;
  f.w.MaintainLocation();
  EXPECT_EQ(f.w.cboLocation.List, (std::vector<std::string>{"Jerusalem , Israel", "New York"}));
  // The first entry becomes current.
  EXPECT_EQ(f.w.LocationName(), "Jerusalem , Israel");
  EXPECT_EQ(f.w.cboLocation.Text, "Jerusalem , Israel");
  EXPECT_EQ(f.Boxes(), "31 46 N 35 13 E 2");
  const UserData disk = f.OnDisk();
  ASSERT_EQ(disk.Locations.size(), 2u);
  EXPECT_EQ(disk.Locations[1].name, "New York");
  EXPECT_EQ(disk.Locations[1].zone, "5");
}

TEST(Locations, DeletingTheOnlyEntryLeavesAnEmptyListAndTheDefaultNextTime) {
  TempDir keep;
  {
    Window f(FileWith({kSydney}, "Sydney"));
    f.w.cboLocation.Text = "Sydney";
    f.w.MaintainLocation();
    EXPECT_TRUE(f.w.cboLocation.List.empty());
    EXPECT_EQ(f.OnDisk().LastLocationIndex(), 0);  // the reader installs the default for -1
    std::ifstream in(f.dir / "UserData.Dat", std::ios::binary);
    std::string line1, line2;
    std::getline(in, line1);
    std::getline(in, line2);
    EXPECT_EQ(line2, "-1 \r");
    fs::copy_file(f.dir / "UserData.Dat", keep / "UserData.Dat");
  }
  std::ifstream in(keep / "UserData.Dat", std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  Window next(s.str());
  EXPECT_EQ(next.w.cboLocation.List, std::vector<std::string>{"Jerusalem , Israel"});
  EXPECT_EQ(next.w.LocationName(), "Jerusalem, Israel");
}

TEST(Locations, AChangedBoxOffersTheEdit) {
  Window f(FileWith({kJerusalem, kSydney}, "Sydney"));
  f.w.TypeKeys(Control::txtGMT, "11");
  EXPECT_TRUE(f.w.UserDataChanged);
  f.w.TypeKeys(Control::cboLocation, "\r");
  ASSERT_EQ(f.answers.asked.size(), 1u);
  EXPECT_EQ(f.answers.asked[0].title, "Edit this location information?");
  EXPECT_EQ(f.answers.asked[0].text,
            "Do you wish to edit this location?\n Selecting [Yes] will change the location information.");
  EXPECT_TRUE(f.answers.asked[0].secondButtonDefault);
  EXPECT_EQ(f.w.userData().Locations[1].zone, "11");
  EXPECT_FALSE(f.w.UserDataChanged);
  EXPECT_EQ(f.OnDisk().Locations[1].zone, "11");
  EXPECT_EQ(f.OnDisk().Locations[1].latitude, -33.8666666666667);
  EXPECT_EQ(f.w.cboLocation.List.size(), 2u);
}

TEST(Locations, NoToTheEditKeepsTheTypedBoxesButNotTheChange) {
  Window f(FileWith({kJerusalem, kSydney}, "Sydney"));
  f.w.TypeKeys(Control::txtLatDeg, "34");
  f.answers.reply = Answer::No;
  f.w.TypeKeys(Control::cboLocation, "\r");
  EXPECT_EQ(f.answers.asked.at(0).title, "Edit this location information?");
  EXPECT_EQ(f.w.txtLatDeg.Text, "34");
  EXPECT_FALSE(f.w.UserDataChanged);
  EXPECT_FALSE(f.w.lblChangeVisible);
  EXPECT_DOUBLE_EQ(f.w.userData().Locations[1].latitude, -33.8666666666667);
  // Enter again now offers deletion: the change no longer counts.
  f.w.TypeKeys(Control::cboLocation, "\r");
  EXPECT_EQ(f.answers.asked.at(1).title, "Delete this location?");
}

TEST(Locations, TheComboHoldsFortyCharacters) {
  Window f;
  f.w.TypeKeys(Control::cboLocation, std::string(45, 'a'));
  EXPECT_EQ(f.w.cboLocation.Text, std::string(40, 'a'));
  EXPECT_EQ(f.w.cboLocation.SelStart, 40);
  f.w.cboLocation.Text = "\u00C5rhus, Danmark, " + std::string(30, 'x');  // 46 characters, 47 bytes
  f.w.cboLocation_Change();
  EXPECT_EQ(f.w.cboLocation.Text, "\u00C5rhus, Danmark, " + std::string(24, 'x'));
  EXPECT_EQ(HolyDaysWindow::kLocationToolTip,
            "To edit, add or delete a location (Press ENTER after the  location name)");
}

// --- The entry fields ---------------------------------------------------------------

TEST(EntryFields, CoordinateBoxesFilterKeysAndMoveOn) {
  Window f;
  f.w.TypeKeys(Control::txtLatDeg, "a3x,");
  EXPECT_EQ(f.w.txtLatDeg.Text, "3");  // the whole text was selected: typing replaced it
  EXPECT_EQ(f.beeper.beeps, 2);
  EXPECT_EQ(f.w.ActiveControl, Control::txtLatMin);
  f.w.TypeKeys(Control::txtLatMin, "5 ");
  EXPECT_EQ(f.w.txtLatMin.Text, "5");  // the blank is not inserted
  EXPECT_EQ(f.w.ActiveControl, Control::txtLatDir);
  // Entering a box selects its text, so a letter typed replaces the old one.
  auto enterAndType = [&f](Control box, const std::string& keys) {
    f.w.SetFocus(Control::None);
    f.w.TypeKeys(box, keys);
  };
  enterAndType(Control::txtLatDir, "s");
  EXPECT_EQ(f.w.txtLatDir.Text, "S");
  enterAndType(Control::txtLatDir, "n");
  EXPECT_EQ(f.w.txtLatDir.Text, "N");
  enterAndType(Control::txtLatDir, "x");
  EXPECT_EQ(f.w.txtLatDir.Text, "N");
  enterAndType(Control::txtLonDir, "w");
  EXPECT_EQ(f.w.txtLonDir.Text, "W");
  enterAndType(Control::txtLonDir, "s");
  EXPECT_EQ(f.w.txtLonDir.Text, "W");
  EXPECT_EQ(f.beeper.beeps, 4);
  enterAndType(Control::txtGMT, "10.75");
  EXPECT_EQ(f.w.txtGMT.Text, "10.75");
  enterAndType(Control::txtGMT, "-5");
  EXPECT_EQ(f.w.txtGMT.Text, "5");
  EXPECT_EQ(f.beeper.beeps, 5);
  enterAndType(Control::txtGMT, "123456");
  EXPECT_EQ(f.w.txtGMT.Text, "12345");  // five characters at most
  f.w.TypeKeys(Control::txtGMT, "\b\b");
  EXPECT_EQ(f.w.txtGMT.Text, "123");
}

TEST(EntryFields, TheBlankInTheOffsetBoxMovesOnOnlyInTheTableSections) {
  Window f;
  f.w.TypeKeys(Control::txtLatDeg, "31 47 N 35 13 E 2 ");
  EXPECT_EQ(f.w.ActiveControl, Control::txtGMT);  // HolyDays section: the focus stays
  f.w.SwitchSection("LocalMoons");
  f.w.TypeKeys(Control::txtGMT, " ");
  EXPECT_EQ(f.w.ActiveControl, Control::txtGMT);
  f.w.SwitchSection("Sunset");
  f.w.TypeKeys(Control::txtGMT, ",");
  EXPECT_EQ(f.w.ActiveControl, Control::chkGregYear);
  EXPECT_EQ(f.beeper.beeps, 0);
}

// A place entered in one go (as orvane-cli enters its options) follows the
// keys' rules: the limits on leaving a box correct without a beep, a
// rejected key and a corrected offset count one beep each.
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
      {"3a1 47 N", "35 13 E", "-2", 2, "31 47 N 35 13 E 2"},
  };
  for (const Case& c : cases) {
    Window f;
    EXPECT_EQ(f.w.EnterPlace(c.lat, c.lon, c.offset), c.beeps) << c.lat;
    EXPECT_EQ(f.beeper.beeps, c.beeps) << c.lat;
    EXPECT_EQ(f.Boxes(), c.boxes) << c.lat;
    EXPECT_EQ(f.w.ActiveControl, Control::None);
  }
}

TEST(EntryFields, LeavingABoxAppliesItsLimits) {
  Window f;
  f.w.TypeKeys(Control::txtLatDeg, "75 ");
  EXPECT_EQ(f.w.txtLatDeg.Text, "60");
  f.w.TypeKeys(Control::txtLatMin, "60 ");
  EXPECT_EQ(f.w.txtLatMin.Text, "59");
  f.w.TypeKeys(Control::txtLongDeg, "200 ");
  EXPECT_EQ(f.w.txtLongDeg.Text, "180");
  f.w.SetFocus(Control::txtLongMin);
  f.w.SetCoordinateText(f.w.txtLongMin, "-5");  // pasted past the filter
  f.w.SetFocus(Control::None);
  EXPECT_EQ(f.w.txtLongMin.Text, "00");
  f.w.SetFocus(Control::txtLongDeg);
  f.w.SetCoordinateText(f.w.txtLongDeg, "-1");
  f.w.SetFocus(Control::None);
  EXPECT_EQ(f.w.txtLongDeg.Text, "000");
  f.w.TypeKeys(Control::txtLatDeg, "45 ");
  EXPECT_EQ(f.w.txtLatDeg.Text, "45");

  // The offset box holds 0 to 14 hours: anything else becomes the nearest
  // offset when it is left, with a beep; an offset or an empty box stays.
  const std::pair<std::string, std::string> offsets[] = {
      {"99", "14"}, {"14.5", "14"}, {"1.2.3", "1.2"}, {".", "0"}, {"10.75", "10.75"}, {"14", "14"}, {"", ""},
  };
  for (const auto& [typed, left] : offsets) {
    f.w.TypeKeys(Control::txtGMT, typed);
    if (typed.empty()) f.w.SetCoordinateText(f.w.txtGMT, "");
    const int beeps = f.beeper.beeps;
    f.w.SetFocus(Control::txtYear);
    EXPECT_EQ(f.w.txtGMT.Text, left) << typed;
    EXPECT_EQ(f.beeper.beeps - beeps, typed == left ? 0 : 1) << typed;
  }
  for (const char* pasted : {"-5", " 999E-9{ "}) {  // past the filter
    f.w.SetFocus(Control::txtGMT);
    f.w.SetCoordinateText(f.w.txtGMT, pasted);
    f.w.SetFocus(Control::None);
    EXPECT_EQ(f.w.txtGMT.Text, "0") << pasted;
  }
}

TEST(EntryFields, EveryCoordinateChangeButNoYearChangeMarksTheData) {
  const Control boxes[] = {Control::txtLatDeg,  Control::txtLatMin, Control::txtLatDir, Control::txtLongDeg,
                           Control::txtLongMin, Control::txtLonDir, Control::txtGMT};
  const char* keys[] = {"1", "1", "S", "1", "1", "W", "1"};
  for (int i = 0; i < 7; ++i) {
    Window f;
    f.w.TypeKeys(boxes[i], keys[i]);
    EXPECT_TRUE(f.w.UserDataChanged) << i;
    EXPECT_TRUE(f.w.lblChangeVisible) << i;
  }
  Window f;
  f.w.TypeKeys(Control::txtYear, "1999");
  f.w.txtYear_KeyDown(kKeyUp);
  EXPECT_EQ(f.w.txtYear, "2000");
  EXPECT_FALSE(f.w.UserDataChanged);
  EXPECT_FALSE(f.w.lblChangeVisible);
}

TEST(EntryFields, TheYearBoxFiltersKeysAndSurvivesAnyYear) {
  Window f;
  f.w.TypeKeys(Control::txtYear, "a");
  EXPECT_EQ(f.w.txtYear, "2024");
  EXPECT_EQ(f.beeper.beeps, 1);
  EXPECT_EQ(f.w.txtYearSelLength, 8);  // the whole year is selected on entry
  f.w.TypeKeys(Control::txtYear, "-99999");
  EXPECT_EQ(f.w.txtYear, "-9999");  // five characters
  f.w.txtYear = "99999";
  f.w.SetFocus(Control::None);  // leaving the box keeps the year
  EXPECT_EQ(f.w.SavedYear, 32767);
  f.w.SetFocus(Control::txtYear);
  f.w.TypeKeys(Control::txtYear, "20-24");
  EXPECT_EQ(f.w.txtYear, "20-24");  // "-" anywhere; the runs read the leading number
  EXPECT_EQ(f.beeper.beeps, 1);
}

TEST(EntryFields, EnterOnTheGregorianBoxTogglesItAndRunsTheTable) {
  Window f;
  f.w.SwitchSection("Sunset");
  f.w.TypeKeys(Control::chkGregYear, "\r");
  EXPECT_TRUE(f.w.chkGregYear);
  EXPECT_NE(f.w.OutputText().find(" 1 Jan 2024"), std::string::npos);
  f.w.SwitchSection("Times");  // the reset runs nothing
  EXPECT_FALSE(f.w.chkGregYear);
  EXPECT_EQ(f.w.OutputText().find("JULIAN DAY #"), std::string::npos);
}

}  // namespace
}  // namespace orvane::app
