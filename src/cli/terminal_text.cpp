#include "cli/terminal_text.h"

#include <cstdint>

namespace orvane::cli {

namespace {

void AppendHex(std::string& out, const char* prefix, unsigned value, int digits) {
  static constexpr char kHex[] = "0123456789abcdef";
  out += prefix;
  for (int shift = (digits - 1) * 4; shift >= 0; shift -= 4) out.push_back(kHex[(value >> shift) & 0xF]);
}

// The length of the well-formed UTF-8 sequence at `i` (2..4), or 0.
std::size_t SequenceLength(std::string_view s, std::size_t i) {
  const auto byte = [&s](std::size_t k) { return static_cast<std::uint8_t>(s[k]); };
  const std::uint8_t lead = byte(i);
  std::size_t length = 0;
  std::uint8_t low = 0x80;  // the range of the second byte
  std::uint8_t high = 0xBF;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    if (lead == 0xE0) low = 0xA0;   // no overlong forms
    if (lead == 0xED) high = 0x9F;  // no surrogates
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    if (lead == 0xF0) low = 0x90;
    if (lead == 0xF4) high = 0x8F;  // nothing above U+10FFFF
  } else {
    return 0;
  }
  if (i + length > s.size()) return 0;
  if (byte(i + 1) < low || byte(i + 1) > high) return 0;
  for (std::size_t k = 2; k < length; ++k) {
    if (byte(i + k) < 0x80 || byte(i + k) > 0xBF) return 0;
  }
  return length;
}

std::string Escaped(std::string_view text, bool keepLineEnds) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    const auto c = static_cast<std::uint8_t>(text[i]);
    if (c >= 0x20 && c < 0x7F) {
      out.push_back(static_cast<char>(c));
      ++i;
    } else if (c < 0x80 || c == 0x7F) {
      const bool lineEnd = c == '\n' || (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n');
      if (keepLineEnds && lineEnd) {
        out.push_back(static_cast<char>(c));
      } else if (c == '\n') {
        out += "\\n";
      } else if (c == '\r') {
        out += "\\r";
      } else if (c == '\t') {
        out += "\\t";
      } else {
        AppendHex(out, "\\x", c, 2);
      }
      ++i;
    } else if (const std::size_t length = SequenceLength(text, i); length == 0) {
      AppendHex(out, "\\x", c, 2);
      ++i;
    } else if (length == 2 && c == 0xC2 && static_cast<std::uint8_t>(text[i + 1]) < 0xA0) {
      AppendHex(out, "\\u", 0x80u + (static_cast<std::uint8_t>(text[i + 1]) - 0x80u), 4);  // a C1 control
      i += 2;
    } else {
      out.append(text.substr(i, length));
      i += length;
    }
  }
  return out;
}

}  // namespace

std::string TerminalText(std::string_view text) { return Escaped(text, true); }

std::string OneLine(std::string_view text) { return Escaped(text, false); }

}  // namespace orvane::cli
