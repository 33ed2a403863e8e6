#include "app/user_data.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <optional>
#include <utility>

#include "app/locations.h"
#include "engine/numeric.h"

namespace orvane::app {

Location DefaultLocation() {
  return Location{std::string(kDefaultLocationName), -35.2166666666667, 31.7833333333333, "2"};
}

namespace {

constexpr std::string_view kLineEnd = "\r\n";

// Far beyond any coordinate the boxes can give (999 degrees 99 minutes at
// most); a larger number is no angle.
constexpr double kMaxStoredDegrees = 1e6;

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// Hands out the lines of a text one by one: up to each LF, without the LF
// and without one CR before it.  A last line without its LF was cut off: it
// is not handed out.
class LineReader {
 public:
  explicit LineReader(std::string_view text) : text_(text) {}

  // The next line, or nothing at the end of the text or at a cut line.
  std::optional<std::string_view> Next() {
    if (pos_ >= text_.size()) return std::nullopt;
    ++number_;
    const std::size_t end = text_.find('\n', pos_);
    if (end == std::string_view::npos) {
      pos_ = text_.size();
      cut_ = true;
      return std::nullopt;
    }
    std::string_view line = text_.substr(pos_, end - pos_);
    pos_ = end + 1;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    return line;
  }
  int number() const { return number_; }
  // The text ended inside line number().
  bool cut() const { return cut_; }

 private:
  std::string_view text_;
  std::size_t pos_ = 0;
  int number_ = 0;
  bool cut_ = false;
};

// A number field: blanks, then a number (sign, digits with at most one
// decimal point, an optional exponent with E or D), then blanks up to the
// end of the line or a comma.  Nothing else is a number: an empty field,
// letters, or a value too large for a double.
std::optional<double> NumberField(std::string_view line) {
  std::size_t i = 0;
  while (i < line.size() && IsBlank(line[i])) ++i;
  const num::ScannedNumber scanned = num::ScanNumber(line, i);
  if (!scanned.digits || scanned.bareExponent) return std::nullopt;
  i = scanned.end;
  while (i < line.size() && IsBlank(line[i])) ++i;
  if (i < line.size() && line[i] != ',') return std::nullopt;

  return num::DecimalValue(scanned.text);
}

}  // namespace

std::string StoredZoneText(std::string_view zone) {
  std::size_t i = 0;
  while (i < zone.size() && IsBlank(zone[i])) ++i;
  std::size_t end = std::min(zone.find_first_of(",\r\n", i), zone.size());
  while (end > i && IsBlank(zone[end - 1])) --end;
  return std::string(zone.substr(i, end - i));
}

std::string StoredNameText(std::string_view name) {
  std::string s(name);
  for (char& c : s) {
    if (c == '\n') c = ' ';
  }
  return s;
}

bool SameStoredEntry(const Location& a, const Location& b) {
  return StoredNameText(a.name) == StoredNameText(b.name) &&
         StoredZoneText(a.zone) == StoredZoneText(b.zone) &&
         NumberLineText(a.longitude) == NumberLineText(b.longitude) &&
         NumberLineText(a.latitude) == NumberLineText(b.latitude);
}

namespace {

// An entry's identity across copies of the list: its name and how many
// entries of that name come before it.
using EntryKey = std::pair<std::string, int>;

std::map<EntryKey, const Location*> EntriesByKey(const std::vector<Location>& list,
                                                 std::vector<EntryKey>* order = nullptr) {
  std::map<EntryKey, const Location*> byKey;
  std::map<std::string, int> seen;
  for (const Location& entry : list) {
    const std::string name = StoredNameText(entry.name);
    const EntryKey key{name, seen[name]++};
    byKey.emplace(key, &entry);
    if (order != nullptr) order->push_back(key);
  }
  return byKey;
}

const Location* Find(const std::map<EntryKey, const Location*>& byKey, const EntryKey& key) {
  const auto it = byKey.find(key);
  return it == byKey.end() ? nullptr : it->second;
}

}  // namespace

bool MergeOtherCopy(const UserData& base, const UserData& theirs, bool theirsWhole, UserData& ours) {
  std::vector<EntryKey> ourOrder, theirOrder;
  const auto baseEntries = EntriesByKey(base.Locations);
  const auto theirEntries = EntriesByKey(theirs.Locations, &theirOrder);
  const auto ourEntries = EntriesByKey(ours.Locations, &ourOrder);

  std::vector<Location> merged;
  for (const EntryKey& key : ourOrder) {
    const Location& mine = *Find(ourEntries, key);
    const Location* was = Find(baseEntries, key);
    const Location* other = Find(theirEntries, key);
    const bool untouched = was != nullptr && SameStoredEntry(mine, *was);
    if (!theirsWhole || !untouched) {
      merged.push_back(mine);  // ours: added or edited here, or the other file is damaged
    } else if (other != nullptr) {
      merged.push_back(*other);  // unchanged here: the other copy's version
    }
    // else: unchanged here and deleted by the other copy
  }
  for (const EntryKey& key : theirOrder) {
    if (Find(ourEntries, key) != nullptr) continue;
    const Location& other = *Find(theirEntries, key);
    const Location* was = Find(baseEntries, key);
    if (was == nullptr || (theirsWhole && !SameStoredEntry(other, *was))) {
      // Added by the other copy, or changed there after this copy deleted it.
      if (merged.size() <= static_cast<std::size_t>(kLastPossibleIndex)) merged.push_back(other);
    }
  }

  UserData result = ours;
  result.Locations = std::move(merged);
  if (theirsWhole) {
    for (std::size_t i = 0; i < ours.Colours.stored.size(); ++i) {
      if (ours.Colours.stored[i] == base.Colours.stored[i]) {
        result.Colours.stored[i] = theirs.Colours.stored[i];
      }
    }
  }
  const bool changed = WriteUserData(result) != WriteUserData(ours);
  ours = std::move(result);
  return changed;
}

std::string NumberLineText(double value) {
  // A value that is not a finite number cannot come from the boxes or from
  // a file that was read; should one arise, it is stored as 0.
  if (!std::isfinite(value)) value = 0;
  // The general form with a sign column: " 0.5 ", "-35.2166666666667 ".
  return (value < 0 ? "" : " ") + num::CStr(value) + " ";
}

UserDataReading ReadUserData(std::string_view text, UserData& data) {
  LineReader lines(text);
  UserDataReading reading;
  // A line that is there but cannot be read, or the end of the text where a line should be.
  auto fail = [&](std::string problem) {
    reading.badLine = lines.number();
    reading.problem = std::move(problem);
    return reading;
  };
  auto ended = [&]() {
    if (lines.cut()) {
      reading.badLine = lines.number();
      reading.problem = "the file ends inside this line";
    } else {
      reading.badLine = lines.number() + 1;
      reading.problem = "the file ends";
    }
    return reading;
  };
  auto number = [&](std::optional<double>& out) -> bool {
    const std::optional<std::string_view> line = lines.Next();
    if (!line) return false;
    out = NumberField(*line);
    return true;
  };

  data.Locations.clear();
  const std::optional<std::string_view> name = lines.Next();
  if (!name) return ended();
  data.LocationName = std::string(*name);

  std::optional<double> index;
  if (!number(index)) return ended();
  if (!index) return fail("the index of the last location is not a number");
  // The index is a 16-bit integer: the nearest whole number, ties to even.
  const double last = num::RoundHalfEven(*index);
  if (last > kLastPossibleIndex) return fail("the index of the last location is above 500");
  if (last < -1) return fail("the index of the last location is below -1");

  if (last == -1) {
    reading.defaultInstalled = true;
    data.Locations.push_back(DefaultLocation());
    data.LocationName = std::string(kDefaultCurrentLocationName);
  } else {
    for (int i = 0; i <= static_cast<int>(last); ++i) {
      Location entry;
      const std::optional<std::string_view> entryName = lines.Next();
      if (!entryName) return ended();
      entry.name = std::string(*entryName);
      std::optional<double> longitude;
      if (!number(longitude)) return ended();
      if (!longitude) return fail("the longitude is not a number");
      if (std::fabs(*longitude) > kMaxStoredDegrees) return fail("the longitude is not an angle");
      entry.longitude = *longitude;
      std::optional<double> latitude;
      if (!number(latitude)) return ended();
      if (!latitude) return fail("the latitude is not a number");
      if (std::fabs(*latitude) > kMaxStoredDegrees) return fail("the latitude is not an angle");
      entry.latitude = *latitude;
      const std::optional<std::string_view> zone = lines.Next();
      if (!zone) return ended();
      entry.zone = StoredZoneText(*zone);
      // An emptied offset box is stored as an empty zone, which counts as 0.
      if (!entry.zone.empty() && !ZoneOffsetHours(entry.zone)) {
        return fail("the zone is not an offset of 0 to 14 hours from UTC");
      }
      data.Locations.push_back(std::move(entry));
    }
  }

  for (int i = 0; i < kStoredColourCount; ++i) {
    std::optional<double> colour;
    if (!number(colour)) return ended();
    if (!colour) return fail("a colour is not a number");
    data.Colours.stored[static_cast<std::size_t>(i)] = num::CLng(*colour);
  }
  reading.complete = true;
  return reading;
}

std::string WriteUserData(const UserData& data) {
  std::string out;
  auto line = [&out](std::string_view text) {
    out.append(text);
    out.append(kLineEnd);
  };
  line(StoredNameText(data.LocationName));
  line(NumberLineText(data.LastLocationIndex()));
  for (const Location& entry : data.Locations) {
    line(StoredNameText(entry.name));
    line(NumberLineText(entry.longitude));
    line(NumberLineText(entry.latitude));
    line(StoredZoneText(entry.zone));
  }
  for (std::int32_t colour : data.Colours.stored) line(NumberLineText(colour));
  return out;
}

}  // namespace orvane::app
