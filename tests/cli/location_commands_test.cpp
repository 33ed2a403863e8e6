// orvane-cli localmoons, sunsets, times and locations.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/holy_days_window.h"
#include "cli/cli.h"
#include "support/scoped_environment.h"
#include "support/temp_dir.h"

namespace orvane::cli {
namespace {

namespace fs = std::filesystem;
using orvane::testing::TempDir;

struct Result {
  int status;
  std::string out, err;
};

// Runs orvane-cli in a fresh working directory (with the given UserData.Dat,
// if any), with a per-user data folder of its own, and restores the old ones
// afterwards.
class InFolder : public ::testing::Test {
 protected:
  void SetUp() override {
    old_ = fs::current_path();
    fs::current_path(dir_.path());
  }
  void TearDown() override { fs::current_path(old_); }

  Result Run(std::vector<std::string> args) {
    std::ostringstream out, err;
    const int status = RunCli(args, out, err, 2024);
    return {status, out.str(), err.str()};
  }
  void WriteFile(const std::string& bytes) {
    std::ofstream(dir_ / "UserData.Dat", std::ios::binary) << bytes;
  }
  std::string ReadFile() const {
    std::ifstream in(dir_ / "UserData.Dat", std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
  }
  bool FileExists() const { return fs::exists(dir_ / "UserData.Dat"); }

  TempDir dir_;
  orvane::testing::ScopedEnvironment dataHome_{"XDG_DATA_HOME", (dir_ / "data").c_str()};
  fs::path old_;
};

std::string Lf(const std::string& text) {
  std::string out;
  for (char c : text) {
    if (c != '\r') out.push_back(c);
  }
  return out;
}

// The pane after the window's own handler, with the place typed into its
// boxes and nothing read or written; a place without a name is captioned
// without one, as on the command line.
std::string PaneAfter(const std::string& keys, const std::string& name, const std::string& year,
                      bool gregorian, void (app::HolyDaysWindow::*click)()) {
  TempDir elsewhere;
  SilentBeeper beeper;
  app::HolyDaysWindow w(beeper);
  w.SetUserDataFolders({elsewhere.path(), {}});
  w.SetUserDataWritable(false);
  w.Form_Load(2024);
  w.TypeKeys(app::HolyDaysWindow::Control::txtLatDeg, keys);
  w.SetFocus(app::HolyDaysWindow::Control::None);
  w.userData().LocationName = name;
  w.CaptionOmitsEmptyName = true;
  w.txtYear = year;
  w.chkGregYear = gregorian;
  (w.*click)();
  return w.OutputText();
}

const std::string kTwoPlaces =
    "Sydney\r\n 1 \r\nJerusalem , Israel\r\n-35.2166666666667 \r\n 31.7833333333333 \r\n2\r\nSydney\r\n"
    "-151.216666666667 \r\n-33.8666666666667 \r\n10\r\n" +
    [] {
      std::string colours;
      for (int i = 0; i < 15; ++i) colours += " 16761024 \r\n";
      return colours;
    }();

TEST_F(InFolder, APlaceTypedAsTheBoxesGivesThePaneText) {
  const Result r = Run({"sunsets", "2024", "--gregorian", "--lat", "40 43 N", "--lon", "74 0 W", "--gmt", "5",
                        "--name", "New York"});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.err, "");
  EXPECT_EQ(r.out, Lf(PaneAfter("40 43 N 74 0 W 5", "New York", "2024", true,
                                &app::HolyDaysWindow::cmdSunset_Click)));
  EXPECT_NE(r.out.find("(New York, 40\u00BA43'N 74\u00BA0'W GMT -5)\n"), std::string::npos);

  const Result times = Run({"times", "2024", "--lat", "40 43n", "--lon", "74 0 w", "--gmt", "5", "--crlf"});
  EXPECT_EQ(times.out,
            PaneAfter("40 43 N 74 0 W 5", "", "2024", false, &app::HolyDaysWindow::cmdTimes_Click));
  EXPECT_TRUE(times.out.starts_with("(40\u00BA43'N 74\u00BA0'W GMT -5)\r\n")) << times.out.substr(0, 80);
  const Result moons = Run({"localmoons", "-1", "--lat", "22 34 N", "--lon", "88 22 E", "--gmt", "5.5"});
  EXPECT_EQ(moons.out,
            Lf(PaneAfter("22 34 N 88 22 E 5.5", "", "-1", false, &app::HolyDaysWindow::cmdLocMon_Click)));
  EXPECT_EQ(moons.out.substr(0, 30), " 1 BCE    CALCULATED NEW MOONS");
  // The command line never writes the user's file.
  EXPECT_FALSE(FileExists());
}

TEST_F(InFolder, WithoutAFileTheDefaultEntryIsTheCurrentLocation) {
  const Result r = Run({"sunsets", "2024"});
  EXPECT_EQ(r.status, 0);
  std::istringstream lines(r.out);
  std::string title, caption;
  std::getline(lines, title);
  std::getline(lines, caption);
  EXPECT_EQ(title, " 2024 CE  CALCULATED SUNSETS");
  EXPECT_EQ(caption, "(Jerusalem, Israel, 31\u00BA47'N 35\u00BA13'E GMT +2)");
  EXPECT_FALSE(FileExists());
  const Result list = Run({"locations"});
  EXPECT_EQ(list.out,
            "  NAME                LATITUDE  LONGITUDE  UTC OFFSET\n"
            "  Jerusalem , Israel  31 46 N   35 13 E    +2\n"
            "Current location: Jerusalem, Israel\n");
}

TEST_F(InFolder, StoredLocationsAreUsedByNameOrAsTheCurrentOne) {
  WriteFile(kTwoPlaces);
  const Result current = Run({"times", "2024", "--gregorian"});
  EXPECT_EQ(current.status, 0);
  EXPECT_EQ(current.out.substr(0, current.out.find('\n')), "(Sydney, 33\u00BA52'S 151\u00BA13'E GMT +10)");
  const Result named = Run({"times", "2024", "--gregorian", "--location", "Jerusalem , Israel"});
  EXPECT_EQ(named.out.substr(0, named.out.find('\n')),
            "(Jerusalem , Israel, 31\u00BA46'N 35\u00BA13'E GMT +2)");
  const Result list = Run({"locations"});
  EXPECT_EQ(list.out,
            "  NAME                LATITUDE  LONGITUDE  UTC OFFSET\n"
            "  Jerusalem , Israel  31 46 N   35 13 E    +2\n"
            "* Sydney              33 52 S   151 13 E   +10\n"
            "Current location: Sydney\n");
  EXPECT_EQ(ReadFile(), kTwoPlaces);
}

TEST_F(InFolder, PlacesAndYearsReadDifferentlyAreReported) {
  const Result r = Run({"sunsets", "0", "--lat", "75 70 N", "--lon", "200 0 E", "--gmt", "2"});
  EXPECT_EQ(r.status, 0);
  EXPECT_NE(r.err.find("the place 75 70 N, 200 0 E was read as 60 59 N, 180 0 E"), std::string::npos)
      << r.err;
  EXPECT_NE(r.err.find("year 0 was read as -1 (there is no year 0)"), std::string::npos) << r.err;
  EXPECT_NE(r.out.find("\n(60\u00BA59'N 180\u00BA0'E GMT +2)\n"), std::string::npos);
  // A value is taken as typed: the name "-5" is no option.
  const Result named = Run({"sunsets", "--lat", "31 47 N", "--lon", "35 13 E", "--gmt", "2", "--name", "-5"});
  EXPECT_NE(named.out.find("\n(-5, 31\u00BA47'N 35\u00BA13'E GMT +2)\n"), std::string::npos);
}

TEST_F(InFolder, ControlCharactersFromTheFileAreShownEscaped) {
  std::string file = kTwoPlaces;
  file.replace(file.find("Sydney\r\n-151"), 6, "Syd\x1b]0;owned\x07ney\xC2\x9B");
  file.replace(0, 6, "Syd\x1b]0;owned\x07ney\xC2\x9B");
  WriteFile(file);
  const Result list = Run({"locations"});
  EXPECT_EQ(list.out,
            "  NAME                          LATITUDE  LONGITUDE  UTC OFFSET\n"
            "  Jerusalem , Israel            31 46 N   35 13 E    +2\n"
            "* Syd\\x1b]0;owned\\x07ney\\u009b  33 52 S   151 13 E   +10\n"
            "Current location: Syd\\x1b]0;owned\\x07ney\\u009b\n");
  const Result times = Run({"times", "2024", "--gregorian"});
  EXPECT_TRUE(times.out.starts_with("(Syd\\x1b]0;owned\\x07ney\\u009b, 33\u00BA52'S"))
      << times.out.substr(0, 80);
}

TEST_F(InFolder, ADamagedFileIsReadAsFarAsItGoesAndLeftAlone) {
  const std::string damaged = kTwoPlaces.substr(0, kTwoPlaces.find("Sydney\r\n-151"));
  WriteFile(damaged);
  const Result r = Run({"locations"});
  EXPECT_EQ(r.status, 0);
  EXPECT_NE(r.err.find("cannot be read from line 7 on (the file ends)"), std::string::npos) << r.err;
  EXPECT_NE(r.out.find("Jerusalem , Israel"), std::string::npos);
  EXPECT_EQ(ReadFile(), damaged);
  EXPECT_FALSE(fs::exists(dir_ / "UserData.Dat.bak"));
}

TEST_F(InFolder, ThePerUserFileIsReadWhenTheWorkingFolderHasNoneAndDataNamesAnother) {
  // The per-user data folder, as the desktop program keeps it.
  fs::create_directories(dir_ / "data" / "orvane");
  std::ofstream(dir_ / "data" / "orvane" / "UserData.Dat", std::ios::binary) << kTwoPlaces;
  const Result perUser = Run({"locations", "--names"});
  EXPECT_EQ(perUser.status, 0);
  EXPECT_EQ(perUser.out, "Jerusalem , Israel\nSydney\n");

  // A file in the working folder comes first.
  const std::string oneEntry =
      "Home\r\n 0 \r\nHome\r\n-1 \r\n 2 \r\n3\r\n" + kTwoPlaces.substr(kTwoPlaces.find(" 16761024"));
  WriteFile(oneEntry);
  EXPECT_EQ(Run({"locations", "--names"}).out, "Home\n");

  // --data names the file, for every command that reads one.
  std::ofstream(dir_ / "other.dat", std::ios::binary) << kTwoPlaces;
  const Result named = Run({"times", "2024", "--gregorian", "--data", (dir_ / "other.dat").string()});
  EXPECT_EQ(named.status, 0);
  EXPECT_EQ(named.out.substr(0, named.out.find('\n')), "(Sydney, 33\u00BA52'S 151\u00BA13'E GMT +10)");
  EXPECT_EQ(Run({"locations", "--names", "--data", "other.dat"}).out, "Jerusalem , Israel\nSydney\n");
  const Result unknown = Run({"sunsets", "--data", "other.dat", "--location", "Home"});
  EXPECT_EQ(unknown.status, 2);
  EXPECT_NE(unknown.err.find("no location named 'Home' in " + (dir_ / "other.dat").string()),
            std::string::npos)
      << unknown.err;
  // A named file that is not there is said, and Jerusalem used.
  const Result missing = Run({"locations", "--names", "--data", "nowhere.dat"});
  EXPECT_EQ(missing.status, 0);
  EXPECT_EQ(missing.out, "Jerusalem , Israel\n");
  EXPECT_NE(missing.err.find("there is no file " + (dir_ / "nowhere.dat").string()), std::string::npos)
      << missing.err;
  EXPECT_FALSE(fs::exists(dir_ / "nowhere.dat"));
  EXPECT_EQ(ReadFile(), oneEntry);
}

}  // namespace
}  // namespace orvane::cli
