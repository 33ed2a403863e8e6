#include "ui/key_input.h"

#include <QKeyEvent>

#include "engine/year_box.h"

namespace orvane::ui {

bool IsEnter(const QKeyEvent* key) { return key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter; }

int KeyCodeOf(const QKeyEvent* key) {
  switch (key->key()) {
    case Qt::Key_Up:
      return kKeyUp;
    case Qt::Key_Down:
      return kKeyDown;
    case Qt::Key_F1:
      return kKeyF1;
    default:
      return 0;
  }
}

int KeyAsciiOf(const QKeyEvent* key) {
  if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) return 0;
  if (IsEnter(key)) return kKeyEnter;
  if (key->key() == Qt::Key_Backspace) return kKeyBackspace;
  const auto typed = key->text().toUcs4();
  if (typed.size() != 1) return 0;
  // Control characters type nothing: among them DEL, the text of the Delete
  // key, which the toolkit's editing handles.
  const auto c = static_cast<char32_t>(typed.front());
  if (c < 0x20 || (c >= 0x7F && c < 0xA0)) return 0;
  return static_cast<int>(c);
}

QString WithLfLineEnds(QString text) { return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")); }

QString WithLfLineEnds(const std::string& text) { return WithLfLineEnds(QString::fromStdString(text)); }

}  // namespace orvane::ui
