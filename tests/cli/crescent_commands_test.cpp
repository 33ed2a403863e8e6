// orvane-cli crescent and crescentmap: the figures of the core in text and
// JSON, and the map's cells in the classes the command gives for their places.
#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <cmath>
#include <nlohmann/json.hpp>

#include "crescent/crescent.h"
#include "crescentmap/crescent_map.h"
#include "support/cli_harness.h"
#include "support/temp_dir.h"

namespace orvane::cli {
namespace {

using crescent::CriteriaVerdict;
using crescent::EveningKind;
using testing::RunOrvaneCli;

// Mecca to the minute of arc, as the boxes take it.
const std::vector<std::string> kMecca = {"--lat", "21 25 N", "--lon", "39 50 E", "--gmt", "3"};

std::vector<std::string> Args(std::vector<std::string> args, const std::vector<std::string>& place) {
  args.insert(args.end(), place.begin(), place.end());
  return args;
}

TEST(CrescentCommand, JsonGivesEveryFigureOfTheEvening) {
  const testing::CliResult r = RunOrvaneCli(Args({"crescent", "2024-04-09", "--format", "json"}, kMecca));
  ASSERT_EQ(r.status, 0) << r.err;
  const nlohmann::json j = nlohmann::json::parse(r.out);
  for (const char* key : {"date",          "latitude",       "longitude",    "sunset_ut", "moonset_ut",
                          "lag_minutes",   "conjunction_ut", "best_time_ut", "arcl",      "arcl_topo",
                          "arcv",          "arcv_topo",      "daz",          "w_arcmin",  "w_topo_arcmin",
                          "age_hours",     "yallop_q",       "yallop_class", "odeh_v",    "odeh_zone",
                          "orvane_number", "orvane_class"}) {
    EXPECT_TRUE(j.contains(key)) << key;
  }
  EXPECT_EQ(j.size(), 22u);
  EXPECT_EQ(j["date"], "2024-04-09");
  EXPECT_NEAR(j["latitude"].get<double>(), 21 + 25 / 60.0, 1e-6);
  EXPECT_NEAR(j["longitude"].get<double>(), 39 + 50 / 60.0, 1e-6);
  // The conjunction of 2024 April 8 at 18:21 UT (the almanacs' time), to two minutes.
  const std::string conjunction = j["conjunction_ut"];
  EXPECT_EQ(conjunction.substr(0, 14), "2024-04-08T18:");
  EXPECT_NEAR(std::stoi(conjunction.substr(14, 2)), 21, 2);
  EXPECT_EQ(j["yallop_class"], "A");
  EXPECT_EQ(j["odeh_zone"], "A");
  EXPECT_EQ(j["orvane_class"], "visible");
  const std::string sunset = j["sunset_ut"];
  ASSERT_EQ(sunset.size(), 20u);
  EXPECT_EQ(sunset.substr(0, 14), "2024-04-09T15:");
  EXPECT_EQ(sunset.back(), 'Z');

  // Before the conjunction there is no best time and no q or V.
  const testing::CliResult before =
      RunOrvaneCli(Args({"crescent", "2024-04-08", "--format", "json", "--evenings", "2"}, kMecca));
  ASSERT_EQ(before.status, 0) << before.err;
  const nlohmann::json two = nlohmann::json::parse(before.out);
  ASSERT_TRUE(two.is_array());
  ASSERT_EQ(two.size(), 2u);
  EXPECT_EQ(two[0]["yallop_class"], "before conjunction");
  EXPECT_EQ(two[0]["odeh_zone"], "before conjunction");
  EXPECT_TRUE(two[0]["best_time_ut"].is_null() && two[0]["yallop_q"].is_null() && two[0]["odeh_v"].is_null());
  EXPECT_LT(two[0]["age_hours"].get<double>(), 0);
  EXPECT_EQ(two[1]["date"], "2024-04-09");
}

TEST(CrescentCommand, TheTableShowsTheEveningsAndTheirVerdicts) {
  const testing::CliResult r = RunOrvaneCli(Args({"crescent", "2024-04-08", "--evenings", "3"}, kMecca));
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_NE(r.out.find("New moon (conjunction): 2024-04-08 21:2"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("2024-04-08  no best time: before conjunction"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("2024-04-09  Yallop A: easily visible; Odeh A: visible by naked eye; Orvane: visible"),
            std::string::npos)
      << r.out;
  EXPECT_NE(r.out.find("2024-04-10  Yallop A"), std::string::npos) << r.out;

  for (const char* bad : {"2024-02-30", "2023-02-29", "0-01-01", "2024/04/09", "2024-4", "10000-01-01"}) {
    const testing::CliResult e = RunOrvaneCli(Args({"crescent", bad}, kMecca));
    EXPECT_EQ(e.status, 2) << bad;
    EXPECT_EQ(testing::ProblemWithAnswer(e), "") << bad;
  }
  EXPECT_EQ(RunOrvaneCli(Args({"crescent", "2024-02-29", "--evenings", "0"}, kMecca)).status, 2);
  EXPECT_EQ(RunOrvaneCli(Args({"crescent", "2024-02-29", "--format", "xml"}, kMecca)).status, 2);
}

// The verdict the crescent command gives for a place, by its classes' texts.
CriteriaVerdict VerdictOfCommand(const std::string& date, const std::string& lat, const std::string& lon) {
  const testing::CliResult r =
      RunOrvaneCli({"crescent", date, "--format", "json", "--lat", lat, "--lon", lon, "--gmt", "0"});
  EXPECT_EQ(r.status, 0) << r.err;
  const nlohmann::json j = nlohmann::json::parse(r.out);
  CriteriaVerdict v;
  const std::string yallop = j["yallop_class"];
  const std::string odeh = j["odeh_zone"];
  if (yallop.size() == 1) {
    v.yallop = static_cast<crescent::YallopClass>(yallop[0] - 'A');
    v.odeh = static_cast<crescent::OdehZone>(odeh[0] - 'A');
  } else if (yallop == "before conjunction") {
    v.kind = EveningKind::BeforeConjunction;
  } else if (yallop == "moon sets first") {
    v.kind = EveningKind::MoonSetsFirst;
  } else {
    v.kind = EveningKind::MoonDoesNotSet;
  }
  return v;
}

TEST(CrescentMapCommand, CellsTakeTheClassesTheCrescentCommandGives) {
  testing::TempDir dir;
  const std::string png = (dir.path() / "map.png").string();
  const testing::CliResult r = RunOrvaneCli({"crescentmap", "2024-04-08", "--output", png});
  ASSERT_EQ(r.status, 0) << r.err;
  QImage image(QString::fromStdString(png));
  ASSERT_FALSE(image.isNull());
  EXPECT_GE(image.width(), 720);
  const crescent::MapLayout layout;
  EXPECT_EQ(image.size(), layout.size);
  // Cell centres (odd degrees) across the evening's boundary: the Americas
  // see the crescent, Europe and Asia set the sun before the conjunction.
  struct Cell {
    int lat, lon;
    const char *latText, *lonText;
  };
  int letters = 0;
  for (const Cell& c : {Cell{21, 39, "21 0 N", "39 0 E"}, Cell{51, -1, "51 0 N", "1 0 W"},
                        Cell{-33, 151, "33 0 S", "151 0 E"}, Cell{35, -119, "35 0 N", "119 0 W"},
                        Cell{-33, -71, "33 0 S", "71 0 W"}, Cell{19, -99, "19 0 N", "99 0 W"},
                        Cell{-7, 107, "7 0 S", "107 0 E"}}) {
    const CriteriaVerdict v = VerdictOfCommand("2024-04-08", c.latText, c.lonText);
    letters += v.yallop.has_value();
    const QPointF at = layout.PointOf(c.lat, c.lon);
    EXPECT_EQ(image.pixelColor(at.toPoint()), crescent::CellColour(v, crescent::Criterion::Yallop))
        << c.lat << " " << c.lon;
  }
  EXPECT_GE(letters, 2);  // some cells with a class, not only the evenings without one

  const std::string svg = (dir.path() / "map.SVG").string();
  ASSERT_EQ(RunOrvaneCli({"crescentmap", "2024-04-09", "--output", svg, "--criterion", "odeh"}).status, 0);
  QFile file(QString::fromStdString(svg));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QByteArray text = file.readAll();
  EXPECT_TRUE(text.contains("<svg"));
  EXPECT_TRUE(text.contains("Odeh"));
  const testing::CliResult wrong =
      RunOrvaneCli({"crescentmap", "2024-04-09", "--output", (dir.path() / "map.gif").string()});
  EXPECT_EQ(wrong.status, 2);
  EXPECT_EQ(testing::ProblemWithAnswer(wrong), "");
}

}  // namespace
}  // namespace orvane::cli
