// The day count and its texts, the run set-up and the evening loop against
// the standard library's calendar and published dates.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <tuple>

#include "calendar/holy_days.h"
#include "engine/local_clock.h"
#include "engine/year_box.h"
#include "support/fake_host.h"
#include "support/scoped_environment.h"

namespace orvane {
namespace {

using testing::EngineFixture;

TEST(DateFromJD, EveryDayAgreesWithTheStandardLibrarysCalendar) {
  // std::chrono's civil calendar is proleptic Gregorian with astronomical
  // year numbering: every day from 4713 BCE to 9999 CE.
  using namespace std::chrono;
  const sys_days epoch = sys_days{year{2000} / January / 1};
  for (double jd = 0; jd <= 5373484; jd += 1) {
    const year_month_day ymd{epoch + days{static_cast<long>(jd) - 2451545}};
    const CivilDate d = DateFromJD(jd);
    const int astronomicalYear = static_cast<int>(ymd.year());
    ASSERT_EQ(d.year, astronomicalYear <= 0 ? astronomicalYear - 1 : astronomicalYear) << "JD " << jd;
    ASSERT_EQ(d.month, static_cast<unsigned>(ymd.month())) << "JD " << jd;
    ASSERT_EQ(d.day, static_cast<unsigned>(ymd.day())) << "JD " << jd;
    if (static_cast<long>(jd) % 13 == 0) {
      ASSERT_EQ(JulianDayFromDate(d.day, d.month, astronomicalYear), jd);
    }
  }
}

// The weekday and date WriteDayAndDate writes for a JD.
std::string DayAndDate(double jd, const std::string& runName = "HolyDays", const std::string& evening = "") {
  EngineFixture f;
  f.st().RunName = runName;
  f.st().EveningFlag = evening;
  f.st().PrintJD = jd;
  f.engine.WriteDayAndDate();
  EXPECT_EQ(f.st().PrintJD, jd);
  return f.pane();
}

TEST(WriteDayAndDate, JoshuasLongDayRepeatsAWeekday) {
  // JD 0 was a Monday and 1 January 2000 a Saturday in the plain cycle; the
  // long day shifts every earlier day by one, and the Jordan run every day.
  using Case = std::tuple<double, const char*, const char*, const char*>;
  const Case cases[] = {
      {2451545, "HolyDays", "", " Saturday,  1 Jan 2000 CE \r\n"},
      {2451545, "HolyDays", "Y", " Sunday,  2 Jan 2000 CE \r\n"},  // east of Israel: the next day
      {2451545, "Jordan", "", " Sunday,  1 Jan 2000 CE \r\n"},
      {0, "HolyDays", "", " Tuesday, 24 Nov 4714 BCE\r\n"},
      {kJoshuaJD, "HolyDays", "", " Monday, 22 Jul 1510 BCE\r\n"},
      {kJoshuaJD + 1, "HolyDays", "", " Monday, 23 Jul 1510 BCE\r\n"},
      {kJoshuaJD + 2, "HolyDays", "", " Tuesday, 24 Jul 1510 BCE\r\n"},
      {kJoshuaJD + 1, "Jordan", "", " Tuesday, 23 Jul 1510 BCE\r\n"},
      {kHezekiahJD, "HolyDays", "", " Saturday,  4 Apr 651 BCE \r\n"}};
  for (const auto& [jd, run, evening, text] : cases)
    EXPECT_EQ(DayAndDate(jd, run, evening), text) << jd << run;
}

TEST(OrdinalSuffix, TeensByTheLastTwoDigits) {
  const std::pair<int, const char*> cases[] = {{1, "st"},   {2, "nd"},   {3, "rd"},   {4, "th"},
                                               {11, "th"},  {12, "th"},  {13, "th"},  {21, "st"},
                                               {101, "st"}, {111, "th"}, {112, "th"}, {122, "nd"}};
  for (const auto& [n, suffix] : cases) EXPECT_EQ(OrdinalSuffix(n), suffix) << n;
}

TEST(ClassifyVisibility, BoundariesBelongToTheLowerClass) {
  const std::pair<double, Visibility> cases[] = {
      {88, Visibility::NotVisible},          {88.0001, Visibility::ProbablyNotVisible},
      {100, Visibility::ProbablyNotVisible}, {100.0001, Visibility::ProbablyVisible},
      {112, Visibility::ProbablyVisible},    {112.0001, Visibility::Visible}};
  for (const auto& [number, verdict] : cases) EXPECT_EQ(ClassifyVisibility(number), verdict) << number;
}

TEST(FindNewMoon, ADoubtfulEveningIsFollowedOnlyInHolyDayRuns) {
  // The seventh months of 2000 (a "probably not visible" evening on 28 Sep,
  // JD 2451816) and 2018 (a "probably visible" one on 10 Sep, JD 2458372).
  // Year, run, fixed place, local; then the evening rows, the evening, the
  // day printed and the verdict.
  using Case = std::tuple<double, const char*, Flag, Flag, std::size_t, double, double, Visibility>;
  const Case cases[] = {
      {2000, "HolyDays", kFalse, kFalse, 3, 2451817, 2451818, Visibility::ProbablyNotVisible},
      {2018, "HolyDays", kFalse, kFalse, 3, 2458373, 2458373, Visibility::ProbablyVisible},
      {2000, "LocalMoons", kFalse, kFalse, 2, 2451817, 2451818, Visibility::ProbablyNotVisible},
      {2000, "Golgotha", kFalse, kFalse, 2, 2451817, 2451818, Visibility::ProbablyNotVisible},
      {2000, "HolyDays", kFalse, kTrue, 2, 2451817, 2451818, Visibility::ProbablyNotVisible},
      {2000, "HolyDays", kTrue, kFalse, 2, 2451816, 2451818, Visibility::ProbablyNotVisible},
      {2018, "HolyDays", kTrue, kFalse, 2, 2458372, 2458373, Visibility::ProbablyVisible}};
  for (const auto& [year, run, fixedPlace, local, rows, eveningJD, printJD, verdict] : cases) {
    SCOPED_TRACE(std::to_string(year) + " " + run);
    EngineFixture f;
    f.st().RunName = run;
    f.engine.InitEphemeris();
    f.st().FixedPlaceMode = fixedPlace;
    f.st().LocalMode = local;
    f.st().MonthStartJD = 0;
    f.st().LunationNumber = calendar::FirstLunationOfYear(year + 0.277) + 6;
    f.engine.FindNewMoon();
    std::size_t shown = 0;
    for (std::size_t at = 0; (at = f.pane().find("Visible\r\n", at)) != std::string::npos; ++at) ++shown;
    EXPECT_EQ(shown, rows);
    EXPECT_EQ(f.st().EveningJD, eveningJD);
    EXPECT_EQ(f.st().PrintJD, printJD);
    EXPECT_EQ(f.st().Verdict, verdict);
  }
}

// Fourteen hours east and twelve hours west of Greenwich are 26 hours
// apart, so their dates differ by one or two days at every instant; a clock
// that read the date of Greenwich would give the same date in both.
TEST(LocalClock, TodayIsTheDateOfTheLocalTimeZone) {
  auto today = [](const char* zone) {
    const testing::ScopedEnvironment tz("TZ", zone);
    ::tzset();
    const ClockDate d = LocalToday();
    return std::chrono::sys_days{std::chrono::year{d.year} / d.month / d.day};
  };
  const auto apart = (today("EAST-14") - today("WEST+12")).count();
  ::tzset();  // the zone of TZ as it was
  EXPECT_TRUE(apart == 1 || apart == 2) << apart;
}

TEST(YearBox, KeysAndArrowsStepOverYearZero) {
  for (int c : {int{'0'}, int{'9'}, int{'-'}, kKeyBackspace}) EXPECT_TRUE(YearBoxAcceptsKey(c)) << c;
  for (int c : {int{'+'}, int{'.'}, int{','}, int{'E'}, int{' '}, int{'/'}, int{':'}, 0, 127, 0xE9}) {
    EXPECT_FALSE(YearBoxAcceptsKey(c)) << c;
  }
  const struct {
    const char* text;
    int key;
    const char* stepped;
  } cases[] = {{"2024", kKeyUp, "2025"},     {"1", kKeyDown, "-1"},    {"-1", kKeyUp, "1"},
               {"0", kKeyUp, "1"},           {"0", kKeyDown, "-1"},    {"Year", kKeyUp, "1"},
               {"99999", kKeyUp, "100000"},  // no 16-bit overflow
               {"2024.5", kKeyUp, "2025"},   // a pasted fraction rounds half to even first
               {"2025.5", kKeyDown, "2025"}, {"2024", kKeyF1, "2024"}, {"20x", 'A', "20x"}};
  for (const auto& c : cases) EXPECT_EQ(YearBoxStep(c.text, c.key), c.stepped) << c.text << " " << c.key;
}

}  // namespace
}  // namespace orvane
