#include "cli/cli.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <streambuf>

#include "app/holy_days_window.h"
#include "support/cli_harness.h"
#include "support/scoped_environment.h"
#include "support/temp_dir.h"

namespace orvane::cli {
namespace {

namespace fs = std::filesystem;
using orvane::testing::CliResult;
using orvane::testing::ProblemWithAnswer;
using orvane::testing::RunOrvaneCli;
using orvane::testing::TempDir;

CliResult RunCommand(const std::vector<std::string>& args, int currentYear = 2024) {
  return RunOrvaneCli(args, currentYear);
}

// The pane text after the window's own handler, for comparison.
std::string PaneAfter(const std::string& year, bool east, bool months) {
  SilentBeeper beeper;
  app::HolyDaysWindow w(beeper);
  w.Form_Load(2024);
  w.txtYear = year;
  w.chkEJW = east;
  if (months) {
    w.cmdMonths_Click();
  } else {
    w.cmdHolyDays_Click();
  }
  return w.OutputText();
}

std::string Lf(std::string text) {
  std::string out;
  for (char c : text) {
    if (c != '\r') out.push_back(c);
  }
  return out;
}

TEST(Cli, PrintsExactlyThePaneTextWithLfLineEnds) {
  const CliResult r = RunCommand({"holydays", "2024"});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, Lf(PaneAfter("2024", false, false)));
  EXPECT_EQ(r.err, "");
  EXPECT_EQ(r.out.find('\r'), std::string::npos);

  EXPECT_EQ(RunCommand({"newmoons", "2024"}).out, Lf(PaneAfter("2024", false, true)));
  EXPECT_EQ(RunCommand({"holydays", "2024", "--east"}).out, Lf(PaneAfter("2024", true, false)));
  EXPECT_EQ(RunCommand({"newmoons", "--east", "2024"}).out, Lf(PaneAfter("2024", true, true)));
}

TEST(Cli, CrlfKeepsThePanesLineEnds) {
  EXPECT_EQ(RunCommand({"holydays", "2024", "--crlf"}).out, PaneAfter("2024", false, false));
}

TEST(Cli, TheDefaultYearIsTheCurrentYear) {
  EXPECT_EQ(RunCommand({"holydays"}, 2031).out, Lf(PaneAfter("2031", false, false)));
}

TEST(Cli, NegativeYearsAreYearsNotOptions) {
  const CliResult r = RunCommand({"holydays", "-1461"});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, Lf(PaneAfter("-1461", false, false)));
  EXPECT_NE(r.out.find("1st Jubilee"), std::string::npos);
  EXPECT_EQ(RunCommand({"newmoons", "--east", "-1"}).out, Lf(PaneAfter("-1", true, true)));
}

TEST(Cli, YearsAreReadAsTheYearBoxReadsThem) {
  const CliResult zero = RunCommand({"holydays", "0"});
  EXPECT_EQ(zero.status, 0);
  EXPECT_EQ(zero.out, Lf(PaneAfter("-1", false, false)));
  EXPECT_EQ(zero.err, "orvane-cli: year 0 was read as -1 (there is no year 0)\n");

  const CliResult low = RunCommand({"holydays", "-5000"});
  EXPECT_EQ(low.out, Lf(PaneAfter("-4004", false, false)));
  EXPECT_EQ(low.err, "orvane-cli: year -5000 was read as -4004 (the years run from -4004 to 9999)\n");
  EXPECT_EQ(RunCommand({"newmoons", "20000"}).out, Lf(PaneAfter("9999", false, true)));
}

// Every command line that cannot run: exit status 2, nothing on stdout and
// one line on stderr that says what is wrong, with the value as typed and
// any control character in it escaped.  Run in an empty folder.
TEST(Cli, BadCommandLinesAreOneLineErrors) {
  TempDir dir;
  const fs::path old = fs::current_path();
  fs::current_path(dir.path());
  // Without a file in the working folder the per-user one is looked for.
  const orvane::testing::ScopedEnvironment dataHome("XDG_DATA_HOME", (dir / "data").c_str());
  const std::string see = " (see orvane-cli --help)";
  const std::string dataFile = (dir / "data" / "orvane" / "UserData.Dat").string();
  const std::string gmtRule =
      "--gmt must be the hours from UTC, 0 to 14, without a sign (E or W of --lon gives it) and in at most 5 "
      "characters, e.g. 2 or 5.5; not ";
  const std::string latRule =
      "--lat must be whole degrees (at most 2 digits), whole minutes and N or S, e.g. \"31 47 N\"; not ";
  const std::string oneDay =
      "convert takes exactly one day: --jd, --gregorian, --julian, --hebrew or --biblical";
  const std::string dateForm = " must be a date YEAR-MONTH-DAY such as 2024-4-9 (BCE years negative), not ";
  auto place = [](const std::string& lat, const std::string& lon, const std::string& gmt) {
    return std::vector<std::string>{"times", "--lat", lat, "--lon", lon, "--gmt", gmt};
  };
  struct Case {
    std::vector<std::string> args;
    std::string message;  // the line after "orvane-cli: "
  };
  const std::vector<Case> cases = {
      // Commands and their arguments.
      {{}, "A subcommand is required" + see},
      {{"frobnicate"}, "unknown command 'frobnicate'" + see},
      {{""}, "unknown command ''" + see},
      {{"a\nb"}, "unknown command 'a\\nb'" + see},
      {{"holydays", "20x4"}, "YEAR: must be a whole number, not '20x4'" + see},
      {{"holydays", "1.5"}, "YEAR: must be a whole number, not '1.5'" + see},
      {{"holydays", " 2024"}, "YEAR: must be a whole number, not ' 2024'" + see},
      {{"holydays", "\x1b[2J"}, "YEAR: must be a whole number, not '\\x1b[2J'" + see},
      {{"holydays", "2024", "2025"}, "unexpected argument '2025'" + see},
      {{"holydays", "--bogus"}, "unknown option '--bogus'" + see},
      {{"newmoons", "--east=maybe"}, "Could not convert: --east = maybe" + see},
      {{"golgotha"}, "FIRST is required" + see},
      {{"creation", "1", "2", "3"}, "unexpected argument '3'" + see},
      {{"flood", "1", ""}, "LAST: must be a whole number, not ''" + see},
      {{"easter", "x"}, "YEAR: must be a whole number, not 'x'" + see},
      {{"help", "Sunsets"},
       "no help for 'Sunsets'; the sections are HolyDays, LocalMoons, Sunset, Jordan, Flood, Creation, "
       "Golgotha, "
       "Times, Rabbinic, Easter, Conversions, Crescent"},
      {{"help", ""},
       "no help for ''; the sections are HolyDays, LocalMoons, Sunset, Jordan, Flood, Creation, Golgotha, "
       "Times, "
       "Rabbinic, Easter, Conversions, Crescent"},
      // An empty argument once sent the parser into an endless loop.
      {{"convert", "", "-e"}, "unexpected argument ''" + see},
      {{"convert", "", "--bogus"}, "unexpected argument ''" + see},
      {{"convert", "", "--jd", "2451545"}, "unexpected argument ''" + see},
      // The day of convert.
      {{"convert"}, oneDay},
      {{"convert", "--jd", "2451545", "--gregorian", "2024-1-1"}, oneDay},
      {{"convert", "--gregorian", "2024/04/09"}, "--gregorian" + dateForm + "'2024/04/09'"},
      {{"convert", "--biblical", "6028-1"}, "--biblical" + dateForm + "'6028-1'"},
      {{"convert", "--gregorian", ""}, "--gregorian" + dateForm + "''"},
      {{"convert", "--gregorian", "2024-13-1"},
       "--gregorian: the month '13' of '2024-13-1' is not a month number from 1 to 12"},
      {{"convert", "--hebrew", "5785-14-1"},
       "--hebrew: the month '14' of '5785-14-1' is not a month number from 1 to 13"},
      {{"convert", "--gregorian", "2024-02-30x"},
       "--gregorian: the day '30x' of '2024-02-30x' is not a day number of at most 4 digits"},
      {{"convert", "--julian", "x-1-1"},
       "--julian: the year 'x' of 'x-1-1' is not a whole number of at most 5 digits"},
      {{"convert", "--jd", "-5"}, "--jd must be a Julian day such as 2460409.5, not '-5'"},
      {{"convert", "--jd", "12.3.4"}, "--jd must be a Julian day such as 2460409.5, not '12.3.4'"},
      // Formats: only those the command offers, and data for one year on standard output.
      {{"holydays", "--format", "csv"}, "--format: must be text|json, not 'csv'" + see},
      {{"sunsets", "--format", "xml"}, "--format: must be text|json|csv, not 'xml'" + see},
      {{"holydays", "--format", "json", "--ics", "-"},
       "--ics - and --format json both print to standard output; give --ics a file"},
      {{"newmoons", "--format", "json", "--ics", "x.ics", "--years", "2020", "2021"},
       "--format json gives one year; --years is for the text and the calendar file"},
      // Places.
      {place("31 47 X", "35 13 E", "2"), latRule + "'31 47 X'"},
      {place("131 47 N", "35 13 E", "2"), latRule + "'131 47 N'"},
      {place("31 N", "35 13 E", "2"), latRule + "'31 N'"},
      {place("31 47 N", "35 13 N", "2"),
       "--lon must be whole degrees (at most 3 digits), whole minutes and E or W, e.g. \"35 13 E\"; not '35 "
       "13 N'"},
      {place("31 47 N", "35 13 E", "10000"), gmtRule + "'10000'"},
      {place("31 47 N", "35 13 E", "14.5"), gmtRule + "'14.5'"},
      {place("31 47 N", "35 13 E", "99.99"), gmtRule + "'99.99'"},
      {place("31 47 N", "35 13 E", "1.2.3"), gmtRule + "'1.2.3'"},
      {place("31 47 N", "35 13 E", " 2"), gmtRule + "' 2'"},
      {place("31 47 N", "35 13 E", "-5"), gmtRule + "'-5'"},
      {place("31 47 N", "35 13 E", "123456"), gmtRule + "'123456'"},
      {place("31 47 N", "35 13 E", ""), gmtRule + "''"},
      {{"localmoons", "--lat", "31 47 N", "--lon", "35 13 E"},
       "--lat, --lon and --gmt give the place together; one is missing"},
      {{"localmoons", "--location", "-5"},
       "no location named '-5' in " + dataFile + " (see orvane-cli locations)"},
      {{"localmoons", "--location", ""},
       "no location named '' in " + dataFile + " (see orvane-cli locations)"},
      {{"localmoons", "--location", "Sydney", "--lat", "31 47 N"}, "--location excludes --lat" + see},
      {{"localmoons", "--name", "Nowhere"}, "--name requires --lat" + see},
      // A value is taken as typed, but the name of an option is no value.
      {{"holydays", "--ics", "--crlf"}, "--ics needs a value, not the option '--crlf'" + see},
      {{"holydays", "--ics", "--help"}, "--ics needs a value, not the option '--help'" + see},
      {{"holydays", "--ics", ""}, "--ics: needs a file name, not ''" + see},
      {{"sunsets", "--name", "--lat", "31 47 N", "--lon", "35 13 E", "--gmt", "2"},
       "--name needs a value, not the option '--lat'" + see},
      // On failure the error alone: no note on the year 0 read as 1 BCE.
      {{"holydays", "0", "--ics", "x/y.ics"},
       "--ics: calendar files hold dates from 1 CE to 9999 CE only; Abib 1 falls on 24 Mar 1 BCE"},
  };
  for (const Case& c : cases) {
    std::string shown;
    for (const std::string& a : c.args) shown += "[" + a + "] ";
    SCOPED_TRACE(shown);
    const CliResult r = RunCommand(c.args);
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(ProblemWithAnswer(r), "");
    EXPECT_EQ(r.err, "orvane-cli: " + c.message + "\n");
  }
  EXPECT_TRUE(fs::is_empty(dir.path())) << "no file was written";
  fs::current_path(old);
}

// A stream whose every write fails, as stdout does on a full disk or when
// it was closed.
class FailingBuffer final : public std::streambuf {
 protected:
  int_type overflow(int_type) override { return traits_type::eof(); }
  std::streamsize xsputn(const char*, std::streamsize) override { return 0; }
};

TEST(Cli, AReportThatCannotBeWrittenIsAFailure) {
  struct Case {
    std::vector<std::string> args;
    std::string message;
  };
  const Case cases[] = {
      // One line, without the note on the year.
      {{"holydays", "0"}, "orvane-cli: the report could not be written to standard output"},
      {{"holydays", "2025", "--ics", "-"},
       "orvane-cli: the calendar could not be written to standard output"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.message);
    FailingBuffer failing;
    std::ostream out(&failing);
    std::ostringstream err;
    EXPECT_EQ(RunCli(c.args, out, err, 2024), 1);
    const std::string message = err.str();
    EXPECT_TRUE(message.starts_with(c.message)) << message;
    EXPECT_EQ(std::count(message.begin(), message.end(), '\n'), 1) << message;
  }
}

TEST(Cli, HelpAndVersion) {
  const CliResult help = RunCommand({"--help"});
  EXPECT_EQ(help.status, 0);
  EXPECT_NE(help.out.find("holydays"), std::string::npos);
  EXPECT_NE(help.out.find("newmoons"), std::string::npos);
  const CliResult sub = RunCommand({"holydays", "--help"});
  EXPECT_EQ(sub.status, 0);
  EXPECT_NE(sub.out.find("--east"), std::string::npos);
  EXPECT_NE(sub.out.find("--crlf"), std::string::npos);
  const CliResult version = RunCommand({"--version"});
  EXPECT_EQ(version.status, 0);
  EXPECT_EQ(version.out, std::string("orvane-cli ") + ORVANE_VERSION + "\n");
}

}  // namespace
}  // namespace orvane::cli
