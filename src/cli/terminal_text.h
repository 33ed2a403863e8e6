// Texts on their way to a terminal.  A location name read from the data
// file, or an argument echoed in a message, may hold control characters:
// an escape sequence would be obeyed by the terminal, and a line break would
// split a one-line message.  Such characters are shown escaped instead.
#pragma once

#include <string>
#include <string_view>

namespace orvane::cli {

// The text with its line ends (LF, and CR LF) kept and every other control
// character escaped: C0 controls as "\t", "\r" or "\x1b", DEL as "\x7f",
// the C1 controls U+0080..U+009F as "\u009b", and bytes that are not UTF-8
// as "\xff".  Printable UTF-8 passes unchanged.
//   TerminalText("a\x1b[31mb\n") = "a\\x1b[31mb\n".
std::string TerminalText(std::string_view text);

// A message as one line: the same, with LF and CR escaped too ("\n", "\r").
//   OneLine("unknown command 'a\nb'") = "unknown command 'a\\nb'".
std::string OneLine(std::string_view text);

}  // namespace orvane::cli
