// The one clock of the program: today's date in the user's local time zone.
//
// "This year" and "today" are always read here, by the desktop program and by
// orvane-cli alike, so that both agree on New Year's Eve wherever the user is.
#pragma once

#include <functional>

namespace orvane {

// A calendar date of the system clock.
struct ClockDate {
  int year = 0;
  int month = 0;  // 1..12
  int day = 0;    // 1..31
};

// Today's date by the system clock, in local time (the time zone the process
// runs in: the TZ variable, else the system's setting).
ClockDate LocalToday();

// Where a window reads today: the system clock, or a fixed day in tests.
using DateClock = std::function<ClockDate()>;

// Today by `clock`, by the system clock when it is empty.
inline ClockDate Today(const DateClock& clock) { return clock ? clock() : LocalToday(); }

}  // namespace orvane
