// The sunsets table and the sun and moon times table of a year at a place.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <map>
#include <optional>
#include <sstream>

#include "app/holy_days_window.h"
#include "support/temp_dir.h"

namespace orvane::runs {
namespace {

using app::HolyDaysWindow;
using Control = HolyDaysWindow::Control;
using orvane::testing::TempDir;
namespace chr = std::chrono;

// Julian day number of a civil date at noon, from the calendar library's
// day count (proleptic Gregorian, astronomical years: 0 is 1 BCE).
double JD(const chr::year_month_day& d) { return chr::sys_days(d).time_since_epoch().count() + 2440588.0; }
chr::year_month_day DateOf(double jd) {
  return chr::year_month_day(chr::sys_days(chr::days(static_cast<int>(jd) - 2440588)));
}

const char* kMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

// " 1 Jan 2024", "15 Aug 1510": the sunsets table's date cell (bare year).
std::string SunsetDateCell(const chr::year_month_day& d) {
  const int year = static_cast<int>(d.year());
  const int shown = year <= 0 ? 1 - year : year;
  char buf[32];
  std::snprintf(buf, sizeof buf, "%2u %s %d", static_cast<unsigned>(d.day()),
                kMonths[static_cast<unsigned>(d.month()) - 1], shown);
  return buf;
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
    lines.push_back(text.substr(start, end - start));
  }
  EXPECT_EQ(start, text.size()) << "the text ends with a line end";
  return lines;
}

// A main window with its user data in a fresh folder and a place typed
// into the coordinate boxes.
struct Window {
  Window(const std::string& name, const std::string& coordinates) {
    w.SetUserDataFolders({dir.path(), dir.path()});
    w.Form_Load(2024);
    w.TypeKeys(Control::txtLatDeg, coordinates);
    w.SetFocus(Control::None);
    w.userData().LocationName = name;
    w.UserDataChanged = false;
  }
  void Run(bool sunsets, const std::string& year, bool gregorian) {
    w.SwitchSection(sunsets ? "Sunset" : "Times");
    w.txtYear = year;
    w.chkGregYear = gregorian;
    if (sunsets) {
      w.cmdSunset_Click();
    } else {
      w.cmdTimes_Click();
    }
  }
  TempDir dir;
  SilentBeeper beeper;
  HolyDaysWindow w{beeper};
};

const std::string kNewYork = "40 43 N 74 0 W 5";
const std::string kJerusalemBoxes = "31 47 N 35 13 E 2";

// --- The reference year: New York, 2024, from an independent ephemeris -----

struct RefDay {
  double jd;
  double sunrise, sunset, moonrise, moonset;  // hours of the zone day; NaN when there is none
  double illumRise, illumSet;
};

double Hours(const std::string& hms) {
  if (hms.empty()) return NAN;
  return std::stoi(hms.substr(0, 2)) + std::stoi(hms.substr(3, 2)) / 60.0 +
         std::stoi(hms.substr(6, 2)) / 3600.0;
}

std::map<std::string, RefDay> ReferenceYear() {
  const char* root = std::getenv("ORVANE_TEST_DATA");
  std::ifstream in(std::string(root ? root : "tests") + "/reference/times_new_york_2024.csv");
  std::map<std::string, RefDay> days;
  std::string line;
  std::getline(in, line);  // header
  while (std::getline(in, line)) {
    std::vector<std::string> f;
    std::stringstream s(line);
    for (std::string cell; std::getline(s, cell, ',');) f.push_back(cell);
    f.resize(8);
    days[f[0]] = {std::stod(f[1]),
                  Hours(f[2]),
                  Hours(f[3]),
                  Hours(f[4]),
                  Hours(f[5]),
                  f[6].empty() ? NAN : std::stod(f[6]),
                  f[7].empty() ? NAN : std::stod(f[7])};
  }
  EXPECT_EQ(days.size(), 366u) << "reference file";
  return days;
}

// Minutes between a table time and a reference time, across midnight.
double MinutesApart(double tableHours, double refHours) {
  double d = (tableHours - refHours) * 60;
  if (d > 720) d -= 1440;
  if (d < -720) d += 1440;
  return std::fabs(d);
}

// --- The sunsets table --------------------------------------------------------------

struct SunsetCell {
  std::string date;
  double hours;  // clock time of the day
};

// Whether every character of `text` is a digit, or a blank where `pattern`
// has one: Matches("  4:39", "  d:dd").  A "d" stands for a digit, a "b" for
// a blank or a digit, any other character for itself.
bool Matches(const std::string& text, const std::string& pattern) {
  if (text.size() != pattern.size()) return false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const bool digit = text[i] >= '0' && text[i] <= '9';
    if (pattern[i] == 'd' ? !digit : pattern[i] == 'b' ? !(digit || text[i] == ' ') : text[i] != pattern[i])
      return false;
  }
  return true;
}

// The (date, sunset) cells of a table line: " 1 Jan 2024" and "  4:39",
// each followed by "PM" and four blanks.
std::vector<SunsetCell> SunsetCells(const std::string& line) {
  std::vector<SunsetCell> cells;
  std::size_t start = 0;
  for (std::size_t end; (end = line.find("PM    ", start)) != std::string::npos; start = end + 6) {
    const std::string cell = line.substr(start, end - start);
    const std::string time = cell.size() >= 6 ? cell.substr(cell.size() - 6) : "";
    const std::string date = cell.substr(0, cell.size() - time.size());
    EXPECT_TRUE(Matches(time, "bbd:dd")) << line;
    EXPECT_TRUE(date.size() >= 8 && Matches(date.substr(0, 3), "bd ") && date[6] == ' ') << line;
    cells.push_back({date, std::stoi(time.substr(0, 3)) + 12 + std::stoi(time.substr(4)) / 60.0});
  }
  EXPECT_EQ(start, line.size()) << line;
  return cells;
}

TEST(Sunsets, AGregorianYearIsNinetyTwoLinesOfFourDates) {
  Window f("New York", kNewYork);
  f.Run(true, "2024", true);
  const std::vector<std::string> lines = Lines(f.w.OutputText());
  ASSERT_EQ(lines.size(), 4u + 92u);
  EXPECT_EQ(lines[0], " 2024 CE  CALCULATED SUNSETS");
  EXPECT_EQ(lines[1], "(New York, 40\u00BA43'N 74\u00BA0'W GMT -5)");
  EXPECT_EQ(lines[2], "Times do not reflect changes in 'Daylight Saving Time'");
  EXPECT_EQ(lines[3], std::string(88, '_'));

  const auto reference = ReferenceYear();
  const chr::year_month_day first{chr::year{2024}, chr::January, chr::day{1}};
  double worst = 0;
  for (int row = 0; row < 92; ++row) {
    const std::vector<SunsetCell> cells = SunsetCells(lines[4 + row]);
    ASSERT_EQ(cells.size(), 4u) << lines[4 + row];
    for (int column = 0; column < 4; ++column) {
      const chr::year_month_day date = DateOf(JD(first) + row + 92 * column);
      EXPECT_EQ(cells[column].date, SunsetDateCell(date));
      char iso[16];
      std::snprintf(iso, sizeof iso, "%04d-%02u-%02u", static_cast<int>(date.year()),
                    static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()));
      const auto ref = reference.find(iso);
      if (ref != reference.end())
        worst = std::max(worst, MinutesApart(cells[column].hours, ref->second.sunset));
    }
  }
  // Rounded to the minute, the low-precision sun stays within a minute and a half.
  EXPECT_LT(worst, 1.5);
  // The fourth column ends on 2 January after a leap year.
  EXPECT_EQ(SunsetCells(lines.back())[3].date, " 2 Jan 2025");

  f.Run(true, "2023", true);
  EXPECT_EQ(SunsetCells(Lines(f.w.OutputText()).back())[3].date, " 3 Jan 2024");
}

TEST(Sunsets, OneBceShowsTheBareYear) {
  Window f("Jerusalem, Israel", kJerusalemBoxes);
  f.Run(true, "-1", true);
  const std::vector<std::string> lines = Lines(f.w.OutputText());
  ASSERT_EQ(lines.size(), 96u);
  EXPECT_EQ(lines[0], " 1 BCE    CALCULATED SUNSETS");
  EXPECT_EQ(SunsetCells(lines[4])[0].date, " 1 Jan 1");
  // 1 BCE is a leap year of the proleptic Gregorian reckoning (year 0).
  EXPECT_EQ(SunsetCells(lines.back())[3].date, " 2 Jan 1");
  EXPECT_EQ(f.w.txtYear, "-1");
}

// The first month start of the local new-moon list: the day after the
// evening whose verdict is Visible or Prob Visible, two days after a Prob
// Not Visible one.
chr::year_month_day FirstMonthStart(HolyDaysWindow& w, int year) {
  w.txtYear = std::to_string(year);
  w.cmdLocMon_Click();
  const std::vector<std::string> lines = Lines(w.OutputText());
  auto endsWith = [](const std::string& text, const std::string& end) {
    return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
  };
  for (const std::string& line : lines) {
    // An evening row: "9  Apr     6:29   8:00 ...  Visible".
    if (line.empty() || line[0] < '0' || line[0] > '9' || endsWith(line, "  Not Visible")) continue;
    const bool probablyNot = endsWith(line, "  Prob Not Visible");
    if (!probablyNot && !endsWith(line, "  Visible") && !endsWith(line, "  Prob Visible")) continue;
    std::istringstream cells(line);
    unsigned day = 0;
    std::string monthName;
    cells >> day >> monthName;
    unsigned month = 1;
    while (month <= 12 && monthName != kMonths[month - 1]) ++month;
    const chr::year_month_day evening{chr::year{year}, chr::month{month}, chr::day{day}};
    return DateOf(JD(evening) + (probablyNot ? 2 : 1));
  }
  ADD_FAILURE() << "no month start";
  return {};
}

TEST(Sunsets, ABiblicalYearStartsTheEveningBeforeTheFirstMonth) {
  Window f("New York", kNewYork);
  const chr::year_month_day monthStart = FirstMonthStart(f.w, 2024);
  f.w.OutputPane().Clear();
  f.Run(true, "2024", false);
  const std::vector<std::string> lines = Lines(f.w.OutputText());
  ASSERT_EQ(lines.size(), 4u + 108u);
  EXPECT_EQ(lines[0], " 2024 CE  CALCULATED SUNSETS");
  EXPECT_EQ(lines[1], "(New York, 40\u00BA43'N 74\u00BA0'W GMT -5)");
  const double start = JD(monthStart) - 1;
  for (int row = 0; row < 108; ++row) {
    const std::vector<SunsetCell> cells = SunsetCells(lines[4 + row]);
    ASSERT_EQ(cells.size(), 4u);
    for (int column = 0; column < 4; ++column) {
      EXPECT_EQ(cells[column].date, SunsetDateCell(DateOf(start + row + 108 * column)));
    }
  }
  // The silent new-moon run leaves its marks: the list counts as shown.
  EXPECT_TRUE(f.w.MonthsShown);
}

TEST(Sunsets, TheRunLeavesItsFlagsAndButtonAsItFoundThem) {
  Window f("New York", kNewYork);
  bool disabledWhileWriting = true;
  int writes = 0;
  f.w.OutputPane().onChange = [&] {
    ++writes;
    disabledWhileWriting = disabledWhileWriting && (writes < 10 || !f.w.cmdSunsetEnabled);
  };
  f.Run(true, "2024", false);
  EXPECT_TRUE(disabledWhileWriting);
  const EphemerisState& st = f.w.state();
  EXPECT_EQ(st.TableMode, kFalse);
  EXPECT_EQ(st.LocalMode, kFalse);
  EXPECT_EQ(st.ShowInMain, kTrue);
  EXPECT_TRUE(f.w.cmdSunsetEnabled);
  EXPECT_EQ(st.EveningFlag, "");
}

TEST(Sunsets, ChangedCoordinatesAreSavedFirst) {
  Window f("New York", kNewYork);
  f.w.TypeKeys(Control::txtGMT, "4");
  ASSERT_TRUE(f.w.UserDataChanged);
  f.Run(true, "2024", true);
  EXPECT_FALSE(f.w.UserDataChanged);
  EXPECT_TRUE(std::filesystem::exists(f.dir / "UserData.Dat"));
  EXPECT_EQ(Lines(f.w.OutputText())[1], "(New York, 40\u00BA43'N 74\u00BA0'W GMT -4)");
}

// --- The local new moons -------------------------------------------------------------

TEST(LocalMoons, TheRunIsAtThePlaceWithoutMonthStartLines) {
  Window f("New York", kNewYork);
  f.w.chkEJW = true;
  f.w.txtYear = "2024";
  f.w.TypeKeys(Control::txtGMT, "5");  // a change: the file is saved first
  f.w.cmdLocMon_Click();
  const std::vector<std::string> lines = Lines(f.w.OutputText());
  EXPECT_EQ(lines[0], " 2024 CE  CALCULATED NEW MOONS");
  EXPECT_EQ(lines[1], "(New York, 40\u00BA43'N 74\u00BA0'W GMT -5)");
  EXPECT_EQ(f.w.OutputText().find("First Day of Month"), std::string::npos);
  EXPECT_EQ(std::count(lines.begin(), lines.end(), ""), 14);  // fourteen months, a blank line after each
  EXPECT_FALSE(f.w.chkEJW);                                   // unticked without a Jerusalem run
  EXPECT_TRUE(f.w.MonthsShown);
  EXPECT_EQ(f.w.SavedYear, 2024);
  EXPECT_EQ(f.w.state().LocalMode, kFalse);
  EXPECT_FALSE(f.w.UserDataChanged);
  EXPECT_TRUE(std::filesystem::exists(f.dir / "UserData.Dat"));
  // The first month starts after the evening of 9 April at New York, as at Jerusalem.
  EXPECT_EQ(FirstMonthStart(f.w, 2024), (chr::year_month_day{chr::year{2024}, chr::April, chr::day{10}}));
}

TEST(LocalMoons, EnterInTheYearBoxRunsTheSectionsRun) {
  Window f("New York", kNewYork);
  struct Expectation {
    const char* section;
    const char* start;
    const bool* button;
  };
  const Expectation sections[] = {{"LocalMoons", " 2023 CE  CALCULATED NEW MOONS", &f.w.cmdLocMonEnabled},
                                  {"Sunset", " 2023 CE  CALCULATED SUNSETS", &f.w.cmdSunsetEnabled},
                                  {"Times", "(New York, 40\u00BA43'N", &f.w.cmdTimesEnabled}};
  for (const Expectation& e : sections) {
    f.w.SwitchSection(e.section);
    f.w.SetFocus(Control::None);
    bool disabled = false;
    f.w.OutputPane().onChange = [&] { disabled = disabled || !*e.button; };
    f.w.TypeKeys(Control::txtYear, "2023\r");
    f.w.OutputPane().onChange = nullptr;
    EXPECT_EQ(f.w.OutputText().rfind(e.start, 0), 0u) << e.section;
    EXPECT_TRUE(disabled) << e.section;
    EXPECT_TRUE(*e.button) << e.section;
  }
}

TEST(LocalMoons, TheGregorianBoxRerunsOnlyTheTableSections) {
  Window f("New York", kNewYork);
  f.w.OutputPane().SetText("kept");
  f.w.chkGregYear = true;
  f.w.chkGregYear_Click();  // the HolyDays section: nothing runs
  EXPECT_EQ(f.w.OutputText(), "kept");
  f.w.SwitchSection("Times");
  f.w.chkGregYear = true;
  f.w.chkGregYear_Click();
  EXPECT_EQ(Lines(f.w.OutputText()).size(), 4u + 366u + 13u);
  f.w.GregYearQuiet = true;
  f.w.OutputPane().SetText("kept");
  f.w.chkGregYear_Click();
  EXPECT_EQ(f.w.OutputText(), "kept");
}

// --- The times table ------------------------------------------------------------------

struct TimesLine {
  std::string date;  // "MM/DD/YYYY"
  std::string jd;
  double sunrise, sunset;
  std::string moonrise, illumRise, moonset, illumSet;
};

// A day line: "01/01/2024   2460311     7:20      16:39    22:14       68.2    10:52      72.6".
std::optional<TimesLine> ParseTimesLine(const std::string& line) {
  const std::size_t n = line.size();
  if (n < 39 + 28) return std::nullopt;
  // From the end: the moon's cells have fixed widths.
  TimesLine t;
  t.illumSet = line.substr(n - 5);
  t.moonset = line.substr(n - 15, 5);
  t.illumRise = line.substr(n - 24, 5);
  t.moonrise = line.substr(n - 35, 5);
  const bool moonCells = line.substr(n - 10, 5) == "     " && line.substr(n - 19, 4) == "    " &&
                         line.substr(n - 30, 6) == "      " && line.substr(n - 39, 4) == "    " &&
                         (Matches(t.moonrise, "dd:dd") || t.moonrise == "--:--") &&
                         (Matches(t.moonset, "dd:dd") || t.moonset == "--:--");
  if (!moonCells) return std::nullopt;
  std::istringstream front(line.substr(0, n - 39));
  std::string sunrise, sunset;
  front >> t.date >> t.jd >> sunrise >> sunset;
  const bool date = Matches(t.date, "dd/dd/dddd") || Matches(t.date, "dd/dd/-dddd");
  const bool clocks = (Matches(sunrise, "d:dd") || Matches(sunrise, "dd:dd")) &&
                      (Matches(sunset, "d:dd") || Matches(sunset, "dd:dd"));
  if (!date || !clocks ||
      line.substr(0, n - 39) != t.date + "   " + t.jd + "     " + sunrise + "      " + sunset) {
    return std::nullopt;
  }
  t.sunrise = std::stoi(sunrise) + std::stoi(sunrise.substr(sunrise.size() - 2)) / 60.0;
  t.sunset = std::stoi(sunset) + std::stoi(sunset.substr(sunset.size() - 2)) / 60.0;
  return t;
}

double ClockHours(const std::string& hhmm) {
  return std::stoi(hhmm.substr(0, 2)) + std::stoi(hhmm.substr(3, 2)) / 60.0;
}

TEST(Times, AGregorianYearAgreesWithAnIndependentEphemeris) {
  Window f("New York", kNewYork);
  f.Run(false, "2024", true);
  const std::vector<std::string> lines = Lines(f.w.OutputText());
  const std::string header =
      "  DATE    JULIAN DAY #  SUNRISE   SUNSET   MOONRISE  % ILLUM.  MOONSET  % ILLUM";
  ASSERT_EQ(lines.size(), 4u + 366u + 13u);
  EXPECT_EQ(lines[0], "(New York, 40\u00BA43'N 74\u00BA0'W GMT -5)");
  EXPECT_EQ(lines[1], "Times are not corrected for changes in Daylight Saving.");
  EXPECT_EQ(lines[2], "Dates are shown in Month/Day/Year format.");
  EXPECT_EQ(lines[3], std::string(79, '_'));

  const auto reference = ReferenceYear();
  const chr::year_month_day first{chr::year{2024}, chr::January, chr::day{1}};
  int day = 0;
  int moonEvents = 0, moonFar = 0, noEventMismatches = 0;
  double worstSun = 0, worstMoon = 0, worstIllum = 0;
  const RefDay* previous = nullptr;
  bool headerWritten = false;
  for (std::size_t i = 4; i < lines.size(); ++i) {
    // The header stands above the 1st, 31st, 61st, ... day.
    if (day % 30 == 0 && !headerWritten) {
      ASSERT_EQ(lines[i], header) << "above day " << day + 1;
      headerWritten = true;
      continue;
    }
    EXPECT_NE(lines[i], header) << "above day " << day + 1;
    headerWritten = false;
    ++day;
  }
  day = 0;
  for (std::size_t i = 4; i < lines.size(); ++i) {
    if (lines[i] == header) continue;
    const std::optional<TimesLine> t = ParseTimesLine(lines[i]);
    ASSERT_TRUE(t) << lines[i];
    const chr::year_month_day date = DateOf(JD(first) + day);
    char mdy[16], iso[16];
    std::snprintf(mdy, sizeof mdy, "%02u/%02u/%04d", static_cast<unsigned>(date.month()),
                  static_cast<unsigned>(date.day()), static_cast<int>(date.year()));
    std::snprintf(iso, sizeof iso, "%04d-%02u-%02u", static_cast<int>(date.year()),
                  static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()));
    EXPECT_EQ(t->date, mdy);
    const RefDay& ref = reference.at(iso);
    EXPECT_EQ(t->jd, std::to_string(static_cast<long>(ref.jd)));
    worstSun =
        std::max({worstSun, MinutesApart(t->sunrise, ref.sunrise), MinutesApart(t->sunset, ref.sunset)});

    const std::pair<const std::string*, double> events[] = {{&t->moonrise, ref.moonrise},
                                                            {&t->moonset, ref.moonset}};
    const std::pair<const std::string*, double> illums[] = {{&t->illumRise, ref.illumRise},
                                                            {&t->illumSet, ref.illumSet}};
    const double dayBefore[] = {previous ? previous->moonrise : NAN, previous ? previous->moonset : NAN};
    for (int e = 0; e < 2; ++e) {
      const std::string& cell = *events[e].first;
      const double refHours = events[e].second;
      if (cell == "--:--") {
        EXPECT_EQ(*illums[e].first, " ----");
        // A day without the event in the table: the reference has none
        // either, or has it within half an hour of a midnight.
        if (!std::isnan(refHours) && refHours > 0.5 && refHours < 23.5) ++noEventMismatches;
        continue;
      }
      if (std::isnan(refHours)) {
        ++noEventMismatches;
        continue;
      }
      ++moonEvents;
      const double apart = MinutesApart(ClockHours(cell), refHours);
      if (apart > 10) {
        // The search does not test convergence: an event near noon, a day
        // from where it starts, can come out as the day before's.
        ++moonFar;
        EXPECT_LE(MinutesApart(ClockHours(cell), dayBefore[e]), 10) << lines[i];
        continue;
      }
      worstMoon = std::max(worstMoon, apart);
      worstIllum = std::max(worstIllum, std::fabs(std::stod(*illums[e].first) - illums[e].second));
    }
    previous = &ref;
    ++day;
  }
  EXPECT_EQ(day, 366);
  EXPECT_LT(worstSun, 1.5);
  EXPECT_GT(moonEvents, 680);
  EXPECT_LE(noEventMismatches, 4);
  // The moon's rising and setting come from two passes of a low-precision
  // theory: all but a few within ten minutes, with the illumination of the
  // moment to a point and a half.
  EXPECT_LE(moonFar, moonEvents / 100);
  EXPECT_LT(worstMoon, 10);
  EXPECT_LT(worstIllum, 1.5);
}

TEST(Times, ACommonYearEndsOnTheFirstOfJanuary) {
  Window f("New York", kNewYork);
  f.Run(false, "2023", true);
  const std::vector<std::string> lines = Lines(f.w.OutputText());
  ASSERT_EQ(lines.size(), 4u + 366u + 13u);
  EXPECT_EQ(ParseTimesLine(lines[5])->date, "01/01/2023");
  EXPECT_EQ(ParseTimesLine(lines.back())->date, "01/01/2024");
}

TEST(Times, ABiblicalYearIsFourHundredDaysFromTheEveningBeforeTheFirstMonth) {
  Window f("Jerusalem, Israel", kJerusalemBoxes);
  const chr::year_month_day monthStart = FirstMonthStart(f.w, 2024);
  f.Run(false, "2024", false);
  const std::vector<std::string> lines = Lines(f.w.OutputText());
  ASSERT_EQ(lines.size(), 4u + 400u + 14u);
  EXPECT_EQ(lines[0], "(Jerusalem, Israel, 31\u00BA47'N 35\u00BA13'E GMT +2)");
  int day = 0;
  for (const std::string& line : lines) {
    const std::optional<TimesLine> t = ParseTimesLine(line);
    if (!t) continue;
    const chr::year_month_day date = DateOf(JD(monthStart) - 1 + day);
    char mdy[16];
    std::snprintf(mdy, sizeof mdy, "%02u/%02u/%04d", static_cast<unsigned>(date.month()),
                  static_cast<unsigned>(date.day()), static_cast<int>(date.year()));
    EXPECT_EQ(t->date, mdy);
    ++day;
  }
  EXPECT_EQ(day, 400);
  const EphemerisState& st = f.w.state();
  EXPECT_EQ(st.TableMode, kFalse);
  EXPECT_EQ(st.LocalMode, kFalse);
  EXPECT_EQ(st.ShowInMain, kTrue);
  EXPECT_TRUE(f.w.cmdTimesEnabled);
}

TEST(Times, CellsAreWrittenAsTheLayoutSays) {
  Window f("New York", kNewYork);
  f.Run(false, "2024", true);
  int noRise = 0, noSet = 0, earlyRise = 0, earlySun = 0;
  for (const std::string& line : Lines(f.w.OutputText())) {
    const std::optional<TimesLine> t = ParseTimesLine(line);
    if (!t) continue;
    if (t->moonrise == "--:--") {
      ++noRise;
      EXPECT_NE(line.find("--:--       ----"), std::string::npos) << line;
    }
    if (t->moonset == "--:--") {
      ++noSet;
      EXPECT_EQ(line.substr(line.size() - 19), "    --:--      ----") << line;
    }
    // An hour below 10: sunrise "7:05", moonrise "07:05".
    if (t->moonrise[0] == '0') ++earlyRise;
    if (t->sunrise < 10) ++earlySun;
    // Illumination texts have four figures and a sign column: " 45.3", " 9.50", " 0.20";
    // a whole 100 has no room for its point and is padded with a blank.
    for (const std::string* illum : {&t->illumRise, &t->illumSet}) {
      if (*illum == " ----") continue;
      EXPECT_TRUE(Matches(*illum, " dd.d") || Matches(*illum, " d.dd") || *illum == " 100 ")
          << "'" << *illum << "'";
    }
  }
  // About once a month the moon skips a civil day, rising or setting.
  EXPECT_GE(noRise, 10);
  EXPECT_GE(noSet, 10);
  EXPECT_GT(earlyRise, 30);
  EXPECT_EQ(earlySun, 366);
}

TEST(Times, OneDayLeavesItsIlluminationTextsForTheConversionWindow) {
  Window f("New York", kNewYork);
  HolyDaysWindow& w = f.w;
  EphemerisState& st = w.state();
  // As the conversion window asks for a single day: nothing is shown, the
  // one-day flag makes the number texts.
  st.ShowInMain = kFalse;
  st.ConversionTableFlag = kTrue;
  st.LocalMode = kTrue;
  w.ReadCoordinates();
  w.engine().InitEphemeris();
  const double jd = 2460335;  // 25 Jan 2024, full moon
  st.ConvertJD = jd;
  w.engine().JulianDayToDateText();
  st.LunationNumber = std::floor((jd - 2415021) / 29.530589);
  w.modTimes().RowCounter = -1;
  w.OutputPane().Clear();
  w.modTimes().WriteDayTimes(w.engine(), jd);
  EXPECT_EQ(w.OutputText(), "");
  const auto ref = ReferenceYear().at("2024-01-25");
  EXPECT_NEAR(std::stod(st.IlluminationText), ref.illumRise, 1.5);
  EXPECT_NEAR(std::stod(w.modTimes().MoonsetIlluminationText), ref.illumSet, 1.5);
  EXPECT_EQ(st.IlluminationText.size(), 5u);
}

// --- No report is ever undefined within the place limits -------------------------------

// Writes the local new moons, the Gregorian sunsets and the times table's
// lines of every `stride`-th day of a year at a latitude, and returns the
// text; fails when a day leaves an hour angle undefined.
std::string EveryReport(Window& f, const std::string& year, int stride) {
  HolyDaysWindow& w = f.w;
  EphemerisState& st = w.state();
  w.txtYear = year;
  w.cmdLocMon_Click();
  std::string text = w.OutputText();
  f.Run(true, year, true);
  text += w.OutputText();
  // The times table's days one by one, as the conversion window asks for them.
  st.LocalMode = kTrue;
  st.TableMode = kTrue;
  w.ReadCoordinates();
  w.engine().InitEphemeris();
  w.OutputPane().Clear();
  const double first = st.MonthStartJD - 1;  // 1 January
  for (double jd = first; jd < first + 366; jd += stride) {
    st.ConvertJD = jd;
    w.engine().JulianDayToDateText();
    st.LunationNumber = std::floor((jd - 2415021) / 29.530589);
    w.modTimes().WriteDayTimes(w.engine(), jd);
    EXPECT_TRUE(std::isfinite(st.MoonHourAngle) && std::isfinite(st.SunCosHourAngle)) << "JD " << jd;
  }
  st.TableMode = kFalse;
  st.LocalMode = kFalse;
  return text + w.OutputText();
}

TEST(NoNotANumber, EveryReportIsDefinedAtEveryWholeLatitude) {
  const char* years[] = {"-4004", "-1500", "2024", "9999"};
  std::vector<std::string> latitudes;
  for (int d = 0; d <= 60; ++d) {
    latitudes.push_back(std::to_string(d) + " 0 N");
    if (d > 0) latitudes.push_back(std::to_string(d) + " 0 S");
  }
  for (const std::string& latitude : latitudes) {
    Window f("Sweep", latitude + " 35 13 E 2");
    for (const char* year : years) {
      SCOPED_TRACE(latitude + " in " + year);
      const std::string text = EveryReport(f, year, 13);
      ASSERT_EQ(text.find("nan"), std::string::npos) << text;
      ASSERT_EQ(text.find("inf"), std::string::npos) << text;
    }
  }
}

TEST(NoNotANumber, TheMoonMayStayUpAllDayAtTheLimitInAncientYears) {
  // With the larger obliquity of ancient times the moon's declination
  // reaches about 29 degrees in the years of its greatest swing (every 18.61
  // years; one was in 2025): at 60.99 degrees it then neither rises nor sets
  // on some days.
  for (const char* direction : {"N", "S"}) {
    Window f("Limit", std::string("60 59 ") + direction + " 35 13 W 2");
    // Pasted past the box's limit: 61 degrees are read as 60.99.
    f.w.SetCoordinateText(f.w.txtLatDeg, "61");
    f.w.SetCoordinateText(f.w.txtLatMin, "0");
    const std::string latitude = std::string("60.99 ") + direction;
    for (int k = 125; k <= 325; k += 25) {
      const std::string year = std::to_string(static_cast<int>(std::floor(2025 - 18.61 * k)) - 1);
      SCOPED_TRACE(latitude + " in " + year);
      const std::string text = EveryReport(f, year, 1);
      ASSERT_EQ(text.find("nan"), std::string::npos);
      ASSERT_EQ(text.find("inf"), std::string::npos);
    }
  }
}

}  // namespace
}  // namespace orvane::runs
