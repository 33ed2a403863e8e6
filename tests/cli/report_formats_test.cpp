// --format json and csv carry the dates and figures of the text report of the
// same run; --format text is the default text to the byte.
#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <nlohmann/json.hpp>
#include <regex>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "engine/numeric.h"
#include "support/cli_harness.h"
#include "support/report_dates.h"
#include "support/temp_dir.h"
#include "support/working_folder.h"

namespace orvane::cli {
namespace {

using nlohmann::json;
using namespace orvane::testing;

// "2024-04-10" of a date printed with its era: 1 BCE is the astronomical
// year 0, and negative years take a sign and four digits.
std::string Iso(int day, int month, int year, bool bce) {
  const int y = bce ? 1 - year : year;
  char text[32];
  std::snprintf(text, sizeof text, "%s%04d-%02d-%02d", y < 0 ? "-" : "", y < 0 ? -y : y, month, day);
  return text;
}

std::string Clock(int hour, int minute) {  // "07:05"
  return (hour < 10 ? "0" : "") + std::to_string(hour) + (minute < 10 ? ":0" : ":") + std::to_string(minute);
}

// The rows of a CSV text, each by its header.
std::vector<std::map<std::string, std::string>> DataRows(const std::string& data) {
  std::vector<std::map<std::string, std::string>> rows;
  const auto split = [](const std::string& line) {
    std::vector<std::string> fields(1);
    for (char c : line) c == ',' ? fields.emplace_back().clear() : fields.back().push_back(c);
    return fields;
  };
  const std::vector<std::string> lines = TextLines(data);
  const std::vector<std::string> header = split(lines.at(0));
  for (std::size_t i = 1; i < lines.size(); ++i) {
    const std::vector<std::string> fields = split(lines[i]);
    EXPECT_EQ(fields.size(), header.size()) << lines[i];
    auto& row = rows.emplace_back();
    for (std::size_t f = 0; f < header.size() && f < fields.size(); ++f) row[header[f]] = fields[f];
  }
  return rows;
}

// The days a report states, in order, against the data's "days".
void CheckStatedDays(const std::string& text, const json& days, bool holyDays) {
  const auto stated = StatedDates(text);
  ASSERT_EQ(stated.size(), days.size());
  for (std::size_t i = 0; i < stated.size(); ++i) {
    const StatedDate& s = stated[i];
    const json& d = days[i];
    SCOPED_TRACE(s.label);
    EXPECT_EQ(d.at("date").at("date"), Iso(s.day, s.month, s.year, s.bce));
    EXPECT_EQ(d.at(d.contains("label") ? "label" : "weekday"), d.contains("label") ? s.label : s.weekday);
    if (!holyDays) continue;
    EXPECT_EQ(d.at("certainty"), s.certainty == "certain" ? json(nullptr) : json(s.certainty));
    EXPECT_EQ(d.at("reading"), s.reading.empty() ? json(nullptr) : json(s.reading + " harvest"));
  }
}

// The holy days and month starts: every evening row with its figures and
// verdict, table by table, and the days.
void CheckCalendarReport(const std::string& command, const std::string& text, const json& doc) {
  const auto rows = EveningRows(text);
  std::vector<json> evenings;
  for (const json& month : doc.at("months")) {
    for (const json& e : month.at("evenings")) evenings.push_back(e);
  }
  ASSERT_EQ(rows.size(), evenings.size());
  std::size_t tables = 0;
  const char* figures[] = {"illuminated_percent",     "sun_azimuth",      "moon_azimuth", "moon_altitude",
                           "sun_altitude_at_moonset", "visibility_number"};
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const EveningRow& r = rows[i];
    const json& e = evenings[i];
    const std::string date = e.at("evening").at("date");
    SCOPED_TRACE(date);
    EXPECT_TRUE(date.ends_with(Iso(r.day, r.month, 2000, false).substr(4)));
    EXPECT_EQ(e.at("sunset"), Clock(r.sunsetHour, r.sunsetMinute));
    EXPECT_EQ(e.at("moonset"), Clock(r.moonsetHour, r.moonsetMinute));
    for (std::size_t f = 0; f < 6; ++f) {
      EXPECT_EQ(num::DecimalValue(r.figures[f]), e.at(figures[f]).get<double>()) << figures[f];
    }
    EXPECT_EQ(e.at("visibility"), r.verdict);
    tables += r.lastOfTable;
  }
  EXPECT_EQ(doc.at("months").size(), tables);
  if (command != "localmoons") return CheckStatedDays(text, doc.at("days"), command == "holydays");
  EXPECT_EQ(doc.at("days").size(), tables);
}

// The times table: "01/05/2024   2460315     6:40      16:49    00:29       42.8 11:55      37.8".
void CheckTimes(const std::string& text, const std::string& data) {
  const auto rows = DataRows(data);
  const std::regex line(R"(^(\d\d)/(\d\d)/ *(-?\d+) +(\d+) +(\d+):(\d\d) +(\d+):(\d\d) +)"
                        R"((--:--|\d\d:\d\d) +(----|[\d.]+) +(--:--|\d\d:\d\d) +(----|[\d.]+) *$)");
  const auto orEmpty = [](const std::string& s) { return s.starts_with("--") ? std::string() : s; };
  std::size_t n = 0;
  for (const std::string& l : TextLines(text)) {
    std::smatch m;
    if (!std::regex_match(l, m, line)) continue;
    ASSERT_LT(n, rows.size());
    const auto& r = rows[n++];
    const int year = std::stoi(m[3]);
    EXPECT_EQ(r.at("date"), Iso(std::stoi(m[2]), std::stoi(m[1]), std::abs(year), year < 0)) << l;
    EXPECT_EQ(r.at("jd"), m[4].str()) << l;
    EXPECT_EQ(r.at("sunrise"), Clock(std::stoi(m[5]), std::stoi(m[6]))) << l;
    EXPECT_EQ(r.at("sunset"), Clock(std::stoi(m[7]), std::stoi(m[8]))) << l;
    EXPECT_EQ(r.at("moonrise") + "|" + r.at("moonset"), orEmpty(m[9]) + "|" + orEmpty(m[11])) << l;
    for (const auto& [field, group] :
         {std::pair{"moonrise_illuminated_percent", 10}, {"moonset_illuminated_percent", 12}}) {
      const std::string printed = orEmpty(m[group]);
      EXPECT_TRUE(r.at(field) == printed || num::DecimalValue(r.at(field)) == num::DecimalValue(printed))
          << l;
    }
  }
  EXPECT_EQ(n, rows.size());
  EXPECT_GT(n, 350u);
}

// The cells of a sunsets table in date order, by ISO date: "9 Apr 2024
// 6:04PM" is "18:04" on 2024-04-09, "18:29PM" (a zone far from the place)
// "06:29" of the next morning.  The years start at the title's, without an
// era: a January after a December is the next (1 CE after 1 BCE).
std::vector<std::pair<std::string, std::string>> PrintedSunsets(const std::string& text) {
  const std::vector<std::string> lines = TextLines(text);
  std::smatch title;
  const std::regex heading(R"(^ *(\d+) (B?CE) +CALCULATED SUNSETS$)");
  if (lines.empty() || !std::regex_match(lines[0], title, heading)) return {};
  int year = std::stoi(title[1].str()) * (title[2] == "BCE" ? -1 : 1);
  // Down the first column, then the second, ...: the table's date order.
  std::vector<std::vector<std::smatch>> columns(4);
  const std::regex cell(R"((\d+) ([A-Z][a-z]{2}) +\d+ +(\d+):(\d\d)PM)");
  for (const std::string& line : lines) {
    std::size_t column = 0;
    for (std::sregex_iterator it(line.begin(), line.end(), cell), end; it != end && column < 4; ++it)
      columns[column++].push_back(*it);
  }
  std::vector<std::pair<std::string, std::string>> sunsets;
  int lastMonth = 0;
  for (const auto& column : columns) {
    for (const std::smatch& m : column) {
      const int month = MonthNumber(m[2].str());
      if (month < lastMonth) year = year == -1 ? 1 : year + 1;
      lastMonth = month;
      sunsets.emplace_back(Iso(std::stoi(m[1].str()), month, std::abs(year), year < 0),
                           Clock((std::stoi(m[3].str()) + 12) % 24, std::stoi(m[4].str())));
    }
  }
  return sunsets;
}

// The sunsets table (CSV): every cell is the day's row.
void CheckSunsets(const std::string& text, const std::string& data) {
  std::map<std::string, std::string> byDate;
  for (const auto& r : DataRows(data)) byDate[r.at("date")] = r.at("sunset");
  const auto cells = PrintedSunsets(text);
  for (const auto& [date, sunset] : cells) EXPECT_EQ(byDate[date], sunset) << date;
  EXPECT_EQ(cells.size(), byDate.size());
  EXPECT_GT(cells.size(), 350u);
}

// Every stated day begins at the sunset of the evening before its date, as
// the sunsets report of the place (of the run's year or the one before)
// prints it.  Jerusalem's reports compute 35.244 E 31.78 N; its sunsets
// report (35 13 E, 31 47 N) lies 0.03 degrees west and may print one minute
// more.  The crescent's evening, where it is the evening before, agrees.
void CheckBeginsAtSunset(const std::vector<std::string>& args, const json& doc) {
  std::vector<std::string> place(args.begin() + 2, args.end());
  std::erase(place, "--east");
  const int year = std::stoi(args.at(1));
  std::map<std::string, std::string> printed;
  for (const int y : {year == 1 ? -1 : year - 1, year}) {
    std::vector<std::string> sunsets = {"sunsets", std::to_string(y)};
    sunsets.insert(sunsets.end(), place.begin(), place.end());
    for (const auto& [date, sunset] : PrintedSunsets(RunOrvaneCli(sunsets).out)) printed[date] = sunset;
  }
  for (const json& day : doc.at("days")) {
    const json& begins = day.at("begins_at_sunset");
    const std::string date = begins.at("date");
    EXPECT_EQ(begins.at("jd"), day.at("date").at("jd").get<double>() - 1) << date;
    ASSERT_TRUE(printed.count(date)) << date;
    const std::string sunset = begins.at("sunset");
    if (place.empty()) {
      const auto minutes = [](const std::string& t) { return std::stoi(t) * 60 + std::stoi(t.substr(3)); };
      EXPECT_GE(minutes(sunset), minutes(printed[date]) - 1) << date << " " << printed[date];
      EXPECT_LE(minutes(sunset), minutes(printed[date])) << date << " " << printed[date];
    } else {
      EXPECT_EQ(sunset, printed[date]) << date;
    }
    const json& crescent = day.at("crescent_evening");
    if (crescent.at("date") == date && !crescent.at("sunset").is_null()) {
      EXPECT_EQ(crescent.at("sunset"), sunset) << date;
    }
  }
}

// A range's years found, the Flood's by the column of their list; or the
// dates of one year.
void CheckChronology(const std::string& command, const std::string& text, const json& doc) {
  const std::size_t rule = text.find("=====");
  if (rule == std::string::npos) return CheckStatedDays(text, doc.at("days"), false);
  std::vector<std::string> found, data;
  const std::regex year(R"((\d+) (B?CE))");
  for (const std::string& l : TextLines(text.substr(text.find('\n', rule) + 1))) {
    for (std::sregex_iterator it(l.begin(), l.end(), year), end; it != end; ++it) {
      const auto at = it->position();
      const std::string list = command != "flood" ? "" : at < 19 ? " 150" : at < 30 ? " 149+1" : " 148+2";
      found.push_back(it->str() + list);
    }
  }
  for (const json& y : doc.at("years_found")) {
    data.push_back(y.at("year").dump() + " " + y.at("era").get<std::string>() +
                   (y.contains("list") ? " " + y["list"].get<std::string>() : ""));
  }
  std::sort(found.begin(), found.end());
  std::sort(data.begin(), data.end());
  EXPECT_EQ(data, found);
  EXPECT_FALSE(found.empty());
}

// The listings' dates in order: "TUE,09 APR 2024" and "is 29 March, 2024".
void CheckListingDates(const std::string& text, const json& doc) {
  std::vector<std::string> data;
  for (const char* part : {"month_starts", "holy_days"}) {
    for (const json& d : doc.value(part, json::array())) data.push_back(d.at("date"));
  }
  for (const json& y : doc.value("years", json::array())) {
    data.insert(data.end(), {y.at("good_friday").at("date"), y.at("easter_sunday").at("date")});
  }
  const std::regex date(R"([A-Z]{3},(\d\d) ([A-Z])([A-Z]{2}) (-?\d+)|is (\d\d) (March|April), (\d+))");
  std::vector<std::string> found;
  for (std::sregex_iterator it(text.begin(), text.end(), date), end; it != end; ++it) {
    const std::smatch& m = *it;
    std::string month = m[3].str();
    for (char& c : month) c = static_cast<char>(std::tolower(c));
    const int year = std::stoi(m[m[1].matched ? 4 : 7]);
    found.push_back(m[1].matched
                        ? Iso(std::stoi(m[1]), MonthNumber(m[2].str() + month), std::abs(year), year < 0)
                        : Iso(std::stoi(m[5]), m[6] == "March" ? 3 : 4, year, false));
  }
  EXPECT_EQ(data, found);
}

TEST(ReportFormats, CarryTheTextReportsDatesAndFigures) {
  const TempDir dir;  // no UserData.Dat: Jerusalem unless a place is typed
  const WorkingFolder folder(dir.path());
  // New York, and a place west of Greenwich on the zone of Greenwich, whose
  // sunsets fall after midnight of the zone's clock.
  const std::map<std::string, std::vector<std::string>> places = {
      {"@ny", {"--lat", "40 43 N", "--lon", "74 0 W", "--gmt", "5"}},
      {"@far", {"--lat", "40 0 N", "--lon", "179 0 W", "--gmt", "0"}}};
  std::istringstream cases(
      "holydays 2021; holydays -1461; holydays 2027 --east; newmoons -1 --east; localmoons 2024 @ny;"
      "localmoons -3000 @ny; sunsets 2024 @far; times 2024 --gregorian; times -44 @ny; golgotha 31;"
      "golgotha 20 40; jordan -1406; creation -4004 -3990; flood -2345; flood -2400 -2300; rabbinical -5;"
      "easter 1570");
  for (std::string line; std::getline(cases, line, ';');) {
    std::vector<std::string> args;
    std::istringstream words(line);
    for (std::string word; words >> word;) {
      const auto add = places.contains(word) ? places.at(word) : std::vector<std::string>{word};
      args.insert(args.end(), add.begin(), add.end());
    }
    const std::string command = args[0];
    const std::string format = command == "times" || command == "sunsets" ? "csv" : "json";
    SCOPED_TRACE(std::string(line) + " --format " + format);
    const auto text = RunOrvaneCli(args);
    ASSERT_EQ(text.status, 0) << text.err;
    args.insert(args.end(), {"--format", "text"});
    EXPECT_EQ(RunOrvaneCli(args).out, text.out);
    args.back() = format;
    const auto data = RunOrvaneCli(args);
    ASSERT_EQ(data.status, 0) << data.err;
    if (command == "times" || command == "sunsets") {
      command == "times" ? CheckTimes(text.out, data.out) : CheckSunsets(text.out, data.out);
      continue;
    }
    const json doc = json::parse(data.out);
    if (command == "rabbinical" || command == "easter") {
      CheckListingDates(text.out, doc);
    } else if (command == "holydays" || command == "newmoons" || command == "localmoons") {
      CheckCalendarReport(command, text.out, doc);
      CheckBeginsAtSunset(std::vector<std::string>(args.begin(), args.end() - 2), doc);
    } else {
      CheckChronology(command, text.out, doc);
    }
  }
}

}  // namespace
}  // namespace orvane::cli
