#include "cli/cli.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <functional>
#include <ostream>
#include <regex>
#include <sstream>

#include "app/holy_days_window.h"

namespace orvane::cli {

namespace {

// The command-line parser reads a leading "-" as an option, but a BCE year
// is typed as a plain negative number ("holydays -1461").  Such arguments are
// passed on with a leading blank, which the year reading ignores.
std::vector<std::string> ProtectNegativeNumbers(const std::vector<std::string>& args) {
  static const std::regex negative(R"(-[0-9]+(\.[0-9]*)?)");
  std::vector<std::string> out;
  out.reserve(args.size());
  for (const std::string& a : args) out.push_back(std::regex_match(a, negative) ? " " + a : a);
  return out;
}

std::string Trim(const std::string& s) {
  const auto first = s.find_first_not_of(' ');
  return first == std::string::npos ? std::string() : s.substr(first);
}

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

class CountingBeeper final : public Beeper {
 public:
  void Beep() override { ++beeps; }
  int beeps = 0;
};

struct ReportOptions {
  std::string year;
  bool east = false;
  bool crlf = false;
};

// Types the year into the main window's year box, runs a command there and
// returns the pane's text; a corrected year is reported on `err`.
std::string RunJerusalemReport(const ReportOptions& o, int currentYear, std::ostream& err,
                               const std::function<void(app::HolyDaysWindow&)>& command) {
  CountingBeeper beeper;
  app::HolyDaysWindow window(beeper);
  window.Form_Load(currentYear);
  const std::string typed = o.year.empty() ? window.txtYear : Trim(o.year);
  window.txtYear = typed;
  window.chkEJW = o.east;
  command(window);
  if (window.txtYear != typed) {
    err << "orvane-cli: year " << typed << " was read as " << window.txtYear
        << (typed == "0" || typed == "+0" || typed == "-0" ? " (there is no year 0)" : " (the years run from -4004 to 9999)")
        << "\n";
  }
  return WithLineEnds(window.OutputText(), o.crlf);
}

void AddYearOptions(CLI::App* cmd, ReportOptions& o) {
  cmd->add_option("YEAR", o.year,
                  "Year to compute, -4004 to 9999; BCE years are negative (-1 is 1 BCE, 0 is read as -1). "
                  "Default: the current year.")
      ->check([](const std::string& v) {
        static const std::regex integer(R"([+-]?[0-9]{1,9})");
        return std::regex_match(Trim(v), integer) ? std::string() : "YEAR must be a whole number, not '" + Trim(v) + "'";
      });
  cmd->add_flag("--east", o.east, "Delay every date by one day for the region east of Israel and west of the "
                                  "International Date Line");
  cmd->add_flag("--crlf", o.crlf, "End lines with CR LF, as the program's pane does (default: LF)");
}

}  // namespace

int RunCli(const std::vector<std::string>& rawArgs, std::ostream& out, std::ostream& err, int currentYear) {
  CLI::App app{"Orvane: new crescents, Biblical holy days and calendar conversions.", "orvane-cli"};
  app.set_version_flag("--version", std::string("orvane-cli ") + ORVANE_VERSION);
  app.require_subcommand(1);
  app.footer("BCE years are typed as negative numbers: orvane-cli holydays -1461");

  ReportOptions holy;
  CLI::App* holydays = app.add_subcommand(
      "holydays", "The holy days of a year at Jerusalem, with the new-moon tables they rest on");
  AddYearOptions(holydays, holy);

  ReportOptions moons;
  CLI::App* newmoons =
      app.add_subcommand("newmoons", "The month starts of fourteen lunations from the start of a year at Jerusalem");
  AddYearOptions(newmoons, moons);

  const auto known = app.get_subcommands([&](const CLI::App* c) { return !rawArgs.empty() && c->check_name(rawArgs[0]); });
  if (!rawArgs.empty() && !rawArgs[0].empty() && rawArgs[0][0] != '-' && known.empty()) {
    err << "orvane-cli: unknown command '" << rawArgs[0] << "' (see orvane-cli --help)\n";
    return 2;
  }
  std::vector<std::string> args = ProtectNegativeNumbers(rawArgs);
  std::reverse(args.begin(), args.end());  // CLI11 takes the arguments in reverse order
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

  std::string report;
  if (holydays->parsed()) {
    report = RunJerusalemReport(holy, currentYear, err, [](app::HolyDaysWindow& w) { w.cmdHolyDays_Click(); });
  } else if (newmoons->parsed()) {
    report = RunJerusalemReport(moons, currentYear, err, [](app::HolyDaysWindow& w) { w.cmdMonths_Click(); });
  }
  out << report;
  return 0;
}

}  // namespace orvane::cli
