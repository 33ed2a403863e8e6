// The crescent report: the table of evenings that the command line prints
// and the crescent window shows, and the date and time texts it uses.
#pragma once

#include <string>
#include <vector>

#include "crescent/crescent.h"

namespace orvane::crescent {

// A date of the Gregorian calendar with its historical year (-1 is 1 BCE).
struct Date {
  int year = 0, month = 0, day = 0;
};

// Reads "2024-04-09" or "-1461-4-1": a year -4004..9999 (no year 0), a month
// and a day of that month.  False otherwise, with the reason in `error` as
// the end of a sentence about the date: "must be a day of the Gregorian calendar, not '2024-2-30'".
bool ParseDate(const std::string& text, Date& date, std::string& error);

// The whole JD (noon) of a date.
double DayJD(const Date& date);

// The civil date of a whole JD, "2024-04-09", its year historical ("-1461-04-01").
std::string DateText(double dayJD);

// "2024-04-09T16:04:12Z": universal time to the second, ISO 8601, whose
// years are astronomical (0000 is 1 BCE).
std::string IsoInstant(double jd);
// "2024-04-09": the date of a whole JD in the ISO form above.
std::string IsoDate(double dayJD);

// "19:04": the clock time of an instant to the minute, zoneHours east of UT.
std::string ClockText(double jd, double zoneHours);

// The place as the report's first line names it.
struct PlaceLabel {
  std::string name;         // may be empty
  std::string coordinates;  // "31 47 N, 35 13 E"
  double zoneOffset = 0;    // hours east of UT: the report's clock
};

// The report of the evenings: the place and the new moon, one table row per
// evening, the verdicts in words and a key to the columns.  LF line ends.
std::string CrescentTable(const std::vector<CrescentEvening>& evenings, const PlaceLabel& place);

}  // namespace orvane::crescent
