// The days the holy-day report and the month-start list tell a recorder:
// the text stays the same to the byte, and the days are those it states.
#include "engine/day_recorder.h"

#include <gtest/gtest.h>

#include "calendar/holy_days.h"
#include "support/fake_host.h"

namespace orvane::calendar {
namespace {

using testing::EngineFixture;

struct Recorded {
  std::string text;
  std::vector<CalendarRun> runs;
};

// Runs a report with or without a collector attached.
Recorded RunReport(const std::string& year, bool east, bool months, bool record, bool shown = true) {
  EngineFixture f(year);
  DayCollector collector;
  if (record) f.engine.dayRecorder = &collector;
  f.st().EveningFlag = east ? "Y" : "";
  f.st().ShowInMain = shown ? kTrue : kFalse;
  if (months) {
    ListMonthStarts(f.engine);
  } else {
    ComputeHolyDays(f.engine);
  }
  return {f.pane(), collector.runs};
}

TEST(DayRecorder, TheReportsAreTheSameWithAndWithoutOne) {
  for (const char* year : {"2025", "2021", "2005", "-1461", "-1510", "9999"}) {
    for (bool east : {false, true}) {
      for (bool months : {false, true}) {
        SCOPED_TRACE(std::string(year) + (east ? " east" : "") + (months ? " months" : ""));
        const Recorded plain = RunReport(year, east, months, false);
        const Recorded recorded = RunReport(year, east, months, true);
        EXPECT_EQ(recorded.text, plain.text);
        ASSERT_EQ(recorded.runs.size(), 1u);
        EXPECT_FALSE(recorded.runs[0].days.empty());
      }
    }
  }
}

TEST(DayRecorder, ARunTellsItsYearRegionAndPlace) {
  const Recorded r = RunReport("2021", true, false, true);
  ASSERT_EQ(r.runs.size(), 1u);
  const RecordedRun& run = r.runs[0].run;
  EXPECT_EQ(run.report, ReportKind::HolyDays);
  EXPECT_EQ(run.year, 2021);
  EXPECT_TRUE(run.east);
  EXPECT_FALSE(run.local);
  EXPECT_TRUE(run.shown);
  // Jerusalem: 35.244 degrees east, 31.78 north, two hours ahead of UTC.
  EXPECT_NEAR(run.place.longitudeTurns * 360, -35.244, 1e-9);
  EXPECT_NEAR(run.place.latitudeRadians / 0.01745329251993, 31.78, 1e-9);
  EXPECT_EQ(run.place.utcOffsetHours, 2);

  const Recorded months = RunReport("2021", false, true, true);
  EXPECT_EQ(months.runs[0].run.report, ReportKind::MonthStarts);
  EXPECT_EQ(months.runs[0].days.size(), 14u);
}

TEST(DayRecorder, DaysFollowTheirMonthStart) {
  // 2021 has an early- and a late-harvest list: two spring and two autumn
  // months, each day counted from its month's first day.
  for (bool east : {false, true}) {
    const Recorded r = RunReport("2021", east, false, true);
    const std::vector<RecordedDay>& days = r.runs[0].days;
    ASSERT_EQ(days.size(), 22u);
    const double delay = east ? 1 : 0;
    for (std::size_t pass = 0; pass < 2; ++pass) {
      const RecordedDay* d = &days[pass * 11];
      const HarvestReading reading = pass == 0 ? HarvestReading::EarlyHarvest : HarvestReading::LateHarvest;
      const double abib1 = d[0].sightingEveningJD + 1;
      const double tishri1 = d[6].sightingEveningJD + 1;
      const double offsets[] = {0, 13, 14, 20};
      for (int i = 0; i < 4; ++i) EXPECT_EQ(d[i].jd, abib1 + offsets[i] + delay) << d[i].key;
      for (int i = 0; i < 11; ++i) {
        EXPECT_EQ(d[i].reading, reading) << d[i].key;
        EXPECT_EQ(d[i].kind, i == 0 ? DayKind::MonthStart : DayKind::HolyDay) << d[i].key;
      }
      // The Wave Offering is a day of Unleavened Bread, Pentecost seven
      // weeks after it.
      EXPECT_GE(d[4].jd, d[2].jd);
      EXPECT_LE(d[4].jd, d[3].jd);
      EXPECT_EQ(d[5].jd, d[4].jd + 49);
      const double autumn[] = {0, 9, 14, 20, 21};
      for (int i = 0; i < 5; ++i) EXPECT_EQ(d[6 + i].jd, tishri1 + autumn[i] + delay) << d[6 + i].key;
      // The seventh month is six lunations after the first.
      EXPECT_EQ(d[6].lunation, d[0].lunation + 6);
    }
    EXPECT_EQ(days[11].lunation, days[0].lunation + 1) << "the late reading begins a month later";
  }
}

TEST(DayRecorder, SilentRunsRecordTheSameDays) {
  const Recorded shown = RunReport("2014", false, false, true, true);
  const Recorded silent = RunReport("2014", false, false, true, false);
  EXPECT_TRUE(silent.text.empty());
  ASSERT_EQ(silent.runs.size(), 1u);
  EXPECT_FALSE(silent.runs[0].run.shown);
  ASSERT_EQ(silent.runs[0].days.size(), shown.runs[0].days.size());
  for (std::size_t i = 0; i < shown.runs[0].days.size(); ++i) {
    EXPECT_EQ(silent.runs[0].days[i].jd, shown.runs[0].days[i].jd);
    EXPECT_EQ(silent.runs[0].days[i].certainty, shown.runs[0].days[i].certainty);
  }
}

}  // namespace
}  // namespace orvane::calendar
