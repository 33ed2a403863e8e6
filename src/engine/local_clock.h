// The one clock of the program: today's date in the user's local time zone.
//
// "This year" and "today" are always read here, by the desktop program and by
// orvane-cli alike, so that both agree on New Year's Eve wherever the user is.
#pragma once

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

}  // namespace orvane
