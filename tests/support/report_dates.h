// The dates a holy-day report or a month-start list states, read from its
// text as a reader of the report would: the label before each weekday and
// date, the certainty its notes give and the reading it belongs to.
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
      R"(^(.*?) ?(Sunday|Monday|Tuesday|Wednesday|Thursday|Friday|Saturday), +(\d+) ([A-Z][a-z]{2}) (\d+) (B?CE) *$)");
  std::vector<StatedDate> dates;
  std::string note = "certain";  // the note over the days of the current month
  std::string reading;
  for (const std::string& line : TextLines(report)) {
    if (line.rfind(" Date     Sunset", 0) == 0) note = "certain";
    if (line.find("Unleavened Bread are possibly one day earlier.") != std::string::npos ||
        line == "The following Holy Days could be one day earlier:") {
      note = "possibly one day earlier";
    }
    if (line.find("Unleavened Bread are possibly one day later.") != std::string::npos ||
        line == "The following Holy Days could be one day later:") {
      note = "possibly one day later";
    }
    if (line.rfind("If the barley harvest is early", 0) == 0) reading = "early";
    if (line.rfind("For a year with a late spring barley harvest", 0) == 0) reading = "late";
    // The week notes follow the Wave Offering and Pentecost lines they concern.
    for (const char* week : {"earlier", "later"}) {
      if (line == std::string("If Abib 1 is ") + week + " then Wave Offering and Pentecost are one week " +
                      week + "." &&
          dates.size() >= 2) {
        dates[dates.size() - 1].certainty = dates[dates.size() - 2].certainty =
            std::string("possibly one week ") + week;
      }
    }
    std::smatch m;
    if (!std::regex_match(line, m, dated)) continue;
    StatedDate d;
    d.label = m[1].str();
    while (!d.label.empty() && d.label.back() == ' ') d.label.pop_back();
    d.weekday = m[2].str();
    d.day = std::stoi(m[3].str());
    d.month = MonthNumber(m[4].str());
    d.year = std::stoi(m[5].str());
    d.bce = m[6].str() == "BCE";
    d.reading = reading;
    if (d.label.rfind("The Wave Offering", 0) == 0 || d.label.rfind("First-fruits", 0) == 0) {
      d.certainty = "certain";  // until a week note says otherwise
    } else if (d.label == "First Day of Month is (possibly one day earlier)") {
      d.certainty = "possibly one day earlier";
    } else if (d.label == "First Day of Month is (possibly one day later)") {
      d.certainty = "possibly one day later";
    } else {
      d.certainty = note;
    }
    dates.push_back(d);
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
    EveningRow r;
    r.day = std::stoi(m[1].str());
    r.month = MonthNumber(m[2].str());
    r.sunsetHour = std::stoi(m[3].str()) + 12;
    r.sunsetMinute = std::stoi(m[4].str());
    r.moonsetHour = (std::stoi(m[5].str()) + 12) % 24;
    r.moonsetMinute = std::stoi(m[6].str());
    for (int i = 7; i <= 12; ++i) r.figures.push_back(m[i].str());
    r.verdict = m[13].str();
    rows.push_back(r);
  }
  if (!rows.empty()) rows.back().lastOfTable = true;
  return rows;
}

}  // namespace orvane::testing
