#include "cli/cli.h"

#include <algorithm>
#include <ostream>

#include "cli/commands.h"

namespace orvane::cli {

CLI::App* CommandSet::Add(const std::string& name, const std::string& description, CommandAction action) {
  CLI::App* cmd = root_.add_subcommand(name, description);
  commands_.emplace_back(cmd, std::move(action));
  return cmd;
}

const CommandAction* CommandSet::Parsed() const {
  for (const auto& [cmd, action] : commands_) {
    if (cmd->parsed()) return &action;
  }
  return nullptr;
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

std::string Trim(const std::string& s) {
  const auto first = s.find_first_not_of(' ');
  return first == std::string::npos ? std::string() : s.substr(first);
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

CLI::Validator WholeNumber(const std::string& what) {
  return CLI::Validator(
      [what](std::string& v) {
        const std::string t = Trim(v);
        return IsWholeNumber(t, 9) ? std::string() : what + " must be a whole number, not '" + t + "'";
      },
      "INTEGER");
}

}  // namespace detail

namespace {

// The parser reads a leading "-" as an option, but a BCE year is typed as a
// plain negative number ("holydays -1461").  Such arguments are passed on
// with a leading blank, which the year reading ignores.
std::vector<std::string> ProtectNegativeNumbers(const std::vector<std::string>& args) {
  std::vector<std::string> out;
  out.reserve(args.size());
  for (const std::string& a : args) {
    const bool negative = a.size() > 1 && a[0] == '-' && a[1] >= '0' && a[1] <= '9';
    out.push_back(negative ? " " + a : a);
  }
  return out;
}

}  // namespace

int RunCli(const std::vector<std::string>& rawArgs, std::ostream& out, std::ostream& err, int currentYear) {
  CLI::App app{"Orvane: new crescents, Biblical holy days and calendar conversions.", "orvane-cli"};
  app.set_version_flag("--version", std::string("orvane-cli ") + ORVANE_VERSION);
  app.require_subcommand(1);
  app.footer("BCE years are typed as negative numbers: orvane-cli holydays -1461");

  CommandSet commands(app);
  AddJerusalemCommands(commands);
  AddLocationCommands(commands);
  AddChronologyCommands(commands);
  AddConversionCommands(commands);
  AddConvertCommand(commands);
  AddHelpCommand(commands);

  const auto known = app.get_subcommands([&](const CLI::App* c) { return !rawArgs.empty() && c->check_name(rawArgs[0]); });
  if (!rawArgs.empty() && !rawArgs[0].empty() && rawArgs[0][0] != '-' && known.empty()) {
    err << "orvane-cli: unknown command '" << rawArgs[0] << "' (see orvane-cli --help)\n";
    return 2;
  }
  std::vector<std::string> args = ProtectNegativeNumbers(rawArgs);
  std::reverse(args.begin(), args.end());  // the parser takes the arguments last first
  try {
    app.parse(args);
  } catch (const CLI::CallForHelp&) {
    out << app.help();
    return 0;
  } catch (const CLI::CallForAllHelp&) {
    out << app.help("", CLI::AppFormatMode::All);
    return 0;
  } catch (const CLI::CallForVersion& e) {
    out << e.what() << "\n";
    return 0;
  } catch (const CLI::ParseError& e) {
    std::string message = e.what();
    std::replace(message.begin(), message.end(), '\n', ' ');
    err << "orvane-cli: " << message << " (see orvane-cli --help)\n";
    return 2;
  }
  const CommandAction* action = commands.Parsed();
  if (action == nullptr) return 2;  // unreachable: a subcommand is required
  return (*action)(CommandContext{out, err, currentYear});
}

}  // namespace orvane::cli
