// The user's locations and window colours, and the text of the file that
// keeps them ("UserData.Dat").
//
// The file is one value per line, CR LF line ends, with no header, count or
// version:
//   the current location name (the whole line)
//   the index of the last entry (" 2 "; -1 when the list is empty)
//   per entry: name (whole line), longitude, latitude (numbers), zone (text)
//   15 colour numbers
// Numbers are written in the general form with at most 15 significant
// digits, a blank (or "-") before and one blank after: " 31.7833333333333 ".
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace orvane::app {

// One stored observer location.
struct Location {
  std::string name;
  double longitude = 0;  // degrees, west positive, east negative
  double latitude = 0;   // degrees, north positive, south negative
  std::string zone;      // the offset from UTC as typed, unsigned ("2", "5.5"): the E/W letter gives its sign
};

// Whether two entries are the same once stored: the same name, zone and
// coordinates as the file writes them (15 significant digits).
bool SameStoredEntry(const Location& a, const Location& b);

// The entry installed when the file says the list is empty, and the name
// that becomes current with it (the entry's name has a blank before the
// comma, the current name has none).
inline constexpr std::string_view kDefaultLocationName = "Jerusalem , Israel";
inline constexpr std::string_view kDefaultCurrentLocationName = "Jerusalem, Israel";
Location DefaultLocation();

// The window adds no entry to a list of this many; a file may hold entries
// with indexes 0..kLastPossibleIndex.
inline constexpr int kMaxAddedLocations = 500;
inline constexpr int kLastPossibleIndex = 500;

// A colour number: red in the low byte, blue in the third.
//   Rgb(192, 192, 255) = 16761024.
constexpr std::int32_t Rgb(int r, int g, int b) { return r | (g << 8) | (b << 16); }

// The 15 stored colours, in the order of the file.
enum class ColourItem : int {
  HebrewForm,           // the Rabbinical-year window
  ConversionForm,       // the conversion window
  GregorianFrame,       // its fraGregorian
  HebrewFrame,          // its fraHebrew
  JulianDayFrame,       // its fraJulian
  GregorianWeekday,     // its lblGDayOfWeek
  BiblicalWeekday,      // its lblBDayOfWeek
  Molad,                // its lblMolad1
  Rules,                // its lblRules
  AboutForm,            // the about window
  AboutText,            // its txtAbout
  MainForm,             // the main window
  MainText,             // the main output pane txtOut
  HebrewText,           // the Rabbinical-year output box
  JulianCalendarFrame,  // the conversion window's fraJulianCal
};
inline constexpr int kStoredColourCount = 15;

// The colours of the windows.  The stored ones start at the windows' design
// colours and are replaced by the file's; the Biblical frame's colour is
// never stored and starts at its design colour in every run.
struct ColourSettings {
  static constexpr std::int32_t kLavender = Rgb(192, 192, 255);
  static constexpr std::int32_t kWhite = Rgb(255, 255, 255);
  static constexpr std::int32_t kPeach = Rgb(255, 224, 192);

  std::array<std::int32_t, kStoredColourCount> stored = {
      kLavender, kLavender, kLavender, kLavender, kLavender, kLavender, kLavender, kLavender,
      kLavender, kLavender, kPeach,    kLavender, kWhite,    kWhite,    kLavender};
  std::int32_t biblicalFrame = kLavender;

  std::int32_t& operator[](ColourItem item) { return stored[static_cast<std::size_t>(item)]; }
  std::int32_t operator[](ColourItem item) const { return stored[static_cast<std::size_t>(item)]; }
  bool operator==(const ColourSettings&) const = default;
};

// Everything the file keeps.
struct UserData {
  std::string LocationName;         // the current location
  std::vector<Location> Locations;  // entries 0..LastLocationIndex()
  ColourSettings Colours;

  int LastLocationIndex() const { return static_cast<int>(Locations.size()) - 1; }
};

// What reading a file found.
struct UserDataReading {
  bool complete = false;          // every line up to the last colour was read
  int badLine = 0;                // the first line that could not be read (from 1); 0 when complete
  std::string problem;            // what was wrong there, e.g. "the file ends"
  bool defaultInstalled = false;  // the index said -1: the list is the default entry
};

// Reads the text of a user data file into `data`, in file order, as far as
// it can: the location list starts empty and takes each entry whose four
// lines were all read; the current name and the colours are replaced as
// their lines are read.  An index of -1 installs the default entry and makes
// "Jerusalem, Israel" current.  Reading stops at the first line that is
// missing or cannot be read: a number line that holds no number (or one out
// of range), an index below -1 or above 500, a coordinate beyond a million
// degrees, a zone that is neither empty nor an offset of 0 to 14 hours
// (ZoneOffsetHours), or a line cut off by the end of the text.  Lines end in
// LF, with or without CR before it; every line up to the last colour must
// have its line end, so that a file cut inside its last line counts as
// damaged instead of passing a cut value ("1" for "12").  Text after the
// last colour is ignored.
// The work is linear in the text's length and allocates at most a copy of it.
UserDataReading ReadUserData(std::string_view text, UserData& data);

// The file text of `data`, CR LF line ends.  ReadUserData of it gives back
// the same values, and writing those again gives the same bytes.
std::string WriteUserData(const UserData& data);

// A number line as written: " 31.7833333333333 ", "-35.2166666666667 ", " 0.5 ",
// " 0 ", " 16761024 " (without the line end).
std::string NumberLineText(double value);

// A zone as the file stores it: the text as its reader takes a text field,
// cut at the first comma or line break, without the blanks around it.
//   StoredZoneText("  5.5 ") = "5.5", StoredZoneText("2,5") = "2".
std::string StoredZoneText(std::string_view zone);

// A name as the file stores it: a whole line, so a line feed becomes a
// blank (a carriage return stays: the reader gives it back).
std::string StoredNameText(std::string_view name);

// Takes into `ours` what another running copy of the program changed in the
// file since both read it as `base`: the file now holds `theirs`.
//   - Entries (told apart by name, and by their order among entries of the
//     same name) that only the other copy added are appended.
//   - An entry this copy left as it was takes the other copy's edit, and is
//     removed when the other copy deleted it; this copy's own edits and
//     additions win over the other's.  An entry this copy deleted stays
//     deleted unless the other copy changed it meanwhile.
//   - Each colour follows the same rule.  The current location stays this
//     copy's: it is what this copy's window shows.
// With `theirsWhole` false (the file was damaged and read only in part),
// only the other copy's additions are taken: what is missing from a damaged
// file was not deleted.  The list never grows past 501 entries: this copy's
// come first.  Returns whether `ours` changed.
bool MergeOtherCopy(const UserData& base, const UserData& theirs, bool theirsWhole, UserData& ours);

}  // namespace orvane::app
