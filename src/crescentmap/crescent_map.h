// The world map of an evening's crescent classes, drawn with Qt's painter
// alone (no widgets, no display needed): an equirectangular map with a cell
// for each point of a WorldGrid coloured by its class, a graticule every 30
// degrees, the date, the criterion and a legend.
#pragma once

#include <QColor>
#include <QImage>
#include <QPointF>
#include <QRectF>
#include <string>

#include "crescent/world_grid.h"

class QPainter;

namespace orvane::crescent {

enum class Criterion { Yallop, Odeh };

// "Yallop's q-test" or "Odeh's criterion".
std::string CriterionName(Criterion c);

// The colour of a cell: one per class, and one for each kind of evening
// without a best time (before conjunction, moon sets first, no setting).
QColor CellColour(const CriteriaVerdict& verdict, Criterion c);

// Where the parts of the picture lie.  The map is 3 pixels to the degree.
struct MapLayout {
  double pixelsPerDegree = 3;
  double maxLatitude = 60;
  QRectF map;  // the map itself
  QSize size;  // the whole picture
  explicit MapLayout(double maxLatitudeDegrees = 60);
  // The point of a place on the map.
  QPointF PointOf(double latitude, double longitude) const;
};

// Paints the whole picture (title, map, graticule, legend) for the size of the layout.
void PaintCrescentMap(QPainter& painter, const WorldGrid& grid, Criterion c, const std::string& dateText);

// The picture as an image, on white.
QImage CrescentMapImage(const WorldGrid& grid, Criterion c, const std::string& dateText);

// Writes the picture as PNG (".png") or SVG (".svg", by the file's
// extension, in any letter case), replacing the file whole.  False with the
// reason in `error` otherwise.  Needs a QGuiApplication for its fonts.
bool WriteCrescentMap(const std::string& path, const WorldGrid& grid, Criterion c,
                      const std::string& dateText, std::string& error);

}  // namespace orvane::crescent
