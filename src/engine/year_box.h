// What every window's boxes share: the key codes their key handlers receive,
// and the rules of a year box (the main window's year fields, the four year
// boxes of the conversion window and the year of the Rabbinical-year and
// Easter windows alike).
#pragma once

#include <string>
#include <string_view>

namespace orvane {

// Key characters (key-press events) and key codes (key-down events).
inline constexpr int kKeyBackspace = 8;
inline constexpr int kKeyEnter = 13;
inline constexpr int kKeyBlank = 32;
inline constexpr int kKeyComma = 44;
inline constexpr int kKeyUp = 38;    // key down code of the Up arrow
inline constexpr int kKeyDown = 40;  // key down code of the Down arrow
inline constexpr int kKeyF1 = 112;

// True when a typed character may enter a year box: a digit, "-" or Backspace.
bool YearBoxAcceptsKey(int keyAscii);

// The year box text after the Up (plus one) or Down (minus one) arrow key.
// The value is the leading number of the text rounded to a whole number, so a
// year far outside the 16-bit range steps without overflow, and the step
// passes over the missing year 0: from 1 down to -1, from -1 up to 1.  Any
// other key leaves the text as it is.  The steps are not limited: the runs
// clamp the year when they read it.
//   YearBoxStep("2024", kKeyUp) = "2025", YearBoxStep("1", kKeyDown) = "-1",
//   YearBoxStep("-1", kKeyUp) = "1", YearBoxStep("", kKeyUp) = "1".
std::string YearBoxStep(std::string_view text, int keyCode);

}  // namespace orvane
