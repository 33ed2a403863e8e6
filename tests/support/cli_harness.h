// Runs orvane-cli's RunCli in the test process and checks an answer against
// the rules every command line keeps (for its tests and its fuzz target).
#pragma once

#include <algorithm>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "cli/cli.h"

namespace orvane::testing {

struct CliResult {
  int status = 0;
  std::string out, err;
};

inline CliResult RunOrvaneCli(const std::vector<std::string>& args, int currentYear = 2024) {
  std::ostringstream out, err;
  const int status = cli::RunCli(args, out, err, currentYear);
  return {status, out.str(), err.str()};
}

// The arguments of a fuzz input: its bytes split at each NUL.
inline std::vector<std::string> ArgumentsFromBytes(std::string_view bytes) {
  std::vector<std::string> args(1);
  for (char c : bytes) c == '\0' ? args.emplace_back().clear() : args.back().push_back(c);
  return args;
}

// Whether a command line may write a calendar file (--ics), which the fuzz
// target leaves out.
inline bool MayWriteAFile(const std::vector<std::string>& args) {
  return std::any_of(args.begin(), args.end(), [](const std::string& a) { return a.starts_with("--ics"); });
}

// Whether a text holds a control character other than a line end (LF, or
// CR before LF) that a terminal could obey.
inline bool HasControlCharacters(std::string_view text) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    const bool lineEnd = c == '\n' || (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n');
    if ((c < 0x20 && !lineEnd) || c == 0x7F) return true;
  }
  return false;
}

// The UserData.Dat of the folder the command lines of the fuzz target run
// in: two places, one with control characters in its name.
inline std::string FuzzUserData() {
  std::string text =
      "Syd\x1b[2Jney\r\n 1 \r\nJerusalem , Israel\r\n-35.2166666666667 \r\n 31.7833333333333 \r\n2\r\n"
      "Syd\x1b[2Jney\r\n-151.216666666667 \r\n-33.8666666666667 \r\n10\r\n";
  for (int i = 0; i < 15; ++i) text += " 16761024 \r\n";
  return text;
}

// What is wrong with an answer, or an empty text when it keeps the rules:
// status 0, or 2 with nothing on stdout and one line on stderr.
inline std::string ProblemWithAnswer(const CliResult& r) {
  if (HasControlCharacters(r.out)) return "a control character on stdout";
  if (HasControlCharacters(r.err) || r.err.find('\r') != std::string::npos) {
    return "a control character on stderr: " + r.err;
  }
  if (r.status == 0) return {};
  if (r.status != 2) return "exit status " + std::to_string(r.status);
  if (!r.out.empty()) return "output on stdout with an error";
  if (std::count(r.err.begin(), r.err.end(), '\n') != 1 || !r.err.ends_with('\n')) {
    return "not exactly one line on stderr: " + r.err;
  }
  if (!r.err.starts_with("orvane-cli: ")) return "the error does not name the program: " + r.err;
  return {};
}

}  // namespace orvane::testing
