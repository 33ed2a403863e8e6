// Driving the windows as the window system does: keys and clicks go to the
// top-level window, where the focus or the position decides which widget
// receives them, so a handler that real input cannot reach fails here too.
#pragma once

#include <QAbstractTextDocumentLayout>
#include <QPlainTextEdit>
#include <QScreen>
#include <QScrollArea>
#include <QTest>
#include <QTextBlock>
#include <QWidget>
#include <QWindow>
#include <string>

namespace orvane::test {

// The top-level window of `widget`, shown and active.
inline QWindow* ActiveWindowOf(QWidget* widget) {
  QWidget* top = widget->window();
  if (top->windowType() == Qt::Popup) return top->windowHandle();  // a popup has the input while it is open
  if (!top->isVisible()) top->show();
  top->activateWindow();
  if (!QTest::qWaitForWindowActive(top))
    qWarning("window %s did not become active", qPrintable(top->objectName()));
  return top->windowHandle();
}

// Types `text` (printable ASCII) into whatever has the focus in the window of `widget`.
inline void Type(QWidget* widget, const char* text) {
  QWindow* window = ActiveWindowOf(widget);
  for (const char* c = text; *c != '\0'; ++c) QTest::keyClick(window, *c);
}

// One key, with modifiers, to the window of `widget`.
inline void Press(QWidget* widget, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
  QTest::keyClick(ActiveWindowOf(widget), key, modifiers);
}

// A left click on the middle of `widget` (scrolled into view first), through its window.
inline void Click(QWidget* widget) {
  for (QWidget* w = widget->parentWidget(); w != nullptr; w = w->parentWidget()) {
    if (auto* area = qobject_cast<QScrollArea*>(w)) area->ensureWidgetVisible(widget);
  }
  QWindow* window = ActiveWindowOf(widget);
  const QPoint at = widget->mapTo(widget->window(), widget->rect().center());
  QTest::mouseClick(window, Qt::LeftButton, Qt::NoModifier, at);
}

// A left click at `at` in `widget`'s own coordinates, through its window.
inline void ClickAt(QWidget* widget, const QPoint& at) {
  QTest::mouseClick(ActiveWindowOf(widget), Qt::LeftButton, Qt::NoModifier,
                    widget->mapTo(widget->window(), at));
}

// Clicks into a text field, selects all with Ctrl+A and types `text` over it.
inline void Retype(QWidget* field, const char* text) {
  Click(field);
  Press(field, Qt::Key_A, Qt::ControlModifier);
  Type(field, text);
}

// A core's CR LF text as a pane shows it, with LF line ends.
inline QString Lf(const std::string& text) { return QString::fromStdString(text).replace("\r\n", "\n"); }

// The lines of a shown pane that the layout broke in two or more.
inline int WrappedLines(const QPlainTextEdit* pane) {
  int wrapped = 0;
  for (QTextBlock block = pane->document()->begin(); block.isValid(); block = block.next()) {
    pane->document()->documentLayout()->blockBoundingRect(block);  // lays the block out
    if (block.layout() != nullptr && block.layout()->lineCount() > 1) ++wrapped;
  }
  return wrapped;
}

// Whether a shown window, decorations included, lies inside its screen's available area.
inline bool InsideScreen(const QWidget* window) {
  return window->screen()->availableGeometry().contains(window->frameGeometry());
}

}  // namespace orvane::test
