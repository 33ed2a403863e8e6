// Day counts and weekdays of printed dates by the standard library's civil
// calendar (proleptic Gregorian), independent of the engine's day numbers;
// the doubt of a report's month starts as its new-moon tables show it.
#pragma once

#include <chrono>
#include <string>
#include <vector>

#include "support/report_dates.h"

namespace orvane::testing {

// Days from 1 January 1970 to a date given by the year of its era.
inline long CivilDays(int day, int month, int year, bool bce = false) {
  using namespace std::chrono;
  return sys_days(std::chrono::year{bce ? 1 - year : year} / month / day).time_since_epoch().count();
}
inline long CivilDays(const StatedDate& d) { return CivilDays(d.day, d.month, d.year, d.bce); }

// The JD at noon of a day.
inline double NoonJD(long civilDays) { return static_cast<double>(civilDays) + 2440588; }

// The weekday the reports write for a day: the plain cycle, one day later on
// and before Joshua's long day (22 July 1510 BCE) or when `shifted`.
inline std::string ReportWeekday(long civilDays, bool shifted = false) {
  static const char* const kNames[] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                       "Thursday", "Friday", "Saturday"};
  const long shift = shifted || civilDays <= CivilDays(22, 7, 1510, true) ? 1 : 0;
  return kNames[((civilDays + 4 + shift) % 7 + 7) % 7];  // 1 January 1970 was a Thursday
}

// The doubt of each new-moon table's month start, in order: "earlier" when
// its first doubtful evening is "Prob Not Visible", "later" for "Prob
// Visible", "" for a sure sighting.
inline std::vector<std::string> TableDoubts(const std::string& report) {
  std::vector<std::string> doubts(1);
  for (const EveningRow& row : EveningRows(report)) {
    if (doubts.back().empty() && row.verdict.starts_with("Prob")) {
      doubts.back() = row.verdict == "Prob Visible" ? "later" : "earlier";
    }
    if (row.lastOfTable) doubts.emplace_back();
  }
  doubts.pop_back();
  return doubts;
}

}  // namespace orvane::testing
