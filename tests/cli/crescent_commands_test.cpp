// orvane-cli crescentmap: the map's cells in the classes the crescent
// command gives for their places.
#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
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
  struct Cell {
    int lat, lon;
    const char *latText, *lonText;
  };
  int letters = 0;
  const Cell cells[] = {{21, 39, "21 0 N", "39 0 E"},    {51, -1, "51 0 N", "1 0 W"},
                        {-33, 151, "33 0 S", "151 0 E"}, {35, -119, "35 0 N", "119 0 W"},
                        {-33, -71, "33 0 S", "71 0 W"},  {19, -99, "19 0 N", "99 0 W"},
                        {-7, 107, "7 0 S", "107 0 E"}};
  for (const Cell& c : cells) {
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
}

}  // namespace
}  // namespace orvane::cli
