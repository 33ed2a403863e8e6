// Keeps a top-level window above all others, or returns it to the normal
// order, without moving or resizing it.
#pragma once

#include <QWidget>

namespace orvane::ui {

inline void SetStayOnTop(QWidget* window, bool onTop) {
  if (window->testAttribute(Qt::WA_WState_Created) &&
      window->windowFlags().testFlag(Qt::WindowStaysOnTopHint) == onTop) {
    return;
  }
  const bool visible = window->isVisible();
  const QRect geometry = window->geometry();
  window->setWindowFlag(Qt::WindowStaysOnTopHint, onTop);  // hides the window
  if (visible) {
    window->setGeometry(geometry);
    window->show();
  }
}

}  // namespace orvane::ui
