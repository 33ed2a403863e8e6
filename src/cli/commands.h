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

#include "engine/day_recorder.h"

namespace orvane::cli {

// What a command needs of the world: its two streams and today's year.
struct CommandContext {
  std::ostream& out;
  std::ostream& err;
  int currentYear;
};

// A command's action: writes its report to ctx.out and returns the exit
// status (0 on success; 2 for input it cannot use, with one line on ctx.err
// and nothing on ctx.out).
using CommandAction = std::function<int(const CommandContext&)>;

class CommandSet {
 public:
  explicit CommandSet(CLI::App& root) : root_(root) {}
  // Adds a subcommand; the action runs when the command line names it.
  CLI::App* Add(const std::string& name, const std::string& description, CommandAction action);
  CLI::App& root() { return root_; }
  // The action of the subcommand that was parsed, or null.
  const CommandAction* Parsed() const;

 private:
  CLI::App& root_;
  std::vector<std::pair<CLI::App*, CommandAction>> commands_;
};

// Shared helpers for the command groups.
namespace detail {
// The text with CR LF line ends turned into LF unless `crlf` is set.
std::string WithLineEnds(const std::string& text, bool crlf);
// Removes the blank that protects a negative number from the option parser.
std::string Trim(const std::string& s);
// Whether a text is an optional sign and 1..maxDigits digits.
bool IsWholeNumber(const std::string& text, std::size_t maxDigits);
// A validator that accepts an optional sign and up to nine digits.
CLI::Validator WholeNumber(const std::string& what);

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
// year 0, or else the one `year`.  False, with one line on ctx.err, for a
// span outside -4004..9999, backwards or longer than kMaxCalendarYears.
bool YearsToRun(const CalendarFileOptions& o, const std::string& year, const CommandContext& ctx,
                std::vector<std::string>& years);
// Writes the days of `runs` to the file of --ics (replacing it whole, or
// leaving it as it was), or to ctx.out for "-".  False, with one line on
// ctx.err, when they cannot be written: a path that is no regular file, a
// full disk, a failed output stream.
bool WriteCalendarFile(const CalendarFileOptions& o, const std::vector<CalendarRun>& runs,
                       const CommandContext& ctx);
}  // namespace detail

// The command groups.
void AddJerusalemCommands(CommandSet& set);   // holydays, newmoons
void AddLocationCommands(CommandSet& set);    // the location runs and tables
void AddChronologyCommands(CommandSet& set);  // golgotha, jordan, creation, flood
void AddConversionCommands(CommandSet& set);  // rabbinical, easter
void AddConvertCommand(CommandSet& set);      // convert
void AddHelpCommand(CommandSet& set);         // help

}  // namespace orvane::cli
