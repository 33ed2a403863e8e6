#include "cli/commands.h"

namespace orvane::cli {

void AddConversionCommands(CommandSet& /*set*/) {}

}  // namespace orvane::cli
