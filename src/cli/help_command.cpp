// help: the program's help texts, so that the documentation can be read in a
// terminal too.
#include <cctype>
#include <memory>
#include <string>

#include "app/help_texts.h"
#include "cli/commands.h"

namespace orvane::cli {

namespace {

struct HelpOptions {
  std::string section;  // empty when not given
  bool crlf = false;
};

// The section key named on the command line: the key itself, or the key
// that equals it but for the case of its letters; empty for none.
std::string_view FindHelpKey(const std::string& name) {
  auto lower = [](std::string_view s) {
    std::string out(s);
    for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
  };
  for (std::string_view key : app::kHelpKeys) {
    if (key == name) return key;
  }
  for (std::string_view key : app::kHelpKeys) {
    if (lower(key) == lower(name)) return key;
  }
  return {};
}

std::string KeyList() {
  std::string list;
  for (std::string_view key : app::kHelpKeys) {
    if (!list.empty()) list += ", ";
    list += key;
  }
  return list;
}

int PrintHelpText(const HelpOptions& o, bool sectionGiven, CommandContext& ctx) {
  const std::string name = sectionGiven ? o.section : "HolyDays";
  const std::string_view key = FindHelpKey(name);
  if (key.empty()) return ctx.Fail("no help for " + detail::Quoted(name) + "; the sections are " + KeyList());
  // The text has no line end after its last line; a terminal wants one.
  ctx.out += detail::WithLineEnds(app::BuildHelpText(key) + "\r\n", o.crlf);
  return 0;
}

}  // namespace

void AddHelpCommand(CommandSet& set) {
  auto o = std::make_shared<HelpOptions>();
  auto section = std::make_shared<CLI::Option*>();
  CLI::App* cmd =
      set.Add("help", "The help text of a section of the program, as F1 shows it",
              [o, section](CommandContext& ctx) { return PrintHelpText(*o, (*section)->count() > 0, ctx); });
  *section =
      cmd->add_option("SECTION", o->section,
                      "The section: " + KeyList() + " (letter case does not matter). Default: HolyDays.");
  cmd->add_flag("--crlf", o->crlf, "End lines with CR LF, as the program's pane does (default: LF)");
}

}  // namespace orvane::cli
