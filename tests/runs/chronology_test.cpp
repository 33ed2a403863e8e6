// The Golgotha, Jordan, Creation and Flood runs: the year boxes, single years
// read line by line against day counts and weekdays by std::chrono and the
// reports' own tables, and the range lists against the years' own reports.
#include "runs/chronology.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <regex>
#include <tuple>

#include "engine/numeric.h"
#include "runs/run_years.h"
#include "support/civil_days.h"

namespace orvane::runs {
namespace {

using testing::CivilDays;
using testing::ReportWeekday;
using testing::StatedDate;
using testing::TextLines;

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
  struct Case {
    const char *run, *first, *second, *wantFirst, *wantSecond;
    int beeps;
    const char* firstLine;
  };
  const Case cases[] = {
      {"Golgotha", "40", "20", "20", "40", 0,
       "The following years may have the Passover sacrifice on Wednesday."},
      {"Golgotha", "-5000", "", "-4004", "", 0,
       "Possible Dates for Jesus' Crucifixion, Resurrection and Pentecost in 4004 BCE"},
      {"Jordan", "9998", "12000", "9998", "9999", 0,
       "The following years may have the Passover sacrifice on the Sabbath."},
      {"Jordan", "0", "", "0", "", 0, "Possible Dates for the Jordan Crossing in 1 CE    "},
      {"Creation", "-7000", "-5999", "-6000", "-5999", 0, "The following years may have Abib 1 on Sunday."},
      {"Creation", "", "", "-6000", "", 0, "Possible Dates for Creation in 6000 BCE"},
      {"HolyDays", "30", "", "30", "", 0, nullptr},  // not a chronology run: nothing runs
      {"Flood", "0", "", "-1", "", 0, nullptr},      // read as the engine reads a year
      {"Flood", "-5000", "-4003", "-4004", "-4003", 1,
       " First year of run is 4004 BCE          Last year of run is 4003 BCE"},
      {"Flood", "-2300", "-2400", "-2400", "-2300", 0,
       " First year of run is 2400 BCE          Last year of run is 2300 BCE"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.run) + " " + c.first + ".." + c.second);
    const Window w(c.run, c.first, c.second);
    EXPECT_EQ(w.boxes.first, c.wantFirst);
    EXPECT_EQ(w.boxes.second, c.wantSecond);
    EXPECT_EQ(w.boxes.beeps, c.beeps);
    if (c.firstLine != nullptr) {
      EXPECT_EQ(TextLines(w.text()).at(0), c.firstLine);
    }
    if (std::string(c.run) == "HolyDays") {
      EXPECT_EQ(w.text(), "");
      continue;
    }
    // The run fixes its own place and gives it back; Enter repeats it.
    EXPECT_FALSE(w.boxes.eastTicked);
    EXPECT_EQ(w.engine.st.ShowInMain, kTrue);
    EXPECT_EQ(w.engine.st.FixedPlaceMode, kFalse);
    EXPECT_EQ(w.engine.st.RunName, c.run);
  }
  // A range headed from year 0 names the year computed.
  EXPECT_EQ(TextLines(Pane("Creation", 0, "3")).at(1), "First year of run is 1 CE    ");
}

TEST(ChronologyReport, SingleYearsReadLineByLine) {
  struct Case {
    const char* run;
    int year;
    const char* keyWeekday;  // of the Passover sacrifice, or of Abib 1 at Creation
    bool marked;
  };
  const Case cases[] = {
      {"Golgotha", 30, "Friday", false},    {"Golgotha", 31, "Wednesday", true},
      {"Golgotha", 65, "Tuesday", true},    {"Golgotha", 180, "Thursday", true},
      {"Jordan", -1407, "Thursday", false}, {"Jordan", -1406, "Monday", false},
      {"Jordan", -1412, "Saturday", true},  {"Jordan", -1470, "Sunday", true},
      {"Creation", -3965, "Friday", false}, {"Creation", -4004, "Sunday", true},
      {"Creation", -4021, "Monday", true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.run) + " " + std::to_string(c.year));
    const std::string run = c.run, text = Pane(run, c.year);
    const auto lines = TextLines(text);
    const std::string heading = run == "Golgotha"
                                    ? "Possible Dates for Jesus' Crucifixion, Resurrection and Pentecost in"
                                : run == "Jordan" ? "Possible Dates for the Jordan Crossing in"
                                                  : "Possible Dates for Creation in";
    EXPECT_EQ(lines.at(0), heading + YearText(c.year));
    const auto dates = testing::StatedDates(text);
    ASSERT_EQ(dates.size(), run == "Golgotha" ? 6u : run == "Jordan" ? 5u : 1u);
    for (const StatedDate& d : dates)
      EXPECT_EQ(d.weekday, ReportWeekday(CivilDays(d), run == "Jordan")) << d.label;
    const StatedDate& key = run == "Golgotha" ? dates[1] : dates[0];
    EXPECT_EQ(key.weekday, c.keyWeekday);

    // The first day of the month is the day after the evening of sighting:
    // the last evening of the table, or the one before it when the doubtful
    // evening was "Prob Visible" (the table shows the evening after it).
    const std::string doubt = testing::TableDoubts(text).back();
    const auto last = testing::EveningRows(text).back();
    const long lastEvening = CivilDays(last.day, last.month, std::abs(c.year), c.year < 0);
    const long abib1 = run == "Creation" ? CivilDays(key) : CivilDays(key) - 13;
    EXPECT_EQ(abib1, lastEvening + (doubt == "later" ? 0 : 1));

    // The marked weekday, or the one next to it that the month start's doubt allows.
    const char* target = run == "Golgotha" ? "Wednesday" : run == "Jordan" ? "Saturday" : "Sunday";
    const bool marked =
        key.weekday == target ||
        (doubt == "earlier" && ReportWeekday(CivilDays(key) - 1, run == "Jordan") == target) ||
        (doubt == "later" && ReportWeekday(CivilDays(key) + 1, run == "Jordan") == target);
    EXPECT_EQ(marked, c.marked);
    EXPECT_EQ(text.find("\r\n**") != std::string::npos || text.find("\r\n *****") != std::string::npos,
              c.marked);
    if (run == "Creation" && c.year == -3965) {
      // Computed at 42 degrees east: the same first evening as at Jerusalem,
      // the sun setting about 27 minutes earlier by the same zone clock.
      const auto here = testing::EveningRows(text)[0],
                 jerusalem = testing::EveningRows(Pane("Golgotha", c.year))[0];
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
}

// --- The Flood ----------------------------------------------------------------

TEST(FloodReport, TheCountIsTheDaysBetweenTheTwoDatesWithItsNote) {
  // s2 = +1: the second month possibly one day earlier (one day more);
  // s7 = -1: the seventh month possibly one day earlier (one day fewer).
  // Only a count that can rise to exactly 150 is marked and listed.  A year
  // that shows each row, where one does.
  struct Case {
    int year;
    long days;
    int s2, s7;
    const char* note;
    FloodList list;
  };
  const Case cases[] = {
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
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.year) + ": " + std::to_string(c.days) + " " + std::to_string(c.s2) + " " +
                 std::to_string(c.s7));
    EXPECT_EQ(FloodNoteText(static_cast<double>(c.days), c.s2, c.s7), c.note);
    EXPECT_EQ(FloodNoteList(static_cast<double>(c.days), c.s2, c.s7), c.list);
    if (c.year == 0) continue;
    const std::string text = Pane("Flood", c.year);
    const auto dates = testing::StatedDates(text);
    ASSERT_EQ(dates.size(), 2u);
    const auto shift = [](const std::string& label, int ifEarlier) {
      return label.ends_with("(possibly one day earlier)") ? ifEarlier
             : label.ends_with("(possibly one day later)") ? -ifEarlier
                                                           : 0;
    };
    EXPECT_TRUE(dates[0].label.starts_with("17th of 2nd Month is"));
    EXPECT_TRUE(dates[1].label.starts_with("17th of 7th Month is"));
    EXPECT_EQ(shift(dates[0].label, 1), c.s2);
    EXPECT_EQ(shift(dates[1].label, -1), c.s7);
    // The 17th is sixteen days after the first, the day after the last evening
    // of its month's table (two days after a doubtful low one, shown last).
    std::vector<testing::EveningRow> lastRows;
    for (const auto& row : testing::EveningRows(text)) {
      if (row.lastOfTable) lastRows.push_back(row);
    }
    ASSERT_EQ(lastRows.size(), 3u);
    for (std::size_t k = 0; k < 2; ++k) {
      const auto& evening = lastRows[k + 1];
      EXPECT_EQ(CivilDays(dates[k]), CivilDays(evening.day, evening.month, -c.year, true) +
                                         (evening.verdict == "Prob Not Visible" ? 2 : 1) + 16);
      EXPECT_EQ(dates[k].weekday, ReportWeekday(CivilDays(dates[k])));
    }
    ASSERT_EQ(CivilDays(dates[1]) - CivilDays(dates[0]), c.days);
    const std::string count = "There are " + std::to_string(c.days) + " days between these dates. ";
    EXPECT_TRUE(text.ends_with((c.days == 150 ? "\r\n\r\n******* " + count + " ******* " : "\r\n" + count) +
                               c.note + "\r\n"))
        << text.substr(text.size() - 120);
  }
}

// --- Range lists against the years' own reports ----------------------------------

TEST(ChronologyRange, ListsExactlyTheYearsWhoseOwnReportIsMarked) {
  // The Flood's years by column, as its heading places them: "150 days" at
  // 1, "149(+1)" at 20, "148(+2)" at 40, or at 35 below the end of the
  // 149(+1) column, which leaves a blank of 15.
  static const std::regex year(R"(\d+ B?CE)");
  const auto bare = [](double y) {
    std::smatch m;
    const std::string text = YearText(y);
    return std::regex_search(text, m, year) ? m.str() : text;
  };
  for (const auto& [run, first, last] : {std::tuple{"Creation", -4040, -3965},
                                         {"Jordan", -1475, -1440},
                                         {"Golgotha", -2, 40},
                                         {"Flood", -3960, -3900},
                                         {"Flood", -2400, -2300}}) {
    SCOPED_TRACE(run);
    const bool flood = std::string(run) == "Flood";
    std::vector<std::string> marked[3], listed[3];
    for (double y : RunYears(first, last)) {
      const std::string text = Pane(run, y), count = TextLines(text).back();
      int column = -1;
      if (!flood &&
          (text.find("\r\n**") != std::string::npos || text.find("\r\n *****") != std::string::npos))
        column = 0;
      if (flood && count.starts_with("*")) {
        column = 0;
      } else if (flood && count.ends_with("*")) {
        column = count.starts_with("There are 149 ") ? 1 : 2;
      }
      if (column >= 0) marked[column].push_back(bare(y));
    }
    bool below = false;
    for (const std::string& line : TextLines(Pane(run, first, num::CStr(last)))) {
      if (!below) {
        below = line.find("=====") != std::string::npos;
        continue;
      }
      bool second = false;
      for (std::sregex_iterator it(line.begin(), line.end(), year), end; it != end; ++it) {
        const auto at = it->position();
        const int column = !flood || at < 19 ? 0 : at < 30 ? 1 : 2;
        second = second || column == 1;
        if (column == 2) {
          EXPECT_EQ(at, second ? 40 : 35) << line;
        }
        listed[column].push_back(it->str());
      }
    }
    for (int k = 0; k < 3; ++k) EXPECT_EQ(listed[k], marked[k]) << k;
    EXPECT_GE(marked[0].size() + marked[1].size(), 4u);
  }
}

}  // namespace
}  // namespace orvane::runs
