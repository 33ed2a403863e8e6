#include "cli/commands.h"

namespace orvane::cli {

void AddChronologyCommands(CommandSet& /*set*/) {}

}  // namespace orvane::cli
