#include "engine/local_clock.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <ctime>
#include <optional>
#include <string>

namespace orvane {
namespace {

// Today's date with the process in the given POSIX time zone.
ClockDate TodayIn(const char* zone) {
  ::setenv("TZ", zone, 1);
  ::tzset();
  return LocalToday();
}

std::chrono::sys_days Days(const ClockDate& d) {
  return std::chrono::year_month_day{std::chrono::year{d.year},
                                     std::chrono::month{static_cast<unsigned>(d.month)},
                                     std::chrono::day{static_cast<unsigned>(d.day)}};
}

// Fourteen hours east and twelve hours west of Greenwich are 26 hours apart,
// so at every instant their dates differ by one or two days; a clock that
// read the date of Greenwich would give the same date in both.
TEST(LocalClock, TodayIsTheDateOfTheLocalTimeZone) {
  const char* old = std::getenv("TZ");
  const std::optional<std::string> saved = old ? std::optional<std::string>(old) : std::nullopt;
  const ClockDate east = TodayIn("EAST-14");
  const ClockDate west = TodayIn("WEST+12");
  if (saved) {
    ::setenv("TZ", saved->c_str(), 1);
  } else {
    ::unsetenv("TZ");
  }
  ::tzset();

  const auto apart = (Days(east) - Days(west)).count();
  EXPECT_TRUE(apart == 1 || apart == 2) << apart;
}

}  // namespace
}  // namespace orvane
