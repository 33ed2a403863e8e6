#include "ui/moon_pictures.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

#include "conversions/moon_pictures.h"

namespace orvane::ui {

QPixmap DrawMoon(double fraction, bool waxing, int size) {
  QPixmap pixmap(size, size);
  pixmap.fill(QColor(10, 12, 40));
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  const double r = size * 0.42;
  const QPointF c(size / 2.0, size / 2.0);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(55, 55, 70));
  p.drawEllipse(c, r, r);

  // The lit part: the bright half-disc on the sun's side, with the
  // terminator an ellipse whose half-width is |1 - 2k| of the radius.
  fraction = std::clamp(fraction, 0.0, 1.0);
  const double terminator = std::fabs(1 - 2 * fraction) * r;
  const double side = waxing ? 1 : -1;  // lit on the right while waxing
  QPainterPath lit;
  lit.moveTo(c.x(), c.y() - r);
  // The outer limb: a half circle on the lit side.
  lit.arcTo(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), 90, -180 * side);
  // Back along the terminator: bulging into the dark half past first quarter.
  const QRectF ellipse(c.x() - terminator, c.y() - r, 2 * terminator, 2 * r);
  const bool gibbous = fraction > 0.5;
  lit.arcTo(ellipse, -90, (gibbous ? -180 : 180) * side);
  lit.closeSubpath();
  p.setBrush(QColor(244, 239, 194));
  p.drawPath(lit);
  return pixmap;
}

const QPixmap& MoonPictures::Picture(int index) {
  index = std::clamp(index, 0, kCount - 1);
  QPixmap& slot = cache_[static_cast<std::size_t>(index)];
  if (slot.isNull()) {
    const double fraction = conversions::kMoonPictureIllumination[static_cast<std::size_t>(index)] / 100.0;
    slot = DrawMoon(fraction, index < conversions::kFirstWaningPicture, size_);
  }
  return slot;
}

}  // namespace orvane::ui
