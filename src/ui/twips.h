// Window layouts are given in twips, 15 to a pixel.
#pragma once

#include <QRect>

namespace orvane::ui {

constexpr int Px(int twips) { return twips / 15; }

inline QRect TwipsRect(int left, int top, int width, int height) {
  return QRect(Px(left), Px(top), Px(width), Px(height));
}

}  // namespace orvane::ui
