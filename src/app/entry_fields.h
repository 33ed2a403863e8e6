// The main window's small entry fields as data: a one-line text box and the
// editable location combo box, with the keyboard editing the toolkit does
// for them, and the rules of the year and coordinate fields.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace orvane::app {

// Key codes of the key press and key down events.
inline constexpr int kKeyBackspace = 8;
inline constexpr int kKeyEnter = 13;
inline constexpr int kKeyBlank = 32;
inline constexpr int kKeyComma = 44;
inline constexpr int kKeyUp = 38;    // key down code of the Up arrow
inline constexpr int kKeyDown = 40;  // key down code of the Down arrow

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

// The key filter of the year fields: digits, "-" and Backspace pass.
bool YearKeyPasses(int keyAscii);

// The year arrow keys: Up adds one to the year in the text, Down takes one
// off, and a step onto 0 goes on to the next year (there is no year 0).
// Any other key leaves the text as it is.  The value is the leading number
// of the text rounded to a whole number, so a year far outside the 16-bit
// range steps without overflow.
//   StepYearText("2024", Up) = "2025", StepYearText("1", Down) = "-1",
//   StepYearText("-1", Up) = "1", StepYearText("", Up) = "1".
std::string StepYearText(std::string_view text, int keyCode);

// The number of characters (UTF-8 code points) of a text, and its first
// `count` characters.
std::size_t CharacterCount(std::string_view text);
std::string FirstCharacters(std::string_view text, std::size_t count);

}  // namespace orvane::app
