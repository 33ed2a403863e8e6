// --format json and csv carry the dates and figures of the text report of
// the same run, read back with a JSON library and a plain CSV split, and the
// text of --format text is the default text to the byte.
#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <nlohmann/json.hpp>
#include <ostream>
#include <regex>
#include <string>
#include <utility>
#include <vector>

#include "support/cli_harness.h"
#include "support/report_dates.h"
#include "support/temp_dir.h"
#include "support/working_folder.h"

namespace orvane::cli {
namespace {

using nlohmann::json;
using orvane::testing::EveningRows;
using orvane::testing::MonthNumber;
using orvane::testing::RunOrvaneCli;
using orvane::testing::StatedDates;
using orvane::testing::TextLines;

// "2024-04-10" of a date printed with its era; the astronomical year of
// 1 BCE is 0, of 2 BCE -1, and negative years take a sign and four digits.
std::string Iso(int day, int month, int year, bool bce) {
  const int astronomical = bce ? 1 - year : year;
  char text[32];
  std::snprintf(text, sizeof text, "%s%04d-%02d-%02d", astronomical < 0 ? "-" : "",
                astronomical < 0 ? -astronomical : astronomical, month, day);
  return text;
}

std::string Clock(int hour, int minute) {
  char text[16];
  std::snprintf(text, sizeof text, "%02d:%02d", hour, minute);
  return text;
}

// A row of the data as texts: a JSON entry's strings as they are, its
// numbers as JSON writes them and null as "", or a CSV line by its header.
using Row = std::map<std::string, std::string>;

std::string Field(const json& value) {
  if (value.is_null()) return {};
  return value.is_string() ? value.get<std::string>() : value.dump();
}

std::vector<Row> DataRows(const std::string& data, const std::string& format) {
  std::vector<Row> rows;
  if (format == "json") {
    const json doc = json::parse(data);
    for (const json& day : doc.at("days")) {
      Row row;
      for (const auto& [key, value] : day.items()) row[key] = Field(value);
      rows.push_back(row);
    }
    return rows;
  }
  const std::vector<std::string> lines = TextLines(data);
  const auto split = [](const std::string& line) {
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (std::size_t comma; (comma = line.find(',', start)) != std::string::npos; start = comma + 1) {
      fields.push_back(line.substr(start, comma - start));
    }
    fields.push_back(line.substr(start));
    return fields;
  };
  const std::vector<std::string> header = split(lines.at(0));
  for (std::size_t i = 1; i < lines.size(); ++i) {
    const std::vector<std::string> fields = split(lines[i]);
    EXPECT_EQ(fields.size(), header.size()) << lines[i];
    Row row;
    for (std::size_t f = 0; f < header.size() && f < fields.size(); ++f) row[header[f]] = fields[f];
    rows.push_back(row);
  }
  return rows;
}

// A figure as printed and as the data gives it are the same number.
void ExpectSameNumber(const std::string& printed, const json& value, const std::string& what) {
  ASSERT_TRUE(value.is_number()) << what;
  EXPECT_DOUBLE_EQ(std::stod(printed), value.get<double>()) << what << ": printed " << printed;
}

// The holy-day report and the month-start lists against their JSON.
void CheckCalendarReport(const std::string& command, const std::string& text, const json& doc) {
  EXPECT_EQ(doc.at("report"), command);
  const std::vector<std::string> lines = TextLines(text);
  if (command == "holydays") {
    const std::regex creation(R"(^This may be Year (\d+) After Creation\. $)");
    std::smatch m;
    const auto line = std::find_if(lines.begin(), lines.end(),
                                   [&](const std::string& l) { return std::regex_match(l, m, creation); });
    ASSERT_NE(line, lines.end());
    EXPECT_EQ(doc.at("year").at("after_creation"), std::stoi(m[1].str()));
  } else {
    const std::regex title(R"(^ (\d+) (B?CE) +CALCULATED NEW MOONS.*$)");
    std::smatch m;
    ASSERT_TRUE(std::regex_match(lines.at(0), m, title)) << lines.at(0);
    EXPECT_EQ(doc.at("year").at("year"), std::stoi(m[1].str()));
    EXPECT_EQ(doc.at("year").at("era"), m[2].str());
  }

  // Every evening row, table by table.
  const auto rows = EveningRows(text);
  std::vector<json> evenings;
  for (const json& month : doc.at("months")) {
    for (const json& e : month.at("evenings")) evenings.push_back(e);
  }
  ASSERT_EQ(rows.size(), evenings.size());
  std::size_t tables = 0;
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const auto& r = rows[i];
    const json& e = evenings[i];
    const std::string date = e.at("evening").at("date");
    EXPECT_EQ(std::stoi(date.substr(date.size() - 2)), r.day) << date;
    EXPECT_EQ(std::stoi(date.substr(date.size() - 5, 2)), r.month) << date;
    EXPECT_EQ(e.at("sunset"), Clock(r.sunsetHour, r.sunsetMinute)) << date;
    EXPECT_EQ(e.at("moonset"), Clock(r.moonsetHour, r.moonsetMinute)) << date;
    const char* names[] = {"illuminated_percent",     "sun_azimuth",      "moon_azimuth", "moon_altitude",
                           "sun_altitude_at_moonset", "visibility_number"};
    for (std::size_t f = 0; f < 6; ++f) ExpectSameNumber(r.figures[f], e.at(names[f]), date + " " + names[f]);
    EXPECT_EQ(e.at("visibility"), r.verdict) << date;
    if (r.lastOfTable) ++tables;
  }
  EXPECT_EQ(doc.at("months").size(), tables);

  const json& days = doc.at("days");
  if (command == "localmoons") {
    // The local list prints tables only: each month starts the day after the
    // evening its crescent counts as seen, the last row's evening, or the one
    // after it when that row is doubtful on the low side.
    ASSERT_EQ(days.size(), tables);
    std::size_t month = 0;
    for (const auto& r : rows) {
      if (!r.lastOfTable) continue;
      const json& d = days.at(month++);
      const std::string evening = d.at("crescent_evening").at("date");
      const bool low = r.verdict == "Prob Not Visible";
      const char* certainty = low                           ? "possibly one day earlier"
                              : r.verdict == "Prob Visible" ? "possibly one day later"
                                                            : nullptr;
      EXPECT_EQ(d.at("certainty"), certainty ? json(certainty) : json(nullptr)) << evening;
      if (!low) {
        EXPECT_EQ(std::stoi(evening.substr(evening.size() - 2)), r.day) << evening;
        EXPECT_EQ(d.at("crescent_evening").at("sunset"), Clock(r.sunsetHour, r.sunsetMinute)) << evening;
      }
    }
    return;
  }
  const auto stated = StatedDates(text);
  ASSERT_EQ(stated.size(), days.size());
  for (std::size_t i = 0; i < stated.size(); ++i) {
    const auto& s = stated[i];
    const json& d = days[i];
    EXPECT_EQ(d.at("date").at("date"), Iso(s.day, s.month, s.year, s.bce)) << s.label;
    EXPECT_EQ(d.at("date").at("era"), s.bce ? "BCE" : "CE") << s.label;
    EXPECT_EQ(d.at("date").at("year"), s.year) << s.label;
    EXPECT_EQ(d.at("weekday"), s.weekday) << s.label;
    EXPECT_EQ(d.at("certainty"), s.certainty == "certain" ? json(nullptr) : json(s.certainty)) << s.label;
    const json reading = s.reading.empty() ? json(nullptr) : json(s.reading + " harvest");
    if (command == "holydays") {
      EXPECT_EQ(d.at("reading"), reading) << s.label;
    }
    // The label is the day's name and "is", or "to" for a feast's last day;
    // the report's Pentecost line has two blanks after "First-fruits".
    std::string label = s.label;
    if (const auto twice = label.find("  "); twice != std::string::npos) label.erase(twice, 1);
    const std::string name = d.at("name");
    EXPECT_TRUE(label == name + " is" || label.rfind(name + " is (", 0) == 0 ||
                label == name + " goes from" || label == "to")
        << label << " / " << name;
  }
}

// The cells of a sunsets table in date order, by ISO date: "9 Apr 2024
// 6:04PM" is "18:04" on 2024-04-09, and "18:29PM" of a zone far from the
// place's longitude is "06:29" of the next morning.  The cells print the year without its
// era; the table starts in the title's year and a cell of January after
// one of December is in the next year (1 CE after 1 BCE).
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

// The sunsets table: every cell is the day's entry.
void CheckSunsets(const std::string& text, const std::vector<Row>& rows) {
  std::map<std::string, Row> byDate;
  for (const Row& r : rows) byDate[r.at("date")] = r;
  const auto cells = PrintedSunsets(text);
  for (const auto& [date, sunset] : cells) {
    ASSERT_TRUE(byDate.count(date)) << date;
    EXPECT_EQ(byDate[date].at("sunset"), sunset) << date;
  }
  EXPECT_EQ(cells.size(), rows.size());
  EXPECT_GT(cells.size(), 350u);
}

// Every stated day begins at the sunset of the evening before its date (the
// delayed date east of Israel), as the sunsets report of the place prints
// it: that of the run's year, or of the year before for days ahead of its
// table.  The holy-day report and the new-moon list compute Jerusalem at
// 35.244 E 31.78 N, which the place's whole minutes cannot give: the sunsets
// report of Jerusalem (35 13 E, 31 47 N) lies 0.03 degrees west, and its
// sunset a tenth of a minute later, so it may print one minute more.  The
// crescent's evening, where it is the evening before, is a row of the
// report's own table at its own place.
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

// The times table: each line "01/05/2024   2460315     6:40      16:49    00:29       42.8 11:55      37.8".
void CheckTimes(const std::string& text, const std::vector<Row>& rows) {
  const std::regex line(
      R"(^(\d\d)/(\d\d)/ *(-?\d+) +(\d+) +(\d+):(\d\d) +(\d+):(\d\d) +(--:--|\d\d:\d\d) +(----|[\d.]+) +(--:--|\d\d:\d\d) +(----|[\d.]+) *$)");
  std::size_t n = 0;
  for (const std::string& l : TextLines(text)) {
    std::smatch m;
    if (!std::regex_match(l, m, line)) continue;
    ASSERT_LT(n, rows.size());
    const Row& r = rows[n++];
    const int year = std::stoi(m[3].str());
    EXPECT_EQ(r.at("date"),
              Iso(std::stoi(m[2].str()), std::stoi(m[1].str()), year < 0 ? -year : year, year < 0))
        << l;
    EXPECT_EQ(r.at("jd"), m[4].str()) << l;
    EXPECT_EQ(r.at("sunrise"), Clock(std::stoi(m[5].str()), std::stoi(m[6].str()))) << l;
    EXPECT_EQ(r.at("sunset"), Clock(std::stoi(m[7].str()), std::stoi(m[8].str()))) << l;
    EXPECT_EQ(r.at("moonrise"), m[9].str() == "--:--" ? "" : m[9].str()) << l;
    EXPECT_EQ(r.at("moonset"), m[11].str() == "--:--" ? "" : m[11].str()) << l;
    for (const auto& [field, group] :
         {std::pair{"moonrise_illuminated_percent", 10}, {"moonset_illuminated_percent", 12}}) {
      const std::string printed = m[group].str();
      if (printed == "----") {
        EXPECT_EQ(r.at(field), "") << l;
      } else {
        EXPECT_DOUBLE_EQ(std::stod(r.at(field)), std::stod(printed)) << l;
      }
    }
  }
  EXPECT_EQ(n, rows.size());
  EXPECT_GT(n, 350u);
}

// The chronology runs: a range's list of years, or one year's dates, its
// verdict and (for the Flood) its count of days.
void CheckChronology(const std::string& command, const std::string& text, const json& doc) {
  EXPECT_EQ(doc.at("report"), command);
  const std::vector<std::string> lines = TextLines(text);
  const auto rule = std::find_if(lines.begin(), lines.end(),
                                 [](const std::string& l) { return l.find("=====") != std::string::npos; });
  std::vector<std::pair<std::string, std::string>>
      found;  // year and era, with the Flood's list as its column
  std::vector<std::string> lists;
  const std::regex year(R"( *(\d+) (B?CE) *)");
  if (rule != lines.end()) {
    for (auto l = rule + 1; l != lines.end(); ++l) {
      if (command != "flood") {
        for (std::sregex_iterator it(l->begin(), l->end(), year), end; it != end; ++it) {
          found.emplace_back((*it)[1].str(), (*it)[2].str());
        }
        continue;
      }
      // Three columns: 150 days, 149(+1), 148(+2); an empty second column is 15 blanks wide.
      const std::string first = l->substr(0, 19);
      const bool secondEmpty =
          l->size() < 34 || l->substr(19, 15).find_first_not_of(' ') == std::string::npos;
      const std::string second = secondEmpty ? std::string() : l->substr(19, 20);
      const std::string third = l->size() > (secondEmpty ? 34u : 39u) ? l->substr(secondEmpty ? 34 : 39) : "";
      for (const auto& [column, list] : {std::pair{first, "150"}, {second, "149+1"}, {third, "148+2"}}) {
        std::smatch m;
        if (std::regex_match(column, m, year)) {
          found.emplace_back(m[1].str(), m[2].str());
          lists.push_back(list);
        }
      }
    }
  } else if (text.find("**********") != std::string::npos) {
    // One year that qualifies: its report says so.
    const json& y = doc.at("first_year");
    found.emplace_back(Field(y.at("year")), Field(y.at("era")));
  }
  const json& years = doc.at("years_found");
  if (command == "flood") {
    // The data lists the years list by list.
    std::vector<std::string> byList;
    for (const char* list : {"150", "149+1", "148+2"}) {
      for (std::size_t i = 0; i < found.size(); ++i) {
        if (lists.size() == found.size() && lists[i] == list)
          byList.push_back(found[i].first + " " + found[i].second + " " + list);
      }
    }
    std::vector<std::string> data;
    for (const json& y : years)
      data.push_back(Field(y.at("year")) + " " + Field(y.at("era")) + " " + Field(y.value("list", json())));
    if (rule != lines.end()) {
      EXPECT_EQ(data, byList);
    }
  } else {
    ASSERT_EQ(years.size(), found.size());
    for (std::size_t i = 0; i < found.size(); ++i) {
      EXPECT_EQ(Field(years[i].at("year")), found[i].first);
      EXPECT_EQ(years[i].at("era"), found[i].second);
    }
  }
  if (rule != lines.end()) return;

  const auto stated = StatedDates(text);
  const json& days = doc.at("days");
  ASSERT_EQ(stated.size(), days.size());
  for (std::size_t i = 0; i < stated.size(); ++i) {
    EXPECT_EQ(days[i].at("date").at("date"),
              Iso(stated[i].day, stated[i].month, stated[i].year, stated[i].bce));
    EXPECT_EQ(days[i].at("weekday"), stated[i].weekday);
    EXPECT_EQ(days[i].at("label"), stated[i].label);
  }
  if (command == "flood") {
    std::smatch m;
    const std::regex count(
        R"(There are (\d+) days between these dates\. *(?:\*+ *)?(?:Possibly (\d+)(?: or (\d+))? days\.)?.*)");
    ASSERT_TRUE(std::regex_search(text, m, count));
    EXPECT_EQ(doc.at("days_between"), std::stoi(m[1].str()));
    json possible = json::array();
    for (int g = 2; g <= 3; ++g) {
      if (m[g].matched) possible.push_back(std::stoi(m[g].str()));
    }
    EXPECT_EQ(doc.at("possible_days_between"), possible);
  }
}

// "TUE,09 APR 2024", "SAB,31 AUG -0005": a date of the Rabbinical listing.
std::string ListingDate(const std::string& text) {
  static const char* const kMonths[] = {"JAN", "FEB", "MAR", "APR", "MAY", "JUN",
                                        "JUL", "AUG", "SEP", "OCT", "NOV", "DEC"};
  const std::regex date(R"([A-Z]{3},(\d\d) ([A-Z]{3}) (-?\d+))");
  std::smatch m;
  if (!std::regex_search(text, m, date)) return "no date in " + text;
  const int month =
      static_cast<int>(std::find(std::begin(kMonths), std::end(kMonths), m[2].str()) - kMonths) + 1;
  const int year = std::stoi(m[3].str());
  return Iso(std::stoi(m[1].str()), month, year < 0 ? -year : year, year < 0);
}

void CheckRabbinical(const std::string& text, const json& doc) {
  std::vector<std::string> months, holyDays;
  bool holy = false;
  for (const std::string& l : TextLines(text)) {
    if (l.rfind("Rabbinical Holy Days", 0) == 0) holy = true;
    if (l.find(',') == std::string::npos || ListingDate(l).rfind("no date", 0) == 0) continue;
    (holy ? holyDays : months).push_back(l);
  }
  ASSERT_EQ(doc.at("month_starts").size(), months.size());
  for (std::size_t i = 0; i < months.size(); ++i) {
    const json& m = doc.at("month_starts")[i];
    EXPECT_EQ(m.at("date"), ListingDate(months[i])) << months[i];
    // "Nisan    3756 - THU,07 MAR -0005" is named "Nisan 3756".
    const std::string name = m.at("name");
    const std::string head = months[i].substr(0, months[i].find(" - "));
    EXPECT_EQ(std::regex_replace(head, std::regex(" +"), " "), name);
  }
  ASSERT_EQ(doc.at("holy_days").size(), holyDays.size());
  for (std::size_t i = 0; i < holyDays.size(); ++i) {
    EXPECT_EQ(doc.at("holy_days")[i].at("date"), ListingDate(holyDays[i])) << holyDays[i];
  }
}

void CheckEaster(const std::string& text, const json& doc) {
  const std::regex line(
      R"('Good Friday' is (\d\d) (March|April), (\d+)   Easter Sunday is (\d\d) (March|April), (\d+)( \(Julian\))?)");
  const auto lines = TextLines(text);
  const json& years = doc.at("years");
  ASSERT_EQ(years.size(), lines.size());
  for (std::size_t i = 0; i < lines.size(); ++i) {
    std::smatch m;
    ASSERT_TRUE(std::regex_match(lines[i], m, line)) << lines[i];
    const int year = std::stoi(m[3].str());
    EXPECT_EQ(years[i].at("year"), year);
    EXPECT_EQ(years[i].at("calendar"), m[7].matched ? "julian" : "gregorian");
    EXPECT_EQ(years[i].at("good_friday").at("date"),
              Iso(std::stoi(m[1].str()), m[2] == "March" ? 3 : 4, year, false));
    EXPECT_EQ(years[i].at("easter_sunday").at("date"),
              Iso(std::stoi(m[4].str()), m[5] == "March" ? 3 : 4, year, false));
  }
}

// The conversion's rows "Caption   value" against the data's fields.
void CheckConvert(const std::string& text, const json& doc, bool criteria) {
  std::map<std::string, std::vector<std::string>> rows;
  std::string caption;
  for (const std::string& l : TextLines(text)) {
    if (l == "Criteria") break;
    if (l.size() < 29) continue;
    std::string c = l.substr(0, 28);
    c.erase(c.find_last_not_of(' ') + 1);
    if (!c.empty()) caption = c;
    rows[caption].push_back(l.substr(29));
  }
  const json& g = doc.at("gregorian");
  EXPECT_EQ(rows.at(Field(g.at("caption"))).at(0), Field(g.at("weekday")) + " " + Field(g.at("day_text")) +
                                                       " " + Field(g.at("month")) + " " +
                                                       Field(g.at("year_text")));
  EXPECT_EQ(rows.at(Field(g.at("caption"))).at(1), g.at("year_type"));
  const json& j = doc.at("julian");
  EXPECT_EQ(rows.at("Julian").at(0),
            Field(j.at("day_text")) + " " + Field(j.at("month")) + " " + Field(j.at("year_text")));
  EXPECT_EQ(std::stod(rows.at("Julian Day Count").at(0)), doc.at("jd").get<double>());
  const json& b = doc.at("biblical");
  EXPECT_EQ(rows.at("Biblical-Not IDL adjusted").at(0), Field(b.at("weekday")) + " " + Field(b.at("day")) +
                                                            " " + Field(b.at("month")) + " " +
                                                            Field(b.at("year_after_creation")));
  const json& h = doc.at("hebrew");
  EXPECT_EQ(rows.at("Hebrew - Rabbinic").at(0), Field(h.at("weekday")) + " " + Field(h.at("day")) + " " +
                                                    Field(h.at("month")) + " " + Field(h.at("year")));
  EXPECT_EQ(rows.at("Molad of Tishri").at(0), h.at("molad_of_tishri"));
  EXPECT_EQ(rows.at("Rules").at(0), h.at("rules"));
  // "Date 1 (shown)  2460423.5  23 April 2024": each possible date's day count and Gregorian day.
  const json& possible = doc.at("possible_biblical_dates");
  const std::vector<std::string> dates =
      rows.count("Possible dates") ? rows.at("Possible dates") : std::vector<std::string>{};
  ASSERT_EQ(possible.size(), dates.size());
  const std::regex date(R"((Date \d)( \(shown\)| +)  ([\d.]+)  (\d+) ([A-Za-z]+) (-?\d+))");
  for (std::size_t i = 0; i < dates.size(); ++i) {
    std::smatch m;
    ASSERT_TRUE(std::regex_match(dates[i], m, date)) << dates[i];
    EXPECT_EQ(possible[i].at("caption"), m[1].str());
    EXPECT_EQ(possible[i].at("shown"), m[2].str() == " (shown)");
    EXPECT_DOUBLE_EQ(possible[i].at("jd").get<double>(), std::stod(m[3].str()));
    EXPECT_EQ(Field(possible[i].at("date")).substr(8), (m[4].length() == 1 ? "0" : "") + m[4].str());
  }
  const std::size_t at = text.find("\nCriteria\n");
  if (!criteria) {
    EXPECT_TRUE(doc.at("criteria").is_null());
  } else {
    ASSERT_NE(at, std::string::npos);
    EXPECT_EQ(Field(doc.at("criteria")) + "\n", text.substr(at + 10));
  }
}

struct FormatCase {
  std::vector<std::string> args;
  std::string format;
};

// A case as failures name it: "holydays -1461 --format json".
void PrintTo(const FormatCase& c, std::ostream* os) {
  for (const std::string& a : c.args) *os << a << ' ';
  *os << "--format " << c.format;
}

class ReportFormats : public ::testing::TestWithParam<FormatCase> {};

TEST_P(ReportFormats, CarryTheTextReportsDatesAndFigures) {
  // No UserData.Dat: Jerusalem unless a place is typed.
  const orvane::testing::TempDir dir;
  const orvane::testing::WorkingFolder folder(dir.path());
  const FormatCase& c = GetParam();
  const auto text = RunOrvaneCli(c.args);
  ASSERT_EQ(text.status, 0) << text.err;

  std::vector<std::string> args = c.args;
  args.insert(args.end(), {"--format", "text"});
  EXPECT_EQ(RunOrvaneCli(args).out, text.out);

  args.back() = c.format;
  const auto data = RunOrvaneCli(args);
  ASSERT_EQ(data.status, 0) << data.err;
  const std::string& command = c.args.at(0);
  if (command == "sunsets") return CheckSunsets(text.out, DataRows(data.out, c.format));
  if (command == "times") return CheckTimes(text.out, DataRows(data.out, c.format));
  const json doc = json::parse(data.out);
  if (command == "golgotha" || command == "jordan" || command == "creation" || command == "flood") {
    return CheckChronology(command, text.out, doc);
  }
  if (command == "rabbinical") return CheckRabbinical(text.out, doc);
  if (command == "easter") return CheckEaster(text.out, doc);
  if (command == "convert") return CheckConvert(text.out, doc, c.args.back() == "--criteria");
  CheckCalendarReport(command, text.out, doc);
  CheckBeginsAtSunset(c.args, doc);
}

const std::vector<std::string> kNewYork = {"--lat", "40 43 N", "--lon",  "74 0 W",
                                           "--gmt", "5",       "--name", "New York"};

// A place west of Greenwich on the zone of Greenwich: its sunsets fall
// after midnight of the zone's clock.
const std::vector<std::string> kFarFromItsZone = {"--lat", "40 0 N", "--lon", "179 0 W", "--gmt", "0"};

std::vector<std::string> At(std::vector<std::string> args, const std::vector<std::string>& place) {
  args.insert(args.end(), place.begin(), place.end());
  return args;
}

INSTANTIATE_TEST_SUITE_P(
    EveryReport, ReportFormats,
    ::testing::Values(
        FormatCase{{"holydays", "2024"}, "json"}, FormatCase{{"holydays", "-1461"}, "json"},
        FormatCase{{"holydays", "2027", "--east"}, "json"}, FormatCase{{"newmoons", "2025"}, "json"},
        FormatCase{{"newmoons", "-1", "--east"}, "json"},
        FormatCase{At({"localmoons", "2024"}, kNewYork), "json"},
        FormatCase{At({"localmoons", "-3000"}, kNewYork), "json"}, FormatCase{{"sunsets", "-1461"}, "json"},
        FormatCase{{"sunsets", "2024", "--gregorian"}, "csv"},
        FormatCase{At({"sunsets", "2024"}, kFarFromItsZone), "csv"},
        FormatCase{{"times", "2024", "--gregorian"}, "csv"},
        FormatCase{At({"times", "-44"}, kNewYork), "json"}, FormatCase{{"golgotha", "31"}, "json"},
        FormatCase{{"golgotha", "20", "40"}, "json"}, FormatCase{{"jordan", "-1406"}, "json"},
        FormatCase{{"creation", "-4004", "-3990"}, "json"}, FormatCase{{"flood", "-2345"}, "json"},
        FormatCase{{"flood", "-2400", "-2300"}, "json"}, FormatCase{{"rabbinical", "-5"}, "json"},
        FormatCase{{"rabbinical", "2024"}, "json"}, FormatCase{{"easter", "1570"}, "json"},
        FormatCase{{"convert", "--biblical", "6028-1-14"}, "json"},
        FormatCase{{"convert", "--gregorian", "-44-3-15", "--criteria"}, "json"}));

}  // namespace
}  // namespace orvane::cli
