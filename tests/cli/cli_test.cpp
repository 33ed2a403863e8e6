// orvane-cli against the window core it drives: reports, values read
// differently, refused command lines, the data file, convert, calendar files
// and the kept fuzz inputs; --format json and csv carry the dates and figures
// of the text report of the same run, and --format text is the default text.
#include "cli/cli.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <nlohmann/json.hpp>
#include <regex>
#include <sstream>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "app/help_texts.h"
#include "app/holy_days_window.h"
#include "conversions/easter_window_model.h"
#include "conversions/hebrew_window_model.h"
#include "engine/numeric.h"
#include "support/cli_harness.h"
#include "support/fuzz_inputs.h"
#include "support/ical_reader.h"
#include "support/report_dates.h"
#include "support/scoped_environment.h"
#include "support/temp_dir.h"
#include "support/working_folder.h"

namespace orvane::cli {
namespace {

namespace fs = std::filesystem;
using namespace orvane::testing;
using Window = app::HolyDaysWindow;
using Args = std::vector<std::string>;
using nlohmann::json;

std::string Lf(const std::string& text) { return std::regex_replace(text, std::regex("\r"), ""); }

// A fresh working folder without a data file, and a per-user folder of its own.
class Cli : public ::testing::Test {
 protected:
  static CliResult Run(const Args& args, int currentYear = 2024) { return RunOrvaneCli(args, currentYear); }
  TempDir dir_;
  WorkingFolder folder_{dir_.path()};
  ScopedEnvironment dataHome_{"XDG_DATA_HOME", (dir_ / "data").c_str()};
};

// The pane after the main window's own handler with the boxes as given and
// no data file; a typed place is captioned without a name, as on the command line.
std::string Pane(void (Window::*click)(), const std::string& year, const std::string& year2 = "",
                 bool east = false, const std::string& place = "") {
  TempDir elsewhere;
  SilentBeeper beeper;
  Window w(beeper);
  w.SetUserDataFolders({elsewhere.path(), {}});
  w.SetUserDataWritable(false);
  w.Form_Load(2024);
  if (!place.empty()) {
    w.TypeKeys(Window::Control::txtLatDeg, place);
    w.SetFocus(Window::Control::None);
    w.userData().LocationName = "";
    w.CaptionOmitsEmptyName = true;
  }
  w.txtYear = year;
  w.txtYear2 = year2;
  w.chkEJW = east;
  (w.*click)();
  return w.OutputText();
}

TEST_F(Cli, EachReportIsThePaneOfTheWindowsOwnHandler) {
  const std::pair<Args, std::string> cases[] = {
      {{"holydays", "2024"}, Lf(Pane(&Window::cmdHolyDays_Click, "2024"))},
      {{"newmoons", "--east", "-1461", "--crlf"}, Pane(&Window::cmdMonths_Click, "-1461", "", true)},
      {{"localmoons", "-1", "--lat", "22 34 n", "--lon", "88 22 e", "--gmt", "5.5"},
       Lf(Pane(&Window::cmdLocMon_Click, "-1", "", false, "22 34 N 88 22 E 5.5"))},
      // 14 hours from UTC, the most the offset box takes.
      {{"times", "2024", "--lat", "1 52 N", "--lon", "157 24 W", "--gmt", "14"},
       Lf(Pane(&Window::cmdTimes_Click, "2024", "", false, "1 52 N 157 24 W 14"))},
      {{"golgotha", "20", "40"}, Lf(Pane(&Window::cmdGolgotha_Click, "20", "40"))},
      {{"creation", "--", "-4040", "-3965"}, Lf(Pane(&Window::cmdCreation_Click, "-4040", "-3965"))},
      {{"rabbinical", "-100"}, Lf(conversions::RabbinicalYearListing("-100"))},
      {{"easter", "2024"}, Lf(conversions::EasterListing("2024"))},
      {{"help", "localMOONS", "--crlf"}, app::BuildHelpText("LocalMoons") + "\r\n"}};
  for (const auto& [args, pane] : cases) {
    SCOPED_TRACE(::testing::PrintToString(args));
    const CliResult r = Run(args);
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err, "");
    ASSERT_GT(pane.size(), 100u);
    EXPECT_EQ(r.out, pane);
  }
  // Without a year the current one.
  EXPECT_EQ(Run({"holydays"}, 2031).out, Lf(Pane(&Window::cmdHolyDays_Click, "2031")));
  EXPECT_FALSE(fs::exists(dir_ / "UserData.Dat")) << "the command line never writes the user's file";
}

// A value read differently is used as read, with one note on stderr; a
// day given in another reckoning is that day.
TEST_F(Cli, ValuesReadDifferentlyAreUsedAsReadAndNoted) {
  // The arguments, the arguments they are read as, and how the note begins after "orvane-cli: ".
  const std::tuple<Args, Args, std::string> cases[] = {
      {{"holydays", "0"}, {"holydays", "-1"}, "year 0 was read as -1 (there is no year 0)"},
      {{"holydays", "-5000"}, {"holydays", "-4004"}, "year -5000 was read as -4004"},
      {{"golgotha", "40", "20"}, {"golgotha", "20", "40"}, "years 40 to 20 were read as 20 to 40"},
      {{"creation", "-6001", "-5999"}, {"creation", "-6000", "-5999"}, "years -6001 to -5999"},
      {{"easter", "0"}, {"easter", "1"}, "year 0 was read as 1"},
      {{"sunsets", "-1", "--lat", "75 70 N", "--lon", "200 0 E", "--gmt", "2"},
       {"sunsets", "-1", "--lat", "60 59 N", "--lon", "180 0 E", "--gmt", "2"},
       "the place 75 70 N, 200 0 E was read as 60 59 N, 180 0 E"},
      {{"convert", "--gregorian", "2024-2-30"},
       {"convert", "--gregorian", "2024-3-1"},
       "day 30 of February 2024 was read as 1 March 2024"},
      {{"convert", "--jd", "1"}, {"convert", "--jd", "78166.5"}, "Julian day 1 was read as 78166.5"},
      {{"convert", "--julian", "0-3-1"},
       {"convert", "--julian", "1-3-1"},
       "day 1 of March 0 was read as 1 March 1 (there is no year 0)"},
      // Each reckoning as input, by published dates: 15 Nisan 5784 (the Passover
      // sacrifice of 2024) was 23 April 2024, Rosh Hashanah 5785 3 October 2024;
      // Julian 25 Dec 2023 is Gregorian 7 Jan 2024; JD 2451545 the noon of 1 Jan 2000.
      {{"convert", "--biblical", "6028-1-14"}, {"convert", "--hebrew", "5784-1-15"}, ""},
      {{"convert", "--hebrew", "5785-7-1"}, {"convert", "--gregorian", "2024-10-3"}, ""},
      {{"convert", "--julian", "2023-12-25"}, {"convert", "--gregorian", "2024-1-7"}, ""},
      {{"convert", "--jd", "2451545"}, {"convert", "--gregorian", "2000-1-1"}, ""}};
  for (const auto& [args, readAs, note] : cases) {
    SCOPED_TRACE(::testing::PrintToString(args));
    const CliResult r = Run(args);
    EXPECT_EQ(r.status, 0);
    EXPECT_TRUE(r.err.starts_with("orvane-cli: " + note) || (note.empty() && r.err.empty())) << r.err;
    EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), note.empty() ? 0 : 1) << r.err;
    EXPECT_EQ(r.out, Run(readAs).out);
  }
}

// Every command line that cannot run: exit status 2, nothing on stdout and
// one line on stderr that says what is wrong, with the value as typed and
// any control character in it escaped; no file is written.
TEST_F(Cli, BadCommandLinesAreOneLineErrors) {
  auto place = [](const std::string& lat, const std::string& lon, const std::string& gmt) {
    return Args{"times", "--lat", lat, "--lon", lon, "--gmt", gmt};
  };
  // Each command line with a part of the line after "orvane-cli: ".
  const std::pair<Args, std::string> cases[] = {
      {{}, "A subcommand is required (see orvane-cli --help)"},
      {{"a\nb"}, "unknown command 'a\\nb'"},
      {{"holydays", "\x1b[2J"}, "YEAR: must be a whole number, not '\\x1b[2J'"},
      {{"help", "Sunsets"}, "no help for 'Sunsets'; the sections are HolyDays, LocalMoons, Sunset, Jordan"},
      // An empty argument once sent the parser into an endless loop.
      {{"convert", "", "-e"}, "unexpected argument ''"},
      {{"convert"}, "convert takes exactly one day: --jd, --gregorian, --julian, --hebrew or --biblical"},
      {{"convert", "--gregorian", "2024/04/09"},
       "--gregorian must be a date YEAR-MONTH-DAY such as 2024-4-9"},
      {{"convert", "--gregorian", "2024-13-1"},
       "the month '13' of '2024-13-1' is not a month number from 1 to 12"},
      {{"convert", "--jd", "12.3.4"}, "--jd must be a Julian day such as 2460409.5, not '12.3.4'"},
      {{"sunsets", "--format", "xml"}, "--format: must be text|json|csv, not 'xml'"},
      {{"holydays", "--format", "json", "--ics", "-"},
       "--ics - and --format json both print to standard output"},
      {{"newmoons", "--format", "json", "--ics", "x.ics", "--years", "2020", "2021"},
       "--format json gives one year"},
      // The place options' limits.
      {place("31 47 X", "35 13 E", "2"),
       "--lat must be whole degrees (at most 2 digits), whole minutes and N or S"},
      {place("31 47 N", "35 13 N", "2"),
       "--lon must be whole degrees (at most 3 digits), whole minutes and E or W"},
      {place("31 47 N", "35 13 E", "14.5"), "--gmt must be the hours from UTC, 0 to 14, without a sign"},
      {place("31 47 N", "35 13 E", "123456"), "in at most 5 characters, e.g. 2 or 5.5; not '123456'"},
      {{"localmoons", "--lat", "31 47 N", "--lon", "35 13 E"},
       "--lat, --lon and --gmt give the place together"},
      {{"localmoons", "--location", "-5"},
       "no location named '-5' in " + (dir_ / "data/orvane/UserData.Dat").string()},
      // A value is taken as typed, but the name of an option is no value.
      {{"holydays", "--ics", "--crlf"}, "--ics needs a value, not the option '--crlf'"},
      // The calendar file: on failure the error alone, no note on the year 0.
      {{"holydays", "0", "--ics", "x/y.ics"},
       "--ics: calendar files hold dates from 1 CE to 9999 CE only; Abib 1 falls on 24 Mar 1 BCE"},
      {{"holydays", "2025", "--ics", "missing/out.ics"}, "--ics: cannot write missing/out.ics: "},
      {{"sunsets", "2025", "--ics", "x.ics"}, "--ics"},
      {{"holydays", "--years", "2030", "2025", "--ics", "a.ics"}, "in that order"},
      {{"holydays", "--years", "2000", "3000", "--ics", "a.ics"}, "at most 1000 years"},
      {{"crescent", "2024-02-30", "--lat", "21 25 N", "--lon", "39 50 E", "--gmt", "3"}, "2024-02-30"},
      {{"crescentmap", "2024-04-09", "--output", "map.gif"}, "the map file must end in .png or .svg"}};
  for (const auto& [args, message] : cases) {
    SCOPED_TRACE(::testing::PrintToString(args));
    const CliResult r = Run(args);
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(ProblemWithAnswer(r), "");
    EXPECT_NE(r.err.find(message), std::string::npos) << r.err;
  }
  EXPECT_TRUE(fs::is_empty(dir_.path())) << "no file was written";
}

// Jerusalem and Sydney, the current one: the fuzz target's file with a plain name.
const std::string kTwoPlaces = std::regex_replace(FuzzUserData(), std::regex("Syd\x1b\\[2Jney"), "Sydney");

std::string FirstLine(const std::string& text) { return text.substr(0, text.find('\n')); }

TEST_F(Cli, StoredLocationsAreListedAndUsedAndTheFileLeftAlone) {
  WriteBytes(dir_ / "UserData.Dat", kTwoPlaces);
  EXPECT_EQ(FirstLine(Run({"times", "2024"}).out), "(Sydney, 33\u00BA52'S 151\u00BA13'E GMT +10)");
  EXPECT_EQ(FirstLine(Run({"times", "2024", "--location", "Jerusalem , Israel"}).out),
            "(Jerusalem , Israel, 31\u00BA46'N 35\u00BA13'E GMT +2)");
  EXPECT_EQ(Run({"locations"}).out,
            "  NAME                LATITUDE  LONGITUDE  UTC OFFSET\n"
            "  Jerusalem , Israel  31 46 N   35 13 E    +2\n"
            "* Sydney              33 52 S   151 13 E   +10\n"
            "Current location: Sydney\n");
  // --data names another file; one that is not there is said, and Jerusalem used.
  WriteBytes(dir_ / "other.dat",
             "Home\r\n 0 \r\nHome\r\n-1 \r\n 2 \r\n3\r\n" + kTwoPlaces.substr(kTwoPlaces.find(" 1676")));
  EXPECT_EQ(Run({"locations", "--names", "--data", "other.dat"}).out, "Home\n");
  const CliResult missing = Run({"locations", "--names", "--data", "nowhere.dat"});
  EXPECT_EQ(missing.out, "Jerusalem , Israel\n");  // without a file, the default entry
  EXPECT_NE(missing.err.find("there is no file " + (dir_ / "nowhere.dat").string()), std::string::npos);
  EXPECT_FALSE(fs::exists(dir_ / "nowhere.dat"));
  EXPECT_EQ(ReadBytes(dir_ / "UserData.Dat"), kTwoPlaces);

  // Control characters of a name are shown escaped, not obeyed.
  std::string hostile = kTwoPlaces;
  for (int i = 0; i < 2; ++i) hostile.replace(hostile.find("Sydney"), 6, "Syd\x1b]0;owned\x07ney\xC2\x9B");
  WriteBytes(dir_ / "UserData.Dat", hostile);
  EXPECT_NE(Run({"locations"}).out.find("* Syd\\x1b]0;owned\\x07ney\\u009b  33 52 S"), std::string::npos);
  EXPECT_TRUE(Run({"times", "2024"}).out.starts_with("(Syd\\x1b]0;owned\\x07ney\\u009b, 33\u00BA52'S"));

  // A damaged file is read as far as it goes and not rewritten.
  const std::string damaged = kTwoPlaces.substr(0, kTwoPlaces.find("Sydney\r\n-151"));
  WriteBytes(dir_ / "UserData.Dat", damaged);
  const CliResult r = Run({"locations", "--names"});
  EXPECT_EQ(r.out, "Jerusalem , Israel\n");
  EXPECT_NE(r.err.find("cannot be read from line 7 on (the file ends)"), std::string::npos) << r.err;
  EXPECT_EQ(ReadBytes(dir_ / "UserData.Dat"), damaged);
  EXPECT_FALSE(fs::exists(dir_ / "UserData.Dat.bak"));
}

// A row of the conversion: its caption in a column 29 wide, then the value.
std::string Row(const std::string& caption, const std::string& value) {
  return caption + std::string(29 - caption.size(), ' ') + value + "\n";
}

TEST(Convert, EveryReckoningOfADay) {
  // 1 Nisan 5784, of a leap year of 383 days, was Tuesday 9 April 2024; the
  // Julian calendar was 13 days behind; the day began at JD 2460409.5.
  const CliResult r = RunOrvaneCli({"convert", "--gregorian", "2024-04-09", "--criteria"});
  for (const std::string& row :
       {Row("Gregorian", "Tuesday 9 April 2024"), Row("Julian", "27 March 2024"),
        Row("Julian Day Count", "2460409.5"), Row("Hebrew - Rabbinic", "Third 1 Nisan 5784"),
        Row("", "Embolismic Deficient (383 days)"),
        std::string("Biblical year 6027\nwould fall on the 9th of April 2024 CE.\n")}) {
    EXPECT_NE(r.out.find(row), std::string::npos) << row << r.out;
  }
  // The moon's part lit is a single-precision figure: 3.7, not 3.70000004768372.
  EXPECT_NE(RunOrvaneCli({"convert", "--gregorian", "2024-04-10"}).out.find("(3.7% lit, waxing)"),
            std::string::npos);
}

TEST_F(Cli, CalendarFilesHoldTheDatesTheReportStates) {
  // The dates themselves are the export's (its tests read them back); a
  // span prints the years' reports and writes their month starts in one file.
  const CliResult span = Run({"newmoons", "--years", "2024", "2026", "--ics", "span.ics"});
  EXPECT_EQ(span.out,
            Run({"newmoons", "2024"}).out + Run({"newmoons", "2025"}).out + Run({"newmoons", "2026"}).out);
  const IcsFile file = ReadIcs(ReadBytes(dir_ / "span.ics"));
  EXPECT_EQ(file.calendarName, "Orvane: month starts 2024 to 2026 (Jerusalem)");

  // On its way to a terminal the calendar is escaped as a report is.
  const CliResult escaped = Run({"localmoons", "2025", "--lat", "31 47 N", "--lon", "35 13 E", "--gmt", "2",
                                 "--name", "A\x1b[2Jb", "--ics", "-"});
  EXPECT_EQ(ProblemWithAnswer(escaped), "");
  EXPECT_NE(escaped.out.find("LOCATION:A\\x1b[2Jb\r\n"), std::string::npos);
  EXPECT_TRUE(ReadIcs(escaped.out).parsed);
}

// The command lines kept for the fuzz target, its seeds and every one it
// found to hang or break the rules, in the folder the target runs in.
TEST_F(Cli, EveryKeptFuzzInputIsAnswered) {
  const auto inputs = KeptFuzzInputs("cli");
  ASSERT_FALSE(inputs.empty()) << "ORVANE_TEST_DATA names the tests folder";
  WriteBytes(dir_ / "UserData.Dat", FuzzUserData());
  const ScopedEnvironment home("XDG_DATA_HOME", dir_.path().c_str());
  for (const auto& [name, bytes] : inputs) {
    SCOPED_TRACE(name);
    const auto args = ArgumentsFromBytes(bytes);
    if (MayWriteAFile(args)) continue;
    EXPECT_EQ(ProblemWithAnswer(RunOrvaneCli(args)), "");
  }
}

// --- The data formats ----------------------------------------------------------

// "2024-04-10" of a date printed with its era: 1 BCE is the astronomical
// year 0, and negative years take a sign and four digits.
std::string Iso(int day, int month, int year, bool bce) {
  const int y = bce ? 1 - year : year;
  char text[32];
  std::snprintf(text, sizeof text, "%s%04d-%02d-%02d", y < 0 ? "-" : "", y < 0 ? -y : y, month, day);
  return text;
}

std::string Clock(int hour, int minute) {  // "07:05"
  return (hour < 10 ? "0" : "") + std::to_string(hour) + (minute < 10 ? ":0" : ":") + std::to_string(minute);
}

// The rows of a CSV text, each by its header.
std::vector<std::map<std::string, std::string>> DataRows(const std::string& data) {
  std::vector<std::map<std::string, std::string>> rows;
  const auto split = [](const std::string& line) {
    std::vector<std::string> fields(1);
    for (char c : line) c == ',' ? fields.emplace_back().clear() : fields.back().push_back(c);
    return fields;
  };
  const std::vector<std::string> lines = TextLines(data);
  const std::vector<std::string> header = split(lines.at(0));
  for (std::size_t i = 1; i < lines.size(); ++i) {
    const std::vector<std::string> fields = split(lines[i]);
    EXPECT_EQ(fields.size(), header.size()) << lines[i];
    auto& row = rows.emplace_back();
    for (std::size_t f = 0; f < header.size() && f < fields.size(); ++f) row[header[f]] = fields[f];
  }
  return rows;
}

// The days a report states, in order, against the data's "days".
void CheckStatedDays(const std::string& text, const json& days, bool holyDays) {
  const auto stated = StatedDates(text);
  ASSERT_EQ(stated.size(), days.size());
  for (std::size_t i = 0; i < stated.size(); ++i) {
    const StatedDate& s = stated[i];
    const json& d = days[i];
    SCOPED_TRACE(s.label);
    EXPECT_EQ(d.at("date").at("date"), Iso(s.day, s.month, s.year, s.bce));
    EXPECT_EQ(d.at(d.contains("label") ? "label" : "weekday"), d.contains("label") ? s.label : s.weekday);
    if (!holyDays) continue;
    EXPECT_EQ(d.at("certainty"), s.certainty == "certain" ? json(nullptr) : json(s.certainty));
    EXPECT_EQ(d.at("reading"), s.reading.empty() ? json(nullptr) : json(s.reading + " harvest"));
  }
}

// The holy days and month starts: every evening row with its figures and
// verdict, table by table, and the days.
void CheckCalendarReport(const std::string& command, const std::string& text, const json& doc) {
  const auto rows = EveningRows(text);
  std::vector<json> evenings;
  for (const json& month : doc.at("months")) {
    for (const json& e : month.at("evenings")) evenings.push_back(e);
  }
  ASSERT_EQ(rows.size(), evenings.size());
  std::size_t tables = 0;
  const char* figures[] = {"illuminated_percent",     "sun_azimuth",      "moon_azimuth", "moon_altitude",
                           "sun_altitude_at_moonset", "visibility_number"};
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const EveningRow& r = rows[i];
    const json& e = evenings[i];
    const std::string date = e.at("evening").at("date");
    SCOPED_TRACE(date);
    EXPECT_TRUE(date.ends_with(Iso(r.day, r.month, 2000, false).substr(4)));
    EXPECT_EQ(e.at("sunset"), Clock(r.sunsetHour, r.sunsetMinute));
    EXPECT_EQ(e.at("moonset"), Clock(r.moonsetHour, r.moonsetMinute));
    for (std::size_t f = 0; f < 6; ++f) {
      EXPECT_EQ(num::DecimalValue(r.figures[f]), e.at(figures[f]).get<double>()) << figures[f];
    }
    EXPECT_EQ(e.at("visibility"), r.verdict);
    tables += r.lastOfTable;
  }
  EXPECT_EQ(doc.at("months").size(), tables);
  if (command != "localmoons") return CheckStatedDays(text, doc.at("days"), command == "holydays");
  EXPECT_EQ(doc.at("days").size(), tables);
}

// The times table: "01/05/2024   2460315     6:40      16:49    00:29       42.8 11:55      37.8".
void CheckTimes(const std::string& text, const std::string& data) {
  const auto rows = DataRows(data);
  const std::regex line(R"(^(\d\d)/(\d\d)/ *(-?\d+) +(\d+) +(\d+):(\d\d) +(\d+):(\d\d) +)"
                        R"((--:--|\d\d:\d\d) +(----|[\d.]+) +(--:--|\d\d:\d\d) +(----|[\d.]+) *$)");
  const auto orEmpty = [](const std::string& s) { return s.starts_with("--") ? std::string() : s; };
  std::size_t n = 0;
  for (const std::string& l : TextLines(text)) {
    std::smatch m;
    if (!std::regex_match(l, m, line)) continue;
    ASSERT_LT(n, rows.size());
    const auto& r = rows[n++];
    const int year = std::stoi(m[3]);
    EXPECT_EQ(r.at("date"), Iso(std::stoi(m[2]), std::stoi(m[1]), std::abs(year), year < 0)) << l;
    EXPECT_EQ(r.at("jd"), m[4].str()) << l;
    EXPECT_EQ(r.at("sunrise"), Clock(std::stoi(m[5]), std::stoi(m[6]))) << l;
    EXPECT_EQ(r.at("sunset"), Clock(std::stoi(m[7]), std::stoi(m[8]))) << l;
    EXPECT_EQ(r.at("moonrise") + "|" + r.at("moonset"), orEmpty(m[9]) + "|" + orEmpty(m[11])) << l;
    for (const auto& [field, group] :
         {std::pair{"moonrise_illuminated_percent", 10}, {"moonset_illuminated_percent", 12}}) {
      const std::string printed = orEmpty(m[group]);
      EXPECT_TRUE(r.at(field) == printed || num::DecimalValue(r.at(field)) == num::DecimalValue(printed))
          << l;
    }
  }
  EXPECT_EQ(n, rows.size());
  EXPECT_GT(n, 350u);
}

// The cells of a sunsets table in date order, by ISO date: "9 Apr 2024
// 6:04PM" is "18:04" on 2024-04-09, "18:29PM" (a zone far from the place)
// "06:29" of the next morning.  The years start at the title's, without an
// era: a January after a December is the next (1 CE after 1 BCE).
std::vector<std::pair<std::string, std::string>> PrintedSunsets(const std::string& text) {
  const std::vector<std::string> lines = TextLines(text);
  std::smatch title;
  const std::regex heading(R"(^ *(\d+) (B?CE) +CALCULATED SUNSETS$)");
  if (lines.empty() || !std::regex_match(lines[0], title, heading)) return {};
  int year = std::stoi(title[1].str()) * (title[2] == "BCE" ? -1 : 1);
  // Down the first column, then the second, ...: the table's date order.
  std::vector<std::vector<std::smatch>> columns(4);
  const std::regex cell(R"((\d+) ([A-Z][a-z]{2}) +\d+ +(\d+):(\d\d)PM)");
  for (const std::string& line : lines) {
    std::size_t column = 0;
    for (std::sregex_iterator it(line.begin(), line.end(), cell), end; it != end && column < 4; ++it)
      columns[column++].push_back(*it);
  }
  std::vector<std::pair<std::string, std::string>> sunsets;
  int lastMonth = 0;
  for (const auto& column : columns) {
    for (const std::smatch& m : column) {
      const int month = MonthNumber(m[2].str());
      if (month < lastMonth) year = year == -1 ? 1 : year + 1;
      lastMonth = month;
      sunsets.emplace_back(Iso(std::stoi(m[1].str()), month, std::abs(year), year < 0),
                           Clock((std::stoi(m[3].str()) + 12) % 24, std::stoi(m[4].str())));
    }
  }
  return sunsets;
}

// The sunsets table (CSV): every cell is the day's row.
void CheckSunsets(const std::string& text, const std::string& data) {
  std::map<std::string, std::string> byDate;
  for (const auto& r : DataRows(data)) byDate[r.at("date")] = r.at("sunset");
  const auto cells = PrintedSunsets(text);
  for (const auto& [date, sunset] : cells) EXPECT_EQ(byDate[date], sunset) << date;
  EXPECT_EQ(cells.size(), byDate.size());
  EXPECT_GT(cells.size(), 350u);
}

// Every stated day begins at the sunset of the evening before its date, as
// the sunsets report of the place (of the run's year or the one before)
// prints it.  Jerusalem's reports compute 35.244 E 31.78 N; its sunsets
// report (35 13 E, 31 47 N) lies 0.03 degrees west and may print one minute
// more.  The crescent's evening, where it is the evening before, agrees.
void CheckBeginsAtSunset(const std::vector<std::string>& args, const json& doc) {
  std::vector<std::string> place(args.begin() + 2, args.end());
  std::erase(place, "--east");
  const int year = std::stoi(args.at(1));
  std::map<std::string, std::string> printed;
  for (const int y : {year == 1 ? -1 : year - 1, year}) {
    std::vector<std::string> sunsets = {"sunsets", std::to_string(y)};
    sunsets.insert(sunsets.end(), place.begin(), place.end());
    for (const auto& [date, sunset] : PrintedSunsets(RunOrvaneCli(sunsets).out)) printed[date] = sunset;
  }
  for (const json& day : doc.at("days")) {
    const json& begins = day.at("begins_at_sunset");
    const std::string date = begins.at("date");
    EXPECT_EQ(begins.at("jd"), day.at("date").at("jd").get<double>() - 1) << date;
    ASSERT_TRUE(printed.count(date)) << date;
    const std::string sunset = begins.at("sunset");
    if (place.empty()) {
      const auto minutes = [](const std::string& t) { return std::stoi(t) * 60 + std::stoi(t.substr(3)); };
      EXPECT_GE(minutes(sunset), minutes(printed[date]) - 1) << date << " " << printed[date];
      EXPECT_LE(minutes(sunset), minutes(printed[date])) << date << " " << printed[date];
    } else {
      EXPECT_EQ(sunset, printed[date]) << date;
    }
    const json& crescent = day.at("crescent_evening");
    if (crescent.at("date") == date && !crescent.at("sunset").is_null()) {
      EXPECT_EQ(crescent.at("sunset"), sunset) << date;
    }
  }
}

// A range's years found, the Flood's by the column of their list; or the
// dates of one year.
void CheckChronology(const std::string& command, const std::string& text, const json& doc) {
  const std::size_t rule = text.find("=====");
  if (rule == std::string::npos) return CheckStatedDays(text, doc.at("days"), false);
  std::vector<std::string> found, data;
  const std::regex year(R"((\d+) (B?CE))");
  for (const std::string& l : TextLines(text.substr(text.find('\n', rule) + 1))) {
    for (std::sregex_iterator it(l.begin(), l.end(), year), end; it != end; ++it) {
      const auto at = it->position();
      const std::string list = command != "flood" ? "" : at < 19 ? " 150" : at < 30 ? " 149+1" : " 148+2";
      found.push_back(it->str() + list);
    }
  }
  for (const json& y : doc.at("years_found")) {
    data.push_back(y.at("year").dump() + " " + y.at("era").get<std::string>() +
                   (y.contains("list") ? " " + y["list"].get<std::string>() : ""));
  }
  std::sort(found.begin(), found.end());
  std::sort(data.begin(), data.end());
  EXPECT_EQ(data, found);
  EXPECT_FALSE(found.empty());
}

// The listings' dates in order: "TUE,09 APR 2024" and "is 29 March, 2024".
void CheckListingDates(const std::string& text, const json& doc) {
  std::vector<std::string> data;
  for (const char* part : {"month_starts", "holy_days"}) {
    for (const json& d : doc.value(part, json::array())) data.push_back(d.at("date"));
  }
  for (const json& y : doc.value("years", json::array())) {
    data.insert(data.end(), {y.at("good_friday").at("date"), y.at("easter_sunday").at("date")});
  }
  const std::regex date(R"([A-Z]{3},(\d\d) ([A-Z])([A-Z]{2}) (-?\d+)|is (\d\d) (March|April), (\d+))");
  std::vector<std::string> found;
  for (std::sregex_iterator it(text.begin(), text.end(), date), end; it != end; ++it) {
    const std::smatch& m = *it;
    std::string month = m[3].str();
    for (char& c : month) c = static_cast<char>(std::tolower(c));
    const int year = std::stoi(m[m[1].matched ? 4 : 7]);
    found.push_back(m[1].matched
                        ? Iso(std::stoi(m[1]), MonthNumber(m[2].str() + month), std::abs(year), year < 0)
                        : Iso(std::stoi(m[5]), m[6] == "March" ? 3 : 4, year, false));
  }
  EXPECT_EQ(data, found);
}

TEST(ReportFormats, CarryTheTextReportsDatesAndFigures) {
  const TempDir dir;  // no UserData.Dat: Jerusalem unless a place is typed
  const WorkingFolder folder(dir.path());
  // New York, and a place west of Greenwich on the zone of Greenwich, whose
  // sunsets fall after midnight of the zone's clock.
  const std::map<std::string, std::vector<std::string>> places = {
      {"@ny", {"--lat", "40 43 N", "--lon", "74 0 W", "--gmt", "5"}},
      {"@far", {"--lat", "40 0 N", "--lon", "179 0 W", "--gmt", "0"}}};
  std::istringstream cases(
      "holydays 2021; holydays -1461; holydays 2027 --east; newmoons -1 --east; localmoons 2024 @ny;"
      "localmoons -3000 @ny; sunsets 2024 @far; times 2024 --gregorian; times -44 @ny; golgotha 31;"
      "golgotha 20 40; jordan -1406; creation -4004 -3990; flood -2345; flood -2400 -2300; rabbinical -5;"
      "easter 1570");
  for (std::string line; std::getline(cases, line, ';');) {
    std::vector<std::string> args;
    std::istringstream words(line);
    for (std::string word; words >> word;) {
      const auto add = places.contains(word) ? places.at(word) : std::vector<std::string>{word};
      args.insert(args.end(), add.begin(), add.end());
    }
    const std::string command = args[0];
    const std::string format = command == "times" || command == "sunsets" ? "csv" : "json";
    SCOPED_TRACE(std::string(line) + " --format " + format);
    const auto text = RunOrvaneCli(args);
    ASSERT_EQ(text.status, 0) << text.err;
    args.insert(args.end(), {"--format", "text"});
    EXPECT_EQ(RunOrvaneCli(args).out, text.out);
    args.back() = format;
    const auto data = RunOrvaneCli(args);
    ASSERT_EQ(data.status, 0) << data.err;
    if (command == "times" || command == "sunsets") {
      command == "times" ? CheckTimes(text.out, data.out) : CheckSunsets(text.out, data.out);
      continue;
    }
    const json doc = json::parse(data.out);
    if (command == "rabbinical" || command == "easter") {
      CheckListingDates(text.out, doc);
    } else if (command == "holydays" || command == "newmoons" || command == "localmoons") {
      CheckCalendarReport(command, text.out, doc);
      CheckBeginsAtSunset(std::vector<std::string>(args.begin(), args.end() - 2), doc);
    } else {
      CheckChronology(command, text.out, doc);
    }
  }
}

}  // namespace
}  // namespace orvane::cli
