// The sunset of an evening at a place as pure functions: the instant the
// sun is placed for, the sunset it gives, and the sunset that begins a
// stated day.  The evening test, the sunsets table, the calendar export and
// the data forms of the reports all take their sunsets from here, so that
// every report prints the same minute for the same evening and place.
#pragma once

#include "engine/day_recorder.h"
#include "engine/positions.h"

namespace orvane {

// Given the whole JD of a civil day, the place's longitude (a fraction of a
// turn, west positive) and Delta T (days); returns T of 18:00 local mean
// time of that day's evening in dynamical time, the instant its sunset is
// computed for.  Before Hezekiah's sign every instant is 40 minutes earlier,
// so the evening's instant is 17:20.
double EveningCenturies(double eveningJD, double longitudeTurns, double deltaT);

// A sunset as the reports use it.
struct Sunset {
  double declination = 0;   // the sun's, radians
  double cosHourAngle = 0;  // of the sunset hour angle
  double offsetHours = 0;   // hour angle minus the equation of time
  double clockHours = 0;    // zone clock time in hours after noon, half a minute added
  double hour = 0;          // whole hours after noon ("5:39" is 5)
  double minute = 0;        // whole minutes
};

// Given the sun's place, the observer's latitude, the zone correction
// (hours added to local mean time) and the sunset adjustment (hours);
// returns the sunset.  Half a minute is added before the minutes are cut,
// so that cutting rounds to the nearest minute.
Sunset SunsetOf(const SolarPosition& sun, const ObserverLatitude& latitude, double zoneCorrection,
                double sunsetAdjust);

// Given a place, the whole JD of a civil day and Delta T (days); returns the
// sunset of that day's evening at the place.
Sunset EveningSunset(const RunPlace& place, double eveningJD, double deltaT);

// Given whole hours after noon and minutes as the reports print a sunset or
// a moonset ("5:39" is hour 5); returns the 24-hour clock time, 17:39, within
// the day: a zone far from the place's longitude can put a sunset past
// midnight ("18:29PM" is 06:29) and a moonset falls after midnight ("12:10"
// is 00:10).
RecordedClock ClockAfterNoon(double hour, double minute);

// Given a run's place and a day it states; returns the sunset that begins
// the day, that of the evening before its date, as a 24-hour zone clock
// time.  Delta T is the one of the day's lunation, as the month's new-moon
// table takes it for its evenings.
//   Jerusalem, Abib 1 2024 (10 Apr, lunation 1537): 18:04, as the row of
//   9 Apr in the month's new-moon table prints it ("  6:04").
RecordedClock SunsetBeginning(const RunPlace& place, const RecordedDay& day);

}  // namespace orvane
