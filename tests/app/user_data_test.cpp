// The user data file: its text, merging another copy's changes, where it is
// written; it and the calendar files under faults, run as an ordinary user
// (for whom permissions hold), and two running copies saving the same file.
#include "app/user_data.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <cerrno>
#include <csignal>
#include <set>
#include <thread>
#include <tuple>
#include <utility>

#include "app/user_data_file.h"
#include "io/safe_file.h"
#include "support/load_save_check.h"
#include "support/main_window_core.h"
#include "support/ordinary_user.h"

namespace orvane::app {
namespace {

namespace fs = std::filesystem;
using io::ReplaceFile;
using io::WriteOutcome;
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

// One start of the desktop program's core over the folders, its data read,
// answering Yes to adding a location and `offer` to anything else asked.
struct Start : MainWindowCore {
  explicit Start(const UserDataFolders& folders, Answer offer = Answer::No) : MainWindowCore(folders) {
    questions.answer = offer;
    questions.byTitle["Add this location information?"] = Answer::Yes;
    status = w.LoadUserData().status;
  }
  LoadStatus status;
};

TEST(UserDataText, FieldsAreReadAsTheirLinesAllowAndWhatIsWrittenReadsBackByteForByte) {
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
  const std::string entry1 = Crlf({"First", " 1 ", " 2 ", "3"}), entry2 = Crlf({"Second", " 4 ", " 5 ", "6"});
  const std::string two = Crlf({"Here", " 1 "}) + entry1 + entry2;
  // The text, the line reading stops at, the entries and colours read before it.
  const std::tuple<std::string, int, std::size_t, int> cases[] = {
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
  for (const auto& [text, badLine, entries, coloursRead] : cases) {
    SCOPED_TRACE(text);
    UserData data;
    const UserDataReading r = ReadUserData(text, data);
    EXPECT_FALSE(r.complete);
    EXPECT_EQ(r.badLine, badLine) << r.problem;
    EXPECT_EQ(data.Locations.size(), entries);
    for (int i = 0; i < kStoredColourCount; ++i) {
      const auto at = static_cast<std::size_t>(i);
      EXPECT_EQ(data.Colours.stored[at], i < coloursRead ? i + 1 : ColourSettings().stored[at]) << i + 1;
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

TEST(UserDataFile, TheWorkingFoldersFileWinsThenThePerUserOneThenTheFormerFolders) {
  TempDir dir;
  fs::create_directories(dir / "work");
  fs::create_directories(dir / "data" / "Orvane");
  const UserDataFolders folders = UserDataFoldersFor(dir / "work", dir / "data" / "orvane");
  EXPECT_EQ(folders.formerPerUser, dir / "data" / "Orvane");
  {  // None: the first start writes the file empty, the next installs the default.
    Start first(folders);
    EXPECT_EQ(first.status, LoadStatus::Missing);
    EXPECT_TRUE(first.w.cboLocation.List.empty());
    EXPECT_FALSE(first.w.UserDataChanged);
  }
  // The first start creates the per-user folder and leaves the working one alone.
  std::string colours;
  for (std::int32_t c : ColourSettings().stored) colours += NumberLineText(c) + "\r\n";
  EXPECT_EQ(ReadBytes(dir / "data" / "orvane" / "UserData.Dat"), Crlf({"", "-1 "}) + colours);
  EXPECT_FALSE(fs::exists(dir / "work" / "UserData.Dat"));
  Start second(folders);
  EXPECT_EQ(second.status, LoadStatus::Read);
  EXPECT_EQ(second.w.cboLocation.List, std::vector<std::string>{"Jerusalem , Israel"});
  EXPECT_EQ(second.w.cboLocation.Text, "Jerusalem, Israel");
  fs::remove(dir / "data" / "orvane" / "UserData.Dat");
  // Only the folder of earlier versions holds a file: it is read, and the
  // first save goes to the per-user folder, leaving it as it was.
  WriteBytes(dir / "data" / "Orvane" / "UserData.Dat", kTwoPlaces);
  Start former(folders);
  EXPECT_EQ(former.w.LocationName(), "New York");
  former.w.SaveUserData();
  EXPECT_EQ(ReadBytes(dir / "data" / "orvane" / "UserData.Dat"), kTwoPlaces);
  EXPECT_EQ(ReadBytes(dir / "data" / "Orvane" / "UserData.Dat"), kTwoPlaces);
  // A file in the working folder is used, read and saved, before the per-user one.
  const std::string mine = Crlf({"Mine", " 0 ", "Mine", "-1 ", " 2 ", "3"}) + NumberedColours();
  WriteBytes(dir / "work" / "UserData.Dat", mine);
  Start working(folders);
  EXPECT_EQ(working.w.LocationName(), "Mine");
  working.w.SaveUserData();
  EXPECT_EQ(ReadBytes(dir / "work" / "UserData.Dat"), mine);
  EXPECT_EQ(ReadBytes(dir / "data" / "orvane" / "UserData.Dat"), kTwoPlaces);
  // A named file alone: missing, it is created there and nowhere else.
  EXPECT_EQ(Start(NamedUserDataFile(dir / "named.dat")).status, LoadStatus::Missing);
  UserData named;
  EXPECT_TRUE(ReadUserData(ReadBytes(dir / "named.dat"), named).complete);
  EXPECT_EQ(ReadBytes(dir / "work" / "UserData.Dat"), mine);
}

// --- Under faults ----------------------------------------------------------------

// Two whole entries, then a third cut off by the end of the file.
const std::string kDamaged =
    Crlf({"Second", " 2 ", "First", " 1 ", " 2 ", "3", "Second", "-4 ", " 5 ", "6", "Third"});

constexpr char kNotice[] = "Locations not saved";

// What stands at a path, its type and mode, without following a final symbolic link.
using Standing = std::pair<fs::file_type, fs::perms>;
Standing StandingAt(const fs::path& path) {
  std::error_code ec;
  const fs::file_status s = fs::symlink_status(path, ec);
  return {s.type(), s.permissions()};
}

// The names in `folder` (and below) starting with `prefix` or holding a
// temporary file's mark.
int Count(const fs::path& folder, const std::string& prefix) {
  int n = 0;
  std::error_code ec;
  for (const auto& entry : fs::recursive_directory_iterator(folder, ec)) {
    const std::string name = entry.path().filename().string();
    if (prefix.empty() ? name.find(".tmp-") != std::string::npos || name.find(".probe-") != std::string::npos
                       : name.rfind(prefix, 0) == 0 && entry.is_regular_file())
      ++n;
  }
  return n;
}

// A user data file fault: a start that adds a location and exits, then the
// next start.
struct UserDataFault {
  std::string fault;
  std::string content;  // the file's bytes before
  std::string holds;    // mode "000" or "0600", "pipe", "link", "bak folder", "bak taken"
  LoadStatus loaded;
  std::string notice;           // in the one notice the first start gives; empty: none
  bool offered;                 // the notice offers the per-user folder ...
  Answer offer;                 // ... and is answered so
  bool fileKept;                // the working folder's file stays as it was (else it is rewritten)
  bool saved;                   // the added location is there at the next start
  int copies;                   // damaged copies kept after both starts
  std::string added = "Added";  // the location added
};

// A calendar file fault: a write to a path that holds something.
struct CalendarFault {
  std::string fault;
  std::string at;            // the path written: a name in the folder, or absolute
  std::string holds;         // what is there before: "file" (mode 0600), "link", "dangling", "folder", "pipe"
  std::string error;         // in the refusal; empty: written
  rlim_t fileSizeLimit = 0;  // the most this process may write to a file
  int pieces = 0;            // >0: the text is made while it is written, this many copies of it
  bool stops = false;        // the maker gives up half-way
};

TEST(FileFaults, NothingIsLostAndOnlyRegularFilesAreReplaced) {
  const testing::OrdinaryUser user = testing::RunAsOrdinaryUser();
  if (user.skipped) GTEST_SKIP() << user.why;
  if (!user.here) return;

  const std::string fiveMegabyteName(5 * 1024 * 1024, 'n');
  const std::string eacces = "cannot be read: " + std::generic_category().message(EACCES);
  using enum LoadStatus;
  const std::vector<UserDataFault> userDataFaults = {
      {"unreadable, the per-user folder declined", kTwoPlaces, "000", Unreadable, eacces, true, Answer::No,
       true, false, 0},
      {"unreadable, the per-user folder taken", kTwoPlaces, "000", Unreadable, eacces, true, Answer::Yes,
       true, true, 0},
      {"a named pipe", "", "pipe", Unreadable, "it is a named pipe, not a regular file", true, Answer::No,
       true, false, 0},
      {"damaged, and UserData.Dat.bak is a folder", kDamaged, "bak folder", Damaged, "", false, Answer::No,
       false, true, 1},
      {"damaged, and every name for a copy taken", kDamaged, "bak taken", Damaged,
       "no copy of it can be kept", true, Answer::No, true, false, 0},
      {"mode 0600", kTwoPlaces, "0600", Read, "", false, Answer::No, false, true, 0},
      {"a symbolic link to a regular file", kTwoPlaces, "link", Read, "", false, Answer::No, false, true, 0},
      {"written past the reader's limit by an earlier version",
       Crlf({fiveMegabyteName, " 0 ", "Far", " 1 ", " 2 ", "3"}) +
           kTwoPlaces.substr(kTwoPlaces.find(" 1676")),
       "", Damaged, "", false, Answer::No, false, true, 1},
      {"a location too large to be read back", kTwoPlaces, "", Read, "would take more than the 4 MB", false,
       Answer::No, true, false, 0, fiveMegabyteName},
  };
  for (const UserDataFault& c : userDataFaults) {
    SCOPED_TRACE(c.fault);
    TempDir dir;
    const fs::path work = dir / "work";
    fs::create_directory(work);
    const fs::path file = work / "UserData.Dat";
    if (!c.content.empty()) WriteBytes(file, c.content);
    if (c.holds == "000" || c.holds == "0600")
      fs::permissions(file,
                      c.holds == "000" ? fs::perms::none : fs::perms::owner_read | fs::perms::owner_write);
    if (c.holds == "pipe") {
      ASSERT_EQ(::mkfifo(file.c_str(), 0644), 0);
    }
    if (c.holds == "link") {
      fs::rename(file, work / "mine.dat");
      fs::create_symlink("mine.dat", file);
    }
    if (c.holds.starts_with("bak")) {
      fs::create_directory(work / "UserData.Dat.bak");
      WriteBytes(work / "UserData.Dat.bak" / "mine", "x");
      for (int i = 2; i <= 9 && c.holds == "bak taken"; ++i)
        fs::create_directory(work / ("UserData.Dat.bak." + std::to_string(i)));
    }
    const UserDataFolders folders{work, dir / "per-user"};
    const Standing before = StandingAt(file);

    Start first(folders, c.offer);
    EXPECT_EQ(first.status, c.loaded);
    first.w.cboLocation.Text = c.added;
    first.w.MaintainLocation();
    EXPECT_EQ(first.w.UserDataChanged, !c.saved);  // a change not saved stays marked
    first.w.ShutDown();
    Start next(folders);
    next.w.ShutDown();

    // Said once, with the reason, offering the per-user folder where it helps.
    const std::vector<std::string> notices = first.questions.TextsTitled(kNotice);
    ASSERT_EQ(notices.size(), c.notice.empty() ? 0u : 1u);
    if (!c.notice.empty()) {
      EXPECT_NE(notices[0].find(c.notice), std::string::npos) << notices[0];
      EXPECT_EQ(notices[0].find("own data folder") != std::string::npos, c.offered);
    }
    // What stands at the path stays: a pipe a pipe, a link a link, the mode.
    EXPECT_EQ(StandingAt(file), before);
    if (before.first == fs::file_type::regular)
      fs::permissions(file, fs::perms::owner_read, fs::perm_options::add);
    if (c.fileKept && before.first == fs::file_type::regular) {
      EXPECT_EQ(ReadBytes(file), c.content);
    }
    if (!c.fileKept) {
      UserData now;
      EXPECT_TRUE(ReadUserData(ReadBytes(file), now).complete);
    }
    EXPECT_EQ(testing::LostEntries(c.content, file), "");
    EXPECT_EQ(Count(work, "UserData.Dat.bak"), c.copies);
    const std::vector<std::string>& names = next.w.cboLocation.List;
    EXPECT_EQ(std::find(names.begin(), names.end(), c.added) != names.end(), c.saved);
    EXPECT_EQ(fs::exists(dir / "per-user" / "UserData.Dat"), c.offer == Answer::Yes);
    EXPECT_EQ(Count(dir.path(), ""), 0) << "a temporary file left behind";
  }

  const std::string text =
      "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Orvane//Faults//EN\r\nEND:VCALENDAR\r\n";
  const std::string efbig = std::generic_category().message(EFBIG);
  const std::vector<CalendarFault> calendarFaults = {
      {"a new file", "new.ics", "", ""},
      {"a regular file of mode 0600", "mine.ics", "file", ""},
      {"a symbolic link to a regular file", "link.ics", "link", ""},
      {"a symbolic link to nothing", "link.ics", "dangling", "symbolic link to nothing"},
      {"a folder", "folder.ics", "folder", "folder"},
      {"a named pipe", "pipe.ics", "pipe", "named pipe"},
      {"the null device", "/dev/null", "", "device"},
      {"a write the system refuses", "big.ics", "file", efbig, 16},
      // Longer than the writer holds at once, so that it is written in turns.
      {"a long text made while it is written", "long.ics", "", "", 0, 5000},
      {"a long text the system refuses half-way", "long.ics", "file", efbig, 200000, 5000},
      {"a maker that gives up half-way", "long.ics", "file", "gave up", 0, 5000, true},
  };
  for (const CalendarFault& c : calendarFaults) {
    SCOPED_TRACE(c.fault);
    TempDir dir;
    const fs::path path = c.at.starts_with("/") ? fs::path(c.at) : dir / c.at;
    if (c.holds == "file") {
      WriteBytes(path, "old");
      fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write);
    }
    if (c.holds == "link") WriteBytes(dir / "real.ics", "old");
    if (c.holds == "link" || c.holds == "dangling")
      fs::create_symlink(c.holds == "link" ? "real.ics" : "gone.ics", path);
    if (c.holds == "folder") fs::create_directory(path);
    if (c.holds == "pipe") {
      ASSERT_EQ(::mkfifo(path.c_str(), 0644), 0);
    }
    const Standing before = StandingAt(path);
    const bool wasRegular = fs::is_regular_file(path);
    const std::string old = wasRegular ? ReadBytes(path) : "";

    rlimit limit{};
    ::getrlimit(RLIMIT_FSIZE, &limit);
    const rlimit saved = limit;
    if (c.fileSizeLimit != 0) {
      std::signal(SIGXFSZ, SIG_IGN);
      limit.rlim_cur = c.fileSizeLimit;
      ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    std::string expected = text;
    int offered = 0;
    const WriteOutcome written =
        c.pieces == 0 ? ReplaceFile(path, text) : io::ReplaceFileWith(path, [&](io::TextSink& sink) {
          expected.clear();
          for (int i = 0; i < c.pieces; ++i) {
            if (c.stops && i == c.pieces / 2) return std::string("gave up");
            expected += text;
            ++offered;
            if (!sink.Write(text)) break;
          }
          return std::string();
        });
    if (c.pieces > 0 && c.fileSizeLimit != 0) {
      EXPECT_LT(offered, c.pieces) << "the maker is told of a failed write and stops";
    }
    if (c.fileSizeLimit != 0) {
      ::setrlimit(RLIMIT_FSIZE, &saved);
      std::signal(SIGXFSZ, SIG_DFL);
    }

    EXPECT_EQ(written.ok, c.error.empty()) << written.error;
    EXPECT_NE(written.error.find(c.error), std::string::npos) << written.error;
    if (before.first != fs::file_type::not_found) {
      EXPECT_EQ(StandingAt(path), before);
    }
    if (c.error.empty()) {
      EXPECT_EQ(ReadBytes(path), expected);
      if (before.first == fs::file_type::not_found) {
        WriteBytes(dir / "reference", "");
        EXPECT_EQ(StandingAt(path), StandingAt(dir / "reference")) << "a new file gets the usual mode";
      }
    } else if (wasRegular) {
      EXPECT_EQ(ReadBytes(path), old);
    }
    EXPECT_EQ(Count(dir.path(), ""), 0) << "a temporary file left behind";
  }

  // A file shipped in a read-only folder is read until the first save, which
  // goes to the per-user folder.
  TempDir shipped;
  fs::create_directory(shipped / "program");
  WriteBytes(shipped / "program" / "UserData.Dat", kTwoPlaces);
  fs::permissions(shipped / "program", fs::perms::owner_read | fs::perms::owner_exec);
  Start f({shipped / "program", shipped / "per-user"});
  EXPECT_EQ(f.status, LoadStatus::Read);
  EXPECT_EQ(f.w.LocationName(), "New York");
  f.w.SaveUserData();
  EXPECT_EQ(ReadBytes(shipped / "per-user" / "UserData.Dat"), kTwoPlaces);
  EXPECT_EQ(ReadBytes(shipped / "program" / "UserData.Dat"), kTwoPlaces);
}

TEST(FileFaults, TwoRunningCopiesLoseNoAddition) {
  TempDir dir;
  const UserDataFolders folders{dir.path(), dir / "per-user"};
  Start a(folders), b(folders);
  // Adds locations named `prefix` from, ... to - 1 as a user does: the name, Enter, Yes.
  const auto add = [](Start& copy, const std::string& prefix, int from, int to) {
    for (int i = from; i < to; ++i) {
      copy.w.cboLocation.Text = prefix + std::to_string(i);
      copy.w.MaintainLocation();
    }
  };
  // Taking turns, each copy's list older than the file at every save.
  constexpr int kEach = 60;
  for (int i = 0; i < kEach; ++i) {
    add(a, "A", i, i + 1);
    add(b, "B", i, i + 1);
  }
  // At once.
  std::thread other([&] { add(b, "D", 0, kEach); });
  add(a, "C", 0, kEach);
  other.join();
  a.w.ShutDown();
  b.w.ShutDown();

  Start next(folders);
  const std::set<std::string> names(next.w.cboLocation.List.begin(), next.w.cboLocation.List.end());
  int kept = 0;
  for (const char* prefix : {"A", "B", "C", "D"}) {
    for (int i = 0; i < kEach; ++i) kept += names.count(prefix + std::to_string(i)) ? 1 : 0;
  }
  EXPECT_EQ(kept, 4 * kEach);
  EXPECT_EQ(next.w.cboLocation.List.size(), names.size()) << "no entry twice";
  EXPECT_TRUE(a.questions.TextsTitled(kNotice).empty() && b.questions.TextsTitled(kNotice).empty());
}

}  // namespace
}  // namespace orvane::app
