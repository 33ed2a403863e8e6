// The sunsets of a year at the user's place, four dates to a line.
#pragma once

#include "engine/engine.h"
#include "runs/tables_host.h"

namespace orvane::runs {

// Writes the "CALCULATED SUNSETS" table into the emptied main pane: a title,
// the place's caption, a note and a rule of 88 underscores, then lines of
// four (date, sunset) cells whose dates lie `step` days apart:
//   Gregorian year (chkGregYear ticked): 92 lines, step 92, from 1 January;
//   Biblical year: 108 lines, step 108, from the evening before the first
//   day of the year's first month at the place (found by a silent local
//   new-moon run first).
// Sunsets are clock times of the place's zone after noon ("  5:07" is
// 17:07), without daylight saving.  The run leaves TableMode and LocalMode
// False, ShowInMain True and cmdSunset enabled.
void ListSunsets(Engine& engine, TablesHost& host);

}  // namespace orvane::runs
