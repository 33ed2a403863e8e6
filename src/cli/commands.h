// The commands of orvane-cli.  Each group of commands lives in its own file
// and adds its subcommands to the parser; RunCli parses the command line and
// runs the one command given.
#pragma once

#include <CLI/CLI.hpp>
#include <functional>
#include <iosfwd>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "engine/engine.h"
#include "export/report_data.h"

namespace orvane::app {
class HolyDaysWindow;
}  // namespace orvane::app

namespace orvane::cli {

// What a command needs of the world: the text of its report, today's
// year, and where its notes and its error go.  RunCli prints the report and
// the notes only when the command succeeds, and the error alone when it
// fails, each message on one line of its own.
class CommandContext {
 public:
  CommandContext(std::string& report, int year) : out(report), currentYear(year) {}

  std::string& out;  // the report (or the calendar of --ics -)
  const int currentYear;

  // What `out` holds, as the message names it when it cannot be written: a
  // report, or the calendar of --ics - in its place.
  enum class Output { Report, Calendar };
  Output output = Output::Report;

  // A note for stderr: an entry read differently from how it was typed.
  // The message has no "orvane-cli: " and no line end.
  void Note(std::string message) { notes_.push_back(std::move(message)); }
  // The error of a command that cannot run; returns its exit status, 2.
  int Fail(std::string message) {
    error_ = std::move(message);
    return 2;
  }

  const std::vector<std::string>& notes() const { return notes_; }
  const std::string& error() const { return error_; }

 private:
  std::vector<std::string> notes_;
  std::string error_;
};

// A command's action: writes its report to ctx.out and returns the exit
// status: 0 on success, or the status of ctx.Fail for input it cannot use.
using CommandAction = std::function<int(CommandContext&)>;

class CommandSet {
 public:
  explicit CommandSet(CLI::App& root) : root_(root) {}
  // Adds a subcommand; the action runs when the command line names it.
  CLI::App* Add(const std::string& name, const std::string& description, CommandAction action);
  CLI::App& root() { return root_; }
  // The subcommand that was parsed and its action, or nulls.
  std::pair<const CLI::App*, const CommandAction*> Parsed() const;

 private:
  CLI::App& root_;
  std::vector<std::pair<CLI::App*, CommandAction>> commands_;
};

// Shared helpers for the command groups.
namespace detail {
// The text with CR LF line ends turned into LF unless `crlf` is set.
std::string WithLineEnds(const std::string& text, bool crlf);
// Whether a text is an optional sign and 1..maxDigits digits.
bool IsWholeNumber(const std::string& text, std::size_t maxDigits);
// A validator that accepts an optional sign and up to nine digits (its
// message is prefixed with the option's name by the parser).
CLI::Validator WholeNumber();
// A value as messages quote it: 'value'.  Control characters are escaped
// when the whole message is printed.
std::string Quoted(const std::string& value);
// The note on a year that the main window's year box read differently:
// "year 0 was read as -1 (there is no year 0)".
std::string YearNote(const std::string& typed, const std::string& read);

// --ics FILE and --years A B of the reports of holy days and month starts.
struct CalendarFileOptions {
  std::string file;                // empty: no calendar file
  std::vector<std::string> years;  // empty, or the first and the last year of the span
};
// The --ics file that stands for standard output: the calendar is printed
// in place of the report.
inline constexpr std::string_view kStandardOutput = "-";
// The longest span of years one file takes.
inline constexpr int kMaxCalendarYears = 1000;
// Adds --ics and --years to a report command whose YEAR option is `year`;
// --years takes the place of YEAR and needs --ics.
void AddCalendarFileOptions(CLI::App* cmd, CLI::Option* year, CalendarFileOptions& o);
// The year texts a command runs: those of the span of --years, without the
// year 0, or else the one `year`.  False, after ctx.Fail, for a span outside
// -4004..9999, backwards or longer than kMaxCalendarYears.
bool YearsToRun(const CalendarFileOptions& o, const std::string& year, CommandContext& ctx,
                std::vector<std::string>& years);
// What the runs of a report over its years showed: the pane's text of each
// run, one after another, and the calendar runs for --ics.
struct YearRuns {
  std::string report;
  std::vector<CalendarRun> runs;
};
// Types each of `years` into the window's year box and calls `run` (which
// sets the report's options and clicks its command); notes a year the box
// read otherwise, and keeps each pane's text with the line ends asked for.
YearRuns RunEachYear(app::HolyDaysWindow& w, const std::vector<std::string>& years, bool crlf,
                     CommandContext& ctx, const std::function<void()>& run);
// Writes the days of `runs` to the file of --ics (replacing it whole, or
// leaving it as it was), or to ctx.out for "-".  False, after ctx.Fail,
// when they cannot be written: a path that is no regular file, a full disk.
bool WriteCalendarFile(const CalendarFileOptions& o, const std::vector<CalendarRun>& runs,
                       CommandContext& ctx);

// The place options of the location commands: --location, or --lat, --lon
// and --gmt with --name; without them the current location of UserData.Dat.
struct PlaceOptionSet;
std::shared_ptr<PlaceOptionSet> AddPlaceOptions(CLI::App* cmd);
// The place the options give, read as the coordinate boxes read it.
struct Place {
  double latitude = 0;       // degrees, north positive
  double longitudeEast = 0;  // degrees, east positive
  double zoneOffset = 0;     // hours from UT, east positive
  std::string name;          // may be empty
  std::string coordinates;   // as the boxes show them: "31 47 N, 35 13 E"
};
// False, after ctx.Fail, for a place it cannot use.
bool ReadPlace(const PlaceOptionSet& set, CommandContext& ctx, Place& place);
// --format of the commands: the report's text as the program shows it (the
// default), or its data as JSON or CSV.
enum class OutputFormat { Text, Json, Csv };
// Adds --format to a command that offers the text and the formats `data`.
CLI::Option* AddFormatOption(CLI::App* cmd, OutputFormat& format, const std::vector<OutputFormat>& data);
// A data format gives one year on standard output: it goes neither with
// --ics - nor with --years.  Returns false, after ctx.Fail, when it is asked
// for with either.
bool DataFormatFits(OutputFormat format, const CalendarFileOptions& calendar, CommandContext& ctx);

// Collects, while it lives, what the runs of `engine` tell its recorder;
// the recorder attached before goes on being told of the calendar runs.
class CollectingRuns {
 public:
  explicit CollectingRuns(Engine& engine)
      : collector(engine.dayRecorder), engine_(engine), previous_(engine.dayRecorder) {
    engine_.dayRecorder = &collector;
  }
  ~CollectingRuns() { engine_.dayRecorder = previous_; }
  CollectingRuns(const CollectingRuns&) = delete;
  CollectingRuns& operator=(const CollectingRuns&) = delete;

  report::ReportCollector collector;

 private:
  Engine& engine_;
  DayRecorder* previous_;
};
}  // namespace detail

// The command groups.
void AddJerusalemCommands(CommandSet& set);   // holydays, newmoons
void AddLocationCommands(CommandSet& set);    // the location runs and tables
void AddChronologyCommands(CommandSet& set);  // golgotha, jordan, creation, flood
void AddConversionCommands(CommandSet& set);  // rabbinical, easter
void AddConvertCommand(CommandSet& set);      // convert
void AddHelpCommand(CommandSet& set);         // help
void AddCrescentCommands(CommandSet& set);    // crescent, crescentmap

}  // namespace orvane::cli
