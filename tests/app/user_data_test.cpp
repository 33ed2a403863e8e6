// The user data file: its text, reading damaged files, merging another
// copy's changes, and where and how it is written.
#include "app/user_data.h"

#include <gtest/gtest.h>

#include "app/user_data_file.h"
#include "support/main_window_core.h"
#include "support/ordinary_user.h"

namespace orvane::app {
namespace {

namespace fs = std::filesystem;
using testing::Crlf;
using testing::kTwoPlaces;
using testing::MainWindowCore;
using testing::ReadBytes;
using testing::TempDir;
using testing::WriteBytes;

// The colour lines of a file whose colours are 1..15 (so that each colour's
// place can be told).
std::string NumberedColours(int upTo = 15) {
  std::string text;
  for (int i = 1; i <= upTo; ++i) text += " " + std::to_string(i) + " \r\n";
  return text;
}

// A main window over the given folders, started with its data read.
struct Started : MainWindowCore {
  explicit Started(const UserDataFolders& folders) : MainWindowCore(folders) {
    questions.answer = Answer::No;
    status = w.LoadUserData().status;
  }
  LoadStatus status;
};

TEST(UserDataText, WhatIsWrittenReadsBackByteForByte) {
  UserData data;
  ASSERT_TRUE(ReadUserData(kTwoPlaces, data).complete);
  EXPECT_EQ(data.LocationName, "New York");
  ASSERT_EQ(data.Locations.size(), 2u);
  EXPECT_EQ(data.Locations[0].name, "Jerusalem , Israel");
  EXPECT_EQ(data.Locations[0].longitude, -35.2166666666667);
  EXPECT_EQ(data.Locations[0].latitude, 31.7833333333333);
  EXPECT_EQ(data.Locations[1].zone, "5");
  EXPECT_EQ(data.Colours[ColourItem::AboutText], Rgb(255, 224, 192));
  EXPECT_EQ(data.Colours[ColourItem::MainText], Rgb(255, 255, 255));
  EXPECT_EQ(WriteUserData(data), kTwoPlaces);
  // Values as the boxes give them (minutes / 60 is no short decimal), names
  // with commas and blanks, a zone with a fraction, an entry of halves
  // written in the general form (" 0.5 ", not " .5 ").
  data.LocationName = "Washington, D.C. , USA ";
  data.Locations = {{"Washington, D.C. , USA ", 77 + 2.0 / 60, 38 + 54.0 / 60, "5"},
                    {" Kolkata,  India", -(88 + 22.0 / 60), 22 + 34.0 / 60, "5.5"},
                    {"Sydney", -(151 + 13.0 / 60), -(33 + 52.0 / 60), "10"},
                    {"", 0.5, -0.5, ""}};
  data.Colours[ColourItem::MainForm] = Rgb(1, 2, 3);
  const std::string written = WriteUserData(data);
  UserData again;
  ASSERT_TRUE(ReadUserData(written, again).complete);
  EXPECT_EQ(again.LocationName, "Washington, D.C. , USA ");
  EXPECT_EQ(again.Locations[1].name, " Kolkata,  India");
  EXPECT_EQ(again.Locations[1].zone, "5.5");
  EXPECT_EQ(again.Locations[2].latitude, -33.8666666666667);
  EXPECT_EQ(again.Colours, data.Colours);
  EXPECT_EQ(WriteUserData(again), written);
  EXPECT_NE(written.find("\r\n\r\n 0.5 \r\n-0.5 \r\n\r\n"), std::string::npos);
}

TEST(UserDataText, FieldsAreReadAsTheirLinesAllow) {
  UserData data;
  // LF line ends, blanks around numbers, a comma ending a number or the
  // zone, an exponent, a colour with a fraction rounded half to even.
  const std::string text =
      "Here\n 0\nHere\n  -35.5 , 7\n3.15E1\n  5.5,x\n 2.5\n 16761024.4 \r\n" + NumberedColours(13);
  const UserDataReading r = ReadUserData(text, data);
  ASSERT_TRUE(r.complete) << r.problem;
  EXPECT_EQ(data.Locations[0].longitude, -35.5);
  EXPECT_EQ(data.Locations[0].latitude, 31.5);
  EXPECT_EQ(data.Locations[0].zone, "5.5");
  EXPECT_EQ(data.Colours.stored[0], 2);
  EXPECT_EQ(data.Colours.stored[1], 16761024);
  // A full list of 501 entries.
  std::string full = Crlf({"Place 500", " 500 "});
  for (int i = 0; i <= 500; ++i) full += Crlf({"Place " + std::to_string(i), " 1 ", " 2 ", "3"});
  full += NumberedColours();
  ASSERT_TRUE(ReadUserData(full, data).complete);
  EXPECT_EQ(data.LastLocationIndex(), 500);
  EXPECT_EQ(WriteUserData(data), full);
}

TEST(UserDataText, ReadingStopsAtTheDamageAndKeepsWhatCameBefore) {
  struct Case {
    std::string text;
    int badLine;
    std::size_t entries;
    int coloursRead;
  };
  const std::string entry1 = Crlf({"First", " 1 ", " 2 ", "3"}), entry2 = Crlf({"Second", " 4 ", " 5 ", "6"});
  const std::string two = Crlf({"Here", " 1 "}) + entry1 + entry2;
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
      {two + NumberedColours(6) + Crlf({"red"}), 17, 2, 6},
      {two + NumberedColours(14), 25, 2, 14},  // last colour missing
      {two + NumberedColours(3) + Crlf({" 1E999 "}), 14, 2, 3},
      {Crlf({"Here", " 0 ", "Far", " 1E300 "}), 4, 0, 0},  // a longitude that is no angle
      // A zone is an offset of 0 to 14 hours, or empty (an emptied box).
      {Crlf({"Here", " 1 "}) + entry1 + Crlf({"Second", " 4 ", " 5 ", "1e308"}), 10, 1, 0},
      {Crlf({"Here", " 0 ", "West", " 4 ", " 5 ", "-5"}), 6, 0, 0},
      {Crlf({"Here", " 0 ", "Typo", " 4 ", " 5 ", "10000"}), 6, 0, 0},
      // Cut inside a line: the zone "12" as "1", the last colour as " 167".
      {Crlf({"Here", " 0 ", "Cut", " 1 ", " 2 "}) + "1", 6, 0, 0},
      {two + NumberedColours(14) + " 167", 25, 2, 14},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    UserData data;
    const UserDataReading r = ReadUserData(c.text, data);
    EXPECT_FALSE(r.complete);
    EXPECT_EQ(r.badLine, c.badLine) << r.problem;
    EXPECT_EQ(data.Locations.size(), c.entries);
    for (int i = 0; i < kStoredColourCount; ++i) {
      const auto at = static_cast<std::size_t>(i);
      EXPECT_EQ(data.Colours.stored[at], i < c.coloursRead ? i + 1 : ColourSettings().stored[at]) << i + 1;
    }
  }
}

TEST(UserDataText, AnotherCopysChangesAreMergedWithoutLosingEither) {
  // Entries are a name and a version (the longitude); the list is what both
  // copies read, then what each holds when this copy saves.
  using Entries = std::vector<std::pair<std::string, int>>;
  struct Case {
    std::string what;
    Entries base, theirs, ours, merged;
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
  auto data = [](const Entries& entries) {
    UserData d;
    d.LocationName = "Mine";
    for (const auto& [name, version] : entries) d.Locations.push_back({name, double(version), 0, "2"});
    return d;
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    UserData ours = data(c.ours);
    const bool changed = MergeOtherCopy(data(c.base), data(c.theirs), c.theirsWhole, ours);
    Entries merged;
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
    Started first(folders);
    EXPECT_EQ(first.status, LoadStatus::Missing);
    EXPECT_TRUE(first.w.cboLocation.List.empty());
    EXPECT_FALSE(first.w.UserDataChanged);
  }
  // The first start creates the per-user folder and leaves the working one alone.
  std::string colours;
  for (std::int32_t c : ColourSettings().stored) colours += NumberLineText(c) + "\r\n";
  EXPECT_EQ(ReadBytes(dir / "data" / "orvane" / "UserData.Dat"), Crlf({"", "-1 "}) + colours);
  EXPECT_FALSE(fs::exists(dir / "work" / "UserData.Dat"));
  Started second(folders);
  EXPECT_EQ(second.status, LoadStatus::Read);
  EXPECT_EQ(second.w.cboLocation.List, std::vector<std::string>{"Jerusalem , Israel"});
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
  Started former(folders);
  EXPECT_EQ(former.w.LocationName(), "New York");
  former.w.SaveUserData();
  EXPECT_EQ(ReadBytes(dir / "data" / "orvane" / "UserData.Dat"), kTwoPlaces);
  EXPECT_EQ(ReadBytes(dir / "data" / "Orvane" / "UserData.Dat"), kTwoPlaces);
  // A file in the working folder is used, read and saved, before the per-user one.
  const std::string mine = Crlf({"Mine", " 0 ", "Mine", "-1 ", " 2 ", "3"}) + NumberedColours();
  WriteBytes(dir / "work" / "UserData.Dat", mine);
  Started working(folders);
  EXPECT_EQ(working.w.LocationName(), "Mine");
  working.w.SaveUserData();
  EXPECT_EQ(ReadBytes(dir / "work" / "UserData.Dat"), mine);
  EXPECT_EQ(ReadBytes(dir / "data" / "orvane" / "UserData.Dat"), kTwoPlaces);
  // A named file alone: missing, it is created there and nowhere else.
  EXPECT_EQ(Started(NamedUserDataFile(dir / "named.dat")).status, LoadStatus::Missing);
  UserData named;
  EXPECT_TRUE(ReadUserData(ReadBytes(dir / "named.dat"), named).complete);
  EXPECT_EQ(ReadBytes(dir / "work" / "UserData.Dat"), mine);
}

TEST(UserDataFile, AFolderThatCannotBeWrittenSendsTheFileToThePerUserFolder) {
  TempDir dir;
  WriteBytes(dir / "plain-file", "x");  // no one, not even the superuser, creates files inside a file
  const UserDataFolders folders{dir / "plain-file" / "folder", dir / "data" / "orvane"};
  {
    Started f(folders);
    EXPECT_TRUE(fs::exists(dir / "data" / "orvane" / "UserData.Dat"));
    EXPECT_TRUE(f.questions.asked.empty());
  }
  EXPECT_EQ(Started(folders).w.LocationName(), "Jerusalem, Israel");
  // With nowhere to write, the user is told once, and the state is kept.
  Started f({dir / "plain-file" / "folder", dir / "plain-file" / "per-user"});
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

TEST(UserDataFile, AShippedFileInAReadOnlyFolderIsReadUntilTheFirstSave) {
  const testing::OrdinaryUser user = testing::RunAsOrdinaryUser();  // for whom a folder's mode holds
  if (user.skipped) GTEST_SKIP() << user.why;
  if (!user.here) return;
  TempDir dir;
  fs::create_directory(dir / "program");
  WriteBytes(dir / "program" / "UserData.Dat", kTwoPlaces);
  fs::permissions(dir / "program", fs::perms::owner_read | fs::perms::owner_exec);
  Started f({dir / "program", dir / "per-user"});
  EXPECT_EQ(f.status, LoadStatus::Read);
  EXPECT_EQ(f.w.LocationName(), "New York");
  f.w.SaveUserData();
  EXPECT_EQ(ReadBytes(dir / "per-user" / "UserData.Dat"), kTwoPlaces);
  EXPECT_EQ(ReadBytes(dir / "program" / "UserData.Dat"), kTwoPlaces);
}

}  // namespace
}  // namespace orvane::app
