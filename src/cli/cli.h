// orvane-cli: the terminal front end over the same core as the desktop program.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace orvane::cli {

// Runs the command line `args` (without the program name), writing the
// report to `out` and messages to `err`.  `currentYear` is the default year.
// Returns the exit status: 0 on success, 2 for a usage error (then nothing
// has been written to `out`).
int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err, int currentYear);

}  // namespace orvane::cli
