// The user data file: its text, reading damaged files, and where and how it
// is written.
#include "app/user_data.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "app/holy_days_window.h"
#include "app/user_data_file.h"
#include "support/scoped_environment.h"
#include "support/temp_dir.h"

namespace orvane::app {
namespace {

namespace fs = std::filesystem;
using orvane::testing::ReadBytes;
using orvane::testing::TempDir;
using orvane::testing::WriteBytes;

// Lines joined with CR LF, each ended by one.
std::string Crlf(std::initializer_list<std::string> lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  return text;
}

// The 15 colour lines of a file whose colours are 1..15 (so that each
// colour's place can be told).
std::string NumberedColours(int upTo = 15) {
  std::string text;
  for (int i = 1; i <= upTo; ++i) text += " " + std::to_string(i) + " \r\n";
  return text;
}

// A file as the program writes it: the layout of the file format, by hand.
const std::string kTwoPlaces =
    Crlf({"New York", " 1 ", "Jerusalem , Israel", "-35.2166666666667 ", " 31.7833333333333 ", "2",
          "New York", " 74 ", " 40.7166666666667 ", "5"}) +
    Crlf({" 16761024 ", " 16761024 ", " 16761024 ", " 16761024 ", " 16761024 ", " 16761024 ", " 16761024 ",
          " 16761024 ", " 16761024 ", " 16761024 ", " 12640511 ", " 16761024 ", " 16777215 ", " 16777215 ",
          " 16761024 "});

class QuestionLog final : public QuestionBox {
 public:
  Answer Ask(const Question& q) override {
    asked.push_back(q);
    return answer;
  }
  std::vector<Question> asked;
  Answer answer = Answer::No;
};

struct Window {
  explicit Window(const UserDataFolders& folders) {
    w.SetUserDataFolders(folders);
    w.SetQuestionBox(&questions);
    w.Form_Load(2024);
  }
  SilentBeeper beeper;
  QuestionLog questions;
  HolyDaysWindow w{beeper};
};

TEST(UserDataText, NumbersAreWrittenWithASignColumnAndATrailingBlank) {
  EXPECT_EQ(NumberLineText(0), " 0 ");
  EXPECT_EQ(NumberLineText(-35.2166666666667), "-35.2166666666667 ");
  EXPECT_EQ(NumberLineText(31 + 47.0 / 60), " 31.7833333333333 ");  // 15 significant digits
  EXPECT_EQ(NumberLineText(16761024), " 16761024 ");
  EXPECT_EQ(NumberLineText(0.5), " 0.5 ");  // the general form, not Str's " .5"
  EXPECT_EQ(NumberLineText(-0.5), "-0.5 ");
  EXPECT_EQ(Rgb(192, 192, 255), 16761024);
}

TEST(UserDataText, AFileReadsBackByteForByte) {
  UserData data;
  const UserDataReading r = ReadUserData(kTwoPlaces, data);
  ASSERT_TRUE(r.complete) << r.problem;
  EXPECT_EQ(data.LocationName, "New York");
  ASSERT_EQ(data.Locations.size(), 2u);
  EXPECT_EQ(data.Locations[0].name, "Jerusalem , Israel");
  EXPECT_EQ(data.Locations[0].longitude, -35.2166666666667);
  EXPECT_EQ(data.Locations[0].latitude, 31.7833333333333);
  EXPECT_EQ(data.Locations[0].zone, "2");
  EXPECT_EQ(data.Locations[1].zone, "5");
  EXPECT_EQ(data.Colours[ColourItem::AboutText], Rgb(255, 224, 192));
  EXPECT_EQ(data.Colours[ColourItem::MainText], Rgb(255, 255, 255));
  EXPECT_EQ(WriteUserData(data), kTwoPlaces);
}

TEST(UserDataText, WhatTheProgramWritesReadsBackUnchanged) {
  // Values as the boxes give them (minutes / 60 is not a short decimal),
  // names with commas and blanks, a zone with a fraction.
  UserData data;
  data.LocationName = "Washington, D.C. , USA ";
  data.Locations.push_back({"Washington, D.C. , USA ", 77 + 2.0 / 60, 38 + 54.0 / 60, "5"});
  data.Locations.push_back({" Kolkata,  India", -(88 + 22.0 / 60), 22 + 34.0 / 60, "5.5"});
  data.Locations.push_back({"Sydney", -(151 + 13.0 / 60), -(33 + 52.0 / 60), "10"});
  data.Locations.push_back({"", 0, 0, ""});
  data.Colours[ColourItem::MainForm] = Rgb(1, 2, 3);
  const std::string first = WriteUserData(data);
  UserData again;
  ASSERT_TRUE(ReadUserData(first, again).complete);
  EXPECT_EQ(again.LocationName, "Washington, D.C. , USA ");
  EXPECT_EQ(again.Locations[1].name, " Kolkata,  India");
  EXPECT_EQ(again.Locations[1].zone, "5.5");
  EXPECT_EQ(again.Locations[2].latitude, -33.8666666666667);
  EXPECT_EQ(again.Colours, data.Colours);
  EXPECT_EQ(WriteUserData(again), first);
}

TEST(UserDataText, IndexMinusOneInstallsTheDefaultEntry) {
  UserData data;
  ASSERT_TRUE(ReadUserData(Crlf({"Anywhere", " -1 "}) + NumberedColours(), data).complete);
  ASSERT_EQ(data.Locations.size(), 1u);
  EXPECT_EQ(data.Locations[0].name, "Jerusalem , Israel");
  EXPECT_EQ(data.Locations[0].longitude, -35.2166666666667);
  EXPECT_EQ(data.Locations[0].latitude, 31.7833333333333);
  EXPECT_EQ(data.Locations[0].zone, "2");
  EXPECT_EQ(data.LocationName, "Jerusalem, Israel");
  EXPECT_EQ(data.Colours.stored[14], 15);
}

TEST(UserDataText, FieldsAreReadAsTheirLinesAllow) {
  UserData data;
  // LF line ends, blanks around numbers, a comma ending a number or the
  // zone, an exponent, a colour with a fraction rounded half to even.
  const std::string text = "Here\n 0\nHere\n  -35.5 , 7\n3.15E1\n  5.5,x\n" + std::string(" 2.5\n") +
                           std::string(" 16761024.4 \r\n").append(NumberedColours(13));
  const UserDataReading r = ReadUserData(text, data);
  ASSERT_TRUE(r.complete) << r.problem;
  EXPECT_EQ(data.Locations[0].longitude, -35.5);
  EXPECT_EQ(data.Locations[0].latitude, 31.5);
  EXPECT_EQ(data.Locations[0].zone, "5.5");
  EXPECT_EQ(data.Colours.stored[0], 2);
  EXPECT_EQ(data.Colours.stored[1], 16761024);
}

TEST(UserDataText, ReadingStopsAtTheDamageAndKeepsWhatCameBefore) {
  struct Case {
    std::string text;
    int badLine;
    std::size_t entries;
    int coloursRead;
  };
  const std::string entry1 = Crlf({"First", " 1 ", " 2 ", "3"});
  const std::string entry2 = Crlf({"Second", " 4 ", " 5 ", "6"});
  const Case cases[] = {
      {"", 1, 0, 0},                                                        // empty file
      {Crlf({"Here"}), 2, 0, 0},                                            // ends after the name
      {Crlf({"Here", "two"}), 2, 0, 0},                                     // index not a number
      {Crlf({"Here", " 501 "}), 2, 0, 0},                                   // index above 500
      {Crlf({"Here", " 2000000000 "}), 2, 0, 0},                            // far above
      {Crlf({"Here", " -2 "}), 2, 0, 0},                                    // below -1
      {Crlf({"Here", " 2 "}) + entry1 + entry2, 11, 2, 0},                  // third entry missing
      {Crlf({"Here", " 1 "}) + entry1 + Crlf({"Second", "abc"}), 8, 1, 0},  // longitude letters
      {Crlf({"Here", " 1 "}) + entry1 + Crlf({"Second", " 4 ", "5N"}), 9, 1, 0},
      {Crlf({"Here", " 1 "}) + entry1 + entry2 + NumberedColours(6) + Crlf({"red"}), 17, 2, 6},
      {Crlf({"Here", " 1 "}) + entry1 + entry2 + NumberedColours(14), 25, 2, 14},  // last colour missing
      {Crlf({"Here", " 1 "}) + entry1 + entry2 + NumberedColours(3) + Crlf({" 1E999 "}), 14, 2, 3},
      {Crlf({"Here", " 0 ", "Far", " 1E300 "}), 4, 0, 0},  // a longitude that is no angle
      // A zone is an offset of 0 to 14 hours, or empty (an emptied box).
      {Crlf({"Here", " 1 "}) + entry1 + Crlf({"Second", " 4 ", " 5 ", "1e308"}), 10, 1, 0},
      {Crlf({"Here", " 0 ", "West", " 4 ", " 5 ", "-5"}), 6, 0, 0},
      {Crlf({"Here", " 0 ", "Typo", " 4 ", " 5 ", "10000"}), 6, 0, 0},
      {Crlf({"Here", " 0 ", "Typo", " 4 ", " 5 ", "1.2.3"}), 6, 0, 0},
      // Cut inside a line: the zone "12" as "1", the last colour as " 167".
      {Crlf({"Here", " 0 ", "Cut", " 1 ", " 2 "}) + "1", 6, 0, 0},
      {Crlf({"Here", " 1 "}) + entry1 + entry2 + NumberedColours(14) + " 167", 25, 2, 14},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    UserData data;
    const UserDataReading r = ReadUserData(c.text, data);
    EXPECT_FALSE(r.complete);
    EXPECT_EQ(r.badLine, c.badLine) << r.problem;
    EXPECT_EQ(data.Locations.size(), c.entries);
    for (int i = 0; i < kStoredColourCount; ++i) {
      const std::int32_t expected =
          i < c.coloursRead ? i + 1 : ColourSettings().stored[static_cast<std::size_t>(i)];
      EXPECT_EQ(data.Colours.stored[static_cast<std::size_t>(i)], expected) << "colour " << i + 1;
    }
  }
}

TEST(UserDataText, AFullListOf501EntriesIsRead) {
  std::string text = Crlf({"Place 500", " 500 "});
  for (int i = 0; i <= 500; ++i) text += Crlf({"Place " + std::to_string(i), " 1 ", " 2 ", "3"});
  text += NumberedColours();
  UserData data;
  ASSERT_TRUE(ReadUserData(text, data).complete);
  EXPECT_EQ(data.LastLocationIndex(), 500);
  EXPECT_EQ(WriteUserData(data), text);
}

TEST(UserDataText, AnotherCopysChangesAreMergedWithoutLosingEither) {
  // Entries are a name and a version (the longitude); the list is what both
  // copies read, then what each holds when this copy saves.
  struct Case {
    std::string what;
    std::vector<std::pair<std::string, int>> base, theirs, ours, merged;
    bool theirsWhole = true;
  };
  const std::vector<Case> cases = {
      {"both added", {{"A", 1}}, {{"A", 1}, {"X", 1}}, {{"A", 1}, {"Y", 1}}, {{"A", 1}, {"Y", 1}, {"X", 1}}},
      {"they edited", {{"A", 1}, {"B", 1}}, {{"A", 2}, {"B", 1}}, {{"A", 1}, {"B", 1}}, {{"A", 2}, {"B", 1}}},
      {"both edited: ours wins", {{"A", 1}}, {{"A", 2}}, {{"A", 3}}, {{"A", 3}}},
      {"they deleted", {{"A", 1}, {"B", 1}}, {{"B", 1}}, {{"A", 1}, {"B", 1}}, {{"B", 1}}},
      {"they deleted what we edited", {{"A", 1}}, {}, {{"A", 2}}, {{"A", 2}}},
      {"we deleted", {{"A", 1}, {"B", 1}}, {{"A", 1}, {"B", 1}}, {{"B", 1}}, {{"B", 1}}},
      {"we deleted what they edited",
       {{"A", 1}, {"B", 1}},
       {{"A", 2}, {"B", 1}},
       {{"B", 1}},
       {{"B", 1}, {"A", 2}}},
      {"a name twice", {{"A", 1}}, {{"A", 1}, {"A", 2}}, {{"A", 1}}, {{"A", 1}, {"A", 2}}},
      {"a damaged file: only additions count",
       {{"A", 1}, {"B", 1}, {"C", 1}},
       {{"A", 2}, {"X", 1}},
       {{"A", 1}, {"B", 1}, {"C", 1}},
       {{"A", 1}, {"B", 1}, {"C", 1}, {"X", 1}},
       false},
  };
  auto data = [](const std::vector<std::pair<std::string, int>>& entries) {
    UserData d;
    d.LocationName = "Mine";
    for (const auto& [name, version] : entries) d.Locations.push_back({name, double(version), 0, "2"});
    return d;
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    UserData ours = data(c.ours);
    const bool changed = MergeOtherCopy(data(c.base), data(c.theirs), c.theirsWhole, ours);
    std::vector<std::pair<std::string, int>> merged;
    for (const Location& entry : ours.Locations) merged.emplace_back(entry.name, int(entry.longitude));
    EXPECT_EQ(merged, c.merged);
    EXPECT_EQ(changed, c.merged != c.ours);
  }
  // Colours: each side's change is kept; the current location stays this copy's.
  UserData base, theirs, ours;
  theirs.LocationName = "Theirs";
  ours.LocationName = "Ours";
  theirs.Colours[ColourItem::MainForm] = Rgb(1, 1, 1);
  ours.Colours[ColourItem::MainText] = Rgb(2, 2, 2);
  EXPECT_TRUE(MergeOtherCopy(base, theirs, true, ours));
  EXPECT_EQ(ours.Colours[ColourItem::MainForm], Rgb(1, 1, 1));
  EXPECT_EQ(ours.Colours[ColourItem::MainText], Rgb(2, 2, 2));
  EXPECT_EQ(ours.LocationName, "Ours");
}

// --- The file on disk -----------------------------------------------------------

TEST(UserDataFile, AMissingFileIsWrittenEmptyAndTheNextStartInstallsTheDefault) {
  TempDir dir;
  fs::create_directory(dir / "work");
  const UserDataFolders folders = UserDataFoldersFor(dir / "work", dir / "data" / "orvane");
  {
    Window first(folders);
    EXPECT_EQ(first.w.LoadUserData().status, LoadStatus::Missing);
    EXPECT_TRUE(first.w.cboLocation.List.empty());
    // The boxes keep their initial texts.
    EXPECT_EQ(first.w.txtLatDeg.Text + first.w.txtLatMin.Text + first.w.txtLatDir.Text, "3147N");
    EXPECT_EQ(first.w.txtLongDeg.Text + first.w.txtLongMin.Text + first.w.txtLonDir.Text, "3513E");
    EXPECT_EQ(first.w.txtGMT.Text, "2");
    EXPECT_FALSE(first.w.UserDataChanged);
  }
  // The first start creates the per-user folder and leaves the working one alone.
  const std::string written = ReadBytes(dir / "data" / "orvane" / "UserData.Dat");
  const ColourSettings designColours;
  std::string colours;
  for (std::int32_t c : designColours.stored) colours += NumberLineText(c) + "\r\n";
  EXPECT_EQ(written, Crlf({"", "-1 "}) + colours);
  EXPECT_FALSE(fs::exists(dir / "work" / "UserData.Dat"));

  Window second(folders);
  EXPECT_EQ(second.w.LoadUserData().status, LoadStatus::Read);
  EXPECT_EQ(second.w.cboLocation.List, std::vector<std::string>{"Jerusalem , Israel"});
  EXPECT_EQ(second.w.LocationName(), "Jerusalem, Israel");
  EXPECT_EQ(second.w.cboLocation.Text, "Jerusalem, Israel");
}

TEST(UserDataFile, TheWorkingFoldersFileWinsThenThePerUserOneThenTheFormerFolders) {
  TempDir dir;
  fs::create_directories(dir / "work");
  fs::create_directories(dir / "data" / "Orvane");
  const UserDataFolders folders = UserDataFoldersFor(dir / "work", dir / "data" / "orvane");
  EXPECT_EQ(folders.formerPerUser, dir / "data" / "Orvane");

  // Only the folder of earlier versions holds a file: it is read, and the
  // first save goes to the per-user folder, leaving it as it was.
  WriteBytes(dir / "data" / "Orvane" / "UserData.Dat", kTwoPlaces);
  {
    Window f(folders);
    EXPECT_EQ(f.w.LoadUserData().status, LoadStatus::Read);
    EXPECT_EQ(f.w.LocationName(), "New York");
    f.w.SaveUserData();
  }
  EXPECT_EQ(ReadBytes(dir / "data" / "orvane" / "UserData.Dat"), kTwoPlaces);
  EXPECT_EQ(ReadBytes(dir / "data" / "Orvane" / "UserData.Dat"), kTwoPlaces);

  // A file in the working folder is used, read and saved, before the per-user one.
  const std::string mine = Crlf({"Mine", " 0 ", "Mine", "-1 ", " 2 ", "3"}) + NumberedColours();
  WriteBytes(dir / "work" / "UserData.Dat", mine);
  {
    Window f(folders);
    EXPECT_EQ(f.w.LoadUserData().status, LoadStatus::Read);
    EXPECT_EQ(f.w.LocationName(), "Mine");
    f.w.SaveUserData();
  }
  EXPECT_EQ(ReadBytes(dir / "work" / "UserData.Dat"), mine);
  EXPECT_EQ(ReadBytes(dir / "data" / "orvane" / "UserData.Dat"), kTwoPlaces);

  // A named file alone: missing, it is created there and nowhere else.
  {
    Window f(NamedUserDataFile(dir / "named.dat"));
    EXPECT_EQ(f.w.LoadUserData().status, LoadStatus::Missing);
    EXPECT_TRUE(f.w.cboLocation.List.empty());
  }
  UserData named;
  EXPECT_TRUE(ReadUserData(ReadBytes(dir / "named.dat"), named).complete);
  EXPECT_EQ(ReadBytes(dir / "work" / "UserData.Dat"), mine);
}

TEST(UserDataFile, ThePerUserFolderIsTheToolkitsBesideTheHomeOrTheGivenDataHome) {
  TempDir dir;
  fs::path byHome, byDataHome, byRelative;
  {
    const orvane::testing::ScopedEnvironment home("HOME", (dir / "home").c_str());
    const orvane::testing::ScopedEnvironment none("XDG_DATA_HOME", nullptr);
    byHome = PlatformPerUserFolder();
  }
  {
    const orvane::testing::ScopedEnvironment home("HOME", (dir / "home").c_str());
    const orvane::testing::ScopedEnvironment given("XDG_DATA_HOME", (dir / "xdg").c_str());
    byDataHome = PlatformPerUserFolder();
  }
  {
    const orvane::testing::ScopedEnvironment home("HOME", (dir / "home").c_str());
    const orvane::testing::ScopedEnvironment relative("XDG_DATA_HOME", "relative/is/ignored");
    byRelative = PlatformPerUserFolder();
  }
  EXPECT_EQ(byHome, dir / "home" / ".local" / "share" / "orvane");
  EXPECT_EQ(byDataHome, dir / "xdg" / "orvane");
  EXPECT_EQ(byRelative, byHome);
}

TEST(UserDataFile, ADamagedFileIsKeptAsBakAndRewrittenWithWhatWasRead) {
  TempDir dir;
  const std::string damaged =
      Crlf({"Second", " 2 ", "First", " 1 ", " 2 ", "3", "Second", "-4 ", " 5 ", "6", "Third", "junk"}) +
      "and whatever follows";
  WriteBytes(dir / "UserData.Dat", damaged);
  Window f({dir.path(), dir / "per-user"});
  const LoadOutcome loaded = f.w.LoadUserData();
  EXPECT_EQ(loaded.status, LoadStatus::Damaged);
  EXPECT_EQ(loaded.reading.badLine, 12);
  EXPECT_EQ(ReadBytes(dir / "UserData.Dat.bak"), damaged);
  // The two whole entries survive the rewrite and show at once.
  EXPECT_EQ(f.w.cboLocation.List, (std::vector<std::string>{"First", "Second"}));
  EXPECT_EQ(f.w.txtLongDeg.Text + f.w.txtLonDir.Text, "4E");
  UserData reread;
  ASSERT_TRUE(ReadUserData(ReadBytes(dir / "UserData.Dat"), reread).complete);
  EXPECT_EQ(reread.LocationName, "Second");
  ASSERT_EQ(reread.Locations.size(), 2u);
  EXPECT_EQ(reread.Locations[1].longitude, -4);
  EXPECT_EQ(reread.Colours, ColourSettings());
  // No scratch file is left beside it.
  int files = 0;
  for (const auto& entry : fs::directory_iterator(dir.path())) files += entry.is_regular_file() ? 1 : 0;
  EXPECT_EQ(files, 2);
}

TEST(UserDataFile, SavingReplacesTheFileWhole) {
  TempDir dir;
  WriteBytes(dir / "UserData.Dat", kTwoPlaces);
  Window f({dir.path(), dir / "per-user"});
  f.w.LoadUserData();
  f.w.userData().LocationName = "Jerusalem , Israel";
  f.w.SaveUserData();
  std::string expected = kTwoPlaces;
  expected.replace(0, 8, "Jerusalem , Israel");
  EXPECT_EQ(ReadBytes(dir / "UserData.Dat"), expected);
  EXPECT_FALSE(fs::exists(dir / "UserData.Dat.bak"));
}

// A path that no one can create files in, not even the superuser: a folder
// inside a regular file.
fs::path UnwritableFolder(const TempDir& dir) {
  WriteBytes(dir / "plain-file", "x");
  return dir / "plain-file" / "folder";
}

TEST(UserDataFile, AFolderThatCannotBeWrittenSendsTheFileToThePerUserFolder) {
  TempDir dir;
  const fs::path readOnly = UnwritableFolder(dir);
  const UserDataFolders folders{readOnly, dir / "data" / "orvane"};
  {
    Window f(folders);
    f.w.LoadUserData();
    EXPECT_TRUE(fs::exists(dir / "data" / "orvane" / "UserData.Dat"));
    EXPECT_TRUE(f.questions.asked.empty());
  }
  Window again(folders);
  EXPECT_EQ(again.w.LoadUserData().status, LoadStatus::Read);
  EXPECT_EQ(again.w.LocationName(), "Jerusalem, Israel");
}

TEST(UserDataFile, AShippedFileInAReadOnlyFolderIsReadUntilTheFirstSave) {
  TempDir dir;
  fs::create_directory(dir / "program");
  WriteBytes(dir / "program" / "UserData.Dat", kTwoPlaces);
  // Read-only for its owner; the superuser needs the immutable attribute.
  fs::permissions(dir / "program", fs::perms::owner_read | fs::perms::owner_exec);
  const std::string program = (dir / "program").string();
  struct Immutable {
    std::string folder;
    bool set = false;
    ~Immutable() {
      if (set) std::system(("chattr -i '" + folder + "' 2>/dev/null").c_str());
    }
  } immutable{program};
  if (FolderIsWritable(dir / "program")) {
    immutable.set = std::system(("chattr +i '" + program + "' 2>/dev/null").c_str()) == 0;
    if (FolderIsWritable(dir / "program")) GTEST_SKIP() << "the folder cannot be made read-only here";
  }
  Window f({dir / "program", dir / "per-user"});
  EXPECT_EQ(f.w.LoadUserData().status, LoadStatus::Read);
  EXPECT_EQ(f.w.LocationName(), "New York");
  f.w.SaveUserData();
  EXPECT_EQ(ReadBytes(dir / "per-user" / "UserData.Dat"), kTwoPlaces);
  EXPECT_EQ(ReadBytes(dir / "program" / "UserData.Dat"), kTwoPlaces);
}

TEST(UserDataFile, AFailedSaveKeepsTheStateAndTellsTheUserOnce) {
  TempDir dir;
  const UserDataFolders nowhere{UnwritableFolder(dir), dir / "plain-file" / "per-user"};
  Window f(nowhere);
  f.w.LoadUserData();
  ASSERT_EQ(f.questions.asked.size(), 1u);
  EXPECT_EQ(f.questions.asked[0].title, "Locations not saved");
  EXPECT_EQ(f.questions.asked[0].buttons, Question::Buttons::Ok);

  f.w.cboLocation.Text = "Somewhere";
  f.questions.answer = Answer::Yes;
  f.w.MaintainLocation();  // adds, and the save fails again: no second notice
  EXPECT_EQ(f.w.userData().Locations.back().name, "Somewhere");
  EXPECT_EQ(f.questions.asked.size(), 2u);  // the add question only
  EXPECT_TRUE(f.w.UserDataChanged);
}

TEST(UserDataFile, TheReaderStopsAtItsLimit) {
  TempDir dir;
  // A megabyte-long name line, then an index far too large: read without
  // trouble and reported as damage at line 2.
  WriteBytes(dir / "UserData.Dat", std::string(1 << 20, 'x') + "\r\n 2000000000 \r\n");
  UserData data;
  const LoadOutcome o = UserDataFile({dir.path(), {}}).Load(data);
  EXPECT_EQ(o.status, LoadStatus::Damaged);
  EXPECT_EQ(o.reading.badLine, 2);
  // A file past the limit is read up to it.
  WriteBytes(dir / "UserData.Dat", kTwoPlaces + std::string(kMaxUserDataBytes, ' '));
  EXPECT_EQ(UserDataFile({dir.path(), {}}).Load(data).status, LoadStatus::Read);
  WriteBytes(dir / "UserData.Dat", Crlf({std::string(kMaxUserDataBytes, 'y')}) + " 0 \r\n");
  EXPECT_EQ(UserDataFile({dir.path(), {}}).Load(data).status, LoadStatus::Damaged);
}

}  // namespace
}  // namespace orvane::app
