// orvane-cli crescentmap: the map's cells in the classes the crescent
// command gives for their places.
#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <cstdlib>
#include <nlohmann/json.hpp>
#include <string>
#include <utility>

#include "crescent/crescent.h"
#include "crescentmap/crescent_map.h"
#include "support/cli_harness.h"
#include "support/temp_dir.h"

namespace orvane::cli {
namespace {

using crescent::CriteriaVerdict;
using crescent::EveningKind;
using testing::RunOrvaneCli;

// The verdict the crescent command gives for a place, by its classes' texts.
CriteriaVerdict VerdictOfCommand(const std::string& date, const std::string& lat, const std::string& lon) {
  const testing::CliResult r =
      RunOrvaneCli({"crescent", date, "--format", "json", "--lat", lat, "--lon", lon, "--gmt", "0"});
  EXPECT_EQ(r.status, 0) << r.err;
  const nlohmann::json j = nlohmann::json::parse(r.out);
  CriteriaVerdict v;
  const std::string yallop = j["yallop_class"], odeh = j["odeh_zone"];
  if (yallop.size() == 1) {
    v.yallop = static_cast<crescent::YallopClass>(yallop[0] - 'A');
    v.odeh = static_cast<crescent::OdehZone>(odeh[0] - 'A');
  } else {
    v.kind = yallop == "before conjunction" ? EveningKind::BeforeConjunction
             : yallop == "moon sets first"  ? EveningKind::MoonSetsFirst
                                            : EveningKind::MoonDoesNotSet;
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
  int letters = 0;
  const std::pair<int, int> cells[] = {{21, 39},   {51, -1},  {-33, 151}, {35, -119},
                                       {-33, -71}, {19, -99}, {-7, 107}};
  for (const auto& [lat, lon] : cells) {
    const auto text = [](int d, const char* signs) {
      return std::to_string(std::abs(d)) + " 0 " + signs[d < 0];
    };
    const CriteriaVerdict v = VerdictOfCommand("2024-04-08", text(lat, "NS"), text(lon, "EW"));
    letters += v.yallop.has_value();
    const QPointF at = layout.PointOf(lat, lon);
    EXPECT_EQ(image.pixelColor(at.toPoint()), crescent::CellColour(v, crescent::Criterion::Yallop))
        << lat << " " << lon;
  }
  EXPECT_GE(letters, 2);  // some cells with a class, not only the evenings without one

  const std::string svg = (dir.path() / "map.SVG").string();
  ASSERT_EQ(RunOrvaneCli({"crescentmap", "2024-04-09", "--output", svg, "--criterion", "odeh"}).status, 0);
  QFile file(QString::fromStdString(svg));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QByteArray text = file.readAll();
  EXPECT_TRUE(text.contains("<svg"));
  EXPECT_TRUE(text.contains("Odeh"));
}

}  // namespace
}  // namespace orvane::cli
