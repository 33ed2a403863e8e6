#include "app/user_data.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <optional>

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
// and without one CR before it; the last line may lack its line end.
class LineReader {
 public:
  explicit LineReader(std::string_view text) : text_(text) {}

  // The next line, or nothing at the end of the text.
  std::optional<std::string_view> Next() {
    if (pos_ >= text_.size()) return std::nullopt;
    ++number_;
    const std::size_t end = text_.find('\n', pos_);
    std::string_view line =
        end == std::string_view::npos ? text_.substr(pos_) : text_.substr(pos_, end - pos_);
    pos_ = end == std::string_view::npos ? text_.size() : end + 1;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    return line;
  }
  int number() const { return number_; }

 private:
  std::string_view text_;
  std::size_t pos_ = 0;
  int number_ = 0;
};

// A number field: blanks, then a number (sign, digits with at most one
// decimal point, an optional exponent with E or D), then blanks up to the
// end of the line or a comma.  Nothing else is a number: an empty field,
// letters, or a value too large for a double.
std::optional<double> NumberField(std::string_view line) {
  std::size_t i = 0;
  while (i < line.size() && IsBlank(line[i])) ++i;
  std::string number;
  if (i < line.size() && (line[i] == '+' || line[i] == '-')) number.push_back(line[i++]);
  bool digits = false;
  while (i < line.size() && line[i] >= '0' && line[i] <= '9') {
    number.push_back(line[i++]);
    digits = true;
  }
  if (i < line.size() && line[i] == '.') {
    number.push_back(line[i++]);
    while (i < line.size() && line[i] >= '0' && line[i] <= '9') {
      number.push_back(line[i++]);
      digits = true;
    }
  }
  if (!digits) return std::nullopt;
  if (i < line.size() && (line[i] == 'E' || line[i] == 'e' || line[i] == 'D' || line[i] == 'd')) {
    number.push_back('e');
    ++i;
    if (i < line.size() && (line[i] == '+' || line[i] == '-')) number.push_back(line[i++]);
    bool exponentDigits = false;
    while (i < line.size() && line[i] >= '0' && line[i] <= '9') {
      number.push_back(line[i++]);
      exponentDigits = true;
    }
    if (!exponentDigits) return std::nullopt;
  }
  while (i < line.size() && IsBlank(line[i])) ++i;
  if (i < line.size() && line[i] != ',') return std::nullopt;

  const char* first = number.data();
  if (*first == '+') ++first;  // from_chars takes no plus sign
  double value = 0;
  const auto [end, ec] = std::from_chars(first, number.data() + number.size(), value);
  if (ec != std::errc() || end != number.data() + number.size() || !std::isfinite(value)) return std::nullopt;
  return value;
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
    if (c == '\r' || c == '\n') c = ' ';
  }
  return s;
}

std::string NumberLineText(double value) {
  // A value that is not a finite number cannot come from the boxes or from
  // a file that was read; should one arise, it is stored as 0.
  if (!std::isfinite(value)) value = 0;
  return num::Str(value) + " ";
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
    reading.badLine = lines.number() + 1;
    reading.problem = "the file ends";
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
