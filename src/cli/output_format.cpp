// --format: the report's text, or its data as JSON or CSV.
#include <array>
#include <string_view>
#include <utility>

#include "cli/commands.h"

namespace orvane::cli::detail {

namespace {

constexpr std::array<std::pair<std::string_view, OutputFormat>, 3> kFormats = {
    {{"text", OutputFormat::Text}, {"json", OutputFormat::Json}, {"csv", OutputFormat::Csv}}};

}  // namespace

CLI::Option* AddFormatOption(CLI::App* cmd, OutputFormat& format, const std::vector<OutputFormat>& data) {
  std::vector<OutputFormat> offered{OutputFormat::Text};
  offered.insert(offered.end(), data.begin(), data.end());
  std::string names;
  for (const auto& [name, value] : kFormats) {
    for (const OutputFormat o : offered) {
      if (o == value) names += (names.empty() ? "" : "|") + std::string(name);
    }
  }
  CLI::Option* option = cmd->add_option_function<std::string>(
      "--format",
      [&format](const std::string& text) {
        for (const auto& [name, value] : kFormats) {
          if (text == name) format = value;
        }
      },
      "text (the default) prints the report as the program shows it; " +
          std::string(data.size() > 1 ? "json and csv print" : "json prints") +
          " its dates and figures for other programs (see docs/formats.md)");
  option->type_name(names);
  option->check(CLI::Validator(
      [offered, names](std::string& text) {
        for (const auto& [name, value] : kFormats) {
          for (const OutputFormat o : offered) {
            if (o == value && text == name) return std::string();
          }
        }
        return "must be " + names + ", not " + Quoted(text);
      },
      ""));
  return option;
}

bool DataFormatFits(OutputFormat format, const CalendarFileOptions& calendar, CommandContext& ctx) {
  if (format == OutputFormat::Text) return true;
  if (calendar.file == kStandardOutput) {
    ctx.Fail("--ics - and --format json both print to standard output; give --ics a file");
    return false;
  }
  if (!calendar.years.empty()) {
    ctx.Fail("--format json gives one year; --years is for the text and the calendar file");
    return false;
  }
  return true;
}

}  // namespace orvane::cli::detail
