// orvane-cli holydays, newmoons and localmoons with --ics FILE and --years A B.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "cli/cli.h"
#include "support/cli_harness.h"
#include "support/ical_reader.h"
#include "support/report_dates.h"
#include "support/temp_dir.h"

namespace orvane::cli {
namespace {

namespace fs = std::filesystem;
using orvane::testing::IcsFile;
using orvane::testing::ReadIcs;
using orvane::testing::StatedDates;
using orvane::testing::TempDir;

struct Result {
  int status;
  std::string out, err;
};

// Runs orvane-cli in a fresh working directory without a data file.
class CalendarFile : public ::testing::Test {
 protected:
  void SetUp() override {
    old_ = fs::current_path();
    fs::current_path(dir_.path());
  }
  void TearDown() override { fs::current_path(old_); }

  Result Run(std::vector<std::string> args) {
    std::ostringstream out, err;
    const int status = RunCli(args, out, err, 2025);
    return {status, out.str(), err.str()};
  }
  IcsFile Read(const std::string& name) {
    std::ifstream in(dir_ / name, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return ReadIcs(s.str());
  }
  std::vector<std::string> Files() const {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(dir_.path())) names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
  }

  TempDir dir_;
  fs::path old_;
};

TEST_F(CalendarFile, TheReportIsPrintedAsUsualAndItsDatesWritten) {
  for (const std::vector<std::string>& command :
       {std::vector<std::string>{"holydays", "2025"}, {"holydays", "2021", "--east"}, {"newmoons", "2025"}}) {
    SCOPED_TRACE(command[0] + " " + command[1]);
    std::vector<std::string> args = command;
    args.insert(args.end(), {"--ics", "out.ics"});
    const Result r = Run(args);
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(r.out, Run(command).out);
    // The dates of the printed report are the events of the file, in order.
    const auto stated = StatedDates(r.out);
    const IcsFile file = Read("out.ics");
    ASSERT_TRUE(file.parsed);
    ASSERT_EQ(file.events.size(), stated.size());
    for (std::size_t i = 0; i < stated.size(); ++i) {
      EXPECT_EQ(file.events[i].start,
                (orvane::testing::IcsDate{stated[i].year, stated[i].month, stated[i].day, true}));
    }
  }
}

TEST_F(CalendarFile, LocalMonthStartsCarryThePlace) {
  const Result r = Run({"localmoons", "2025", "--lat", "40 43 N", "--lon", "74 0 W", "--gmt", "5", "--name",
                        "New York, NY", "--ics", "local.ics"});
  EXPECT_EQ(r.status, 0) << r.err;
  const IcsFile file = Read("local.ics");
  ASSERT_EQ(file.events.size(), 14u);
  for (const auto& e : file.events) {
    EXPECT_EQ(e.location, "New York, NY");
    EXPECT_EQ(e.summary, "First day of month");
    EXPECT_NE(e.description.find("sunset at New York, NY "), std::string::npos);
  }
  // The tables of a year at a place state no days.
  EXPECT_EQ(Run({"sunsets", "2025", "--ics", "x.ics"}).status, 2);
  EXPECT_EQ(Files(), std::vector<std::string>{"local.ics"});
}

TEST_F(CalendarFile, YearsPutASpanIntoOneFile) {
  const Result span = Run({"newmoons", "--years", "2024", "2026", "--ics", "span.ics"});
  EXPECT_EQ(span.status, 0) << span.err;
  EXPECT_EQ(span.out,
            Run({"newmoons", "2024"}).out + Run({"newmoons", "2025"}).out + Run({"newmoons", "2026"}).out);
  const IcsFile file = Read("span.ics");
  ASSERT_TRUE(file.parsed);
  EXPECT_EQ(file.calendarName, "Orvane: month starts 2024 to 2026 (Jerusalem)");
  // Three years of month starts once each: a month start every 29 or 30 days.
  EXPECT_GE(file.events.size(), 37u);
  EXPECT_LE(file.events.size(), 40u);

  // The span skips the year 0 and may begin before the common era, but such
  // dates cannot be written.
  const Result bce = Run({"holydays", "--years", "-2", "2", "--ics", "bce.ics"});
  EXPECT_EQ(bce.status, 2);
  EXPECT_EQ(bce.out, "");
  EXPECT_NE(bce.err.find("1 CE to 9999 CE"), std::string::npos) << bce.err;
  EXPECT_EQ(Run({"holydays", "--years", "1", "2", "--ics", "ce.ics"}).status, 0);
}

TEST_F(CalendarFile, BadInputIsOneLineAndStatusTwo) {
  struct Case {
    std::vector<std::string> args;
    std::string message;
  };
  const std::vector<Case> cases = {
      {{"holydays", "2025", "--ics", "missing/out.ics"}, "orvane-cli: --ics: cannot write missing/out.ics: "},
      {{"holydays", "--years", "2025", "2030"}, "--years requires --ics"},
      {{"holydays", "2025", "--years", "2025", "2030", "--ics", "a.ics"}, "excludes"},
      {{"holydays", "--years", "2030", "2025", "--ics", "a.ics"}, "in that order"},
      {{"holydays", "--years", "2000", "3000", "--ics", "a.ics"}, "at most 1000 years"},
      {{"holydays", "--years", "-5000", "2000", "--ics", "a.ics"}, "from -4004 to 9999"},
      {{"newmoons", "--years", "2025", "x", "--ics", "a.ics"}, "whole number"},
      {{"holydays", "--years", "2025", "--ics", "a.ics"}, "--years"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.message);
    const Result r = Run(c.args);
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.out, "");
    EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
    EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
  }
  EXPECT_TRUE(Files().empty()) << "nothing half-written is left behind";
}

TEST_F(CalendarFile, TheCalendarGoesToStandardOutputOrToARegularFile) {
  // "-": the calendar in place of the report.
  const Result toOutput = Run({"holydays", "2025", "--ics", "-"});
  EXPECT_EQ(toOutput.status, 0) << toOutput.err;
  const IcsFile file = ReadIcs(toOutput.out);
  ASSERT_TRUE(file.parsed);
  EXPECT_EQ(file.events.size(), StatedDates(Run({"holydays", "2025"}).out).size());
  // A year read differently is still noted, on stderr.
  const Result noted = Run({"holydays", "10000", "--ics", "-"});
  EXPECT_EQ(noted.status, 0) << noted.err;
  EXPECT_TRUE(ReadIcs(noted.out).parsed);
  EXPECT_EQ(noted.err, "orvane-cli: year 10000 was read as 9999 (the years run from -4004 to 9999)\n");

  // On its way to the terminal the calendar is escaped as a report is: a
  // control character in a place's name is shown, not obeyed.
  const Result escaped = Run({"localmoons", "2025", "--lat", "31 47 N", "--lon", "35 13 E", "--gmt", "2",
                              "--name", "A\x1b[2Jb", "--ics", "-"});
  EXPECT_EQ(escaped.status, 0) << escaped.err;
  EXPECT_FALSE(orvane::testing::HasControlCharacters(escaped.out));
  EXPECT_NE(escaped.out.find("LOCATION:A\\x1b[2Jb\r\n"), std::string::npos);
  ASSERT_TRUE(ReadIcs(escaped.out).parsed);

  // Anything but a regular file or a new name is refused and left as it is.
  ASSERT_EQ(::mkfifo((dir_ / "pipe.ics").c_str(), 0644), 0);
  const Result pipe = Run({"holydays", "2025", "--ics", "pipe.ics"});
  EXPECT_EQ(pipe.status, 2);
  EXPECT_EQ(pipe.out, "");
  EXPECT_EQ(pipe.err, "orvane-cli: --ics: cannot write pipe.ics: it is a named pipe, not a regular file\n");
  EXPECT_TRUE(fs::is_fifo(dir_ / "pipe.ics"));
}

}  // namespace
}  // namespace orvane::cli
