#include "cli/commands.h"

namespace orvane::cli {

void AddLocationCommands(CommandSet& /*set*/) {}

}  // namespace orvane::cli
