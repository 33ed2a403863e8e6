// How the windows hand the toolkit's keys and texts to their cores: the key
// codes and characters the cores' key handlers take, and the cores' CR LF
// line ends as the toolkit's panes show them (LF).
#pragma once

#include <QString>
#include <string>

class QKeyEvent;

namespace orvane::ui {

// Enter or the keypad's Enter.
bool IsEnter(const QKeyEvent* key);

// The key-down code of a key the cores react to (kKeyUp, kKeyDown, kKeyF1);
// 0 for any other key.
int KeyCodeOf(const QKeyEvent* key);

// The character a key press types, as a KeyPress handler takes it: Enter 13,
// Backspace 8, a printable character its code point (letters beyond ASCII
// too, so that a box's filter sees them).  0 for a key that types nothing
// (caret keys, Tab, Delete, function keys) and for a key held with Ctrl or
// Alt, which belongs to the accelerators and the toolkit's editing: such a
// key is the toolkit's to handle.
int KeyAsciiOf(const QKeyEvent* key);

// A text with CR LF line ends as a pane shows it, with LF.
QString WithLfLineEnds(QString text);
QString WithLfLineEnds(const std::string& text);

}  // namespace orvane::ui
