// The run set-up, the output writer, the sunset cell and the evening loop.
#include <gtest/gtest.h>

#include <cmath>

#include "calendar/holy_days.h"
#include "support/fake_host.h"

namespace orvane {
namespace {

using testing::EngineFixture;

TEST(InitEphemeris, PlacesAJerusalemRunAndConvertsThePlace) {
  EngineFixture f;
  f.engine.out.main.SetText("old report");
  f.engine.InitEphemeris();
  EXPECT_DOUBLE_EQ(f.st().ZoneHours, -2);
  EXPECT_NEAR(f.st().ZoneCorrection, (-35.244 + 30) * 0.066667, 1e-12);
  EXPECT_NEAR(f.st().ZoneCorrection, -0.34960, 1e-5);
  EXPECT_NEAR(f.st().Longitude, -0.0979, 1e-6);
  EXPECT_NEAR(f.st().Latitude, 0.554666, 1e-6);
  EXPECT_EQ(f.pane(), "");  // a shown Jerusalem run starts with an empty pane
  EXPECT_EQ(f.st().YearNumber, 2024);
}

TEST(InitEphemeris, ConvertsThePlaceInPlaceSoCallersSetItEachTime) {
  EngineFixture f;
  f.st().LocalMode = kTrue;
  f.st().Longitude = -35.244;
  f.st().Latitude = 31.78;
  f.st().ZoneHours = 14;
  f.engine.InitEphemeris();
  const double once = f.st().Longitude;
  f.engine.InitEphemeris();  // without resetting the inputs the conversion applies twice
  EXPECT_NEAR(f.st().Longitude, once / 360, 1e-15);
}

TEST(InitEphemeris, AShownPaneIsKeptWhenNothingIsShown) {
  EngineFixture f;
  f.engine.out.main.SetText("kept");
  f.st().ShowInMain = kFalse;
  f.engine.InitEphemeris();
  EXPECT_EQ(f.pane(), "kept");
}

struct YearCase {
  const char* typed;
  double year;
  const char* box;
  int beeps;
};

TEST(ReadYear, ClampsToTheProgramsYearsAndSkipsYearZero) {
  const YearCase cases[] = {
      {"2024", 2024, "2024", 0},  {"0", -1, "-1", 0},           {"-5000", -4004, "-4004", 1},
      {"20000", 9999, "9999", 1}, {"-4004", -4004, "-4004", 0}, {"9999", 9999, "9999", 0},
      {"", -1, "-1", 0},          {"abc", -1, "-1", 0},         {"20-24", 20, "20-24", 0},
  };
  for (const YearCase& c : cases) {
    EngineFixture f(c.typed);
    f.engine.ReadYear();
    EXPECT_EQ(f.st().YearNumber, c.year) << c.typed;
    EXPECT_EQ(f.st().YearInt, static_cast<std::int16_t>(c.year)) << c.typed;
    EXPECT_EQ(f.host.yearBox, c.box) << c.typed;
    EXPECT_EQ(f.host.beeps, c.beeps) << c.typed;
  }
}

TEST(ReadYear, IsSkippedWhenAChronologyRunOrTheConversionWindowSetTheYear) {
  EngineFixture f("1900");
  f.st().YearNumber = 33;
  f.st().ConversionMode = kTrue;
  f.engine.InitEphemeris();
  EXPECT_EQ(f.st().YearNumber, 33);
}

TEST(WriteOutputLine, WritesWhereTheFlagsSay) {
  EngineFixture f;
  OutputWriter& out = f.engine.out;
  f.engine.WriteOutputLine("a");
  EXPECT_EQ(out.main.Text(), "a");
  EXPECT_EQ(out.criteria.Text(), "");

  f.st().ShowInMain = kFalse;
  f.engine.WriteOutputLine("b");
  f.st().ShowInConversion = kTrue;  // one of the pair alone reaches neither box
  f.engine.WriteOutputLine("c");
  EXPECT_EQ(out.main.Text(), "a");
  EXPECT_EQ(out.criteria.Text(), "");

  f.st().ShowInConversion2 = kTrue;
  f.engine.WriteOutputLine("d\r\n");
  f.st().ShowInMain = kTrue;
  f.engine.WriteOutputLine("e");
  EXPECT_EQ(out.main.Text(), "ae");
  EXPECT_EQ(out.criteria.Text(), "d\r\ne");
}

TEST(TextPane, ReportsEveryChange) {
  TextPane pane;
  int changes = 0;
  pane.onChange = [&] { ++changes; };
  pane.Append("x");
  pane.Clear();
  pane.SetText("y");
  EXPECT_EQ(changes, 3);
  EXPECT_EQ(pane.Text(), "y");
}

// Places the sun for 2024 April 8, six hours after Jerusalem noon, and shifts
// the sunset so that its clock time, before the half minute added for
// rounding, is `target` hours after noon.
std::string SunsetCell(double target, bool tableMode = false) {
  EngineFixture f;
  f.engine.InitEphemeris();
  f.st().Centuries = ((2460409 + f.st().Longitude + 0.25) - 2415020) / 36525;
  f.engine.SunPositionAndSunset();
  f.st().SunsetAdjust = target - (f.st().SunsetTime - f.st().SunsetAdjust - 0.00833333333);
  f.st().TableMode = tableMode ? kTrue : kFalse;
  f.engine.out.main.Clear();
  f.engine.SunPositionAndSunset();
  return f.pane();
}

TEST(SunPositionAndSunset, WritesTheEveningClockCell) {
  EXPECT_EQ(SunsetCell(5 + 5.2 / 60), "     5:05");
  EXPECT_EQ(SunsetCell(7 + 10.2 / 60), "     7:10");
  EXPECT_EQ(SunsetCell(10 + 0.2 / 60), "    10:00");
  EXPECT_EQ(SunsetCell(5 + 39.2 / 60, true), "  5:39");
  // Half a minute is added so that truncation rounds to the nearest minute.
  EXPECT_EQ(SunsetCell(5 + 38.6 / 60, true), "  5:39");
  EXPECT_EQ(SunsetCell(5 + 38.4 / 60, true), "  5:38");
}

TEST(SunPositionAndSunset, TheJerusalemSunsetOfAnEvening) {
  EngineFixture f;
  f.engine.InitEphemeris();
  f.st().Centuries = ((2460409 + f.st().Longitude + 0.25) - 2415020) / 36525;
  f.engine.SunPositionAndSunset();
  // 8 April 2024: sunset at Jerusalem about 18:03 zone time (UTC+2).
  EXPECT_EQ(f.pane(), "     6:03");
  EXPECT_NEAR(f.st().SunsetTime, 6 + 3.0 / 60, 1.0 / 60);
}

TEST(SunPositionAndSunset, OnlyTheLongitudeWhileTheEquinoxIsRefined) {
  EngineFixture f;
  f.engine.InitEphemeris();
  f.st().EquinoxGap = 0.5;
  f.st().Centuries = (2451623.8 - 2415020) / 36525;  // the March equinox of 2000
  f.engine.TestEvening();
  EXPECT_EQ(f.pane(), "");
  EXPECT_EQ(f.st().SunsetHour, 0);
  // At the equinox the sun's apparent longitude is 0 (or 2 pi).
  EXPECT_NEAR(std::sin(f.st().Sun.longitude), 0, 0.005);
}

TEST(ClassifyVisibility, BoundariesBelongToTheLowerClass) {
  EXPECT_EQ(ClassifyVisibility(-50), Visibility::NotVisible);
  EXPECT_EQ(ClassifyVisibility(88), Visibility::NotVisible);
  EXPECT_EQ(ClassifyVisibility(88.0001), Visibility::ProbablyNotVisible);
  EXPECT_EQ(ClassifyVisibility(100), Visibility::ProbablyNotVisible);
  EXPECT_EQ(ClassifyVisibility(100.0001), Visibility::ProbablyVisible);
  EXPECT_EQ(ClassifyVisibility(112), Visibility::ProbablyVisible);
  EXPECT_EQ(ClassifyVisibility(112.0001), Visibility::Visible);
}

// The rows of the evening table in a pane text (lines ending in a verdict).
std::vector<std::string> Rows(const std::string& text) {
  std::vector<std::string> rows;
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t end = text.find("\r\n", start);
    const std::string line = text.substr(start, end - start);
    if (line.ends_with("Visible")) rows.push_back(line);
    if (end == std::string::npos) break;
    start = end + 2;
  }
  return rows;
}

// Searches one lunation at Jerusalem as a run with the given flags would.
struct LunationRun {
  std::string pane;
  double printJD, monthStartJD, eveningJD;
  Visibility verdict;
};

LunationRun SearchLunation(double k, const std::string& runName, Flag fixedPlace, Flag local) {
  EngineFixture f;
  f.st().RunName = runName;
  f.engine.InitEphemeris();
  f.st().FixedPlaceMode = fixedPlace;
  f.st().LocalMode = local;
  f.st().MonthStartJD = 0;
  f.st().LunationNumber = k;
  f.engine.FindNewMoon();
  return {f.pane(), f.st().PrintJD, f.st().MonthStartJD, f.st().EveningJD, f.st().Verdict};
}

// Lunation numbers of the seventh months of 2000 CE (a "probably not
// visible" evening on 28 Sep) and 2018 CE (a "probably visible" one on 10 Sep).
double SeventhMonth(double year) { return calendar::FirstLunationOfYear(year + 0.277) + 6; }

TEST(FindNewMoon, ADoubtfulLowEveningShowsTheNextInHolyDayRuns) {
  const LunationRun run = SearchLunation(SeventhMonth(2000), "HolyDays", kFalse, kFalse);
  const auto rows = Rows(run.pane);
  ASSERT_EQ(rows.size(), 3u);
  EXPECT_TRUE(rows[1].starts_with("28 Sep") && rows[1].ends_with("  Prob Not Visible")) << rows[1];
  EXPECT_TRUE(rows[2].starts_with("29 Sep") && rows[2].ends_with("  Visible")) << rows[2];
  // The month starts two days after the doubtful evening and may be a day earlier.
  const double doubtful = 2451816;  // 28 Sep 2000
  EXPECT_EQ(run.printJD, doubtful + 2);
  EXPECT_EQ(run.monthStartJD, doubtful + 2);
  EXPECT_EQ(run.verdict, Visibility::ProbablyNotVisible);
}

TEST(FindNewMoon, ADoubtfulHighEveningShowsTheNextInHolyDayRuns) {
  const LunationRun run = SearchLunation(SeventhMonth(2018), "HolyDays", kFalse, kFalse);
  const auto rows = Rows(run.pane);
  ASSERT_EQ(rows.size(), 3u);
  EXPECT_TRUE(rows[1].starts_with("10 Sep") && rows[1].ends_with("  Prob Visible")) << rows[1];
  const double doubtful = 2458372;  // 10 Sep 2018
  EXPECT_EQ(run.printJD, doubtful + 1);
  EXPECT_EQ(run.monthStartJD, doubtful + 1);
  EXPECT_EQ(run.verdict, Visibility::ProbablyVisible);
}

TEST(FindNewMoon, OtherRunsStopAtTheDoubtfulEvening) {
  for (const char* runName : {"LocalMoons", "Golgotha"}) {
    const LunationRun run = SearchLunation(SeventhMonth(2000), runName, kFalse, kFalse);
    const auto rows = Rows(run.pane);
    ASSERT_EQ(rows.size(), 2u) << runName;
    EXPECT_TRUE(rows[1].ends_with("Prob Not Visible"));
    EXPECT_EQ(run.printJD, 2451816 + 2);
    EXPECT_EQ(run.eveningJD, 2451816 + 1);  // advanced past the doubtful evening
  }
  // A local run in the holy-days section shows no extra row either.
  EXPECT_EQ(Rows(SearchLunation(SeventhMonth(2000), "HolyDays", kFalse, kTrue).pane).size(), 2u);
}

TEST(FindNewMoon, AFixedPlaceRunKeepsTheDoubtfulEvening) {
  const LunationRun low = SearchLunation(SeventhMonth(2000), "HolyDays", kTrue, kFalse);
  EXPECT_EQ(Rows(low.pane).size(), 2u);
  EXPECT_EQ(low.eveningJD, 2451816);
  EXPECT_EQ(low.printJD, 2451816 + 2);
  EXPECT_EQ(low.verdict, Visibility::ProbablyNotVisible);
  const LunationRun high = SearchLunation(SeventhMonth(2018), "HolyDays", kTrue, kFalse);
  EXPECT_EQ(high.eveningJD, 2458372);
  EXPECT_EQ(high.printJD, 2458372 + 1);
  EXPECT_EQ(high.verdict, Visibility::ProbablyVisible);
}

TEST(FindNewMoon, MonthStartKeepsTheFirstMonthOfAReport) {
  EngineFixture f;
  f.engine.InitEphemeris();
  f.st().MonthStartJD = 0;
  f.st().LunationNumber = SeventhMonth(2024);
  f.engine.FindNewMoon();
  const double first = f.st().MonthStartJD;
  f.st().LunationNumber += 1;
  f.engine.FindNewMoon();
  EXPECT_EQ(f.st().MonthStartJD, first);
  EXPECT_GT(f.st().PrintJD, first + 28);
}

TEST(FindNewMoon, EveryRowHasTheFixedColumns) {
  const LunationRun run = SearchLunation(SeventhMonth(2000), "HolyDays", kFalse, kFalse);
  for (const std::string& row : Rows(run.pane)) {
    // date 6, sunset 3+6, moonset 7, illumination 4+5, azimuths 2+6 and 2+6,
    // moon altitude 3+5, sun altitude at moonset 6+5, number 4+6: 76 characters.
    const std::string verdict = row.substr(76);
    EXPECT_TRUE(verdict == "  Not Visible" || verdict == "  Prob Not Visible" ||
                verdict == "  Prob Visible" || verdict == "  Visible")
        << row;
    EXPECT_EQ(row.substr(6, 3), "   ");
    EXPECT_EQ(row[12], ':');
    EXPECT_EQ(row[19], ':');
  }
}

TEST(ComputeConjunction, TheFirstLunationOf1900) {
  EngineFixture f;
  f.st().LunationNumber = 0;
  f.engine.ComputeConjunction();
  // The new moon of 1 January 1900, about 13:52 universal time.
  EXPECT_NEAR(f.st().ConjunctionJD - f.st().DeltaT, 2415021.078, 0.01);
  EXPECT_EQ(f.st().EveningJD, 2415021);
}

}  // namespace
}  // namespace orvane
