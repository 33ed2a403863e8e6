#include "ui/window_helpers.h"

#include <QAbstractButton>
#include <QFontMetricsF>
#include <QKeyEvent>
#include <QPalette>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QToolButton>
#include <algorithm>
#include <cmath>

#include "ui/key_input.h"

namespace orvane::ui {

namespace {

// Enter on a focused button clicks it.  Toolkit buttons outside dialogs
// react to Space only, which leaves a keyboard user stranded on them.
class EnterClicks final : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::KeyPress) return false;
    const auto* key = static_cast<const QKeyEvent*>(event);
    if (!IsEnter(key)) return false;
    if ((key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) return false;
    auto* button = qobject_cast<QAbstractButton*>(watched);
    if (button == nullptr) return false;
    if (!key->isAutoRepeat()) button->click();
    return true;
  }
};

QMargins FrameMargins(const QWidget* window) {
  const QRect inner = window->geometry();
  const QRect outer = window->frameGeometry();
  return {inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
          outer.bottom() - inner.bottom()};
}

constexpr const char* kPlacedProperty = "orvanePlacedOnScreen";

}  // namespace

void FillBackground(QWidget* widget, const QColor& colour) {
  widget->setAutoFillBackground(true);
  QPalette palette = widget->palette();
  palette.setColor(QPalette::Window, colour);
  widget->setPalette(palette);
}

void ButtonsRunOnEnter(QWidget* window) {
  auto* filter = new EnterClicks(window);
  for (QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
    if (qobject_cast<QPushButton*>(button) != nullptr || qobject_cast<QToolButton*>(button) != nullptr) {
      button->installEventFilter(filter);
    }
  }
}

QRect PlaceInside(const QRect& frame, const QRect& available) {
  QRect placed = frame;
  placed.setWidth(std::min(frame.width(), available.width()));
  placed.setHeight(std::min(frame.height(), available.height()));
  placed.moveLeft(std::clamp(frame.left(), available.left(), available.right() + 1 - placed.width()));
  placed.moveTop(std::clamp(frame.top(), available.top(), available.bottom() + 1 - placed.height()));
  return placed;
}

void ShowOnScreen(QWidget* window, const QWidget* near, Placement placement) {
  const bool firstShow = !window->property(kPlacedProperty).toBool();
  QScreen* screen = near != nullptr ? near->screen() : window->screen();
  if (screen != nullptr) {
    // The decorations of a window the manager has not framed yet are not
    // known; those of the window it belongs with stand in for them.
    QMargins margins;
    if (window->isVisible()) {
      margins = FrameMargins(window);
    } else if (near != nullptr && near->isVisible()) {
      margins = FrameMargins(near);
    }
    QRect frame(window->pos(), window->size().grownBy(margins));
    if (firstShow) {
      const bool nearShown = near != nullptr && near->isVisible();
      const QRect around = nearShown ? near->frameGeometry() : screen->availableGeometry();
      frame.moveCenter(around.center());
      if (nearShown && placement == Placement::Below) frame.moveTop(around.bottom() + 1);
    }
    const QRect placed = PlaceInside(frame, screen->availableGeometry());
    if (placed.size() != frame.size()) window->resize(placed.size().shrunkBy(margins));
    if (firstShow || placed.topLeft() != frame.topLeft()) window->move(placed.topLeft());
  }
  window->setProperty(kPlacedProperty, true);
  window->show();
  window->raise();
  window->activateWindow();
}

int PaneWidthFor(const QPlainTextEdit* pane, const QString& text) {
  const QFontMetricsF metrics(pane->font());
  double widest = 0;
  for (const QString& line : WithLfLineEnds(text).split('\n')) {
    widest = std::max(widest, metrics.horizontalAdvance(line));
  }
  // The layout wraps a line wider than the viewport less the document's
  // margins and the caret's width.
  const double lineWidth = widest + 2 * pane->document()->documentMargin() + pane->cursorWidth() + 2;
  return static_cast<int>(std::ceil(lineWidth)) + 2 * pane->frameWidth() +
         pane->verticalScrollBar()->sizeHint().width();
}

}  // namespace orvane::ui
