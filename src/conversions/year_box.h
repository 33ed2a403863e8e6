// What the Rabbinical-year and Easter windows share: the keys their year box
// reacts to, the way they reach the help texts and the clock.
#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace orvane::conversions {

// Key characters (key-press events) and key codes (key-down events).
inline constexpr int kKeyBackspace = 8;
inline constexpr int kKeyEnter = 13;
inline constexpr int kKeyUp = 38;
inline constexpr int kKeyDown = 40;
inline constexpr int kKeyF1 = 112;

// Gives the help text of a section key ("Rabbinic", "Easter").
using HelpProvider = std::function<std::string(std::string_view key)>;

// Gives the current calendar year.
using YearClock = std::function<int()>;

// True when a typed character may enter a year box: a digit, "-" or Backspace.
bool YearBoxAcceptsKey(int keyAscii);

// The year box text after the Up (plus one) or Down (minus one) arrow key.
// The step passes over the missing year 0: from 1 down to -1, from -1 up to 1.
// Any other key leaves the text as it is.  YearBoxStep("2024", kKeyUp) = "2025".
std::string YearBoxStep(std::string_view text, int keyCode);

}  // namespace orvane::conversions
