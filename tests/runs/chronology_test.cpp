// The Golgotha, Jordan, Creation and Flood runs: the year boxes, the single
// years read line by line against the calendar facts they must satisfy (day
// counts and weekdays by std::chrono, conjunctions by a modern ephemeris),
// and the range lists against the years' own reports.
#include "runs/chronology.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "engine/numeric.h"
#include "runs/run_years.h"
#include "support/civil_days.h"

namespace orvane::runs {
namespace {

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
  void ProcessPendingEvents() override {
    ++events;
    busyAtEveryEvent = busyAtEveryEvent && working && !floodEnabled;
  }

  std::string first, second;
  bool eastTicked = true, working = false, floodEnabled = true, busyAtEveryEvent = true;
  int events = 0, beeps = 0;
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

using testing::CivilDays;
using testing::ReportWeekday;

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
      {"Golgotha", "", "31", "31", "", 0,
       "Possible Dates for Jesus' Crucifixion, Resurrection and Pentecost in 31 CE   "},
      {"Jordan", "9998", "12000", "9998", "9999", 0,
       "The following years may have the Passover sacrifice on the Sabbath."},
      {"Jordan", "0", "", "0", "", 0, "Possible Dates for the Jordan Crossing in 1 CE    "},
      {"Creation", "-7000", "-5999", "-6000", "-5999", 0, "The following years may have Abib 1 on Sunday."},
      {"Creation", "", "", "-6000", "", 0, "Possible Dates for Creation in 6000 BCE"},
      {"HolyDays", "30", "", "30", "", 0, nullptr},  // not a chronology run: nothing runs
      {"Flood", "0", "", "-1", "", 0, nullptr},      // read as the engine reads a year
      {"Flood", "-5000", "-4003", "-4004", "-4003", 1,
       " First year of run is 4004 BCE          Last year of run is 4003 BCE"},
      {"Flood", "-3", "0", "-3", "-1", 0,
       " First year of run is 3 BCE             Last year of run is 1 BCE   "},
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

// Conjunctions by a modern ephemeris (VSOP87 and ELP2000), as day counts
// (JD - 2440588 at noon) of the day they fall on, of the first months below.
constexpr long kNewMoon30 = 1732096 - 2440588;       // 20 Mar 30 CE
constexpr long kNewMoon31 = 1732480 - 2440588;       // 7 Apr 31 CE
constexpr long kNewMoon1407Bce = 1207633 - 2440588;  // the month after one seen before the equinox
constexpr long kNewMoon1406Bce = 1207988 - 2440588;  // 29 Mar 1406 BCE
constexpr long kNewMoon3965Bce = 273344 - 2440588;   // the month after one seen before the equinox

TEST(ChronologyReport, SingleYearsReadLineByLine) {
  struct Case {
    const char* run;
    int year;
    const char* keyWeekday;  // of the Passover sacrifice, or of Abib 1 at Creation
    bool marked;
    long conjunction;  // 0: not checked
  };
  const Case cases[] = {
      {"Golgotha", 30, "Friday", false, kNewMoon30},
      {"Golgotha", 31, "Wednesday", true, kNewMoon31},
      {"Golgotha", 65, "Tuesday", true, 0},
      {"Golgotha", 180, "Thursday", true, 0},
      {"Jordan", -1407, "Thursday", false, kNewMoon1407Bce},
      {"Jordan", -1406, "Monday", false, kNewMoon1406Bce},
      {"Jordan", -1412, "Saturday", true, 0},
      {"Jordan", -1470, "Sunday", true, 0},
      {"Creation", -3965, "Friday", false, kNewMoon3965Bce},
      {"Creation", -4004, "Sunday", true, 0},
      {"Creation", -4021, "Monday", true, 0},
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
    if (c.conjunction != 0) {
      EXPECT_GE(abib1 - c.conjunction, 1);
      EXPECT_LE(abib1 - c.conjunction, 4);
    }

    // The marked weekday, or the one next to it that the month start's doubt allows.
    const char* target = run == "Golgotha" ? "Wednesday" : run == "Jordan" ? "Saturday" : "Sunday";
    const bool marked =
        key.weekday == target ||
        (doubt == "earlier" && ReportWeekday(CivilDays(key) - 1, run == "Jordan") == target) ||
        (doubt == "later" && ReportWeekday(CivilDays(key) + 1, run == "Jordan") == target);
    EXPECT_EQ(marked, c.marked);
    EXPECT_EQ(text.find("\r\n**") != std::string::npos || text.find("\r\n *****") != std::string::npos,
              c.marked);
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

TEST(ChronologyReport, CreationIsComputedAt42DegreesEast) {
  // The same first evening as at Jerusalem, but 6.76 degrees further east
  // the sun sets about 27 minutes earlier by the same zone clock.
  for (int year : {-3965, -2000, 30}) {
    const auto creation = testing::EveningRows(Pane("Creation", year));
    const auto golgotha = testing::EveningRows(Pane("Golgotha", year));
    ASSERT_EQ(creation[0].day, golgotha[0].day) << year;
    const int earlier = (golgotha[0].sunsetHour - creation[0].sunsetHour) * 60 + golgotha[0].sunsetMinute -
                        creation[0].sunsetMinute;
    EXPECT_GE(earlier, 15) << year;
    EXPECT_LE(earlier, 35) << year;
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

TEST(FloodRange, TheWindowHandlesItsEventsEvery501YearsWhileBusy) {
  struct Case {
    const char *first, *last;
    int events;
  };
  for (const Case c : {Case{"-4002", "-4000", 1}, Case{"1000", "2002", 3}}) {
    const Window run("Flood", c.first, c.last);
    EXPECT_EQ(run.boxes.events, c.events) << c.first;  // as the range starts, after each 501st year
    EXPECT_TRUE(run.boxes.busyAtEveryEvent);
    EXPECT_FALSE(run.boxes.working);
    EXPECT_TRUE(run.boxes.floodEnabled);
    EXPECT_EQ(run.engine.st.ShowInMain, kTrue);
  }
}

// --- Range lists against the years' own reports ----------------------------------

TEST(ChronologyRange, ListsExactlyTheYearsWhoseOwnReportIsMarked) {
  struct Case {
    const char* run;
    int first, last;
    const char* heading;
  };
  const Case cases[] = {
      {"Creation", -4040, -3965, "The following years may have Abib 1 on Sunday."},
      {"Jordan", -1475, -1440, "The following years may have the Passover sacrifice on the Sabbath."},
      {"Golgotha", -2, 40, "The following years may have the Passover sacrifice on Wednesday."},
      {"Flood", -3960, -3900, nullptr},  // all three columns filled
      {"Flood", -2400, -2300, nullptr},  // the 149(+1) column ends first: blanks below it
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.run);
    std::vector<double> marked, flood[3];
    for (double year : RunYears(c.first, c.last)) {
      const std::string text = Pane(c.run, year);
      const auto lines = TextLines(text);
      if (c.heading != nullptr) {
        if (text.find("\r\n**") != std::string::npos || text.find("\r\n *****") != std::string::npos)
          marked.push_back(year);
        continue;
      }
      const std::string& count = lines.back();
      const bool listed = count.ends_with("*");
      if (count.starts_with("*******")) flood[0].push_back(year);
      if (listed && count.starts_with("There are 149 ")) flood[1].push_back(year);
      if (listed && count.starts_with("There are 148 ")) flood[2].push_back(year);
    }
    std::string expected;
    if (c.heading != nullptr) {
      expected = std::string(c.heading) + "\r\nFirst year of run is" + YearText(c.first) +
                 "\r\nLast year of run is" + YearText(c.last) + "\r\n==============================\r\n";
      for (std::size_t i = 0; i < marked.size(); ++i) {
        expected += YearText(marked[i]) + "  " + (i % 8 == 7 ? "\r\n" : "");  // eight to a line
      }
      EXPECT_GE(marked.size(), 4u);
    } else {
      expected = " First year of run is" + YearText(c.first) + "          Last year of run is" +
                 YearText(c.last) + "\r\n 150 days           149(+1)             148(+2)\r\n " +
                 std::string(67, '=') + "\r\n";
      const std::size_t rows = std::max({flood[0].size(), flood[1].size(), flood[2].size()});
      for (std::size_t i = 0; i < rows; ++i) {
        expected += i < flood[0].size() ? YearText(flood[0][i]) + std::string(10, ' ') : std::string(19, ' ');
        expected += i < flood[1].size() ? YearText(flood[1][i]) + std::string(11, ' ') : std::string(15, ' ');
        expected += (i < flood[2].size() ? YearText(flood[2][i]) : "") + "\r\n";
      }
      EXPECT_FALSE(flood[0].empty() || flood[1].empty());
    }
    EXPECT_EQ(Pane(c.run, c.first, num::CStr(c.last)), expected);
  }
}

}  // namespace
}  // namespace orvane::runs
