// The Golgotha, Jordan, Creation and Flood runs read line by line against
// std::chrono's day counts and weekdays and their own tables, the range lists
// against the years' reports; the tables of a year at a place against an
// independent ephemeris (New York, 2024); the location runs; no undefined
// number at any latitude.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <iterator>
#include <map>
#include <regex>
#include <tuple>

#include "app/holy_days_window.h"
#include "engine/numeric.h"
#include "runs/chronology.h"
#include "runs/run_years.h"
#include "support/civil_days.h"
#include "support/main_window_core.h"
#include "support/reference_csv.h"

namespace orvane::runs {
namespace {

using app::HolyDaysWindow;
using Control = HolyDaysWindow::Control;
using testing::CivilDays;
using testing::ReportWeekday;
using testing::StatedDate;
using testing::TextLines;
namespace chr = std::chrono;

// The two year boxes, the Flood button and the WORKING box of a window.
class Boxes final : public EngineHost, public ChronologyHost {
 public:
  std::string YearBoxText() const override { return first; }
  void SetYearBoxText(const std::string& text) override { first = text; }
  void Beep() override { ++beeps; }
  std::string FirstYearBox() const override { return first; }
  void SetFirstYearBox(const std::string& text) override { first = text; }
  std::string SecondYearBox() const override { return second; }
  void SetSecondYearBox(const std::string& text) override { second = text; }
  void UntickEastOfIsrael() override { eastTicked = false; }
  void SetWorkingVisible(bool visible) override { working = visible; }
  void SetFloodEnabled(bool enabled) override { floodEnabled = enabled; }
  void ProcessPendingEvents() override {}

  std::string first, second;
  bool eastTicked = true, working = false, floodEnabled = true;
  int beeps = 0;
};

// The run started from a window holding the two years in its boxes.
struct Window {
  Window(const std::string& run, std::string first, std::string second = "") {
    boxes.first = std::move(first);
    boxes.second = std::move(second);
    engine.st.RunName = run;
    engine.st.LineEnd = "\r\n";
    run == "Flood" ? RunFlood(engine, boxes) : RunChronology(engine, boxes);
  }
  Boxes boxes;
  Engine engine{boxes};
  const std::string& text() const { return engine.out.main.Text(); }
};

std::string Pane(const std::string& run, double first, const std::string& second = "") {
  return Window(run, num::CStr(first), second).text();
}

std::string YearText(double year) {
  Boxes boxes;
  return Engine(boxes).YearText(year);
}

TEST(ChronologyBoxes, YearsAreBroughtToTheRunsLimitsAndInOrder) {
  // The run, the years typed, the years the boxes then hold, beeps, the report's first line.
  const std::tuple<std::string, const char*, const char*, std::string, int, const char*> cases[] = {
      {"Golgotha", "40", "20", "20 40", 0,
       "The following years may have the Passover sacrifice on Wednesday."},
      {"Golgotha", "-5000", "", "-4004 ", 0,
       "Possible Dates for Jesus' Crucifixion, Resurrection and Pentecost in 4004 BCE"},
      {"Jordan", "9998", "12000", "9998 9999", 0,
       "The following years may have the Passover sacrifice on the Sabbath."},
      {"Jordan", "0", "", "0 ", 0, "Possible Dates for the Jordan Crossing in 1 CE    "},
      {"Creation", "-7000", "-5999", "-6000 -5999", 0, "The following years may have Abib 1 on Sunday."},
      {"Creation", "", "", "-6000 ", 0, "Possible Dates for Creation in 6000 BCE"},
      {"HolyDays", "30", "", "30 ", 0, nullptr},  // not a chronology run: nothing runs
      {"Flood", "0", "", "-1 ", 0, nullptr},      // read as the engine reads a year
      {"Flood", "-5000", "-4003", "-4004 -4003", 1,
       " First year of run is 4004 BCE          Last year of run is 4003 BCE"},
      {"Flood", "-2300", "-2400", "-2400 -2300", 0,
       " First year of run is 2400 BCE          Last year of run is 2300 BCE"},
  };
  for (const auto& [run, first, second, boxes, beeps, firstLine] : cases) {
    SCOPED_TRACE(run + " " + first + ".." + second);
    const Window w(run, first, second);
    EXPECT_EQ(w.boxes.first + " " + w.boxes.second, boxes);
    EXPECT_EQ(w.boxes.beeps, beeps);
    if (firstLine != nullptr) {
      EXPECT_EQ(TextLines(w.text()).at(0), firstLine);
    }
    if (run == "HolyDays") {
      EXPECT_EQ(w.text(), "");
      continue;
    }
    // The run fixes its own place and gives it back; Enter repeats it.
    EXPECT_EQ(
        std::tie(w.boxes.eastTicked, w.engine.st.ShowInMain, w.engine.st.FixedPlaceMode, w.engine.st.RunName),
        std::make_tuple(false, kTrue, kFalse, run));
  }
  // A range headed from year 0 names the year computed.
  EXPECT_EQ(TextLines(Pane("Creation", 0, "3")).at(1), "First year of run is 1 CE    ");
}

// The year as the range lists print it: "31 CE", "4004 BCE".
std::string Bare(double year) {
  static const std::regex bare(R"(\d+ B?CE)");
  std::smatch m;
  const std::string text = YearText(year);
  return std::regex_search(text, m, bare) ? m.str() : text;
}

// The years a range report lists: the Flood's by column, as its heading
// places them: "150 days" at 1, "149(+1)" at 20, "148(+2)" at 40, or at 35
// below the end of the 149(+1) column, which leaves a blank of 15: a row is
// 34 characters, 39 with a 149(+1) year, and a 148(+2) year adds 9.
std::vector<std::string> Listed(const std::string& run, int first, int last, int wanted = 0) {
  static const std::regex year(R"(\d+ B?CE)");
  std::vector<std::string> listed;
  bool below = false;
  for (const std::string& line : TextLines(Pane(run, first, num::CStr(last)))) {
    if (!below) {
      below = line.find("=====") != std::string::npos;
      continue;
    }
    bool second = false, third = false;
    for (std::sregex_iterator it(line.begin(), line.end(), year), end; it != end; ++it) {
      const auto at = it->position();
      const int column = run != "Flood" || at < 19 ? 0 : at < 30 ? 1 : 2;
      second = second || column == 1;
      third = third || column == 2;
      if (column == 2) {
        EXPECT_EQ(at, second ? 40 : 35) << line;
      }
      if (column == wanted) listed.push_back(it->str());
    }
    if (run == "Flood") {
      EXPECT_EQ(line.size(), (second ? 39u : 34u) + (third ? 9u : 0u)) << line;
    }
  }
  return listed;
}

TEST(ChronologyReport, EveryYearOfARangeReadLineByLineAndListedWhenMarked) {
  // The weekday of the Passover sacrifice (of Abib 1 at Creation) in some years.
  const std::map<int, std::string> keys = {
      {30, "Friday"},      {31, "Wednesday"}, {65, "Tuesday"},   {-1407, "Thursday"}, {-1406, "Monday"},
      {-1412, "Saturday"}, {-1470, "Sunday"}, {-3965, "Friday"}, {-4004, "Sunday"},   {-4021, "Monday"}};
  // The run, its range, its heading, the dates it states and the weekday it marks.
  for (const auto& [run, first, last, heading, stated, target] :
       {std::tuple{std::string("Golgotha"), -2, 65,
                   "Possible Dates for Jesus' Crucifixion, Resurrection and Pentecost in", 6u, "Wednesday"},
        {"Jordan", -1475, -1406, "Possible Dates for the Jordan Crossing in", 5u, "Saturday"},
        {"Creation", -4040, -3965, "Possible Dates for Creation in", 1u, "Sunday"}}) {
    std::vector<std::string> marked;
    std::size_t spotted = 0;
    for (const double y : RunYears(first, last)) {
      SCOPED_TRACE(run + " " + num::CStr(y));
      const std::string text = Pane(run, y);
      EXPECT_EQ(TextLines(text).at(0), heading + YearText(y));
      const auto dates = testing::StatedDates(text);
      ASSERT_EQ(dates.size(), stated);
      for (const StatedDate& d : dates)
        EXPECT_EQ(d.weekday, ReportWeekday(CivilDays(d), run == "Jordan")) << d.label;
      const StatedDate& key = run == "Golgotha" ? dates[1] : dates[0];
      if (const auto k = keys.find(static_cast<int>(y)); k != keys.end()) {
        EXPECT_EQ(key.weekday, k->second);
        ++spotted;
      }
      // The first day of the month is the day after the evening of sighting:
      // the last evening of the table, or the one before it when the doubtful
      // evening was "Prob Visible" (the table shows the evening after it).
      const std::string doubt = testing::TableDoubts(text).back();
      const auto lastEvening = testing::EveningRows(text).back();
      const long abib1 = run == "Creation" ? CivilDays(key) : CivilDays(key) - 13;
      EXPECT_EQ(abib1, CivilDays(lastEvening.day, lastEvening.month, std::abs(static_cast<int>(y)), y < 0) +
                           (doubt == "later" ? 0 : 1));
      // Marked: the run's weekday, or the one next to it that the doubt allows; listed in the range.
      const bool isMarked =
          key.weekday == target ||
          (doubt == "earlier" && ReportWeekday(CivilDays(key) - 1, run == "Jordan") == target) ||
          (doubt == "later" && ReportWeekday(CivilDays(key) + 1, run == "Jordan") == target);
      EXPECT_EQ(text.find("\r\n**") != std::string::npos || text.find("\r\n *****") != std::string::npos,
                isMarked);
      if (isMarked) marked.push_back(Bare(y));
      if (run == "Creation" && y == -3965) {
        // Computed at 42 degrees east: the same first evening as at Jerusalem,
        // the sun setting about 27 minutes earlier by the same zone clock.
        const auto here = testing::EveningRows(text)[0],
                   jerusalem = testing::EveningRows(Pane("Golgotha", y))[0];
        ASSERT_EQ(here.day, jerusalem.day);
        const int earlier =
            (jerusalem.sunsetHour - here.sunsetHour) * 60 + jerusalem.sunsetMinute - here.sunsetMinute;
        EXPECT_TRUE(earlier >= 15 && earlier <= 35) << earlier;
      }
      if (run == "Creation") continue;
      // The feast: seven days from the day after the Passover, the Wave
      // Offering on its Sunday (in the Jordan run Abib 15 may be that Sunday),
      // Pentecost seven weeks after it.
      const long passover = CivilDays(key);
      const std::vector<StatedDate> rest(dates.end() - 4, dates.end());
      EXPECT_EQ(CivilDays(rest[0]), passover + 1);
      EXPECT_EQ(CivilDays(rest[1]), passover + 7);
      EXPECT_EQ(rest[2].weekday, "Sunday");
      EXPECT_GE(CivilDays(rest[2]) - passover, run == "Jordan" ? 1 : 2);
      EXPECT_LE(CivilDays(rest[2]) - passover, run == "Jordan" ? 7 : 8);
      EXPECT_EQ(CivilDays(rest[3]), CivilDays(rest[2]) + 49);
      if (run == "Golgotha") {
        EXPECT_EQ(CivilDays(dates[0]), abib1);
      }
    }
    EXPECT_EQ(Listed(run, first, last), marked);
    EXPECT_GE(marked.size(), 4u);
    EXPECT_GE(spotted, 3u);
  }
}

// --- The Flood ----------------------------------------------------------------

TEST(FloodReport, TheCountIsTheDaysBetweenTheTwoDatesWithItsNote) {
  // A year that shows the row (0: none does), the days between, s2 and s7 (+1: a day more possible, the
  // 2nd month a day earlier or the 7th a day later; -1 the reverse), the note and the list it goes in:
  // only a count that can reach exactly 150 is marked and listed.
  const std::tuple<int, long, int, int, const char*, FloodList> cases[] = {
      {-2348, 150, 0, 0, "", FloodList::None},
      {-4004, 149, 0, 0, "", FloodList::None},
      {-3931, 149, 1, 0, "********** Possibly 150 days. **********", FloodList::Days149},
      {-3950, 149, 0, 1, "********** Possibly 150 days. **********", FloodList::Days149},
      {-3994, 148, 1, 0, "Possibly 149 days.", FloodList::None},
      {-3988, 148, 0, 1, "Possibly 149 days.", FloodList::None},
      {-3980, 148, 0, -1, "Possibly 147 days.", FloodList::None},
      {-3981, 148, -1, 0, "Possibly 147 days.", FloodList::None},
      {-3711, 149, 1, -1, "******** Possibly 148 or 150 days. **********", FloodList::Days149},
      {-3995, 148, 1, -1, "Possibly 147 or 149 days.", FloodList::None},
      {-3912, 148, 1, 1, "********** Possibly 149 or 150 days. ***********", FloodList::Days148},
      {-3863, 147, 1, 1, "Possibly 148 or 149 days.", FloodList::None},
      {-3732, 148, -1, -1, "Possibly 146 or 147 days.", FloodList::None},
      {-3783, 150, -1, -1, "Possibly 148 or 149 days.", FloodList::None},
      {-2482, 149, -1, 1, "********** Possibly 148 or 150 days. **********", FloodList::Days149},
      {-3821, 148, -1, 1, "Possibly 147 or 149 days.", FloodList::None},
      {0, 149, 1, 1, "********** Possibly 150 or 151 days. ***********", FloodList::Days149},
      {0, 151, 1, -1, "Possibly 150 or 152 days.", FloodList::None},
      {0, 151, -1, -1, "Possibly 149 or 150 days.", FloodList::None},
      {0, 151, 0, -1, "Possibly 150 days.", FloodList::None},
  };
  for (const auto& [year, days, s2, s7, note, list] : cases) {
    SCOPED_TRACE(::testing::Message() << year << ": " << days << " " << s2 << " " << s7);
    EXPECT_EQ(FloodNoteText(static_cast<double>(days), s2, s7), note);
    EXPECT_EQ(FloodNoteList(static_cast<double>(days), s2, s7), list);
    if (year == 0) continue;
    const std::string text = Pane("Flood", year);
    const auto dates = testing::StatedDates(text);
    ASSERT_EQ(dates.size(), 2u);
    // The 17th is sixteen days after the first, the day after the last evening
    // of its month's table (two days after a doubtful low one, shown last).
    std::vector<testing::EveningRow> lastRows;
    std::ranges::copy_if(testing::EveningRows(text), std::back_inserter(lastRows),
                         &testing::EveningRow::lastOfTable);
    ASSERT_EQ(lastRows.size(), 3u);
    for (std::size_t k = 0; k < 2; ++k) {
      const auto& evening = lastRows[k + 1];
      const std::string& label = dates[k].label;
      EXPECT_TRUE(label.starts_with(k == 0 ? "17th of 2nd Month is" : "17th of 7th Month is")) << label;
      EXPECT_EQ(label.ends_with("(possibly one day earlier)") - label.ends_with("(possibly one day later)"),
                k == 0 ? s2 : -s7);
      EXPECT_EQ(CivilDays(dates[k]), CivilDays(evening.day, evening.month, -year, true) +
                                         (evening.verdict == "Prob Not Visible" ? 2 : 1) + 16);
      EXPECT_EQ(dates[k].weekday, ReportWeekday(CivilDays(dates[k])));
    }
    ASSERT_EQ(CivilDays(dates[1]) - CivilDays(dates[0]), days);
    const std::string count = "There are " + std::to_string(days) + " days between these dates. ";
    EXPECT_TRUE(text.ends_with((days == 150 ? "\r\n\r\n******* " + count + " ******* " : "\r\n" + count) +
                               note + "\r\n"))
        << text.substr(text.size() - 120);
  }
}

// --- Range lists against the years' own reports ----------------------------------

TEST(FloodRange, ListsEachYearInTheColumnOfItsCount) {
  // All three columns filled; then the 149(+1) column ending first, with blanks below it.
  for (const auto& [first, last] : {std::pair{-3960, -3900}, {-2400, -2300}}) {
    std::vector<std::string> marked[3];
    for (const double y : RunYears(first, last)) {
      const std::string count = TextLines(Pane("Flood", y)).back();
      if (count.starts_with("*")) {
        marked[0].push_back(Bare(y));
      } else if (count.ends_with("*")) {
        marked[count.starts_with("There are 149 ") ? 1 : 2].push_back(Bare(y));
      }
    }
    for (int k = 0; k < 3; ++k) EXPECT_EQ(Listed("Flood", first, last, k), marked[k]) << first << " " << k;
    EXPECT_FALSE(marked[0].empty() || marked[1].empty());
  }
}

// --- The tables of a year at a place ----------------------------------------------

// A main window with its user data in a fresh folder and a place typed
// into the coordinate boxes.
struct MainWindow : testing::MainWindowCore {
  MainWindow(const std::string& name, const std::string& coordinates) {
    w.TypeKeys(Control::txtLatDeg, coordinates);
    w.SetFocus(Control::None);
    w.userData().LocationName = name;
    w.UserDataChanged = false;
  }
  const std::string& Run(bool sunsets, const std::string& year, bool gregorian) {
    w.SwitchSection(sunsets ? "Sunset" : "Times");
    w.txtYear = year;
    w.chkGregYear = gregorian;
    sunsets ? w.cmdSunset_Click() : w.cmdTimes_Click();
    return w.OutputText();
  }
};

const std::string kNewYork = "40 43 N 74 0 W 5", kJerusalem = "31 47 N 35 13 E 2";

// One day of the reference year: times in hours of the zone day (NaN when
// the event does not happen that day) and the moon's illumination then.
struct RefDay {
  double jd, sunrise, sunset, moonrise, moonset, illumRise, illumSet;
};
std::map<chr::sys_days, RefDay> ReferenceYear() {
  std::map<chr::sys_days, RefDay> days;
  for (auto f : testing::ReadReferenceCsv("times_new_york_2024.csv")) {
    f.resize(8);
    double v[7];
    for (std::size_t i = 0; i < 7; ++i) {
      const std::string& t = f[i + 1];
      v[i] = t.empty() ? NAN
             : i >= 1 && i <= 4
                 ? std::stoi(t) + std::stoi(t.substr(3)) / 60.0 + std::stoi(t.substr(6)) / 3600.0
                 : std::stod(t);
    }
    days[chr::year{std::stoi(f[0])} / std::stoi(f[0].substr(5)) / std::stoi(f[0].substr(8))] = {
        v[0], v[1], v[2], v[3], v[4], v[5], v[6]};
  }
  EXPECT_EQ(days.size(), 366u) << "reference file";
  return days;
}

// Minutes between two clock times, across midnight.
double MinutesApart(double hours, double refHours) {
  return std::fabs(std::remainder((hours - refHours) * 60, 1440));
}

// A Gregorian table takes the Delta T of its own year, as a Biblical year's
// table takes that of its first month: both print the same minute on the
// days they share, whatever ran before (4000 BCE leaves a Delta T of about
// half a day).  In 1461 BCE a table without it differed on 59 of 266 days.
TEST(Sunsets, FourColumnsOfDaysWithTheBiblicalTablesMinutesWhateverRanBefore) {
  const std::tuple<const char*, bool, chr::sys_days, std::size_t, const char*> cases[] = {
      {"2024", true, chr::year{2024} / 1 / 1, 92, " 2024 CE  CALCULATED SUNSETS"},
      // The crescent of the new moon of 8 April 2024 was first seen on the
      // evening of the 9th: Abib 1 is 10 April, its table starts the evening before.
      {"2024", false, chr::year{2024} / 4 / 9, 108, " 2024 CE  CALCULATED SUNSETS"},
      {"-1", true, chr::year{0} / 1 / 1, 92, " 1 BCE    CALCULATED SUNSETS"},
  };
  // Day, month, the bare year of its era, the sunset.
  static const std::regex cell(R"(([ \d]\d) ([A-Z][a-z]{2}) (\d+)([ \d]{2}\d):(\d\d)PM    )");
  const auto sunsets = [](const std::string& text) {
    std::map<std::string, std::string> byDay;
    for (auto m = std::sregex_iterator(text.begin(), text.end(), cell); m != std::sregex_iterator(); ++m)
      byDay[(*m)[1].str() + (*m)[2].str() + (*m)[3].str()] = (*m)[4].str() + ":" + (*m)[5].str();
    return byDay;
  };
  const auto reference = ReferenceYear();
  MainWindow f("New York", kNewYork);
  for (const auto& [year, gregorian, first, rows, title] : cases) {
    SCOPED_TRACE(std::string(year) + (gregorian ? "" : " Biblical"));
    const auto lines = TextLines(f.Run(true, year, gregorian));
    ASSERT_EQ(lines.size(), 4 + rows);
    EXPECT_EQ(lines[0], title);
    EXPECT_EQ(lines[1], "(New York, 40\u00BA43'N 74\u00BA0'W GMT -5)");
    EXPECT_EQ(lines[3], std::string(88, '_'));
    double worst = 0;
    for (std::size_t row = 0; row < rows; ++row) {
      const std::string& line = lines[4 + row];
      std::size_t column = 0, covered = 0;
      for (auto m = std::sregex_iterator(line.begin(), line.end(), cell); m != std::sregex_iterator();
           ++m, ++column) {
        const chr::year_month_day date(first + chr::days(row + rows * column));
        const int y = static_cast<int>(date.year());
        EXPECT_EQ(std::to_string(std::stoi((*m)[1])) + " " + std::to_string(testing::MonthNumber((*m)[2])) +
                      " " + (*m)[3].str(),
                  std::to_string(unsigned(date.day())) + " " + std::to_string(unsigned(date.month())) + " " +
                      std::to_string(y > 0 ? y : 1 - y))
            << line;
        covered += static_cast<std::size_t>(m->length());
        const auto ref = reference.find(chr::sys_days(date));
        if (gregorian && y == 2024 && ref != reference.end()) {
          worst = std::max(
              worst, MinutesApart(std::stoi((*m)[4]) + 12 + std::stoi((*m)[5]) / 60.0, ref->second.sunset));
        }
      }
      EXPECT_EQ(column, 4u) << line;
      EXPECT_EQ(covered, line.size()) << line;
    }
    // Rounded to the minute, the low-precision sun stays within a minute and a half.
    EXPECT_LT(worst, 1.5);
  }
  const auto biblical = sunsets(f.Run(true, "-1461", false));
  f.Run(true, "-4000", false);
  std::size_t shared = 0;
  for (const auto& [day, sunset] : sunsets(f.Run(true, "-1461", true))) {
    if (!biblical.contains(day)) continue;
    ++shared;
    EXPECT_EQ(sunset, biblical.at(day)) << day;
  }
  EXPECT_GT(shared, 250u);
}

TEST(Times, AYearAgreesWithAnIndependentEphemeris) {
  // A day line: "01/01/2024   2460311     7:20      16:39    22:14       68.2    10:52      72.6" (date, day
  // number, sunrise, sunset, moonrise and its illumination, moonset and its); no moon event is "--:--" and "
  // ----".
  static const std::regex form(
      R"((\d\d/\d\d/-?\d{4})   (\d+)     (\d?\d:\d\d)      (\d?\d:\d\d)    (\d\d:\d\d|--:--)      ( \d\d\.\d| \d\.\d\d| 100 | ----)    (\d\d:\d\d|--:--)     ( \d\d\.\d| \d\.\d\d| 100 | ----))");
  const auto hours = [](const std::string& hm) {
    return std::stoi(hm) + std::stoi(hm.substr(hm.find(':') + 1)) / 60.0;
  };
  MainWindow f("New York", kNewYork);
  const auto lines = TextLines(f.Run(false, "2024", true));
  const std::string header =
      "  DATE    JULIAN DAY #  SUNRISE   SUNSET   MOONRISE  % ILLUM.  MOONSET  % ILLUM";
  ASSERT_EQ(lines.size(), 4u + 366u + 13u);
  EXPECT_EQ(lines[0], "(New York, 40\u00BA43'N 74\u00BA0'W GMT -5)");
  EXPECT_EQ(lines[1], "Times are not corrected for changes in Daylight Saving.");
  EXPECT_EQ(lines[2], "Dates are shown in Month/Day/Year format.");
  EXPECT_EQ(lines[3], std::string(79, '_'));
  const auto reference = ReferenceYear();
  int day = 0, moonEvents = 0, moonFar = 0, missing = 0;
  double worstSun = 0, worstMoon = 0, worstIllum = 0;
  const RefDay* previous = nullptr;
  for (std::size_t i = 4; i < lines.size(); ++i) {
    // The header stands above the 1st, 31st, 61st, ... day.
    ASSERT_EQ(lines[i] == header, day % 30 == 0 && lines[i - 1] != header) << "above day " << day + 1;
    if (lines[i] == header) continue;
    std::smatch t;
    ASSERT_TRUE(std::regex_match(lines[i], t, form) && (t[5] == "--:--") == (t[6] == " ----") &&
                (t[7] == "--:--") == (t[8] == " ----"))
        << lines[i];
    const chr::sys_days date = chr::sys_days(chr::year{2024} / 1 / 1) + chr::days(day++);
    const std::string mdy = t[1];
    EXPECT_EQ(chr::year{std::stoi(mdy.substr(6))} / std::stoi(mdy) / std::stoi(mdy.substr(3)), date) << mdy;
    const RefDay& ref = reference.at(date);
    EXPECT_EQ(std::stod(t[2]), ref.jd);
    worstSun =
        std::max({worstSun, MinutesApart(hours(t[3]), ref.sunrise), MinutesApart(hours(t[4]), ref.sunset)});
    const double refHours[] = {ref.moonrise, ref.moonset}, refIllum[] = {ref.illumRise, ref.illumSet};
    const double dayBefore[] = {previous ? previous->moonrise : NAN, previous ? previous->moonset : NAN};
    for (int e = 0; e < 2; ++e) {
      const std::string cell = t[5 + 2 * e], illum = t[6 + 2 * e];
      // A day without the event: the reference has none either, or has it within half an hour of a midnight.
      if (cell == "--:--" || std::isnan(refHours[e])) {
        missing += cell != "--:--" || (refHours[e] > 0.5 && refHours[e] < 23.5);
        continue;
      }
      ++moonEvents;
      const double apart = MinutesApart(hours(cell), refHours[e]);
      if (apart > 10) {
        // The search does not test convergence: an event near noon, a day
        // from where it starts, can come out as the day before's.
        ++moonFar;
        EXPECT_LE(MinutesApart(hours(cell), dayBefore[e]), 10) << lines[i];
        continue;
      }
      worstMoon = std::max(worstMoon, apart);
      worstIllum = std::max(worstIllum, std::fabs(std::stod(illum) - refIllum[e]));
    }
    previous = &ref;
  }
  EXPECT_EQ(day, 366);
  EXPECT_LT(worstSun, 1.5);
  // The moon's rising and setting come from two passes of a low-precision
  // theory: all but a few within ten minutes, the illumination to a point and a half.
  EXPECT_GT(moonEvents, 680);
  EXPECT_LE(missing, 4);
  EXPECT_LE(moonFar, moonEvents / 100);
  EXPECT_LT(worstMoon, 10);
  EXPECT_LT(worstIllum, 1.5);
  // A Biblical year: four hundred days from the evening before Abib 1 (10 April 2024).
  std::vector<std::string> days;
  for (const std::string& line : TextLines(f.Run(false, "2024", false))) {
    if (std::smatch t; std::regex_match(line, t, form)) days.push_back(t[1]);
  }
  ASSERT_EQ(days.size(), 400u);
  EXPECT_EQ(days.front() + " " + days.back(), "04/09/2024 05/13/2025");
}

TEST(LocationRuns, EnterInTheYearBoxSavesTheChangedPlaceAndRunsTheSectionsTable) {
  for (const auto& [section, start, button] :
       {std::tuple{"LocalMoons", " 2023 CE  CALCULATED NEW MOONS", &HolyDaysWindow::cmdLocMonEnabled},
        {"Sunset", " 2023 CE  CALCULATED SUNSETS", &HolyDaysWindow::cmdSunsetEnabled},
        {"Times", "(New York, 40\u00BA43'N 74\u00BA0'W GMT -4)", &HolyDaysWindow::cmdTimesEnabled}}) {
    SCOPED_TRACE(section);
    MainWindow f("New York", kNewYork);
    f.w.SwitchSection(section);
    f.w.chkEJW = true;
    f.w.TypeKeys(Control::txtGMT, "4");
    f.w.SetFocus(Control::None);
    bool disabledWhileWriting = false;
    f.w.OutputPane().onChange = [&] { disabledWhileWriting = disabledWhileWriting || !(f.w.*button); };
    f.w.TypeKeys(Control::txtYear, "2023\r");
    f.w.OutputPane().onChange = nullptr;
    EXPECT_TRUE(f.w.OutputText().starts_with(start)) << f.w.OutputText().substr(0, 80);
    EXPECT_TRUE(disabledWhileWriting && f.w.*button);
    EXPECT_FALSE(f.w.UserDataChanged);
    EXPECT_TRUE(std::filesystem::exists(f.dir / "per-user" / "UserData.Dat"));
    EXPECT_EQ(f.w.state().TableMode + f.w.state().LocalMode, kFalse);
    // Local month starts are the tables alone; the east-of-Israel box is for Jerusalem's reports.
    EXPECT_EQ(f.w.OutputText().find("First Day of Month"), std::string::npos);
    EXPECT_FALSE(f.w.chkEJW);
  }
}

TEST(NoNotANumber, EveryReportIsDefinedAtEveryLatitude) {
  // The local new moons, the sunsets and every `stride`-th day of the times
  // table; an undefined hour angle fails even where it prints as no event.
  const auto sweep = [](const std::string& place, const std::vector<int>& years, int stride) {
    MainWindow f("Sweep", place);
    if (place.starts_with("60 59")) {  // 61 degrees pasted past the box's limit are read as 60.99
      f.w.SetCoordinateText(f.w.txtLatDeg, "61");
      f.w.SetCoordinateText(f.w.txtLatMin, "0");
    }
    EphemerisState& st = f.w.state();
    for (int year : years) {
      SCOPED_TRACE(place + " in " + std::to_string(year));
      f.w.txtYear = std::to_string(year);
      f.w.cmdLocMon_Click();
      std::string text = f.w.OutputText() + f.Run(true, std::to_string(year), true);
      st.LocalMode = st.TableMode = kTrue;
      f.w.ReadCoordinates();
      f.w.engine().InitEphemeris();
      const double first = st.MonthStartJD - 1;  // 1 January
      for (double jd = first; jd < first + 366; jd += stride) {
        st.ConvertJD = jd;
        f.w.engine().JulianDayToDateText();
        st.LunationNumber = std::floor((jd - 2415021) / 29.530589);
        f.w.modTimes().WriteDayTimes(f.w.engine(), jd);
        ASSERT_TRUE(std::isfinite(st.MoonHourAngle) && std::isfinite(st.SunCosHourAngle)) << "JD " << jd;
      }
      st.TableMode = st.LocalMode = kFalse;
      text += f.w.OutputText();
      ASSERT_TRUE(text.find("nan") == std::string::npos && text.find("inf") == std::string::npos) << text;
    }
  };
  for (int degrees = -60; degrees <= 60; ++degrees) {
    sweep(std::to_string(std::abs(degrees)) + (degrees < 0 ? " 0 S" : " 0 N") + " 35 13 E 2",
          {-4004, -1500, 2024, 9999}, 13);
  }
  // With the larger obliquity of ancient times the moon's declination
  // reaches about 29 degrees in the years of its greatest swing (every 18.61
  // years; one was in 2025): at the limit it then neither rises nor sets on some days.
  std::vector<int> swings;
  for (int k = 125; k <= 325; k += 25) swings.push_back(static_cast<int>(std::floor(2025 - 18.61 * k)) - 1);
  sweep("60 59 N 35 13 W 2", swings, 1);
  sweep("60 59 S 35 13 W 2", swings, 1);
}

}  // namespace
}  // namespace orvane::runs
