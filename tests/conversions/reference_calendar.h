// Calendar reckonings written independently of the code under test, to check
// it against: day numbers by the integer formulas of Fliegel and Van Flandern,
// and the Rabbinical new year by counting months and parts from the epoch
// molad with the postponements applied to whole days.  Also the reader of the
// checked-in reference vectors.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace orvane::conversions::reference {

// Floor division for any signs.
inline long FloorDiv(long a, long b) { return a / b - ((a % b != 0) && ((a < 0) != (b < 0)) ? 1 : 0); }

// Historical year (no year 0) to astronomical (year 0 = 1 BCE).
inline long Astronomical(long year) { return year < 0 ? year + 1 : year; }

// JD at midnight starting a proleptic Gregorian date, historical year.
inline double GregorianJD(long year, long month, long day) {
  const long a = (14 - month) / 12;
  const long y = Astronomical(year) + 4800 - a;
  const long m = month + 12 * a - 3;
  const long jdn =
      day + (153 * m + 2) / 5 + 365 * y + FloorDiv(y, 4) - FloorDiv(y, 100) + FloorDiv(y, 400) - 32045;
  return static_cast<double>(jdn) - 0.5;
}

// JD at midnight starting a Julian-calendar date, historical year.
inline double JulianCalendarJD(long year, long month, long day) {
  const long a = (14 - month) / 12;
  const long y = Astronomical(year) + 4800 - a;
  const long m = month + 12 * a - 3;
  const long jdn = day + (153 * m + 2) / 5 + 365 * y + FloorDiv(y, 4) - 32083;
  return static_cast<double>(jdn) - 0.5;
}

inline bool GregorianLeap(long year) {
  const long y = Astronomical(year);
  return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
}

inline int GregorianMonthDays(long year, int month) {
  static constexpr int kDays[] = {0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && GregorianLeap(year) ? 29 : kDays[month];
}

// Days from the epoch to 1 Tishri of Rabbinical year h, before the
// postponements that depend on the neighbouring years.
inline long ElapsedDays(long h) {
  const long months = FloorDiv(235 * h - 234, 19);
  // Parts past whole days: the epoch molad (5 h 204 p) plus 6 hours, so that
  // a molad at or after noon spills into the next day, and 12 h 793 p a month.
  const long parts = 12084 + 13753 * months;
  long days = 29 * months + FloorDiv(parts, 25920);
  // Not on Sunday, Wednesday or Friday.
  if (((3 * (days + 1)) % 7 + 7) % 7 < 3) ++days;
  return days;
}

// JD of 1 Tishri of Rabbinical year h.  The year-length correction moves
// the day when the years around would have an impossible length.
inline double NewYearJD(long h) {
  const long before = ElapsedDays(h - 1);
  const long here = ElapsedDays(h);
  const long after = ElapsedDays(h + 1);
  long correction = 0;
  if (after - here == 356) {
    correction = 2;
  } else if (here - before == 382) {
    correction = 1;
  }
  return 347997.5 + static_cast<double>(here + correction);
}

inline int YearLength(long h) { return static_cast<int>(NewYearJD(h + 1) - NewYearJD(h)); }

// Month lengths of the sacred year from 1 Nisan of h to the next 1 Nisan:
// Nisan..Elul of h, then Tishri..Adar (and Vedar) of h + 1.
inline std::vector<int> SacredYearMonthLengths(long h) {
  const int length = YearLength(h + 1);
  const bool leap = length > 380;
  const int heshvan = length % 10 == 5 ? 30 : 29;
  const int kislev = length % 10 == 3 ? 29 : 30;
  std::vector<int> months = {30, 29, 30, 29, 30, 29, 30, heshvan, kislev, 29, 30, leap ? 30 : 29};
  if (leap) months.push_back(29);
  return months;
}

// One date of a reference vector file.
struct VectorDate {
  int year = 0;
  int month = 0;
  int day = 0;
  std::string tag;
};

// Reads "YEAR MONTH DAY [TAG]" lines of a file in the reference folder,
// skipping comment lines.
inline std::vector<VectorDate> ReadVectors(const std::string& name) {
  std::string folder = ORVANE_CONVERSIONS_REFERENCE_DIR;
  if (const char* data = std::getenv("ORVANE_TEST_DATA")) folder = std::string(data) + "/reference";
  std::ifstream file(folder + "/" + name);
  EXPECT_TRUE(file.good()) << "cannot read " << folder << "/" << name;
  std::vector<VectorDate> dates;
  std::string line;
  while (std::getline(file, line)) {
    if (line.empty() || line[0] == '#') continue;
    std::istringstream fields(line);
    VectorDate date;
    fields >> date.year >> date.month >> date.day >> date.tag;
    dates.push_back(date);
  }
  return dates;
}

}  // namespace orvane::conversions::reference
