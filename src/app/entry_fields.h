// The main window's small entry fields as data: a one-line text box and the
// editable location combo box, with the keyboard editing the toolkit does
// for them.  The keys and the year rules are those of every window
// (engine/year_box.h).
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "engine/year_box.h"

namespace orvane::app {

// A one-line text box: its text, the selection (start and length in
// characters) and the most characters typing may put in it (0: no limit).
struct TextBox {
  std::string Text;
  std::size_t MaxLength = 0;
  int SelStart = 0;
  int SelLength = 0;
  std::string ToolTipText;
};

// The editable combo box of the locations: the text being looked at and the
// names in its list.
struct ComboBox {
  std::string Text;
  std::vector<std::string> List;
  int SelStart = 0;
  int SelLength = 0;
};

// What the toolkit does with a key that reached a text box: Backspace
// removes the selection or the character before the caret; another
// character replaces the selection, unless the text would then exceed
// maxLength (0: no limit).  Returns whether the text changed.
bool ApplyKey(std::string& text, int& selStart, int& selLength, std::size_t maxLength, char key);
inline bool ApplyKey(TextBox& box, char key) {
  return ApplyKey(box.Text, box.SelStart, box.SelLength, box.MaxLength, key);
}

// The number of characters (UTF-8 code points) of a text, and its first
// `count` characters.
std::size_t CharacterCount(std::string_view text);
std::string FirstCharacters(std::string_view text, std::size_t count);

}  // namespace orvane::app
