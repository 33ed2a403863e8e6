#include "cli/cli.h"

#include <algorithm>
#include <cerrno>
#include <ostream>
#include <system_error>

#include "cli/commands.h"
#include "cli/terminal_text.h"
#include "engine/numeric.h"

namespace orvane::cli {

CLI::App* CommandSet::Add(const std::string& name, const std::string& description, CommandAction action) {
  CLI::App* cmd = root_.add_subcommand(name, description);
  commands_.emplace_back(cmd, std::move(action));
  return cmd;
}

std::pair<const CLI::App*, const CommandAction*> CommandSet::Parsed() const {
  for (const auto& [cmd, action] : commands_) {
    if (cmd->parsed()) return {cmd, &action};
  }
  return {nullptr, nullptr};
}

namespace detail {

std::string WithLineEnds(const std::string& text, bool crlf) {
  if (crlf) return text;
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
    out.push_back(text[i]);
  }
  return out;
}

bool IsWholeNumber(const std::string& text, std::size_t maxDigits) {
  std::size_t i = 0;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
  const std::size_t digits = text.size() - i;
  if (digits == 0 || digits > maxDigits) return false;
  for (; i < text.size(); ++i) {
    if (text[i] < '0' || text[i] > '9') return false;
  }
  return true;
}

CLI::Validator WholeNumber() {
  return CLI::Validator(
      [](std::string& v) {
        return IsWholeNumber(v, 9) ? std::string() : "must be a whole number, not " + Quoted(v);
      },
      "INTEGER");
}

std::string Quoted(const std::string& value) { return "'" + value + "'"; }

std::string YearNote(const std::string& typed, const std::string& read) {
  const bool zero = num::Val(typed) == 0;
  return "year " + typed + " was read as " + read +
         (zero ? " (there is no year 0)" : " (the years run from -4004 to 9999)");
}

}  // namespace detail

namespace {

// Whether a value names an option of the command or of the program
// ("--crlf", "-h", "--years=5"): "--ics --crlf" forgot the file name rather
// than naming a file "--crlf".
bool NamesAnOption(const CLI::App& root, const CLI::App& cmd, const std::string& value) {
  if (value.size() < 2 || value[0] != '-') return false;
  const std::string name = value.substr(0, value.find('='));
  return cmd.get_option_no_throw(name) != nullptr || root.get_option_no_throw(name) != nullptr;
}

// The first value of an option of `cmd` that is itself an option name, as
// an error message; empty when there is none.
std::string OptionNameAsValue(const CLI::App& root, const CLI::App& cmd) {
  for (const CLI::Option* option : cmd.get_options()) {
    if (option->get_positional() || option->get_expected_max() == 0) continue;
    for (const std::string& value : option->results()) {
      if (NamesAnOption(root, cmd, value)) {
        return option->get_name() + " needs a value, not the option " + detail::Quoted(value);
      }
    }
  }
  return {};
}

// The message for an argument the command line has no place for.
std::string Unexpected(const std::string& argument) {
  const bool option =
      argument.size() > 1 && argument[0] == '-' && !(argument[1] >= '0' && argument[1] <= '9');
  return (option ? "unknown option " : "unexpected argument ") + detail::Quoted(argument);
}

// Parses the command line and runs the one command it names, writing the
// report to ctx.out.  Returns the exit status.
int ParseAndRun(const std::vector<std::string>& args, CommandContext& ctx) {
  CLI::App app{"Orvane: new crescents, Biblical holy days and calendar conversions.", "orvane-cli"};
  app.set_version_flag("--version", std::string("orvane-cli ") + ORVANE_VERSION);
  app.require_subcommand(1);
  // Arguments left over are reported below, with the argument quoted.
  app.allow_extras();
  app.footer("BCE years are typed as negative numbers: orvane-cli holydays -1461");

  CommandSet commands(app);
  AddJerusalemCommands(commands);
  AddLocationCommands(commands);
  AddChronologyCommands(commands);
  AddConversionCommands(commands);
  AddConvertCommand(commands);
  AddCrescentCommands(commands);
  AddHelpCommand(commands);

  const auto known =
      app.get_subcommands([&](const CLI::App* c) { return !args.empty() && c->check_name(args[0]); });
  if (!args.empty() && (args[0].empty() || args[0][0] != '-') && known.empty()) {
    return ctx.Fail("unknown command " + detail::Quoted(args[0]) + " (see orvane-cli --help)");
  }
  // A negative number ("holydays -1461") is a value to this parser, never
  // an option, as long as no option is named by a digit; the arguments
  // reach it unchanged.  It takes them last first.
  std::vector<std::string> reversed(args.rbegin(), args.rend());
  try {
    app.parse(reversed);
  } catch (const CLI::CallForHelp&) {
    ctx.out += app.help();
    return 0;
  } catch (const CLI::CallForAllHelp&) {
    ctx.out += app.help("", CLI::AppFormatMode::All);
    return 0;
  } catch (const CLI::CallForVersion& e) {
    ctx.out += std::string(e.what()) + "\n";
    return 0;
  } catch (const CLI::ParseError& e) {
    // An option that took the next option's name as its value is the cause
    // of whatever the parser found wrong after it.
    const auto [cmd, action] = commands.Parsed();
    const std::string misplaced = cmd != nullptr ? OptionNameAsValue(app, *cmd) : std::string();
    return ctx.Fail((misplaced.empty() ? std::string(e.what()) : misplaced) + " (see orvane-cli --help)");
  }
  const auto [cmd, action] = commands.Parsed();
  if (action == nullptr) return ctx.Fail("a command is required (see orvane-cli --help)");
  const std::string misplaced = OptionNameAsValue(app, *cmd);
  if (!misplaced.empty()) return ctx.Fail(misplaced + " (see orvane-cli --help)");
  std::vector<std::string> extras = app.remaining(true);
  // "--" ends the options ("flood -- -2400 -2300"), as in other programs; the
  // parser takes what follows as values but hands the mark itself back.
  if (const auto mark = std::ranges::find(extras, "--"); mark != extras.end()) extras.erase(mark);
  if (!extras.empty()) return ctx.Fail(Unexpected(extras.front()) + " (see orvane-cli --help)");
  return (*action)(ctx);
}

}  // namespace

int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err, int currentYear) {
  std::string report;
  CommandContext ctx(report, currentYear);
  const int status = ParseAndRun(args, ctx);
  if (status != 0) {
    const std::string error = ctx.error().empty() ? std::string("the command failed") : ctx.error();
    err << "orvane-cli: " << OneLine(error) << "\n";
    return status;
  }
  // The calendar of --ics - too: it holds no control characters but its
  // line ends (its folded lines keep UTF-8 whole) unless a place's name
  // brought one, which the terminal must not obey.
  errno = 0;
  out << TerminalText(report);
  out.flush();
  if (!out) {
    const int error = errno;
    const bool calendar = ctx.output == CommandContext::Output::Calendar;
    err << "orvane-cli: the " << (calendar ? "calendar" : "report")
        << " could not be written to standard output"
        << (error != 0 ? " (" + std::generic_category().message(error) + ")" : std::string()) << "\n";
    return 1;
  }
  for (const std::string& note : ctx.notes()) err << "orvane-cli: " << OneLine(note) << "\n";
  return 0;
}

}  // namespace orvane::cli
