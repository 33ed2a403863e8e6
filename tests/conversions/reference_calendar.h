// Calendar reckonings written independently of the code under test: the
// Julian-calendar day number by the integer formula of Fliegel and Van
// Flandern, and the Rabbinical new year by counting months and parts from
// the epoch molad with the postponements applied to whole days.  Also the
// reader of the checked-in reference vectors.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace orvane::conversions::reference {

inline long FloorDiv(long a, long b) { return a / b - ((a % b != 0) && ((a < 0) != (b < 0)) ? 1 : 0); }

// JD at midnight starting a Julian-calendar date, historical year (no year 0).
inline double JulianCalendarJD(long year, long month, long day) {
  const long a = (14 - month) / 12;
  const long y = (year < 0 ? year + 1 : year) + 4800 - a;
  const long m = month + 12 * a - 3;
  return static_cast<double>(day + (153 * m + 2) / 5 + 365 * y + FloorDiv(y, 4) - 32083) - 0.5;
}

// Days from the epoch to 1 Tishri of Rabbinical year h, before the
// postponements that depend on the neighbouring years.
inline long ElapsedDays(long h) {
  const long months = FloorDiv(235 * h - 234, 19);
  // Parts past whole days: the epoch molad (5 h 204 p) plus 6 hours, so that
  // a molad at or after noon spills into the next day, and 12 h 793 p a month.
  const long parts = 12084 + 13753 * months;
  long days = 29 * months + FloorDiv(parts, 25920);
  if (((3 * (days + 1)) % 7 + 7) % 7 < 3) ++days;  // not on Sunday, Wednesday or Friday
  return days;
}

// JD of 1 Tishri of Rabbinical year h; the year-length correction moves the
// day when the years around would have an impossible length.
inline double NewYearJD(long h) {
  const long before = ElapsedDays(h - 1), here = ElapsedDays(h), after = ElapsedDays(h + 1);
  const long correction = after - here == 356 ? 2 : here - before == 382 ? 1 : 0;
  return 347997.5 + static_cast<double>(here + correction);
}

// Month lengths from 1 Nisan of h to the next 1 Nisan: Nisan..Elul of h,
// then Tishri..Adar (and Vedar) of h + 1.
inline std::vector<int> SacredYearMonthLengths(long h) {
  const int length = static_cast<int>(NewYearJD(h + 2) - NewYearJD(h + 1));
  const bool leap = length > 380;
  std::vector<int> months = {30,
                             29,
                             30,
                             29,
                             30,
                             29,
                             30,
                             length % 10 == 5 ? 30 : 29,
                             length % 10 == 3 ? 29 : 30,
                             29,
                             30,
                             leap ? 30 : 29};
  if (leap) months.push_back(29);
  return months;
}

// "YEAR MONTH DAY [TAG]" lines of a file in the reference folder.
struct VectorDate {
  int year = 0, month = 0, day = 0;
  std::string tag;
};

inline std::vector<VectorDate> ReadVectors(const std::string& name) {
  const char* data = std::getenv("ORVANE_TEST_DATA");
  const std::string folder = data ? std::string(data) + "/reference" : ORVANE_CONVERSIONS_REFERENCE_DIR;
  std::ifstream file(folder + "/" + name);
  EXPECT_TRUE(file.good()) << "cannot read " << folder << "/" << name;
  std::vector<VectorDate> dates;
  for (std::string line; std::getline(file, line);) {
    if (line.empty() || line[0] == '#') continue;
    std::istringstream fields(line);
    VectorDate date;
    fields >> date.year >> date.month >> date.day >> date.tag;
    dates.push_back(date);
  }
  return dates;
}

}  // namespace orvane::conversions::reference
