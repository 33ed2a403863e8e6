// The dates and evening rows of a report's text, read as its reader would: each
// dated line's label, the certainty its notes give and the reading it belongs to.
#pragma once

#include <regex>
#include <sstream>
#include <string>
#include <vector>

namespace orvane::testing {

struct StatedDate {
  std::string label;                 // the text before the weekday, trimmed: "Abib 1 is", "to"
  std::string weekday;               // "Sunday" .. "Saturday"
  int day = 0, month = 0, year = 0;  // the date as printed: the year of its era
  bool bce = false;                  // the era is BCE
  std::string certainty;             // "certain", "possibly one day earlier", ..., "possibly one week later"
  std::string reading;               // "", "early" (the barley harvest is early) or "late"
};

// The lines of a text with CR LF or LF line ends.
inline std::vector<std::string> TextLines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);)
    lines.push_back(line.ends_with('\r') ? line.erase(line.size() - 1) : line);
  return lines;
}

// 1..12 of "Jan".."Dec", 0 for anything else.
inline int MonthNumber(const std::string& name) {
  static const char* const kNames[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                       "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
  for (int i = 0; i < 12; ++i) {
    if (name == kNames[i]) return i + 1;
  }
  return 0;
}

// Every line that ends in a weekday and a date, in order,
// with the certainty and reading the report's notes give it.
inline std::vector<StatedDate> StatedDates(const std::string& report) {
  static const std::regex dated(
      R"(^(.*?) *(Sunday|Monday|Tuesday|Wednesday|Thursday|Friday|Saturday), +(\d+) ([A-Z][a-z]{2}) (\d+) (B?CE) *$)");
  static const std::regex dayNote(R"(^(?:.*Unleavened Bread are possibly one day (earlier|later)\..*)"
                                  R"(|The following Holy Days could be one day (earlier|later):)$)");
  static const std::regex weekNote(
      R"(^If Abib 1 is (\w+) then Wave Offering and Pentecost are one week \1\.$)");
  static const std::regex ownNote(R"(^First Day of Month is \((possibly one day \w+)\)$)");
  std::vector<StatedDate> dates;
  std::string note = "certain";  // the note over the days of the current month
  std::string reading;
  for (const std::string& line : TextLines(report)) {
    std::smatch m;
    if (line.starts_with(" Date     Sunset")) note = "certain";
    if (std::regex_match(line, m, dayNote)) note = "possibly one day " + (m[1].matched ? m[1] : m[2]).str();
    if (line.starts_with("If the barley harvest is early")) reading = "early";
    if (line.starts_with("For a year with a late spring barley harvest")) reading = "late";
    // The week notes follow the Wave Offering and Pentecost lines they concern.
    if (std::regex_match(line, m, weekNote) && dates.size() >= 2) {
      dates[dates.size() - 1].certainty = dates[dates.size() - 2].certainty =
          "possibly one week " + m[1].str();
    }
    if (!std::regex_match(line, m, dated)) continue;
    StatedDate& d = dates.emplace_back(m[1].str(), m[2].str(), std::stoi(m[3].str()), MonthNumber(m[4].str()),
                                       std::stoi(m[5].str()), m[6] == "BCE", note, reading);
    std::smatch own;
    // The Wave Offering and Pentecost are certain until a week note says otherwise.
    if (d.label.starts_with("The Wave Offering") || d.label.starts_with("First-fruits"))
      d.certainty = "certain";
    if (std::regex_match(d.label, own, ownNote)) d.certainty = own[1].str();
  }
  return dates;
}

// The evening rows of the new-moon tables: the evening's day and month, the
// sunset and moonset cells as clock times after noon ("5:57" is 17:57), the
// figures as printed and the verdict.
struct EveningRow {
  int day = 0, month = 0;
  int sunsetHour = 0, sunsetMinute = 0;    // 24-hour clock
  int moonsetHour = 0, moonsetMinute = 0;  // 24-hour clock
  // Illuminated percent, the sun's and the moon's azimuth, the moon's
  // altitude, the sun's altitude at moonset and the visibility number.
  std::vector<std::string> figures;
  std::string verdict;       // "Not Visible", "Prob Not Visible", "Prob Visible", "Visible"
  bool lastOfTable = false;  // the last row before the table ends
};

inline std::vector<EveningRow> EveningRows(const std::string& report) {
  static const std::regex row(
      R"(^(\d+) +([A-Z][a-z]{2}) +(\d+):(\d\d) +(\d+):(\d\d) +(\S+) +(\S+) +(\S+) +(\S+) +(\S+) +(\S+))"
      R"(  (Not Visible|Prob Not Visible|Prob Visible|Visible)$)");
  std::vector<EveningRow> rows;
  for (const std::string& line : TextLines(report)) {
    std::smatch m;
    if (!std::regex_match(line, m, row)) {
      if (!rows.empty()) rows.back().lastOfTable = true;
      continue;
    }
    rows.push_back({std::stoi(m[1].str()), MonthNumber(m[2].str()), std::stoi(m[3].str()) + 12,
                    std::stoi(m[4].str()), (std::stoi(m[5].str()) + 12) % 24, std::stoi(m[6].str()),
                    std::vector<std::string>(m.begin() + 7, m.begin() + 13), m[13].str()});
  }
  if (!rows.empty()) rows.back().lastOfTable = true;
  return rows;
}

}  // namespace orvane::testing
