// The moon-phase pictures, drawn from the illumination each one stands for.
// One provider serves the splash and the conversion window.
#pragma once

#include <QPixmap>
#include <array>

namespace orvane::ui {

class MoonPictures {
 public:
  static constexpr int kCount = 59;
  explicit MoonPictures(int size = 64) : size_(size) {}
  // Picture `index` (0..58): waxing (lit on the right) for 0..30, waning for 31..58.
  const QPixmap& Picture(int index);

 private:
  int size_;
  std::array<QPixmap, kCount> cache_;
};

// Draws a moon `fraction` illuminated (0..1), waxing or waning, into a square pixmap.
QPixmap DrawMoon(double fraction, bool waxing, int size);

}  // namespace orvane::ui
