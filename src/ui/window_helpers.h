// What every window of the program does the same way on the desktop: command
// buttons that run on Enter, windows kept inside the screen, and text panes
// as wide as the lines they show.
#pragma once

#include <QRect>
#include <QString>

class QColor;
class QPlainTextEdit;
class QWidget;

namespace orvane::ui {

// `widget` painted in `colour` behind its children.
void FillBackground(QWidget* widget, const QColor& colour);

// Every push button and picture button of `window` runs when it has the
// focus and Enter (or keypad Enter) is pressed, as it does on Space.
void ButtonsRunOnEnter(QWidget* window);

// Where a window whose frame (decorations included) is `frame` goes so that
// it lies inside `available`: moved in as little as it must, and made
// smaller only where it is larger than the area.
QRect PlaceInside(const QRect& frame, const QRect& available);

// Where a window shown for the first time goes relative to the window it
// belongs with: centred on it, or just below it (moved up as far as the
// screen's bottom edge requires).
enum class Placement { Centred, Below };

// Shows a top-level window without blocking and brings it forward, inside
// the available area of its screen (the screen of `near` when given).
void ShowOnScreen(QWidget* window, const QWidget* near = nullptr, Placement placement = Placement::Centred);

// The width `pane` needs to show the longest line of `text` (LF or CR LF
// line ends) without wrapping it, with its frame and scroll bar.
int PaneWidthFor(const QPlainTextEdit* pane, const QString& text);

}  // namespace orvane::ui
