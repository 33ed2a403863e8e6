// The Golgotha, Jordan, Creation and Flood runs, read back line by line
// against their layouts and against the calendar facts they must satisfy:
// the days of a feast follow one another, written weekdays agree with the
// day count, a range lists exactly the years whose own report matches.
#include "runs/chronology.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <regex>
#include <set>

#include "engine/numeric.h"
#include "runs/run_years.h"

namespace orvane::runs {
namespace {

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
  bool eastTicked = true;
  bool working = false;
  bool floodEnabled = true;
  int events = 0;
  bool busyAtEveryEvent = true;
  int beeps = 0;
};

// The run started from a window holding the two years in its boxes.
struct Window {
  Window(const std::string& run, std::string first, std::string second = "") {
    boxes.first = std::move(first);
    boxes.second = std::move(second);
    engine.st.RunName = run;
    engine.st.LineEnd = "\r\n";
    if (run == "Flood") {
      RunFlood(engine, boxes);
    } else {
      RunChronology(engine, boxes);
    }
  }
  Boxes boxes;
  Engine engine{boxes};
  const std::string& text() const { return engine.out.main.Text(); }
};

std::string Pane(const std::string& run, const std::string& first, const std::string& second = "") {
  return Window(run, first, second).text();
}

// The 9-character year text of the reports: " 30 CE   ", " 1407 BCE".
std::string YearTextOf(double year) {
  Boxes boxes;
  return Engine(boxes).YearText(year);
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find("\r\n", start);
    if (end == std::string::npos) end = text.size();  // a range list may end without a line end
    lines.push_back(text.substr(start, end - start));
    start = end + 2;
  }
  return lines;
}

// The weekday of a JD by the day count alone (0 = Sunday): 1 Jan 2000, JD
// 2451545, was a Saturday.  On and before Joshua's long day the cycle runs
// one day later, and the Jordan run writes every date so.
int Weekday(double jd, bool shifted) {
  const int plain = static_cast<int>(static_cast<long long>(jd + 1) % 7);
  return (plain + ((shifted || jd <= kJoshuaJD) ? 1 : 0)) % 7;
}

struct Dated {
  double jd = 0;
  int weekday = -1;
};

// "label Weekday, dd Mon yyyy CE " as WriteDayAndDate writes it.
Dated ParseDated(const std::string& line, const std::string& label) {
  static const std::regex form(
      R"( (Sunday|Monday|Tuesday|Wednesday|Thursday|Friday|Saturday), ([ \d]\d) ([A-Z][a-z]{2}) (\d+) (CE|BCE) *)");
  std::smatch m;
  const std::string rest = line.substr(std::min(line.size(), label.size()));
  EXPECT_TRUE(line.starts_with(label)) << line;
  if (!std::regex_match(rest, m, form)) {
    ADD_FAILURE() << "not a dated line: '" << line << "'";
    return {};
  }
  Dated d;
  for (int i = 0; i < 7; ++i) {
    if (kDayNames[static_cast<std::size_t>(i)] == " " + m[1].str() + ", ") d.weekday = i;
  }
  double month = 0;
  for (int i = 1; i <= 12; ++i) {
    if (kMonthNames[static_cast<std::size_t>(i)] == m[3].str()) month = i;
  }
  double year = std::stod(m[4].str());
  if (m[5] == "BCE") year = 1 - year;  // astronomical numbering
  d.jd = JulianDayFromDate(std::stod(m[2].str()), month, year);
  // The year text is padded to 9 characters.
  const std::string yearText = " " + m[4].str() + " " + m[5].str();
  EXPECT_EQ(line.size() - label.size() - m[1].length() - 9, std::max<std::size_t>(9, yearText.size()))
      << line;
  return d;
}

// One evening table: the two headings and the rows up to the deciding one.
struct Table {
  std::vector<std::string> rows;
  double equinoxJD = 0;  // of the equinox line after the table, when there is one
  double lastEveningJD = 0;
  int verdict =
      0;  // 1 probably not visible, 2 probably visible, 3 visible (of the first doubtful or last row)
};

class Reader {
 public:
  Reader(const std::string& text, int year) : lines_(Lines(text)), year_(year) {}
  bool AtEnd() const { return i_ >= lines_.size(); }
  const std::string& Peek() const { return lines_.at(i_); }
  std::string Take() {
    EXPECT_FALSE(AtEnd());
    return AtEnd() ? std::string() : lines_[i_++];
  }
  void Expect(const std::string& line) { EXPECT_EQ(Take(), line) << "line " << i_; }
  bool TakeIf(const std::string& line) {
    if (AtEnd() || Peek() != line) return false;
    ++i_;
    return true;
  }

  Table TakeTable() {
    Expect(" Date     Sunset Moonset   Illum. Sun's  [Moon's at Sunset]  Sun's    Visib   Visible?");
    Expect("(Evening)                    %    Azimuth Azimuth Altitude   Alt(M)   Number");
    static const std::regex row(
        R"((\d\d?) ? ([A-Z][a-z]{2})   [ \d]{2}\d:\d\d  [ \-\d]\d:\d\d    [ \-\d.]{5}  [ \-\d.]{6}  [ \-\d.]{6}   [ \-\d.]{5}      [ \-\d.]{5}    [ \-\d.]{6}  (Not Visible|Prob Not Visible|Prob Visible|Visible))");
    Table t;
    while (!AtEnd() && Peek().ends_with("Visible")) {
      const std::string r = Take();
      std::smatch m;
      EXPECT_TRUE(std::regex_match(r, m, row)) << "row layout: '" << r << "'";
      if (m.empty()) continue;
      t.rows.push_back(r);
      double month = 0;
      for (int i = 1; i <= 12; ++i) {
        if (kMonthNames[static_cast<std::size_t>(i)] == m[2].str()) month = i;
      }
      t.lastEveningJD = JulianDayFromDate(std::stod(m[1].str()), month, year_ < 0 ? year_ + 1 : year_);
      const std::string verdict = m[3].str();
      if (t.verdict == 0 && verdict == "Prob Not Visible") t.verdict = 1;
      if (t.verdict == 0 && verdict == "Prob Visible") t.verdict = 2;
    }
    EXPECT_FALSE(t.rows.empty());
    if (t.verdict == 0) t.verdict = 3;
    return t;
  }

  // "Vernal Equinox JD: 1732096.549    Visible New Moon JD: 1732099.185";
  // returns the two JDs.
  std::pair<double, double> TakeEquinoxLine() {
    static const std::regex form(
        R"(Vernal Equinox JD: (\d+(\.\d{1,3})?)    Visible New Moon JD: (\d+(\.\d{1,3})?))");
    std::smatch m;
    const std::string line = Take();
    if (!std::regex_match(line, m, form)) {
      ADD_FAILURE() << "equinox line: '" << line << "'";
      return {0, 0};
    }
    return {std::stod(m[1].str()), std::stod(m[3].str())};
  }

 private:
  std::vector<std::string> lines_;
  std::size_t i_ = 0;
  int year_;
};

// The month start of a table: the day after the evening on which the
// crescent counts as seen.  A doubtful evening on the low side ("Prob Not
// Visible") counts the evening after it; on the high side ("Prob Visible")
// itself.  In the Golgotha, Jordan and Creation runs the evening after a
// doubtful one is shown as the last row; in the Flood run the doubtful row
// is the last.
double FirstDayOfMonth(const Table& t, bool followingRowShown) {
  const double last = t.lastEveningJD;
  if (t.verdict == 3) return last + 1;
  if (followingRowShown) return t.verdict == 1 ? last + 1 : last;
  return t.verdict == 1 ? last + 2 : last + 1;
}

// Reads the first month of a year as the runs write it: its table, the
// equinox line, and when the crescent came before the equinox the note.
// Checks the two JDs of the equinox line; returns the table.
Table ReadFirstMonth(Reader& r, bool* seenBefore = nullptr) {
  Table t = r.TakeTable();
  const auto [equinox, sunset] = r.TakeEquinoxLine();
  t.equinoxJD = equinox;
  // The sunset of the last evening tested (one evening later when the
  // month is possibly one day earlier), in universal time at the zone of
  // Jerusalem: four to six hours after noon of that day.
  const double evening = t.lastEveningJD + (t.verdict == 1 ? 1 : 0);
  EXPECT_GT(sunset - evening, 4.0 / 24) << sunset;
  EXPECT_LT(sunset - evening, 6.0 / 24) << sunset;
  // The March equinox of the year (20 or 21 March give or take a day).
  EXPECT_NEAR(equinox, t.lastEveningJD, 40);
  const bool before = r.TakeIf("Visible New Moon seen before vernal Equinox. Next month begins New Year.");
  EXPECT_EQ(before, equinox > sunset) << equinox << " " << sunset;
  if (seenBefore != nullptr) *seenBefore = before;
  if (before) r.Expect("");
  return t;
}

// The first day of a month comes one to four days after the conjunction
// that begins it: the crescent is first seen one to three evenings later.
void ExpectSoonAfterConjunction(double firstDay, double conjunctionJD) {
  EXPECT_GE(firstDay - conjunctionJD, 1.0) << firstDay;
  EXPECT_LE(firstDay - conjunctionJD, 4.0) << firstDay;
}

// --- The year boxes -------------------------------------------------------

TEST(ChronologyBoxes, AReversedRangeIsSwappedInTheBoxes) {
  Window run("Golgotha", "40", "20");
  EXPECT_EQ(run.boxes.first, "20");
  EXPECT_EQ(run.boxes.second, "40");
  const auto lines = Lines(run.text());
  ASSERT_GE(lines.size(), 4u);
  EXPECT_EQ(lines[0], "The following years may have the Passover sacrifice on Wednesday.");
  EXPECT_EQ(lines[1], "First year of run is 20 CE   ");
  EXPECT_EQ(lines[2], "Last year of run is 40 CE   ");
  EXPECT_EQ(lines[3], "==============================");
}

TEST(ChronologyBoxes, YearsAreBroughtToTheRunsLimits) {
  Window low("Golgotha", "-5000");
  EXPECT_EQ(low.boxes.first, "-4004");
  EXPECT_EQ(low.boxes.second, "");
  EXPECT_TRUE(low.text().starts_with(
      "Possible Dates for Jesus' Crucifixion, Resurrection and Pentecost in 4004 BCE\r\n"));

  Window high("Jordan", "9998", "12000");
  EXPECT_EQ(high.boxes.first, "9998");
  EXPECT_EQ(high.boxes.second, "9999");
  EXPECT_EQ(Lines(high.text())[2], "Last year of run is 9999 CE ");

  // Creation reaches back two thousand years further.
  Window creation("Creation", "-7000", "-5999");
  EXPECT_EQ(creation.boxes.first, "-6000");
  EXPECT_EQ(creation.boxes.second, "-5999");
  EXPECT_EQ(Window("Creation", "-5000").boxes.first, "-5000");

  // A second box below the limit is corrected, then the range swapped.
  Window both("Golgotha", "-4003", "-9000");
  EXPECT_EQ(both.boxes.first, "-4004");
  EXPECT_EQ(both.boxes.second, "-4003");
  EXPECT_EQ(low.boxes.beeps + high.boxes.beeps + both.boxes.beeps, 0);  // the range runs correct silently
}

TEST(ChronologyBoxes, AnEmptyFirstBoxTakesTheSecondsYear) {
  Window run("Golgotha", "", "31");
  EXPECT_EQ(run.boxes.first, "31");
  EXPECT_EQ(run.boxes.second, "");
  EXPECT_EQ(run.text(), Pane("Golgotha", "31"));

  Window empty("Creation", "", "");
  EXPECT_EQ(empty.boxes.first, "-6000");
  EXPECT_TRUE(empty.text().starts_with("Possible Dates for Creation in 6000 BCE\r\n"));
}

TEST(ChronologyBoxes, TheRunLeavesTheEngineAsItFoundIt) {
  Window run("Jordan", "-1410", "-1400");
  EXPECT_EQ(run.engine.st.ShowInMain, kTrue);
  EXPECT_EQ(run.engine.st.FixedPlaceMode, kFalse);
  EXPECT_EQ(run.engine.st.RunName, "Jordan");  // Enter repeats the run
  EXPECT_FALSE(run.boxes.eastTicked);
}

TEST(ChronologyBoxes, AnUnknownRunNameRunsNothing) {
  Window run("HolyDays", "30");
  EXPECT_EQ(run.text(), "");
  EXPECT_EQ(run.boxes.first, "30");
}

TEST(RunYears, ThereIsNoYearZero) {
  EXPECT_EQ(RunYears(-1, 2), (std::vector<double>{-1, 1, 2}));
  EXPECT_EQ(RunYears(-2, 0), (std::vector<double>{-2, -1, 1}));
  EXPECT_EQ(RunYears(0, 0), (std::vector<double>{1}));
  EXPECT_EQ(RunYears(5, 5), (std::vector<double>{5}));
  EXPECT_EQ(RunYears(30, 29), std::vector<double>{});
}

// --- Single-year reports ----------------------------------------------------

// The days of the Golgotha and Jordan reports from Abib 14 on; checks their
// relations and weekdays.
struct FeastDays {
  Dated passover, feastFirst, feastLast, waveOffering, pentecost;
};

void ReadFeastRest(Reader& r, FeastDays& f, bool jordan) {
  f.feastFirst = ParseDated(r.Take(), "Feast of Unleavened Bread runs from");
  f.feastLast = ParseDated(r.Take(), "to");
  f.waveOffering = ParseDated(r.Take(), "The Wave Offering (the First-Fruit) is");
  f.pentecost = ParseDated(r.Take(), "First-Fruits (Pentecost) is");
  EXPECT_TRUE(r.AtEnd());
  EXPECT_EQ(f.feastFirst.jd, f.passover.jd + 1);
  EXPECT_EQ(f.feastLast.jd, f.passover.jd + 7);
  // The Wave Offering is the Sunday after Abib 15; in the Jordan run the
  // Sunday Abib 15 itself, the day after a Sabbath Passover.
  EXPECT_EQ(f.waveOffering.weekday, 0);
  const double gap = f.waveOffering.jd - f.feastFirst.jd;
  EXPECT_GE(gap, jordan ? 0 : 1);
  EXPECT_LE(gap, jordan ? 6 : 7);
  EXPECT_EQ(f.pentecost.jd, f.waveOffering.jd + 49);
  for (const Dated* d : {&f.passover, &f.feastFirst, &f.feastLast, &f.waveOffering, &f.pentecost}) {
    EXPECT_EQ(d->weekday, Weekday(d->jd, jordan)) << d->jd;
  }
}

struct GolgothaReport {
  Table month;
  Dated abib1;
  FeastDays feast;
  bool matches = false;
};

GolgothaReport ReadGolgotha(int year) {
  Reader r(Pane("Golgotha", std::to_string(year)), year);
  GolgothaReport g;
  r.Expect("Possible Dates for Jesus' Crucifixion, Resurrection and Pentecost in" + YearTextOf(year));
  g.month = ReadFirstMonth(r);
  EXPECT_EQ(
      r.TakeIf("Abib 1, Passover sacrifice and Feast of Unleavened Bread are possibly one day earlier."),
      g.month.verdict == 1);
  EXPECT_EQ(r.TakeIf("Abib 1, Passover sacrifice and Feast of Unleavened Bread are possibly one day later."),
            g.month.verdict == 2);
  g.abib1 = ParseDated(r.Take(), "Abib 1 is");
  EXPECT_EQ(g.abib1.jd, FirstDayOfMonth(g.month, true));
  g.feast.passover = ParseDated(r.Take(), "Passover sacrifice is");
  EXPECT_EQ(g.feast.passover.jd, g.abib1.jd + 13);
  g.matches = r.TakeIf("");
  if (g.matches) {
    r.Expect("********** This year has the proper day of the week for Christ's death. **********");
    r.Expect("");
  }
  ReadFeastRest(r, g.feast, false);
  // Wednesday, or a day from it that the month start's doubt allows.
  const int w = g.feast.passover.weekday;
  EXPECT_EQ(g.matches, w == 3 || (w == 4 && g.month.verdict == 1) || (w == 2 && g.month.verdict == 2))
      << year;
  return g;
}

// Conjunctions by a modern ephemeris (VSOP87 and ELP2000), JD in universal
// time, of the first months of the years checked below.
constexpr double kEquinox30 = 1732096.442;       // 20 Mar 30 CE
constexpr double kNewMoon30 = 1732096.242;       // 20 Mar 30 CE, at the equinox
constexpr double kNewMoon31 = 1732479.982;       // 7 Apr 31 CE
constexpr double kNewMoon1407Bce = 1207633.309;  // the month after the one seen before the equinox
constexpr double kNewMoon1406Bce = 1207987.682;
constexpr double kNewMoon3965Bce = 273343.502;  // the month after the one seen before the equinox

TEST(GolgothaReport, Year30) {
  const GolgothaReport g = ReadGolgotha(30);
  EXPECT_NEAR(g.month.equinoxJD, kEquinox30, 0.5);
  ExpectSoonAfterConjunction(g.abib1.jd, kNewMoon30);
  EXPECT_FALSE(g.matches);
}

TEST(GolgothaReport, Year31HasThePassoverOnAWednesday) {
  const GolgothaReport g = ReadGolgotha(31);
  ExpectSoonAfterConjunction(g.abib1.jd, kNewMoon31);
  EXPECT_EQ(g.feast.passover.weekday, 3);
  EXPECT_TRUE(g.matches);
}

TEST(GolgothaReport, ADoubtfulMonthStartMayReachAWednesday) {
  const GolgothaReport later = ReadGolgotha(65);  // a Tuesday, possibly one day later
  EXPECT_EQ(later.feast.passover.weekday, 2);
  EXPECT_EQ(later.month.verdict, 2);
  EXPECT_TRUE(later.matches);
  const GolgothaReport earlier = ReadGolgotha(180);  // a Thursday, possibly one day earlier
  EXPECT_EQ(earlier.feast.passover.weekday, 4);
  EXPECT_EQ(earlier.month.verdict, 1);
  EXPECT_TRUE(earlier.matches);
}

struct JordanReport {
  Table month;
  bool seenBefore = false;
  FeastDays feast;
  std::string match;  // "", "sabbath", "earlier", "later"
};

JordanReport ReadJordan(int year) {
  Reader r(Pane("Jordan", std::to_string(year)), year);
  JordanReport j;
  r.Expect("Possible Dates for the Jordan Crossing in" + YearTextOf(year));
  j.month = ReadFirstMonth(r, &j.seenBefore);
  if (j.seenBefore) j.month = r.TakeTable();  // the next month is the first: no second equinox test
  j.feast.passover = ParseDated(r.Take(), "Passover sacrifice is");
  EXPECT_EQ(j.feast.passover.jd, FirstDayOfMonth(j.month, true) + 13);
  if (r.TakeIf("")) {
    r.Expect("********** The wave offering is the next day. **********");
    r.Expect("");
    j.match = "sabbath";
  } else if (r.TakeIf("The Passover sacrifice may be one day earlier.")) {
    r.Expect("");
    r.Expect(" ***** The Wave Offering would be the next day if it is. *****");
    r.Expect("");
    j.match = "earlier";
  } else if (r.TakeIf("The Passover sacrifice may be one day later.")) {
    r.Expect("");
    r.Expect("***** The Wave Offering would be the next day if it is. *****");
    r.Expect("");
    j.match = "later";
  }
  ReadFeastRest(r, j.feast, true);
  const int w = j.feast.passover.weekday;
  EXPECT_EQ(j.match == "sabbath", w == 6);
  EXPECT_EQ(j.match == "earlier", w == 0 && j.month.verdict == 1);
  EXPECT_EQ(j.match == "later", w == 5 && j.month.verdict == 2);
  return j;
}

TEST(JordanReport, TheYearsAroundTheCrossing) {
  // 1407 BCE: the crescent of mid-March came before the equinox, so the
  // next month is the first.
  const JordanReport y1407 = ReadJordan(-1407);
  EXPECT_TRUE(y1407.seenBefore);
  ExpectSoonAfterConjunction(y1407.feast.passover.jd - 13, kNewMoon1407Bce);
  const JordanReport y1406 = ReadJordan(-1406);
  EXPECT_FALSE(y1406.seenBefore);
  ExpectSoonAfterConjunction(y1406.feast.passover.jd - 13, kNewMoon1406Bce);

  EXPECT_EQ(ReadJordan(-1412).match, "sabbath");
  EXPECT_EQ(ReadJordan(-1470).match, "earlier");
  EXPECT_EQ(ReadJordan(-1449).match, "later");
}

struct CreationReport {
  Table month;
  bool seenBefore = false;
  Dated abib1;
  bool matches = false;
};

CreationReport ReadCreation(int year) {
  Reader r(Pane("Creation", std::to_string(year)), year);
  CreationReport c;
  r.Expect("Possible Dates for Creation in" + YearTextOf(year));
  c.month = ReadFirstMonth(r, &c.seenBefore);
  if (c.seenBefore) c.month = r.TakeTable();
  const char* label = c.month.verdict == 1   ? "Abib 1 is (though possibly one day earlier)"
                      : c.month.verdict == 2 ? "Abib 1 is (though possibly one day later)"
                                             : "Abib 1 is";
  c.abib1 = ParseDated(r.Take(), label);
  EXPECT_EQ(c.abib1.jd, FirstDayOfMonth(c.month, true));
  EXPECT_EQ(c.abib1.weekday, Weekday(c.abib1.jd, false));
  c.matches = r.TakeIf("");
  if (c.matches)
    r.Expect(
        "********** This year begins on the correct day of the week for the year of Creation. **********");
  EXPECT_TRUE(r.AtEnd());
  const int w = c.abib1.weekday;
  EXPECT_EQ(c.matches, w == 0 || (w == 1 && c.month.verdict == 1) || (w == 6 && c.month.verdict == 2))
      << year;
  return c;
}

TEST(CreationReport, TheYearsOfCreation) {
  const CreationReport y3965 = ReadCreation(-3965);
  EXPECT_TRUE(y3965.seenBefore);
  ExpectSoonAfterConjunction(y3965.abib1.jd, kNewMoon3965Bce);
  EXPECT_TRUE(ReadCreation(-4004).matches);
  const CreationReport earlier = ReadCreation(-4021);
  EXPECT_EQ(earlier.abib1.weekday, 1);
  EXPECT_TRUE(earlier.matches);
  const CreationReport later = ReadCreation(-4017);
  EXPECT_EQ(later.abib1.weekday, 6);
  EXPECT_TRUE(later.matches);
}

TEST(CreationReport, SunsetComesEarlierAt42DegreesEastOnJerusalemsClock) {
  // The same conjunction gives the same first evening; 6.76 degrees further
  // east the sun sets about 27 minutes earlier by the same zone clock (the
  // latitude moves it by a few minutes only near the equinox).
  for (int year : {-3965, -2000, 30}) {
    const auto creation = Lines(Pane("Creation", std::to_string(year)));
    const auto golgotha = Lines(Pane("Golgotha", std::to_string(year)));
    ASSERT_GE(creation.size(), 4u);
    ASSERT_EQ(creation[3].substr(0, 6), golgotha[3].substr(0, 6)) << year;
    // The sunset cell: "   " and the hour right-aligned in 3 characters.
    const auto minutes = [](const std::string& row) {
      return std::stoi(row.substr(9, 3)) * 60 + std::stoi(row.substr(13, 2));
    };
    const int earlier = minutes(golgotha[3]) - minutes(creation[3]);
    EXPECT_GE(earlier, 15) << year;
    EXPECT_LE(earlier, 35) << year;
  }
}

// --- Range lists ------------------------------------------------------------

// Whether a year's own report says that it matches.
bool Matches(const std::string& run, double year) {
  const std::string text = Pane(run, num::CStr(year));
  return text.find("\r\n**********") != std::string::npos ||
         text.find("\r\n ***** The Wave") != std::string::npos ||
         text.find("\r\n***** The Wave") != std::string::npos;
}

TEST(ChronologyRange, ListsTheMatchingYearsEightToALine) {
  struct Case {
    const char* run;
    int first, last;
    const char* heading;
  };
  const Case cases[] = {
      {"Creation", -4040, -3965, "The following years may have Abib 1 on Sunday."},
      {"Jordan", -1475, -1440, "The following years may have the Passover sacrifice on the Sabbath."},
      {"Golgotha", -2, 40, "The following years may have the Passover sacrifice on Wednesday."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.run);
    Boxes forText;
    Engine texts(forText);
    std::string expected = std::string(c.heading) + "\r\nFirst year of run is" + texts.YearText(c.first) +
                           "\r\nLast year of run is" + texts.YearText(c.last) +
                           "\r\n==============================\r\n";
    int onLine = 0;
    int listed = 0;
    for (double year : RunYears(c.first, c.last)) {
      if (!Matches(c.run, year)) continue;
      expected += texts.YearText(year) + "  ";
      ++listed;
      if (++onLine == 8) {
        expected += "\r\n";  // the ninth year starts a new line
        onLine = 0;
      }
    }
    EXPECT_EQ(Pane(c.run, std::to_string(c.first), std::to_string(c.last)), expected);
    EXPECT_GE(listed, 4);
  }
}

TEST(ChronologyRange, ARangeAcrossYearZeroComputes1CEInItsPlace) {
  Window run("Golgotha", "-1", "2");
  const auto lines = Lines(run.text());
  EXPECT_EQ(lines[1], "First year of run is 1 BCE   ");
  std::string list;
  Boxes forText;
  for (double year : {-1.0, 1.0, 2.0}) {
    if (Matches("Golgotha", year)) list += Engine(forText).YearText(year) + "  ";
  }
  EXPECT_EQ(lines.size() > 4 ? lines[4] : "", list);
  // A year box holding 0 gives the report of 1 CE, the year computed, and
  // a range from it names 1 CE as its first year.
  EXPECT_EQ(Pane("Jordan", "0"), Pane("Jordan", "1"));
  EXPECT_EQ(Lines(Pane("Creation", "0", "3"))[1], "First year of run is 1 CE    ");
}

// --- The Flood ----------------------------------------------------------------

// One year of the Flood as its report states it.
struct FloodReport {
  double days = 0;
  int s2 = 0, s7 = 0;
  std::string countLine;
};

int ShiftOf(const std::string& line, int ifEarlier) {
  if (line.find("(possibly one day earlier)") != std::string::npos) return ifEarlier;
  if (line.find("(possibly one day later)") != std::string::npos) return -ifEarlier;
  return 0;
}

// "17th of 2nd Month is (possibly one day later)" of such a dated line.
std::string LabelOf(const std::string& line) {
  const std::size_t note = line.find(") ");
  return note != std::string::npos ? line.substr(0, note + 1) : line.substr(0, line.find(" is ") + 3);
}

FloodReport ReadFlood(double year) {
  Reader r(Pane("Flood", num::CStr(year)), static_cast<int>(year));
  FloodReport f;
  ReadFirstMonth(r);
  const Table second = r.TakeTable();
  const std::string line2 = r.Take();
  const Dated day2 = ParseDated(line2, LabelOf(line2));
  const Table seventh = r.TakeTable();
  const std::string line7 = r.Take();
  const Dated day7 = ParseDated(line7, LabelOf(line7));
  // The 17th day is sixteen days after the first; the months start as
  // their tables say, with their doubt named in the label.
  EXPECT_EQ(day2.jd, FirstDayOfMonth(second, false) + 16);
  EXPECT_EQ(day7.jd, FirstDayOfMonth(seventh, false) + 16);
  f.s2 = ShiftOf(line2, +1);
  f.s7 = ShiftOf(line7, -1);
  EXPECT_EQ(f.s2, second.verdict == 1 ? 1 : second.verdict == 2 ? -1 : 0);
  EXPECT_EQ(f.s7, seventh.verdict == 1 ? -1 : seventh.verdict == 2 ? 1 : 0);
  EXPECT_EQ(day2.weekday, Weekday(day2.jd, false));
  EXPECT_EQ(day7.weekday, Weekday(day7.jd, false));
  f.days = day7.jd - day2.jd;
  if (f.days == 150) r.Expect("");
  f.countLine = r.Take();
  EXPECT_TRUE(r.AtEnd());
  return f;
}

// The note of the count line and the list a year joins, worked out from the
// table of notes: each month start possibly one day off moves the count by
// one day; only a count that can become exactly 150 by adding days is marked.
struct ExpectedNote {
  std::string text;
  FloodList list = FloodList::None;
};

ExpectedNote NoteFor(double D, int s2, int s7) {
  const auto n = [](double v) { return std::to_string(static_cast<long>(v)); };
  if (s2 == 0 && s7 == 0) return {};
  // The possible counts, in ascending order, other than D itself.
  std::vector<double> counts;
  if (s2 == 1 && s7 == -1) counts = {D - 1, D + 1};
  if (s2 == 1 && s7 == 1) counts = {D + 1, D + 2};
  if (s2 == -1 && s7 == -1) counts = {D - 2, D - 1};
  if (s2 == -1 && s7 == 1) counts = {D - 1, D + 1};
  if (s2 + s7 == 1 && s2 * s7 == 0) counts = {D + 1};
  if (s2 + s7 == -1 && s2 * s7 == 0) counts = {D - 1};
  ExpectedNote e;
  e.text = counts.size() == 1 ? "Possibly " + n(counts[0]) + " days."
                              : "Possibly " + n(counts[0]) + " or " + n(counts[1]) + " days.";
  const bool twoLater = s2 == 1 && s7 == 1;
  const bool oneLater = std::find(counts.begin(), counts.end(), D + 1) != counts.end();
  if (twoLater && D + 2 == 150) {
    e.list = FloodList::Days148;
  } else if (oneLater && D + 1 == 150) {
    e.list = FloodList::Days149;
  }
  if (e.list != FloodList::None) {
    const std::string before = (s2 == 1 && s7 == -1) ? "******** " : "********** ";
    const std::string after = twoLater ? " ***********" : " **********";
    e.text = before + e.text + after;
  }
  return e;
}

std::string CountLine(double D, int s2, int s7) {
  const std::string days = std::to_string(static_cast<long>(D));
  const std::string count = "There are " + days + " days between these dates. ";
  return (D == 150 ? "******* " + count + " ******* " : count) + NoteFor(D, s2, s7).text;
}

TEST(FloodReport, ASingleYearInOrder) {
  const FloodReport y2347 = ReadFlood(-2347);
  EXPECT_EQ(y2347.countLine, CountLine(y2347.days, y2347.s2, y2347.s7));
  // 150 days for sure, after a blank line.
  const FloodReport y2348 = ReadFlood(-2348);
  ASSERT_EQ(y2348.days, 150);
  ASSERT_EQ(y2348.s2, 0);
  ASSERT_EQ(y2348.s7, 0);
  EXPECT_EQ(y2348.countLine, "******* There are 150 days between these dates.  ******* ");
}

TEST(FloodReport, TheNoteOfEveryUncertainty) {
  // A year for each row of the note table, and for each marking variant.
  struct Case {
    int year;
    int s2, s7;
    double days;
  };
  const Case cases[] = {
      {-3711, 1, -1, 149}, {-3995, 1, -1, 148}, {-3912, 1, 1, 148},   {-3863, 1, 1, 147},
      {-3931, 1, 0, 149},  {-3994, 1, 0, 148},  {-3732, -1, -1, 148}, {-3783, -1, -1, 150},
      {-2482, -1, 1, 149}, {-3821, -1, 1, 148}, {-3981, -1, 0, 148},  {-3980, 0, -1, 148},
      {-3950, 0, 1, 149},  {-3988, 0, 1, 148},  {-4003, 0, 0, 150},   {-4004, 0, 0, 149},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.year);
    const FloodReport f = ReadFlood(c.year);
    // The year still exercises the row it was chosen for.
    ASSERT_EQ(f.s2, c.s2);
    ASSERT_EQ(f.s7, c.s7);
    ASSERT_EQ(f.days, c.days);
    EXPECT_EQ(f.countLine, CountLine(f.days, f.s2, f.s7));
    EXPECT_EQ(FloodNoteList(f.days, f.s2, f.s7), NoteFor(f.days, f.s2, f.s7).list);
  }
}

TEST(FloodNote, RowsNoYearReaches) {
  // Two months possibly a day early and late: 149 may become 150.
  EXPECT_EQ(FloodNoteList(149, 1, 1), FloodList::Days149);
  EXPECT_EQ(FloodNoteText(149, 1, 1), "********** Possibly 150 or 151 days. ***********");
  // A count that can only fall to 150 is not marked.
  EXPECT_EQ(FloodNoteList(151, 1, -1), FloodList::None);
  EXPECT_EQ(FloodNoteText(151, 1, -1), "Possibly 150 or 152 days.");
  EXPECT_EQ(FloodNoteList(151, -1, -1), FloodList::None);
  EXPECT_EQ(FloodNoteList(151, 0, -1), FloodList::None);
  EXPECT_EQ(FloodNoteText(150, 0, 0), "");
  for (int s2 = -1; s2 <= 1; ++s2) {
    for (int s7 = -1; s7 <= 1; ++s7) {
      for (double D = 145; D <= 152; ++D) {
        EXPECT_EQ(FloodNoteText(D, s2, s7), NoteFor(D, s2, s7).text) << D << " " << s2 << " " << s7;
        EXPECT_EQ(FloodNoteList(D, s2, s7), NoteFor(D, s2, s7).list) << D << " " << s2 << " " << s7;
      }
    }
  }
}

// The summary a range should give, from the years' own reports.
std::string ExpectedSummary(double first, double last) {
  Boxes forText;
  Engine texts(forText);
  std::vector<double> lists[3];
  for (double year : RunYears(first, last)) {
    const FloodReport f = ReadFlood(year);
    if (f.days == 150) lists[0].push_back(year);
    const FloodList note = NoteFor(f.days, f.s2, f.s7).list;
    if (note == FloodList::Days149) lists[1].push_back(year);
    if (note == FloodList::Days148) lists[2].push_back(year);
  }
  std::string s = " First year of run is" + texts.YearText(first) + "          Last year of run is" +
                  texts.YearText(last) + "\r\n" + " 150 days           149(+1)             148(+2)\r\n" +
                  " " + std::string(67, '=') + "\r\n";
  const std::size_t rows = std::max({lists[0].size(), lists[1].size(), lists[2].size()});
  for (std::size_t i = 0; i < rows; ++i) {
    s += i < lists[0].size() ? texts.YearText(lists[0][i]) + std::string(10, ' ') : std::string(19, ' ');
    s += i < lists[1].size() ? texts.YearText(lists[1][i]) + std::string(11, ' ') : std::string(15, ' ');
    s += (i < lists[2].size() ? texts.YearText(lists[2][i]) : std::string()) + "\r\n";
  }
  return s;
}

TEST(FloodRange, ThreeColumnsOfMarkedYears) {
  Window run("Flood", "-3960", "-3900");
  const std::string expected = ExpectedSummary(-3960, -3900);
  EXPECT_EQ(run.text(), expected);
  // All three columns are filled in this range.
  const auto lines = Lines(expected);
  ASSERT_GE(lines.size(), 4u);
  EXPECT_EQ(lines[3].size(), 48u);
  EXPECT_FALSE(run.boxes.working);
  EXPECT_TRUE(run.boxes.floodEnabled);
}

TEST(FloodRange, AColumnThatEndsEarlyIsFilledWithBlanks) {
  // More years of 150 days than of 149(+1): the second column ends first
  // and is filled with 15 blanks below it.
  const std::string text = Pane("Flood", "-2400", "-2300");
  EXPECT_EQ(text, ExpectedSummary(-2400, -2300));
  const auto lines = Lines(text);
  ASSERT_GE(lines.size(), 5u);
  EXPECT_EQ(lines.back().size(), 19u + 15u);
  EXPECT_EQ(lines.back().substr(19), std::string(15, ' '));
}

TEST(FloodRange, ARangeWithoutMarkedYearsGivesTheHeadingsOnly) {
  Window run("Flood", "-4002", "-4000");
  EXPECT_EQ(run.text(), ExpectedSummary(-4002, -4000));
  EXPECT_EQ(Lines(run.text()).size(), 3u);
  EXPECT_FALSE(run.boxes.working);
  EXPECT_TRUE(run.boxes.floodEnabled);
  EXPECT_EQ(run.boxes.events, 1);  // once as the range starts
  EXPECT_TRUE(run.boxes.busyAtEveryEvent);
}

TEST(FloodRange, YearZeroIsReplacedByOne) { EXPECT_EQ(Pane("Flood", "-2", "2"), ExpectedSummary(-2, 2)); }

TEST(FloodRange, TheWindowHandlesItsEventsEvery501Years) {
  Window run("Flood", "1000", "2002");  // 1003 years: after the 501st and the 1002nd
  EXPECT_EQ(run.boxes.events, 3);
  EXPECT_TRUE(run.boxes.busyAtEveryEvent);
  EXPECT_FALSE(run.boxes.working);
  EXPECT_TRUE(run.boxes.floodEnabled);
  EXPECT_EQ(run.engine.st.ShowInMain, kTrue);
  EXPECT_EQ(run.engine.st.FixedPlaceMode, kFalse);
}

TEST(FloodBoxes, YearsAreCorrectedInTheBoxes) {
  Window zero("Flood", "0");
  EXPECT_EQ(zero.boxes.first, "-1");
  EXPECT_EQ(zero.text(), Pane("Flood", "-1"));

  Window low("Flood", "-5000", "-4003");
  EXPECT_EQ(low.boxes.first, "-4004");
  EXPECT_EQ(low.boxes.beeps, 1);  // the first box is read as a single year's box
  Window zeroLast("Flood", "-3", "0");
  EXPECT_EQ(zeroLast.boxes.second, "-1");
  EXPECT_TRUE(zeroLast.text().starts_with(" First year of run is" + YearTextOf(-3) +
                                          "          Last year of run is" + YearTextOf(-1) + "\r\n"));

  Window swapped("Flood", "-2300", "-2400");
  EXPECT_EQ(swapped.boxes.first, "-2400");
  EXPECT_EQ(swapped.boxes.second, "-2300");
  EXPECT_TRUE(
      swapped.text().starts_with(" First year of run is 2400 BCE          Last year of run is 2300 BCE\r\n"));

  Window high("Flood", "9998", "12000");
  EXPECT_EQ(high.boxes.second, "9999");
  EXPECT_EQ(high.boxes.beeps, 0);
}

}  // namespace
}  // namespace orvane::runs
