// orvane-cli crescent's data and crescentmap: the classes of published
// evenings, and the map's cells in the classes of their places' evenings.
#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <nlohmann/json.hpp>
#include <string>
#include <utility>

#include "crescent/crescent.h"
#include "crescentmap/crescent_map.h"
#include "support/cli_harness.h"
#include "support/temp_dir.h"

namespace orvane::cli {
namespace {

using testing::RunOrvaneCli;

TEST(CrescentMapCommand, CellsTakeTheClassesOfTheirEvenings) {
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
    const crescent::CrescentEvening e = crescent::EvaluateEvening(2024, 4, 8, {1.0 * lat, 1.0 * lon, 0});
    letters += e.yallopClass.has_value();
    const crescent::CriteriaVerdict v{e.kind, e.yallopClass, e.odehZone};
    EXPECT_EQ(image.pixelColor(layout.PointOf(lat, lon).toPoint()),
              crescent::CellColour(v, crescent::Criterion::Yallop))
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

TEST(CrescentCommand, TheDataNamesTheClassesOfPublishedEvenings) {
  // Mecca, April 2024: the sun set before the conjunction on the 8th; the
  // crescent of Shawwal 1445 was seen easily on the 9th.
  const testing::CliResult r = RunOrvaneCli({"crescent", "2024-04-08", "--lat", "21 25 N", "--lon", "39 49 E",
                                             "--gmt", "3", "--evenings", "2", "--format", "json"});
  ASSERT_EQ(r.status, 0) << r.err;
  const nlohmann::json days = nlohmann::json::parse(r.out);
  ASSERT_EQ(days.size(), 2U);
  for (const auto& [day, expected] : {std::pair{0, "before conjunction"}, std::pair{1, "A"}}) {
    EXPECT_EQ(days[day].at("yallop_class"), expected);
    EXPECT_EQ(days[day].at("odeh_zone"), expected);
  }
}

}  // namespace
}  // namespace orvane::cli
