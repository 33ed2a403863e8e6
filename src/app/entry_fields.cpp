#include "app/entry_fields.h"

#include <algorithm>

namespace orvane::app {

bool ApplyKey(std::string& text, int& selStart, int& selLength, std::size_t maxLength, char key) {
  const std::size_t start = std::min(static_cast<std::size_t>(std::max(selStart, 0)), text.size());
  const std::size_t length = std::min(static_cast<std::size_t>(std::max(selLength, 0)), text.size() - start);
  if (key == static_cast<char>(kKeyBackspace)) {
    if (length > 0) {
      text.erase(start, length);
    } else if (start > 0) {
      text.erase(start - 1, 1);
      selStart = static_cast<int>(start - 1);
      selLength = 0;
      return true;
    } else {
      return false;
    }
    selStart = static_cast<int>(start);
    selLength = 0;
    return true;
  }
  if (maxLength != 0 && text.size() - length + 1 > maxLength) return false;
  text.replace(start, length, 1, key);
  selStart = static_cast<int>(start + 1);
  selLength = 0;
  return true;
}

std::size_t CharacterCount(std::string_view text) {
  return static_cast<std::size_t>(std::count_if(
      text.begin(), text.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

std::string FirstCharacters(std::string_view text, std::size_t count) {
  std::size_t seen = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) {
      if (seen == count) return std::string(text.substr(0, i));
      ++seen;
    }
  }
  return std::string(text);
}

}  // namespace orvane::app
