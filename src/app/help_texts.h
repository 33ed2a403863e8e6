// The help texts: the program's own user documentation, one page of plain,
// pre-formatted text for each section and window.
//
// Each text is written as paragraphs and laid out here, so that every text
// keeps the same shape: lines of at most kHelpLineLength characters, the
// first line of a paragraph indented by kHelpFirstLineIndent blanks and its
// other lines by kHelpOtherLineIndent, headings centred, and a closing line
// with the program's name and web address.  Lines are joined by CR LF.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace orvane::app {

// The keys that have a help text: the eight sections of the main window, the
// Rabbinical-year and Easter windows, the conversion window and the crescent
// visibility window.
inline constexpr std::array<std::string_view, 12> kHelpKeys = {
    "HolyDays", "LocalMoons", "Sunset",   "Jordan", "Flood",       "Creation",
    "Golgotha", "Times",      "Rabbinic", "Easter", "Conversions", "Crescent"};

inline constexpr std::size_t kHelpLineLength = 88;
inline constexpr std::size_t kHelpFirstLineIndent = 8;
inline constexpr std::size_t kHelpOtherLineIndent = 3;
inline constexpr std::string_view kHelpWebAddress = "orvane.example";

// The help text of a section key, CR LF between lines and none after the
// last; empty for any other key.  Every text begins with its centred heading
// ("HolyDays" with the publisher's notice first) and ends with the closing
// line.  Building a text changes nothing else.
std::string BuildHelpText(std::string_view key);

// The last line of every help text: the program's name and its web address,
// centred.
std::string HelpClosingLine();

// --- Rules as the texts state them ---------------------------------------------
// Where the numbers of a rule are literals inside the code that computes it,
// the texts quote them from here, and the tests check that the code agrees.

// The crescent visibility number, from the values of an evening's row:
//   (illumination x percent + lag x minutes from sunset to moonset
//    + moonAltitude x the moon's altitude at sunset
//    - sunAltitude x the sun's altitude at moonset) / divisor.
struct StatedVisibilityNumber {
  double illumination;
  double lag;
  double moonAltitude;
  double sunAltitude;
  double divisor;
};
inline constexpr StatedVisibilityNumber kStatedVisibilityNumber{27, 1, 5.5, 5, 1.7};

// Before Hezekiah's sign every instant computed is this many minutes earlier.
inline constexpr double kStatedHezekiahMinutes = 40;

// The year counted as Year 1 After Creation (historical numbering).
inline constexpr int kStatedFirstYearAfterCreation = -4004;

// A molad time of the Rabbinical postponement rules: hours from six in the
// evening that begins the day, and parts (1080 to the hour).  Each rule
// applies to a molad at or after its time.
struct StatedMoladTime {
  int hours;
  int parts;
};
inline constexpr StatedMoladTime kStatedMoladZakein{18, 0};   // rule 1, any weekday
inline constexpr StatedMoladTime kStatedGatarad{9, 204};      // rule 2, Tuesday of a common year
inline constexpr StatedMoladTime kStatedBetutkafot{15, 589};  // rule 3, Monday after a leap year

}  // namespace orvane::app
