#include "crescentmap/crescent_map.h"

#include <QBuffer>
#include <QByteArray>
#include <QFont>
#include <QPainter>
#include <QSvgGenerator>
#include <array>
#include <cmath>
#include <string_view>
#include <vector>

#include "engine/numeric.h"
#include "io/safe_file.h"

namespace orvane::crescent {

namespace {

constexpr double kTitleHeight = 48;
constexpr double kLegendHeight = 104;
constexpr double kGraticuleStep = 30;

// Green for an easy sighting through yellow and orange to red for none;
// greys for the evenings the criteria do not judge.
const QColor kYallopColours[] = {QColor(0x1a, 0x98, 0x50), QColor(0x91, 0xcf, 0x60),
                                 QColor(0xfe, 0xe0, 0x8b), QColor(0xfc, 0x8d, 0x59),
                                 QColor(0xd7, 0x30, 0x27), QColor(0x9e, 0x9e, 0x9e)};
const QColor kOdehColours[] = {QColor(0x1a, 0x98, 0x50), QColor(0x91, 0xcf, 0x60), QColor(0xfc, 0x8d, 0x59),
                               QColor(0x9e, 0x9e, 0x9e)};
const QColor kMoonSetsFirstColour(0xd9, 0xd9, 0xd9);
const QColor kBeforeConjunctionColour(0x4d, 0x4d, 0x4d);
const QColor kNoSettingColour(0xc6, 0xdb, 0xef);

QString Q(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QFont PixelFont(int pixels, bool bold = false) {
  QFont font(QStringLiteral("Liberation Sans"));
  font.setPixelSize(pixels);
  font.setBold(bold);
  return font;
}

// "30°N", "0°", "120°W".
QString DegreeLabel(double value, char positive, char negative) {
  const std::string number = num::CStr(std::fabs(value)) + "\u00b0";
  if (value == 0) return Q(number);
  return Q(number + (value > 0 ? positive : negative));
}

struct LegendEntry {
  QColor colour;
  std::string text;
};

std::vector<LegendEntry> LegendOf(Criterion c) {
  std::vector<LegendEntry> entries;
  if (c == Criterion::Yallop) {
    for (int i = 0; i < 6; ++i) {
      const auto k = static_cast<YallopClass>(i);
      entries.push_back({kYallopColours[i], std::string(1, Letter(k)) + "  " + std::string(Meaning(k))});
    }
  } else {
    for (int i = 0; i < 4; ++i) {
      const auto z = static_cast<OdehZone>(i);
      entries.push_back({kOdehColours[i], std::string(1, Letter(z)) + "  " + std::string(Meaning(z))});
    }
  }
  entries.push_back({kMoonSetsFirstColour, std::string(KindText(EveningKind::MoonSetsFirst))});
  entries.push_back({kBeforeConjunctionColour, std::string(KindText(EveningKind::BeforeConjunction))});
  entries.push_back({kNoSettingColour, "sun or moon does not set"});
  return entries;
}

}  // namespace

std::string CriterionName(Criterion c) {
  return c == Criterion::Yallop ? "Yallop's q-test" : "Odeh's criterion";
}

QColor CellColour(const CriteriaVerdict& verdict, Criterion c) {
  switch (verdict.kind) {
    case EveningKind::Crescent:
      break;
    case EveningKind::BeforeConjunction:
      return kBeforeConjunctionColour;
    case EveningKind::MoonSetsFirst:
      return kMoonSetsFirstColour;
    case EveningKind::MoonDoesNotSet:
    case EveningKind::SunDoesNotSet:
      return kNoSettingColour;
  }
  if (c == Criterion::Yallop && verdict.yallop) return kYallopColours[static_cast<int>(*verdict.yallop)];
  if (c == Criterion::Odeh && verdict.odeh) return kOdehColours[static_cast<int>(*verdict.odeh)];
  return kNoSettingColour;
}

MapLayout::MapLayout(double maxLatitudeDegrees) : maxLatitude(maxLatitudeDegrees) {
  map = QRectF(0, kTitleHeight, 360 * pixelsPerDegree, 2 * maxLatitude * pixelsPerDegree);
  size = QSize(static_cast<int>(map.width()), static_cast<int>(map.bottom() + kLegendHeight));
}

QPointF MapLayout::PointOf(double latitude, double longitude) const {
  return {map.left() + (longitude + 180) * pixelsPerDegree,
          map.top() + (maxLatitude - latitude) * pixelsPerDegree};
}

void PaintCrescentMap(QPainter& painter, const WorldGrid& grid, Criterion c, const std::string& dateText) {
  const MapLayout layout(grid.maxLatitude);
  painter.fillRect(QRectF(QPointF(0, 0), QSizeF(layout.size)), Qt::white);

  painter.setPen(Qt::black);
  painter.setFont(PixelFont(20, true));
  painter.drawText(QRectF(12, 0, layout.map.width() - 24, kTitleHeight), Qt::AlignLeft | Qt::AlignVCenter,
                   Q("Crescent visibility on the evening of " + dateText));
  painter.setFont(PixelFont(16));
  painter.drawText(QRectF(12, 0, layout.map.width() - 24, kTitleHeight), Qt::AlignRight | Qt::AlignVCenter,
                   Q(CriterionName(c)));

  // The cells, each a square around its centre; a run of cells of one
  // colour along a row is one rectangle, which keeps an SVG small.
  painter.setPen(Qt::NoPen);
  const double side = grid.cellDegrees * layout.pixelsPerDegree;
  for (int row = 0; row < grid.rows; ++row) {
    for (int column = 0; column < grid.columns;) {
      const QColor colour = CellColour(grid.At(row, column), c);
      int end = column + 1;
      while (end < grid.columns && CellColour(grid.At(row, end), c) == colour) ++end;
      const QPointF first = layout.PointOf(grid.Latitude(row), grid.Longitude(column));
      painter.fillRect(QRectF(first.x() - side / 2, first.y() - side / 2, side * (end - column), side),
                       colour);
      column = end;
    }
  }

  // The graticule every 30 degrees, labelled along the left and lower edges.
  painter.setPen(QPen(QColor(0, 0, 0, 110), 1));
  painter.setFont(PixelFont(11));
  for (double lon = -180; lon <= 180; lon += kGraticuleStep) {
    const QPointF top = layout.PointOf(grid.maxLatitude, lon);
    const QPointF bottom = layout.PointOf(-grid.maxLatitude, lon);
    painter.drawLine(top, bottom);
    if (lon > -180 && lon < 180) painter.drawText(bottom + QPointF(3, -4), DegreeLabel(lon, 'E', 'W'));
  }
  for (double lat = -grid.maxLatitude; lat <= grid.maxLatitude; lat += kGraticuleStep) {
    painter.drawLine(layout.PointOf(lat, -180), layout.PointOf(lat, 180));
    if (std::fabs(lat) < grid.maxLatitude)
      painter.drawText(layout.PointOf(lat, -180) + QPointF(3, -3), DegreeLabel(lat, 'N', 'S'));
  }
  painter.setPen(QPen(Qt::black, 1));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(layout.map.adjusted(0.5, 0.5, -0.5, -0.5));

  // The legend: three columns of swatches.
  const std::vector<LegendEntry> legend = LegendOf(c);
  painter.setFont(PixelFont(13));
  const double columnWidth = layout.map.width() / 3;
  const int perColumn = static_cast<int>((legend.size() + 2) / 3);
  for (std::size_t i = 0; i < legend.size(); ++i) {
    const int column = static_cast<int>(i) / perColumn;
    const int line = static_cast<int>(i) % perColumn;
    const QRectF swatch(12 + column * columnWidth, layout.map.bottom() + 12 + line * 28, 22, 18);
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(legend[i].colour);
    painter.drawRect(swatch);
    painter.drawText(QRectF(swatch.right() + 8, swatch.top() - 3, columnWidth - 44, 24),
                     Qt::AlignLeft | Qt::AlignVCenter, Q(legend[i].text));
  }
}

QImage CrescentMapImage(const WorldGrid& grid, Criterion c, const std::string& dateText) {
  const MapLayout layout(grid.maxLatitude);
  QImage image(layout.size, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  PaintCrescentMap(painter, grid, c, dateText);
  painter.end();
  return image;
}

bool WriteCrescentMap(const std::string& path, const WorldGrid& grid, Criterion c,
                      const std::string& dateText, std::string& error) {
  auto endsWith = [&path](std::string_view suffix) {
    if (path.size() < suffix.size()) return false;
    for (std::size_t i = 0; i < suffix.size(); ++i) {
      char ch = path[path.size() - suffix.size() + i];
      if (ch >= 'A' && ch <= 'Z') ch = static_cast<char>(ch - 'A' + 'a');
      if (ch != suffix[i]) return false;
    }
    return true;
  };
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  if (endsWith(".png")) {
    if (!CrescentMapImage(grid, c, dateText).save(&buffer, "PNG")) {
      error = "the picture could not be made";
      return false;
    }
  } else if (endsWith(".svg")) {
    const MapLayout layout(grid.maxLatitude);
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setSize(layout.size);
    svg.setViewBox(QRect(QPoint(0, 0), layout.size));
    svg.setTitle(Q("Crescent visibility on the evening of " + dateText));
    svg.setDescription(Q(CriterionName(c)));
    QPainter painter(&svg);
    PaintCrescentMap(painter, grid, c, dateText);
    painter.end();
  } else {
    error = "the map file must end in .png or .svg";
    return false;
  }
  buffer.close();
  const io::WriteOutcome written =
      io::ReplaceFile(path, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
  if (!written.ok) error = written.error;
  return written.ok;
}

}  // namespace orvane::crescent
