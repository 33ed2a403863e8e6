// The holy-day report and the month-start list, read back line by line
// against their layouts and against the calendar facts they must satisfy.
#include "calendar/holy_days.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <optional>
#include <regex>
#include <sstream>

#include "support/fake_host.h"

namespace orvane::calendar {
namespace {

using testing::EngineFixture;

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t end = text.find("\r\n", start);
    EXPECT_NE(end, std::string::npos) << "every line ends in CR LF";
    if (end == std::string::npos) break;
    lines.push_back(text.substr(start, end - start));
    start = end + 2;
  }
  return lines;
}

std::string HolyDaysReport(const std::string& year, bool east = false, const char* runName = "HolyDays") {
  EngineFixture f(year);
  f.st().RunName = runName;
  f.st().EveningFlag = east ? "Y" : "";
  ComputeHolyDays(f.engine);
  return f.pane();
}

std::string MonthStartsReport(const std::string& year, bool east = false) {
  EngineFixture f(year);
  f.st().EveningFlag = east ? "Y" : "";
  ListMonthStarts(f.engine);
  return f.pane();
}

int WeekdayOf(const std::string& name) {
  for (int i = 0; i < 7; ++i) {
    if (kDayNames[static_cast<std::size_t>(i)] == " " + name + ", ") return i;
  }
  ADD_FAILURE() << "no weekday " << name;
  return -1;
}

// A date written by WriteDate: " 5 Apr 2024 CE ", "13 Apr 1461 BCE".
double ParseDate(const std::string& text) {
  static const std::regex date(
      R"(([ \d]\d) (Jan|Feb|Mar|Apr|May|Jun|Jul|Aug|Sep|Oct|Nov|Dec) (\d+) (CE|BCE) *)");
  std::smatch m;
  if (!std::regex_match(text, m, date)) {
    ADD_FAILURE() << "not a date: '" << text << "'";
    return 0;
  }
  double month = 0;
  for (int i = 1; i <= 12; ++i) {
    if (kMonthNames[static_cast<std::size_t>(i)] == m[2].str()) month = i;
  }
  double year = std::stod(m[3].str());
  if (m[4] == "BCE") year = 1 - year;  // astronomical numbering
  // The year text is padded to 9 characters.
  const std::size_t yearLength = (" " + m[3].str() + " " + m[4].str()).size();
  EXPECT_EQ(text.size() - 6, std::max<std::size_t>(9, yearLength)) << text;
  return JulianDayFromDate(std::stod(m[1].str()), month, year);
}

struct DatedLine {
  double jd = 0;
  int weekday = -1;  // as written
};

// "label Weekday, dd Mon yyyy CE "
DatedLine ParseDayAndDate(const std::string& line, const std::string& label) {
  EXPECT_TRUE(line.starts_with(label + " ")) << line;
  const std::string rest = line.substr(label.size() + 1);
  const std::size_t comma = rest.find(", ");
  DatedLine d;
  d.weekday = WeekdayOf(rest.substr(0, comma));
  d.jd = ParseDate(rest.substr(comma + 2));
  return d;
}

// One month's evening table: the two heading lines and its rows.
struct Table {
  std::vector<std::string> rows;
  std::string deciding;  // the verdict of the last row

  // The certainty of the month start: that of the first doubtful evening
  // (the row shown after it does not change it), else a sure sighting.
  std::string Certainty() const {
    for (const std::string& r : rows) {
      if (r.ends_with("  Prob Not Visible")) return "earlier";
      if (r.ends_with("  Prob Visible")) return "later";
    }
    return "sure";
  }
};

class ReportReader {
 public:
  explicit ReportReader(std::vector<std::string> lines) : lines_(std::move(lines)) {}
  bool AtEnd() const { return i_ >= lines_.size(); }
  const std::string& Peek() const { return lines_.at(i_); }
  std::string Take() {
    EXPECT_FALSE(AtEnd());
    return AtEnd() ? std::string() : lines_[i_++];
  }
  void Expect(const std::string& line) { EXPECT_EQ(Take(), line) << "line " << i_; }
  bool TakeIf(const std::string& line) {
    if (!AtEnd() && Peek() == line) {
      ++i_;
      return true;
    }
    return false;
  }
  std::size_t position() const { return i_; }

  Table TakeTable() {
    Expect(" Date     Sunset Moonset   Illum. Sun's  [Moon's at Sunset]  Sun's    Visib   Visible?");
    Expect("(Evening)                    %    Azimuth Azimuth Altitude   Alt(M)   Number");
    static const std::regex row(
        R"((\d\d? ? [A-Z][a-z]{2})   [ \d]{2}\d:\d\d  [ \-\d]\d:\d\d    [ \-\d.]{5}  [ \-\d.]{6}  [ \-\d.]{6}   [ \-\d.]{5}      [ \-\d.]{5}    [ \-\d.]{6}(  Not Visible|  Prob Not Visible|  Prob Visible|  Visible))");
    Table t;
    while (!AtEnd() && Peek().ends_with("Visible")) {
      const std::string r = Take();
      std::smatch m;
      EXPECT_TRUE(std::regex_match(r, m, row)) << "row layout: '" << r << "'";
      EXPECT_EQ(r.size(), 76 + m[2].length());
      t.rows.push_back(r);
      t.deciding = m[2].str();
    }
    EXPECT_FALSE(t.rows.empty());
    return t;
  }

 private:
  std::vector<std::string> lines_;
  std::size_t i_ = 0;
};

// The day of the evening in a row: the date cell is "5  Apr" or "15 Apr".
int RowDay(const std::string& row) { return std::stoi(row.substr(0, 2)); }

// Reads the days of one reading of the year (spring and autumn) and checks
// their relations; returns the Abib 1 and Trumpets lines.
struct YearDays {
  DatedLine abib1, passover, ubFirst, ubLast, waveOffering, pentecost;
  DatedLine trumpets, atonement, tabFirst, tabLast, greatLastDay;
  std::string springVerdict, autumnVerdict;
  bool earlyBarley = false;
};

YearDays ReadYearDays(ReportReader& r, bool east) {
  YearDays y;
  const Table spring = r.TakeTable();
  y.springVerdict = spring.deciding;
  y.earlyBarley = r.TakeIf("If the barley harvest is early, this New Moon will begin the New Year. ");
  const bool earlierNote =
      r.TakeIf("Abib 1, Passover sacrifice and Feast of Unleavened Bread are possibly one day earlier.");
  const bool laterNote =
      r.TakeIf("Abib 1, Passover sacrifice and Feast of Unleavened Bread are possibly one day later.");
  EXPECT_EQ(earlierNote, spring.Certainty() == "earlier");
  EXPECT_EQ(laterNote, spring.Certainty() == "later");

  y.abib1 = ParseDayAndDate(r.Take(), "Abib 1 is");
  y.passover = ParseDayAndDate(r.Take(), "The Passover sacrifice is");
  y.ubFirst = ParseDayAndDate(r.Take(), "The Feast of Unleavened Bread goes from ");
  y.ubLast = ParseDayAndDate(r.Take(), "to");
  EXPECT_EQ(y.passover.jd, y.abib1.jd + 13);
  EXPECT_EQ(y.ubFirst.jd, y.abib1.jd + 14);
  EXPECT_EQ(y.ubLast.jd, y.abib1.jd + 20);

  const std::string day = east ? "Monday" : "Sunday";
  const std::string wave = r.Take();
  const std::string wavePrefix = "The Wave Offering (the First-fruit) is " + day + ", ";
  EXPECT_TRUE(wave.starts_with(wavePrefix)) << wave;
  y.waveOffering.jd = ParseDate(wave.substr(wavePrefix.size()));
  const std::string pente = r.Take();
  const std::string pentePrefix = "First-fruits  (Pentecost) is " + day + ", ";
  EXPECT_TRUE(pente.starts_with(pentePrefix)) << pente;
  y.pentecost.jd = ParseDate(pente.substr(pentePrefix.size()));
  // The Wave Offering is the day within the feast that has the weekday, and
  // Pentecost seven weeks later.
  EXPECT_GE(y.waveOffering.jd, y.ubFirst.jd);
  EXPECT_LE(y.waveOffering.jd, y.ubLast.jd);
  const int target = east ? 1 : 0;
  EXPECT_EQ(((y.abib1.weekday + static_cast<int>(y.waveOffering.jd - y.abib1.jd)) % 7), target);
  EXPECT_EQ(y.pentecost.jd, y.waveOffering.jd + 49);
  r.TakeIf("If Abib 1 is later then Wave Offering and Pentecost are one week later.");
  r.TakeIf("If Abib 1 is earlier then Wave Offering and Pentecost are one week earlier.");

  const Table autumn = r.TakeTable();
  y.autumnVerdict = autumn.deciding;
  EXPECT_EQ(r.TakeIf("The following Holy Days could be one day earlier:"), autumn.Certainty() == "earlier");
  EXPECT_EQ(r.TakeIf("The following Holy Days could be one day later:"), autumn.Certainty() == "later");
  y.trumpets = ParseDayAndDate(r.Take(), "Feast of Trumpets is");
  y.atonement = ParseDayAndDate(r.Take(), "The Day of Atonement is");
  y.tabFirst = ParseDayAndDate(r.Take(), "The Feast of Tabernacles (Ingathering) goes from");
  y.tabLast = ParseDayAndDate(r.Take(), "to");
  y.greatLastDay = ParseDayAndDate(r.Take(), "The Great Last Day is");
  EXPECT_EQ(y.atonement.jd, y.trumpets.jd + 9);
  EXPECT_EQ(y.tabFirst.jd, y.trumpets.jd + 14);
  EXPECT_EQ(y.tabLast.jd, y.trumpets.jd + 20);
  EXPECT_EQ(y.greatLastDay.jd, y.trumpets.jd + 21);
  // The seventh month begins six or seven lunations after the first.
  EXPECT_GE(y.trumpets.jd - y.abib1.jd, 175);
  EXPECT_LE(y.trumpets.jd - y.abib1.jd, 180);
  return y;
}

// Weekdays written along the year advance with the days (no long day inside).
void ExpectWeekdaysAdvance(const YearDays& y) {
  for (const DatedLine* d : {&y.passover, &y.ubFirst, &y.ubLast, &y.trumpets, &y.atonement, &y.tabFirst,
                             &y.tabLast, &y.greatLastDay}) {
    EXPECT_EQ(d->weekday, (y.abib1.weekday + static_cast<int>(d->jd - y.abib1.jd)) % 7);
  }
}

struct Report {
  std::vector<YearDays> readings;
  std::string creationLine, noteLine;
};

Report ReadHolyDays(const std::string& text, bool east) {
  ReportReader r(Lines(text));
  if (east) {
    r.Expect("These Holy Day dates are corrected (delayed one day) for the");
    r.Expect("region east of Israel and west of the International Date Line.");
  } else {
    r.Expect("These Holy Day dates are for Israel and regions westward to the International Date Line.");
  }
  Report rep;
  rep.creationLine = r.Take();
  if (r.Peek().starts_with("This may be")) rep.noteLine = r.Take();
  r.Expect("");
  for (;;) {
    rep.readings.push_back(ReadYearDays(r, east));
    if (!rep.readings.back().earlyBarley) break;
    r.Expect("");
    r.Expect("For a year with a late spring barley harvest, God's Holy Days are:");
  }
  EXPECT_TRUE(r.AtEnd()) << "text after the report at line " << r.position();
  return rep;
}

TEST(ComputeHolyDays, Year2024AtJerusalem) {
  const Report rep = ReadHolyDays(HolyDaysReport("2024"), false);
  EXPECT_EQ(rep.creationLine, "This may be Year 6028 After Creation. ");
  EXPECT_EQ(rep.noteLine, "");  // J = 69.68 and 3366 Mod 7 = 6: neither Jubilee nor Sabbatical
  ASSERT_EQ(rep.readings.size(), 1u);
  const YearDays& y = rep.readings[0];
  // The new moon of 8 April 2024 18:21 UT gave the first crescent on the
  // evening of 9 April; the one of 2 October 18:49 UT on 4 October.
  EXPECT_EQ(y.abib1.jd, JulianDayFromDate(10, 4, 2024));
  EXPECT_EQ(y.abib1.weekday, 3);  // Wednesday
  EXPECT_EQ(y.trumpets.jd, JulianDayFromDate(5, 10, 2024));
  EXPECT_EQ(y.trumpets.weekday, 6);  // Saturday
  EXPECT_EQ(y.springVerdict, "  Visible");
  ExpectWeekdaysAdvance(y);
}

TEST(ComputeHolyDays, EastOfIsraelEveryDateIsOneDayLater) {
  const std::string plainText = HolyDaysReport("2024");
  const std::string eastText = HolyDaysReport("2024", true);
  const Report plain = ReadHolyDays(plainText, false);
  const Report east = ReadHolyDays(eastText, true);
  ASSERT_EQ(east.readings.size(), plain.readings.size());
  const YearDays& p = plain.readings[0];
  const YearDays& e = east.readings[0];
  EXPECT_EQ(e.abib1.jd, p.abib1.jd + 1);
  EXPECT_EQ(e.abib1.weekday, (p.abib1.weekday + 1) % 7);
  EXPECT_EQ(e.passover.jd, p.passover.jd + 1);
  EXPECT_EQ(e.waveOffering.jd, p.waveOffering.jd + 1);
  EXPECT_EQ(e.pentecost.jd, p.pentecost.jd + 1);
  EXPECT_EQ(e.trumpets.jd, p.trumpets.jd + 1);
  EXPECT_EQ(e.greatLastDay.jd, p.greatLastDay.jd + 1);
  ExpectWeekdaysAdvance(e);
  // The evening tables are the same: only the dates of the days move.
  const auto rowsOf = [](const std::string& text) {
    std::vector<std::string> rows;
    for (const std::string& l : Lines(text)) {
      if (l.ends_with("Visible")) rows.push_back(l);
    }
    return rows;
  };
  EXPECT_EQ(rowsOf(eastText), rowsOf(plainText));
}

TEST(ComputeHolyDays, ALateHarvestYearGivesBothReadings) {
  const Report rep = ReadHolyDays(HolyDaysReport("2018"), false);
  ASSERT_EQ(rep.readings.size(), 2u);
  EXPECT_TRUE(rep.readings[0].earlyBarley);
  EXPECT_FALSE(rep.readings[1].earlyBarley);
  // The late reading starts one lunation later.
  const double gap = rep.readings[1].abib1.jd - rep.readings[0].abib1.jd;
  EXPECT_GE(gap, 29);
  EXPECT_LE(gap, 31);
  // The early month begins before the March equinox of 2018 (20 March 16:15 UT).
  EXPECT_LT(rep.readings[0].abib1.jd, JulianDayFromDate(21, 3, 2018));
  EXPECT_GT(rep.readings[1].abib1.jd, JulianDayFromDate(21, 3, 2018));
  EXPECT_EQ(rep.noteLine, "This may be a Sabbatical (Shemittah) Year.");
}

TEST(ComputeHolyDays, ReportsAcrossTheProgramsYears) {
  for (const char* year : {"31", "-1461", "-4004", "9999", "-1", "1", "-651"}) {
    SCOPED_TRACE(year);
    const Report rep = ReadHolyDays(HolyDaysReport(year), false);
    ASSERT_FALSE(rep.readings.empty());
    for (const YearDays& y : rep.readings) ExpectWeekdaysAdvance(y);
  }
}

TEST(ComputeHolyDays, TheCreationYearAndItsJubileeAndSabbaticalNotes) {
  struct Case {
    const char* year;
    const char* creation;
    const char* note;
  };
  const Case cases[] = {
      {"-4004", "This may be Year 1 After Creation. ", ""},
      {"-1", "This may be Year 4004 After Creation. ", ""},
      {"1", "This may be Year 4005 After Creation. ", ""},
      {"-1461", "This may be Year 2544 After Creation. ", "This may be the 1st Jubilee (Yobel) Year."},
      {"-961", "This may be Year 3044 After Creation. ", "This may be the 11th Jubilee (Yobel) Year."},
      {"-911", "This may be Year 3094 After Creation. ", "This may be the 12th Jubilee (Yobel) Year."},
      {"-861", "This may be Year 3144 After Creation. ", "This may be the 13th Jubilee (Yobel) Year."},
      {"-1504", "This may be Year 2501 After Creation. ", "This may be a Sabbatical (Shemittah) Year."},
      {"-1509", "This may be Year 2496 After Creation. ", ""},
      {"-1510", "This may be Year 2495 After Creation. ", ""},  // before the first possible note
      {"1990", "This may be Year 5994 After Creation. ", "This may be the 70th Jubilee (Yobel) Year."},
      {"1996", "This may be Year 6000 After Creation. ", ""},
      {"4040", "This may be Year 8044 After Creation. ", "This may be the 111th Jubilee (Yobel) Year."},
      {"4090", "This may be Year 8094 After Creation. ", "This may be the 112th Jubilee (Yobel) Year."},
      {"4140", "This may be Year 8144 After Creation. ", "This may be the 113th Jubilee (Yobel) Year."},
      {"4190", "This may be Year 8194 After Creation. ", "This may be the 114th Jubilee (Yobel) Year."},
  };
  for (const Case& c : cases) {
    const std::vector<std::string> lines = Lines(HolyDaysReport(c.year));
    ASSERT_GE(lines.size(), 3u);
    EXPECT_EQ(lines[1], c.creation) << c.year;
    EXPECT_EQ(lines[2], c.note) << c.year;
  }
}

TEST(ComputeHolyDays, SabbaticalYearsAreSevenApartAndTheJubileeFollowsTheSeventh) {
  // Creation years 2544 to 2650: Jubilees at 2544 and 2594.
  std::vector<int> sabbaticals;
  for (int year = -1461; year <= -1355; ++year) {
    const auto lines = Lines(HolyDaysReport(std::to_string(year)));
    if (lines[2] == "This may be a Sabbatical (Shemittah) Year.") sabbaticals.push_back(year + 4005);
  }
  ASSERT_GE(sabbaticals.size(), 13u);
  for (std::size_t i = 1; i < sabbaticals.size(); ++i) {
    const int gap = sabbaticals[i] - sabbaticals[i - 1];
    if (sabbaticals[i - 1] < 2594 && sabbaticals[i] > 2594) {
      // The seventh Sabbatical is the 49th year; the Jubilee is the 50th and
      // the count starts again after it.
      EXPECT_EQ(sabbaticals[i - 1], 2593);
      EXPECT_EQ(gap, 8);
    } else {
      EXPECT_EQ(gap, 7) << sabbaticals[i];
    }
  }
}

TEST(ComputeHolyDays, JoshuasLongDayShiftsTheWeekdaysWithinItsYear) {
  // 22 July 1510 BCE falls between Pentecost and the Feast of Trumpets.
  const Report rep = ReadHolyDays(HolyDaysReport("-1510"), false);
  const YearDays& y = rep.readings.back();
  ASSERT_LT(y.pentecost.jd, kJoshuaJD);
  ASSERT_GT(y.trumpets.jd, kJoshuaJD);
  EXPECT_EQ(y.trumpets.weekday, (y.abib1.weekday + static_cast<int>(y.trumpets.jd - y.abib1.jd) + 6) % 7);
}

TEST(ComputeHolyDays, RecordsTheFirstLunationForTheConversions) {
  EngineFixture f("2018");
  ComputeHolyDays(f.engine);
  EXPECT_EQ(f.st().FirstLunation, FirstLunationOfYear(2018.277));
  EXPECT_EQ(f.st().YearShifted, kTrue);
  EXPECT_EQ(f.st().BarleyEarly, kFalse);
}

TEST(FirstLunationOfYear, CountsFrom1899BeforeTheCommonEra) {
  EXPECT_EQ(FirstLunationOfYear(2024.277), std::floor(124.277 * 12.368277));
  EXPECT_EQ(FirstLunationOfYear(-0.723), std::floor((-0.723 - 1899) * 12.368277));
}

TEST(MarchEquinoxJD, NearTheTrueEquinoxes) {
  // 20 March 2000 07:35 UT and 20 March 2024 03:06 UT.
  EXPECT_NEAR(MarchEquinoxJD(2000), 2451623.816, 0.05);
  EXPECT_NEAR(MarchEquinoxJD(2024), 2460389.629, 0.05);
  // No year 0: 1 BCE is astronomical year 0.
  EXPECT_NEAR(MarchEquinoxJD(-1) - MarchEquinoxJD(1), -365.24, 0.01);
}

// --- The month-start list -------------------------------------------------------

TEST(ListMonthStarts, FourteenMonthsAtJerusalem) {
  const std::vector<std::string> lines = Lines(MonthStartsReport("2024"));
  ReportReader r(lines);
  r.Expect(" 2024 CE  CALCULATED NEW MOONS(Jerusalem)");
  r.Expect("These dates are for Israel and regions westward to the International Date Line.");
  double previous = 0;
  for (int month = 0; month < 14; ++month) {
    const Table t = r.TakeTable();
    const std::string label = t.Certainty() == "sure"
                                  ? "First Day of Month is"
                                  : "First Day of Month is (possibly one day " + t.Certainty() + ")";
    const DatedLine d = ParseDayAndDate(r.Take(), label);
    // The month starts the day after the evening the crescent counts as
    // seen: the sure evening, the doubtful high evening, or the evening
    // after a doubtful low one.
    const auto doubtful = std::find_if(t.rows.begin(), t.rows.end(), [](const std::string& row) {
      return row.ends_with("  Prob Not Visible") || row.ends_with("  Prob Visible");
    });
    if (doubtful == t.rows.end()) {
      EXPECT_EQ(DateFromJD(d.jd - 1).day, RowDay(t.rows.back())) << label;
    } else {
      const double after = t.Certainty() == "earlier" ? 2 : 1;
      EXPECT_EQ(DateFromJD(d.jd - after).day, RowDay(*doubtful)) << label;
    }
    if (month == 0) {
      EXPECT_EQ(d.jd, JulianDayFromDate(10, 4, 2024));
    }
    if (previous != 0) {
      EXPECT_GE(d.jd - previous, 29);
      EXPECT_LE(d.jd - previous, 30);
    }
    previous = d.jd;
    r.Expect("");
  }
  EXPECT_TRUE(r.AtEnd());
}

TEST(ListMonthStarts, EastOfIsraelMovesTheMonthStartsNotTheTables) {
  const std::vector<std::string> plain = Lines(MonthStartsReport("2024"));
  const std::vector<std::string> east = Lines(MonthStartsReport("2024", true));
  ASSERT_EQ(east[1], "The Month Start dates are corrected (delayed one day)");
  ASSERT_EQ(east[2], "for the region east of Israel and west of the International Date Line.");
  ASSERT_EQ(east.size(), plain.size() + 1);
  for (std::size_t i = 2; i < plain.size(); ++i) {
    const std::string& p = plain[i];
    const std::string& e = east[i + 1];
    if (p.starts_with("First Day of Month is")) {
      const std::size_t pc = p.find(", "), ec = e.find(", ");
      EXPECT_EQ(ParseDate(e.substr(ec + 2)), ParseDate(p.substr(pc + 2)) + 1);
    } else {
      EXPECT_EQ(e, p);
    }
  }
}

TEST(ListMonthStarts, TheYearBeforeTheCommonEra) {
  const std::vector<std::string> lines = Lines(MonthStartsReport("0"));
  EXPECT_EQ(lines[0], " 1 BCE    CALCULATED NEW MOONS(Jerusalem)");
}

}  // namespace
}  // namespace orvane::calendar
