// The user data file and the calendar files under faults: files that cannot
// be read, special files, links, damaged and oversized files, permissions,
// refused writes, and two running copies saving the same file.  Run as an
// ordinary user, for whom permissions hold.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <cerrno>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <thread>

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
using orvane::testing::Crlf;
using orvane::testing::kTwoPlaces;
using orvane::testing::ReadBytes;
using orvane::testing::TempDir;
using orvane::testing::WriteBytes;

// Two whole entries, then a third cut off by the end of the file.
const std::string kDamaged =
    Crlf({"Second", " 2 ", "First", " 1 ", " 2 ", "3", "Second", "-4 ", " 5 ", "6", "Third"});

constexpr char kNotice[] = "Locations not saved";

// One start of the desktop program's core over the folders, answering Yes
// to adding a location and `offer` to saving in the per-user folder instead.
struct Start : orvane::testing::MainWindowCore {
  Start(const UserDataFolders& folders, Answer offer) : MainWindowCore(folders) {
    questions.answer = offer;
    questions.byTitle["Add this location information?"] = Answer::Yes;
  }
};

// What stands at a path, without following a final symbolic link.
struct Standing {
  fs::file_type type;
  fs::perms mode;
  bool operator==(const Standing&) const = default;
};
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
  std::string
      holds;  // the fault put in place: mode "000" or "0600", "pipe", "link", "bak folder", "bak taken"
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
  const orvane::testing::OrdinaryUser user = orvane::testing::RunAsOrdinaryUser();
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
      {"cut inside its last line", kTwoPlaces.substr(0, kTwoPlaces.size() - 3), "", Damaged, "", false,
       Answer::No, false, true, 1},
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
    EXPECT_EQ(first.w.LoadUserData().status, c.loaded);
    first.w.cboLocation.Text = c.added;
    first.w.MaintainLocation();
    first.w.ShutDown();
    Start next(folders, Answer::No);
    next.w.LoadUserData();
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
    if (before.type == fs::file_type::regular)
      fs::permissions(file, fs::perms::owner_read, fs::perm_options::add);
    if (c.fileKept && before.type == fs::file_type::regular) {
      EXPECT_EQ(ReadBytes(file), c.content);
    }
    if (!c.fileKept) {
      UserData now;
      EXPECT_TRUE(ReadUserData(ReadBytes(file), now).complete);
    }
    EXPECT_EQ(orvane::testing::LostEntries(c.content, file), "");
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
      {"the full device", "/dev/full", "", "device"},
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
    if (before.type != fs::file_type::not_found) {
      EXPECT_EQ(StandingAt(path), before);
    }
    if (c.error.empty()) {
      EXPECT_EQ(ReadBytes(path), expected);
      if (before.type == fs::file_type::not_found) {
        WriteBytes(dir / "reference", "");
        EXPECT_EQ(StandingAt(path), StandingAt(dir / "reference")) << "a new file gets the usual mode";
      }
    } else if (wasRegular) {
      EXPECT_EQ(ReadBytes(path), old);
    }
    EXPECT_EQ(Count(dir.path(), ""), 0) << "a temporary file left behind";
  }
}

// Adds `count` locations named `prefix` 0, 1, ... through the window, as a
// user does: the name typed, Enter, Yes.
void AddLocations(Start& copy, const std::string& prefix, int from, int to) {
  for (int i = from; i < to; ++i) {
    copy.w.cboLocation.Text = prefix + std::to_string(i);
    copy.w.MaintainLocation();
  }
}

TEST(FileFaults, TwoRunningCopiesLoseNoAddition) {
  TempDir dir;
  const UserDataFolders folders{dir.path(), dir / "per-user"};
  Start a(folders, Answer::No), b(folders, Answer::No);
  a.w.LoadUserData();
  b.w.LoadUserData();
  // Taking turns, each copy's list older than the file at every save.
  constexpr int kEach = 60;
  for (int i = 0; i < kEach; ++i) {
    AddLocations(a, "A", i, i + 1);
    AddLocations(b, "B", i, i + 1);
  }
  // At once.
  std::thread other([&] { AddLocations(b, "D", 0, kEach); });
  AddLocations(a, "C", 0, kEach);
  other.join();
  a.w.ShutDown();
  b.w.ShutDown();

  Start next(folders, Answer::No);
  next.w.LoadUserData();
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
