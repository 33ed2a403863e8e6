#include "app/help_texts.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "app/holy_days_window.h"
#include "app/locations.h"
#include "calendar/holy_days.h"
#include "conversions/conversion_window_model.h"
#include "conversions/easter_window_model.h"
#include "conversions/hebrew_calendar.h"
#include "conversions/hebrew_window_model.h"
#include "engine/engine.h"
#include "engine/numeric.h"
#include "engine/year_box.h"
#include "runs/year_start.h"
#include "support/fake_host.h"

namespace orvane::app {
namespace {

// --- Helpers -----------------------------------------------------------------------------

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t pos = 0;
  for (;;) {
    const std::size_t end = text.find("\r\n", pos);
    lines.push_back(text.substr(pos, end == std::string::npos ? std::string::npos : end - pos));
    if (end == std::string::npos) break;
    pos = end + 2;
  }
  return lines;
}

std::size_t Indent(const std::string& line) { return line.find_first_not_of(' '); }

// The text as one line, every run of blanks and line ends as one blank: what
// a reader reads, whatever the line breaks.
std::string Flat(const std::string& text) {
  std::string out;
  bool blank = false;
  for (char c : text) {
    if (c == ' ' || c == '\r' || c == '\n') {
      blank = true;
      continue;
    }
    if (blank && !out.empty()) out += ' ';
    blank = false;
    out += c;
  }
  return out;
}

std::string FlatHelp(std::string_view key) { return Flat(BuildHelpText(key)); }

// The groups of the first match of `pattern` in a flattened help text (the
// whole match first); the test fails, and gets no groups, when the text does
// not say it.
std::vector<std::string> Says(const std::string& flat, const std::string& pattern) {
  std::smatch m;
  std::vector<std::string> groups;
  if (std::regex_search(flat, m, std::regex(pattern))) {
    for (const auto& group : m) groups.push_back(group.str());
  } else {
    ADD_FAILURE() << "no match for: " << pattern;
  }
  return groups;
}

double Num(const std::string& text) { return std::stod(text); }

const std::map<std::string, std::string> kMonthAbbrevToName = {
    {"Jan", "January"},   {"Feb", "February"}, {"Mar", "March"},    {"Apr", "April"},
    {"May", "May"},       {"Jun", "June"},     {"Jul", "July"},     {"Aug", "August"},
    {"Sep", "September"}, {"Oct", "October"},  {"Nov", "November"}, {"Dec", "December"}};

// "Wednesday, 23 Apr 31 CE" from a report line into "Wednesday, 23 April 31 CE".
std::string LongDate(const std::string& reportDate) {
  std::smatch m;
  const std::regex date(R"((\w+), +(\d+) (\w{3}) (\d+) (BCE|CE))");
  EXPECT_TRUE(std::regex_search(reportDate, m, date)) << reportDate;
  if (m.empty()) return {};
  return m[1].str() + ", " + m[2].str() + " " + kMonthAbbrevToName.at(m[3].str()) + " " + m[4].str() + " " +
         m[5].str();
}

// The rest of the report line that begins with `label`.
std::string ReportLine(const std::string& report, const std::string& label) {
  for (const std::string& line : Lines(report)) {
    if (line.rfind(label, 0) == 0) return line.substr(label.size());
  }
  ADD_FAILURE() << "no line beginning with '" << label << "'";
  return {};
}

struct Window {
  SilentBeeper beeper;
  HolyDaysWindow w{beeper};
  Window() { w.Form_Load(2024); }

  // The report of one year of a range section, as its button gives it.
  std::string OneYear(std::string_view section, double year) {
    w.SwitchSection(section);
    w.txtYear = num::CStr(year);
    w.txtYear2 = "";
    if (section == "Golgotha") w.cmdGolgotha_Click();
    if (section == "Jordan") w.cmdJordan_Click();
    if (section == "Creation") w.cmdCreation_Click();
    if (section == "Flood") w.cmdFlood_Click();
    return w.OutputText();
  }
  std::string HolyDays(const std::string& year, bool east = false) {
    w.SwitchSection("HolyDays");
    w.txtYear = year;
    w.chkEJW = east;
    w.cmdHolyDays_Click();
    return w.OutputText();
  }
};

// The headings of the texts, as the documentation names them.
const std::map<std::string_view, std::string> kHeadings = {
    {"HolyDays", "ORVANE"},
    {"LocalMoons", "LOCAL MOON - VISIBLE NEW MOON"},
    {"Sunset", "SUNSETS"},
    {"Jordan", "THE JORDAN CROSSING"},
    {"Flood", "THE WORLD-WIDE FLOOD"},
    {"Creation", "CREATION DATES  (ABIB 1)"},
    {"Golgotha", "JESUS CHRIST'S DEATH AND RESURRECTION (GOLGOTHA)"},
    {"Times", "SUN AND MOON TIMES"},
    {"Rabbinic", "RABBINICAL CALCULATED CALENDAR"},
    {"Easter", "EASTER DATES"},
    {"Conversions", "CALENDAR CONVERSIONS"},
    {"Crescent", "CRESCENT VISIBILITY"},
};

bool IsCentred(const std::string& line) {
  const std::size_t indent = Indent(line);
  const std::size_t width = line.size() - indent;
  const std::size_t centre = width < kHelpLineLength ? (kHelpLineLength - width) / 2 : 0;
  return indent + 1 >= centre && indent <= centre + 1;
}

// --- Set and layout ------------------------------------------------------------------------

TEST(HelpTexts, EachKeyWithItsTextAndNoOther) {
  std::set<std::string> texts;
  for (std::string_view key : kHelpKeys) {
    const std::string text = BuildHelpText(key);
    EXPECT_FALSE(text.empty()) << key;
    texts.insert(text);
    EXPECT_EQ(BuildHelpText(key), text) << key << ": the text is the same every time";
  }
  EXPECT_EQ(texts.size(), kHelpKeys.size());
  EXPECT_EQ(kHeadings.size(), kHelpKeys.size());
  // Keys are matched exactly: the conversion window's empty run name, other
  // spellings and unknown names have no text.
  for (const char* other :
       {"", "holydays", "HOLYDAYS", "Holy Days", "Sunsets", "Conversion", "Hebrew", "Easter "}) {
    EXPECT_EQ(BuildHelpText(other), "") << "'" << other << "'";
  }
}

TEST(HelpTexts, HeadingFirstAndClosingLineLast) {
  const std::string closing = HelpClosingLine();
  EXPECT_NE(closing.find("Orvane"), std::string::npos);
  EXPECT_NE(closing.find(kHelpWebAddress), std::string::npos);
  EXPECT_TRUE(IsCentred(closing));
  const std::string versionMark = std::string("Ver ") + ORVANE_VERSION;

  for (std::string_view key : kHelpKeys) {
    SCOPED_TRACE(std::string(key));
    const std::vector<std::string> lines = Lines(BuildHelpText(key));
    ASSERT_GE(lines.size(), 5u);
    EXPECT_EQ(lines.back(), closing);
    EXPECT_EQ(lines[lines.size() - 2], "");

    std::size_t heading = 0;
    if (key == "HolyDays") {
      // The publisher's notice comes first, as a paragraph, then the heading.
      EXPECT_EQ(Indent(lines[0]), kHelpFirstLineIndent);
      EXPECT_EQ(lines[0].substr(Indent(lines[0]), 26), "NOTICE FROM THE PUBLISHER:");
      while (heading < lines.size() && !lines[heading].empty()) ++heading;
      ++heading;
      const std::string notice = Flat(BuildHelpText(key)).substr(0, 400);
      EXPECT_NE(notice.find("the Orvane project"), std::string::npos);
    }
    ASSERT_LT(heading, lines.size());
    const std::string& h = lines[heading];
    EXPECT_TRUE(IsCentred(h)) << h;
    // The heading in capitals with the version mark at its right.
    ASSERT_GE(h.size(), versionMark.size());
    EXPECT_EQ(h.substr(h.size() - versionMark.size()), versionMark) << h;
    const std::string title = h.substr(Indent(h), h.size() - Indent(h) - versionMark.size());
    EXPECT_EQ(title, kHeadings.at(key) + "    ");
    EXPECT_EQ(lines[heading + 1], "") << "an empty line below the heading";
  }
}

TEST(HelpTexts, LinesFitThePaneAndParagraphsAreIndented) {
  for (std::string_view key : kHelpKeys) {
    SCOPED_TRACE(std::string(key));
    const std::string text = BuildHelpText(key);
    // Lines end in CR LF only; the text is plain ASCII, so the length of a
    // line is its count of characters.
    for (std::size_t i = 0; i < text.size(); ++i) {
      const unsigned char c = static_cast<unsigned char>(text[i]);
      if (c == '\r') {
        EXPECT_EQ(text[i + 1], '\n') << "at " << i;
      } else if (c == '\n') {
        EXPECT_EQ(text[i - 1], '\r') << "at " << i;
      } else {
        EXPECT_TRUE(c >= 32 && c < 127) << "character " << int(c) << " at " << i;
      }
    }
    // No value of the program's constants was left out.
    EXPECT_EQ(text.find_first_of("{}~"), std::string::npos);

    const std::vector<std::string> lines = Lines(text);
    bool inParagraph = false;
    for (std::size_t i = 0; i < lines.size(); ++i) {
      const std::string& line = lines[i];
      SCOPED_TRACE("line " + std::to_string(i + 1) + ": '" + line + "'");
      EXPECT_LE(line.size(), 90u);
      if (line.empty()) {
        EXPECT_TRUE(i == 0 || !lines[i - 1].empty()) << "two empty lines in a row";
        inParagraph = false;
        continue;
      }
      EXPECT_NE(line.back(), ' ');
      const std::size_t indent = Indent(line);
      if (indent >= 7 && indent <= 9) {
        inParagraph = true;  // a paragraph's first line
      } else if (indent == 3 || indent == 4) {
        EXPECT_TRUE(inParagraph) << "a paragraph's other line with no first line above it";
      } else {
        // A heading, sub-heading or the closing line: centred, on its own.
        EXPECT_TRUE(IsCentred(line));
        EXPECT_TRUE(i == 0 || lines[i - 1].empty());
        EXPECT_TRUE(i + 1 == lines.size() || lines[i + 1].empty());
        inParagraph = false;
      }
    }
  }
}

// Each text covers its topics in the order the documentation promises.
TEST(HelpTexts, TopicsInOrder) {
  const std::map<std::string_view, std::vector<std::string>> topics = {
      {"HolyDays",
       {"NOTICE FROM THE PUBLISHER",
        "ORVANE",
        "HOLY DAYS:",
        "no replacement for watching the sky",
        "The azimuth is measured in degrees clockwise from the South (90 is directly west).",
        "holy day begins on the evening before",
        "negative number for a year BCE",
        "cup button",
        "NEW MOONS:",
        "twelve or thirteen months",
        "CREATION",
        "FLOOD",
        "JORDAN CROSSING",
        "GOLGOTHA",
        "LOCAL MOONS",
        "SUNSETS",
        "TIMES",
        "CONVERSIONS",
        "RABBINIC CALENDAR",
        "EASTER",
        "File, Print",
        "CALCULATION PRINCIPLES",
        "'Astronomical Formulae for Calculators'",
        "'Astronomical Algorithms'",
        "each day begins at dusk",
        "visibility number",
        "barley",
        "vernal",
        "Biblical chronology",
        "Exodus",
        "dedication of the temple",
        "modified proleptic Gregorian",
        "Hezekiah",
        "Joshua",
        "daylight-saving",
        "East of Israel and west",
        "Pressing F1 in any section will show its help screen."}},
      {"LocalMoons",
       {"coordinates", "offset", "daylight", "list box", "answer Yes", "crescent-moon button", "atlas",
        "test the calculation against the sky", "clockwise from the South", "proleptic Gregorian",
        "daylight-saving", "Conversions", "TIMES"}},
      {"Sunset", {"sunset for every day", "offset", "daylight", "list box", "sunset button", "atlas"}},
      {"Jordan",
       {"Passover sacrifice (Abib 14) and the Wave Offering", "must have its Passover on a Sabbath",
        "left box", "crossing button", "empty the right box", "Joshua's long day", "setting times",
        "begins at sunset", "proleptic Gregorian", "daylight-saving"}},
      {"Flood",
       {"17th day of the second month", "150 days", "left box", "flood button", "empty the right box",
        "2348 BCE", "149(+1)", "148(+2)", "proleptic Gregorian", "daylight-saving"}},
      {"Creation",
       {"Abib 1", "Sunday", "fixed place", "setting times", "Before the Flood", "left box", "creation button",
        "empty the right box", "proleptic Gregorian", "daylight-saving"}},
      {"Golgotha",
       {"Passover Preparation Day", "weekday of Abib 14 changes", "three days and three nights", "31 CE",
        "Wave Offering", "Pentecost", "left box", "cross button", "empty the right box",
        "proleptic Gregorian"}},
      {"Times",
       {"sunrise, sunset, moonrise and moonset", "illuminated percentage", "list box", "sundial button",
        "atlas", "Month/Day/Year"}},
      {"Rabbinic",
       {"Compute", "differs from the observational reckoning", "molad", "19-year cycle", "Wave Offering",
        "Rabbinical Calendar Postponement Rules", "Rule 1)- Dechiyah 1: (Molad Zakein)",
        "Rule 2) - Dechiyah 3: (Gatarad)", "Rule 3)- Dechiyah 4: (Betutkafot)",
        "Rule 4)- Dechiyah 2: (Lo A'DU Rosh)", "Joshua's long day"}},
      {"Easter",
       {"Good Friday and Easter Sunday", "comparison only", "Find Easter", "does not use the modified"}},
      {"Conversions",
       {"four calendars", "Compute", "month box", "arrow keys", "Enter", "6D 11H 882P", "before the Flood",
        "Pressing F1 will bring up the help screen for this module (and the others too)."}},
      {"Crescent",
       {"upper limb", "34 minutes of arc", "four ninths", "NAO Technical Note 69 (1997)", "+0.216", "-0.293",
        "lower class", "Experimental Astronomy 18 (2004)", "5.65", "-0.96", "upper zone",
        "before conjunction", "moon sets first", "not visible up to 88", "probably visible up to 112"}},
  };
  ASSERT_EQ(topics.size(), kHelpKeys.size());
  for (const auto& [key, phrases] : topics) {
    const std::string flat = FlatHelp(key);
    std::size_t at = 0;
    for (const std::string& phrase : phrases) {
      const std::size_t found = flat.find(phrase, at);
      EXPECT_NE(found, std::string::npos) << key << ": '" << phrase << "' missing or out of order";
      if (found != std::string::npos) at = found + phrase.size();
    }
  }
}

// --- Rules stated as the code computes them -------------------------------------------------

TEST(HelpRules, VisibilityClassesHaveTheEnginesBoundaries) {
  const std::string flat = FlatHelp("HolyDays");
  const std::vector<std::string> m =
      Says(flat, R"(Up to and including (\d+): Not Visible\. .* Above (\d+) and up to (\d+): Prob Not )"
                 R"(Visible\. .* Above (\d+) and up to (\d+): Prob Visible\. .* Above (\d+): Visible\.)");
  ASSERT_FALSE(m.empty());
  const double notVisible = Num(m[1]), probNot = Num(m[3]), probVisible = Num(m[5]);
  EXPECT_EQ(Num(m[2]), notVisible);
  EXPECT_EQ(Num(m[4]), probNot);
  EXPECT_EQ(Num(m[6]), probVisible);
  // Each boundary belongs to the lower class.
  EXPECT_EQ(ClassifyVisibility(notVisible), Visibility::NotVisible);
  EXPECT_EQ(ClassifyVisibility(notVisible + 1e-9), Visibility::ProbablyNotVisible);
  EXPECT_EQ(ClassifyVisibility(probNot), Visibility::ProbablyNotVisible);
  EXPECT_EQ(ClassifyVisibility(probNot + 1e-9), Visibility::ProbablyVisible);
  EXPECT_EQ(ClassifyVisibility(probVisible), Visibility::ProbablyVisible);
  EXPECT_EQ(ClassifyVisibility(probVisible + 1e-9), Visibility::Visible);
  EXPECT_EQ(notVisible, 88);
  EXPECT_EQ(probNot, 100);
  EXPECT_EQ(probVisible, 112);
}

// The formula and the month starts of the text, checked on the evenings the
// engine actually settles on, for some twelve years of lunations.
TEST(HelpRules, VisibilityNumberAndMonthStartAsTheEngineComputesThem) {
  const std::vector<std::string> m =
      Says(FlatHelp("HolyDays"),
           R"(\(([\d.]+) x the illuminated percentage \+ the minutes from sunset to moonset \+ )"
           R"(([\d.]+) x the moon's altitude at sunset - ([\d.]+) x the sun's altitude at )"
           R"(moonset\) / ([\d.]+))");
  ASSERT_FALSE(m.empty());
  const double illumination = Num(m[1]), moonAltitude = Num(m[2]), sunAltitude = Num(m[3]),
               divisor = Num(m[4]);

  testing::EngineFixture f;
  EphemerisState& st = f.st();
  st.RunName = "LocalMoons";  // no extra row after a doubtful evening: the state is the settled evening's
  f.engine.InitEphemeris();
  std::map<Visibility, int> verdicts;
  for (int k = 1530; k < 1680; ++k) {
    st.LunationNumber = k;
    st.MonthStartJD = 0;
    f.engine.FindNewMoon();
    const double stated = (illumination * st.IlluminatedPercent + st.Lag + moonAltitude * st.MoonAltitude -
                           sunAltitude * st.SunAltitudeAtMoonsetDeg) /
                          divisor;
    EXPECT_NEAR(st.VisibilityNumber, stated, 1e-3) << "lunation " << k;
    ++verdicts[st.Verdict];
    // A doubtful evening moves EveningJD on to the next evening; the month
    // begins two days after a Prob Not Visible evening, one day after the others.
    switch (st.Verdict) {
      case Visibility::ProbablyNotVisible:
        EXPECT_EQ(st.PrintJD, st.EveningJD - 1 + 2) << "lunation " << k;
        EXPECT_EQ(ClassifyVisibility(st.VisibilityNumber), Visibility::ProbablyNotVisible);
        break;
      case Visibility::ProbablyVisible:
        EXPECT_EQ(st.PrintJD, st.EveningJD - 1 + 1) << "lunation " << k;
        EXPECT_EQ(ClassifyVisibility(st.VisibilityNumber), Visibility::ProbablyVisible);
        break;
      default:
        EXPECT_EQ(st.Verdict, Visibility::Visible);
        EXPECT_EQ(st.PrintJD, st.EveningJD + 1) << "lunation " << k;
        EXPECT_EQ(ClassifyVisibility(st.VisibilityNumber), Visibility::Visible);
    }
  }
  EXPECT_GT(verdicts[Visibility::ProbablyNotVisible], 0);
  EXPECT_GT(verdicts[Visibility::ProbablyVisible], 0);
  EXPECT_GT(verdicts[Visibility::Visible], 0);
}

// The equinox refinement places the sun at the instant the text names:
// so many minutes earlier before Hezekiah's sign, unchanged after it.
TEST(HelpRules, HezekiahsMinutesAndDate) {
  const std::vector<std::string> m =
      Says(FlatHelp("HolyDays"),
           R"(before noon of (\d+) (\w+) (\d+) BCE \(Julian day (\d+)\) is taken (\d+) minutes earlier)");
  ASSERT_FALSE(m.empty());
  const double boundary = Num(m[4]), minutes = Num(m[5]);
  EXPECT_EQ(boundary, kHezekiahJD);
  const CivilDate date = DateFromJD(boundary);
  EXPECT_EQ(Num(m[1]), date.day);
  EXPECT_EQ(m[2], conversions::GregorianMonthNames[static_cast<std::size_t>(date.month)]);
  EXPECT_EQ(-Num(m[3]), date.year);

  auto longitudeAt = [](Engine& e, double jd, double minutesEarlier) {
    e.st.Centuries = (jd - 2415020) / 36525 - minutesEarlier / 1440 / 36525;
    e.st.EquinoxGap = 1;  // the sun's longitude only
    e.SunPositionAndSunset();
    e.st.EquinoxGap = 0;
    return e.st.Sun.longitude;
  };
  testing::EngineFixture f;
  EphemerisState& st = f.st();
  for (double year : {date.year - 40, date.year + 40}) {
    SCOPED_TRACE(year);
    st.YearNumber = year;
    const double equinox = calendar::MarchEquinoxJD(year);
    st.EquinoxSunset = equinox + 0.5;  // within a day: the equinox is refined
    calendar::EquinoxFallsAfterSunset(f.engine);
    const double used = st.Sun.longitude;
    const double expected = longitudeAt(f.engine, equinox, equinox < boundary ? minutes : 0);
    const double other = longitudeAt(f.engine, equinox, equinox < boundary ? 0 : minutes);
    EXPECT_NEAR(used, expected, 2e-6);
    EXPECT_GT(std::fabs(used - other), 1e-4);  // 40 minutes of the sun's motion are plainly seen
  }
}

TEST(HelpRules, JoshuasLongDayRepeatsItsWeekday) {
  const std::string flat = FlatHelp("HolyDays");
  const std::vector<std::string> m =
      Says(flat, R"(on and before (\d+) (\w+) (\d+) BCE \(Julian day (\d+)\) every weekday is one )"
                 R"(day later)");
  ASSERT_FALSE(m.empty());
  const double longDay = Num(m[4]);
  const CivilDate date = DateFromJD(longDay);
  EXPECT_EQ(Num(m[1]), date.day);
  EXPECT_EQ(m[2], conversions::GregorianMonthNames[static_cast<std::size_t>(date.month)]);
  EXPECT_EQ(-Num(m[3]), date.year);
  EXPECT_EQ(longDay, kJoshuaJD);

  testing::EngineFixture f;
  auto weekday = [&](double jd, const char* run) {
    f.st().RunName = run;
    f.st().PrintJD = jd;
    f.engine.WriteDayAndDate();
    return f.st().WeekdayIndex;
  };
  // The day after the long day has the long day's weekday; the days around
  // it follow the cycle.
  EXPECT_EQ(weekday(longDay + 1, "HolyDays"), weekday(longDay, "HolyDays"));
  EXPECT_EQ((weekday(longDay - 1, "HolyDays") + 1) % 7, weekday(longDay, "HolyDays"));
  EXPECT_EQ((weekday(longDay + 1, "HolyDays") + 1) % 7, weekday(longDay + 2, "HolyDays"));
  // The Jordan Crossing section shifts every weekday, whatever the year.
  EXPECT_NE(
      FlatHelp("Jordan").find("every weekday with the one-day shift of the long day, whatever the year"),
      std::string::npos);
  EXPECT_EQ(weekday(2451545, "Jordan"), (weekday(2451545, "HolyDays") + 1) % 7);
  EXPECT_EQ(weekday(longDay - 100, "Jordan"), weekday(longDay - 100, "HolyDays"));
}

// East of Israel every holy day is one day later, the evenings of the
// tables stay, and the Wave Offering and Pentecost fall on a Monday.
TEST(HelpRules, EastOfIsraelDelaysEveryDateByOneDay) {
  const std::string flat = FlatHelp("HolyDays");
  EXPECT_NE(
      flat.find(
          "every date of the holy-day and month-start reports is delayed by one day (the evening "
          "dates of the tables stay as they are); the Wave Offering and Pentecost then fall on a Monday"),
      std::string::npos);
  Window west, east;
  const std::string w = west.HolyDays("2024");
  const std::string e = east.HolyDays("2024", true);
  auto jd = [](const std::string& rest) {
    std::smatch m;
    EXPECT_TRUE(std::regex_search(rest, m, std::regex(R"((\d+) (\w{3}) (\d+) CE)"))) << rest;
    int month = 0;
    for (int i = 1; i <= 12; ++i) {
      if (kMonthNames[static_cast<std::size_t>(i)] == m[2].str()) month = i;
    }
    return JulianDayFromDate(Num(m[1].str()), month, Num(m[3].str()));
  };
  for (const char* label : {"Abib 1 is", "The Passover sacrifice is", "Feast of Trumpets is",
                            "The Day of Atonement is", "The Great Last Day is"}) {
    EXPECT_EQ(jd(ReportLine(e, label)), jd(ReportLine(w, label)) + 1) << label;
  }
  EXPECT_NE(e.find("The Wave Offering (the First-fruit) is Monday, "), std::string::npos);
  EXPECT_NE(e.find("First-fruits  (Pentecost) is Monday, "), std::string::npos);
  EXPECT_NE(w.find("The Wave Offering (the First-fruit) is Sunday, "), std::string::npos);
  // The evening rows of the tables are the same.
  std::vector<std::string> westRows, eastRows;
  for (const std::string& line : Lines(w)) {
    if (!line.empty() && std::isdigit(static_cast<unsigned char>(line[0]))) westRows.push_back(line);
  }
  for (const std::string& line : Lines(e)) {
    if (!line.empty() && std::isdigit(static_cast<unsigned char>(line[0]))) eastRows.push_back(line);
  }
  EXPECT_FALSE(westRows.empty());
  EXPECT_EQ(eastRows, westRows);
}

TEST(HelpRules, YearsAfterCreationAndTheYearLimits) {
  const std::string flat = FlatHelp("HolyDays");
  const std::vector<std::string> m = Says(flat, R"(counted from (\d+) BCE \(Year 1 After Creation\))");
  ASSERT_FALSE(m.empty());
  Window f;
  EXPECT_NE(f.HolyDays(num::CStr(-Num(m[1]))).find("This may be Year 1 After Creation. "), std::string::npos);

  const std::vector<std::string> limits =
      Says(flat, R"(A year outside (-\d+) to (\d+) is brought to the nearest limit)");
  ASSERT_FALSE(limits.empty());
  f.HolyDays(num::CStr(Num(limits[1]) - 1));
  EXPECT_EQ(f.w.txtYear, limits[1]);
  f.HolyDays(num::CStr(Num(limits[2]) + 1));
  EXPECT_EQ(f.w.txtYear, limits[2]);
  EXPECT_NE(flat.find("0 is read as -1"), std::string::npos);
  f.HolyDays("0");
  EXPECT_EQ(f.w.txtYear, "-1");
}

// The fixed places of the Creation and Flood runs are those the runs use.
TEST(HelpRules, FixedPlacesOfTheCreationAndFloodRuns) {
  const std::string place = R"(([\d.]+) degrees east and ([\d.]+) degrees north)";
  const std::vector<std::string> creation = Says(FlatHelp("Creation"), "fixed place, " + place +
                                                                           R"(, with the times in the )"
                                                                           R"(zone of Jerusalem \(UTC\+2\))");
  const std::vector<std::string> flood =
      Says(FlatHelp("Flood"), "near Mount Ararat \\(" + place + ", with the zone of Jerusalem");
  ASSERT_FALSE(creation.empty());
  ASSERT_FALSE(flood.empty());
  EXPECT_EQ(Num(creation[1]), 42);
  EXPECT_EQ(Num(creation[2]), 38.5);

  // After a one-year run the engine still holds the place it computed at
  // (turned into a fraction of a turn, west positive, and radians).
  struct Case {
    const char* section;
    double east, north;
  };
  for (const Case c :
       {Case{"Creation", Num(creation[1]), Num(creation[2])}, Case{"Flood", Num(flood[1]), Num(flood[2])}}) {
    SCOPED_TRACE(c.section);
    Window f;
    f.OneYear(c.section, -2000);
    const EphemerisState& st = f.w.state();
    EXPECT_NEAR(st.Longitude * 360, -c.east, 1e-9);
    EXPECT_NEAR(st.Latitude / st.Rad, c.north, 1e-9);
    EXPECT_NEAR(st.ZoneHours, -2, 1e-12);  // the zone of Jerusalem
  }
  const std::vector<std::string> jerusalem = Says(FlatHelp("HolyDays"), R"(Jerusalem's zone \(UTC\+(\d+)\))");
  ASSERT_FALSE(jerusalem.empty());
  EXPECT_EQ(runs::kJerusalemPlace.zoneHours - 12, Num(jerusalem[1]));
}

// --- Results of the runs that the texts quote ----------------------------------------------------

TEST(HelpRuns, GolgothaYear31) {
  const std::string flat = FlatHelp("Golgotha");
  Window f;
  const std::string report = f.OneYear("Golgotha", 31);
  EXPECT_NE(report.find("This year has the proper day of the week for Christ's death."), std::string::npos);
  const std::string passover = LongDate(ReportLine(report, "Passover sacrifice is"));
  EXPECT_NE(flat.find("For the year 31 CE the run finds the Passover sacrifice on " + passover),
            std::string::npos)
      << passover;
  // The first century's dates run two days behind the Julian calendar: the
  // same day is two days further on there.
  EXPECT_NE(flat.find("for the first century they run two days behind the Julian calendar"),
            std::string::npos);
  for (const auto& [day, month, year] :
       std::vector<std::tuple<int, int, int>>{{1, 1, 1}, {23, 4, 31}, {31, 12, 99}}) {
    const double jd = JulianDayFromDate(day, month, year);
    const conversions::JulianDate julian = conversions::JDToJulianDate(jd);
    EXPECT_EQ(JulianDayFromDate(julian.day, julian.month, julian.year), jd + 2)
        << day << "." << month << "." << year;
  }
}

TEST(HelpRuns, JordanCrossingYear) {
  const std::string flat = FlatHelp("Jordan");
  const std::vector<std::string> m =
      Says(flat, R"((\d+) BCE is one of the years the run finds: its Passover sacrifice falls on )"
                 R"((\w+, \d+ \w+ \d+ BCE) and the Wave Offering on (\w+, \d+ \w+)\.)");
  ASSERT_FALSE(m.empty());
  EXPECT_EQ(-Num(m[1]), DateFromJD(kJoshuaJD).year) << "the year of Joshua's long day";
  Window f;
  const std::string report = f.OneYear("Jordan", -Num(m[1]));
  EXPECT_NE(report.find("********** The wave offering is the next day. **********"), std::string::npos);
  EXPECT_EQ(LongDate(ReportLine(report, "Passover sacrifice is")), m[2]);
  EXPECT_EQ(LongDate(ReportLine(report, "The Wave Offering (the First-Fruit) is")),
            m[3] + " " + m[1] + " BCE");
}

TEST(HelpRuns, FloodYearsNear2348Bce) {
  const std::vector<std::string> m =
      Says(FlatHelp("Flood"),
           R"(closest candidate years the run finds are (\d+) BCE and (\d+) BCE, both with 150 days)");
  ASSERT_FALSE(m.empty());
  for (double year : {-Num(m[1]), -Num(m[2])}) {
    Window f;
    EXPECT_NE(f.OneYear("Flood", year).find("There are 150 days between these dates."), std::string::npos)
        << year;
  }
  // And none closer: the years between and next to them do not have 150 days.
  const double lo = std::min(-Num(m[1]), -Num(m[2])), hi = std::max(-Num(m[1]), -Num(m[2]));
  for (double year = lo - 1; year <= hi + 1; ++year) {
    if (year == -Num(m[1]) || year == -Num(m[2])) continue;
    if (std::fabs(year + 2348) > std::fabs(lo + 2348) && std::fabs(year + 2348) > std::fabs(hi + 2348))
      continue;
    Window f;
    EXPECT_EQ(f.OneYear("Flood", year).find("There are 150 days"), std::string::npos) << year;
  }
}

TEST(HelpRuns, CreationYear4004Bce) {
  const std::vector<std::string> m =
      Says(FlatHelp("Creation"), R"(The traditional year (\d+) BCE is one of the years the run )"
                                 R"(finds: its Abib 1 falls on (\w+, \d+ \w+ \d+ BCE)\.)");
  ASSERT_FALSE(m.empty());
  Window f;
  const std::string report = f.OneYear("Creation", -Num(m[1]));
  EXPECT_NE(report.find("This year begins on the correct day of the week for the year of Creation."),
            std::string::npos);
  EXPECT_EQ(LongDate(ReportLine(report, "Abib 1 is")), m[2]);
}

TEST(HelpRuns, RangeSectionsStartWithTheYearsTheTextsName) {
  for (const char* key : {"Golgotha", "Jordan", "Flood", "Creation"}) {
    SCOPED_TRACE(key);
    const std::vector<std::string> m =
        Says(FlatHelp(key), R"(the section starts with (\d+) (BCE|CE) to (\d+) (BCE|CE)\))");
    ASSERT_FALSE(m.empty());
    auto year = [&](int n, int era) { return (m[era] == "BCE" ? "-" : "") + m[n]; };
    Window f;
    f.w.SwitchSection(key);
    EXPECT_EQ(f.w.txtYear, year(1, 2));
    EXPECT_EQ(f.w.txtYear2, year(3, 4));
  }
  // The Creation run reaches further back than the others.
  const std::vector<std::string> m =
      Says(FlatHelp("Creation"), R"(Years outside (-\d+) to (\d+) are brought to the nearest limit)");
  ASSERT_FALSE(m.empty());
  Window f;
  f.w.SwitchSection("Creation");
  f.w.txtYear = num::CStr(Num(m[1]) - 10);
  f.w.txtYear2 = "";
  f.w.cmdCreation_Click();
  EXPECT_EQ(f.w.txtYear, m[1]);
}

TEST(HelpRuns, LocationLimits) {
  const std::string flat = FlatHelp("LocalMoons");
  const std::vector<std::string> lat =
      Says(flat, R"(a latitude beyond ([\d.]+) degrees is used as ([\d.]+))");
  ASSERT_FALSE(lat.empty());
  Window f;
  f.w.SetCoordinateText(f.w.txtLatDeg, "75");  // pasted: the box's own limit is applied on leaving only
  f.w.ReadCoordinates();
  EXPECT_DOUBLE_EQ(f.w.state().Latitude, Num(lat[2]));

  const std::vector<std::string> name = Says(flat, R"(type its name \(at most (\d+) characters\))");
  ASSERT_FALSE(name.empty());
  f.w.cboLocation.Text = std::string(static_cast<std::size_t>(Num(name[1])) + 5, 'x');
  f.w.cboLocation_Change();
  EXPECT_EQ(f.w.cboLocation.Text.size(), static_cast<std::size_t>(Num(name[1])));

  const std::vector<std::string> most = Says(flat, R"(it holds at most (\d+) places)");
  ASSERT_FALSE(most.empty());
  EXPECT_EQ(Num(most[1]), kMaxAddedLocations);
}

// --- The Rabbinical rules -----------------------------------------------------------------------------

struct MoladTime {
  int hours, parts;
};

struct StatedRules {
  MoladTime zakein, gatarad, betutkafot;
};

StatedRules RulesOfTheText() {
  const std::string flat = FlatHelp("Rabbinic");
  const std::vector<std::string> r1 =
      Says(flat, R"(\(Molad Zakein\) When the molad of Tishri falls at or after (\d+) hours, )");
  const std::vector<std::string> r2 =
      Says(flat, R"(\(Gatarad\) In a common year, when the molad of Tishri falls on a Tuesday )"
                 R"(at or after (\d+) hours (\d+) parts)");
  const std::vector<std::string> r3 =
      Says(flat, R"(\(Betutkafot\) In the year after a leap year, when the molad of Tishri )"
                 R"(falls on a Monday at or after (\d+) hours (\d+) parts)");
  if (r1.empty() || r2.empty() || r3.empty()) return {};
  return {{int(Num(r1[1])), 0}, {int(Num(r2[1])), int(Num(r2[2]))}, {int(Num(r3[1])), int(Num(r3[2]))}};
}

MoladTime OnePartBefore(MoladTime t) {
  return t.parts > 0 ? MoladTime{t.hours, t.parts - 1} : MoladTime{t.hours - 1, 1079};
}

TEST(HelpRabbinic, RuleTimesAreTheBoundariesTheCodeUses) {
  using conversions::IsHebrewLeapYear;
  using conversions::PostponementRules;
  const StatedRules rules = RulesOfTheText();
  EXPECT_EQ(rules.zakein.hours, 18);
  EXPECT_EQ(rules.gatarad.hours, 9);
  EXPECT_EQ(rules.gatarad.parts, 204);
  EXPECT_EQ(rules.betutkafot.hours, 15);
  EXPECT_EQ(rules.betutkafot.parts, 589);

  const int common = 5785, afterLeap = 5785;  // 5784 is a leap year, 5785 a common one
  ASSERT_FALSE(IsHebrewLeapYear(common));
  ASSERT_TRUE(IsHebrewLeapYear(afterLeap - 1));
  // At the time the rule applies; one part before it does not.
  for (int day : {0, 1, 2, 3, 4, 5, 6}) {
    EXPECT_TRUE(PostponementRules(common, day, rules.zakein.hours, rules.zakein.parts).rule1) << day;
    const MoladTime before = OnePartBefore(rules.zakein);
    EXPECT_FALSE(PostponementRules(common, day, before.hours, before.parts).rule1) << day;
  }
  EXPECT_TRUE(PostponementRules(common, 3, rules.gatarad.hours, rules.gatarad.parts).rule2);
  EXPECT_FALSE(
      PostponementRules(common, 3, OnePartBefore(rules.gatarad).hours, OnePartBefore(rules.gatarad).parts)
          .rule2);
  EXPECT_FALSE(PostponementRules(5784, 3, rules.gatarad.hours, rules.gatarad.parts).rule2) << "a leap year";
  EXPECT_TRUE(PostponementRules(afterLeap, 2, rules.betutkafot.hours, rules.betutkafot.parts).rule3);
  EXPECT_FALSE(PostponementRules(afterLeap, 2, OnePartBefore(rules.betutkafot).hours,
                                 OnePartBefore(rules.betutkafot).parts)
                   .rule3);
  EXPECT_FALSE(PostponementRules(5784, 2, rules.betutkafot.hours, rules.betutkafot.parts).rule3)
      << "5783 is not a leap year";
}

// Which rules go together, over every molad time of the week in a common
// year after a leap year and in a leap year after a common one.
TEST(HelpRabbinic, RuleCombinationsAreThoseTheTextStates) {
  using conversions::PostponementRules;
  for (int year : {5785, 5784}) {
    for (int day = 0; day < 7; ++day) {
      for (int hours = 0; hours < 24; ++hours) {
        for (int parts = 0; parts < 1080; ++parts) {
          const conversions::PostponementFlags f = PostponementRules(year, day, hours, parts);
          if (f.rule1) {
            ASSERT_FALSE(f.rule2 || f.rule3);
            // With rule 4 exactly when the molad is on Saturday (0), Tuesday (3) or Thursday (5).
            ASSERT_EQ(f.rule4, day == 0 || day == 3 || day == 5) << day;
          }
          if (f.rule2) {
            ASSERT_TRUE(f.rule4 && !f.rule1 && !f.rule3);
          }
          if (f.rule3) {
            ASSERT_FALSE(f.rule1 || f.rule2 || f.rule4);
          }
          if (!f.rule1 && !f.rule2 && !f.rule3) {
            ASSERT_EQ(f.rule4, day == 1 || day == 4 || day == 6) << day;
          }
        }
      }
    }
  }
}

// The dates come from the Passover formula, and the rules account for the
// weekday it gives: the molad's weekday moved one day for each rule.
TEST(HelpRabbinic, TheRulesExplainTheWeekdayOfTheFirstOfTishri) {
  using namespace conversions;
  int withRules = 0;
  for (int h = 5000; h <= 6200; ++h) {
    const Molad molad = MoladOfTishri(h - 3761);
    const PostponementFlags f = PostponementRules(h, molad.days, molad.hours, molad.parts);
    const int postponed = int(f.rule1) + int(f.rule2) + int(f.rule3) + int(f.rule4);
    if (postponed > 0) ++withRules;
    const int moladSundayBased = (molad.days + 6) % 7;  // molad days: 1 Sunday .. 6 Friday, 0 Saturday
    const double tishri = TishriOneJD(h - 3761);
    const int tishriWeekday = static_cast<int>(std::fmod(std::floor(tishri + 1.5), 7.0));  // 0 Sunday
    ASSERT_EQ((moladSundayBased + postponed) % 7, tishriWeekday) << "Rabbinical year " << h;
    ASSERT_NE(tishriWeekday, 0);
    ASSERT_NE(tishriWeekday, 3);
    ASSERT_NE(tishriWeekday, 5);
  }
  EXPECT_GT(withRules, 500);
}

TEST(HelpRabbinic, LeapYearsOfTheCycleAndTheYearLimits) {
  const std::string flat = FlatHelp("Rabbinic");
  const std::vector<std::string> m =
      Says(flat, R"(follow a 19-year cycle \(the years ([\d, ]+) and (\d+) of each cycle\))");
  ASSERT_FALSE(m.empty());
  std::set<int> stated;
  std::stringstream list(m[1]);
  for (std::string item; std::getline(list, item, ',');) stated.insert(std::stoi(item));
  stated.insert(std::stoi(m[2]));
  for (int position = 1; position <= 19; ++position) {
    // Year 19 of a cycle is a multiple of 19; the cycle repeats.
    for (int cycle : {0, 300}) {
      EXPECT_EQ(conversions::IsHebrewLeapYear(cycle * 19 + position), stated.count(position) == 1)
          << position;
    }
  }

  const std::vector<std::string> limits =
      Says(flat, R"(Years outside (-\d+) to (\d+) are brought to the nearest limit, )"
                 R"(and 0 is read as -1)");
  ASSERT_FALSE(limits.empty());
  SilentBeeper beeper;
  conversions::HebrewWindowModel model(beeper, &BuildHelpText, [] { return ClockDate{2024, 1, 1}; });
  for (const auto& [typed, read] :
       std::vector<std::pair<std::string, std::string>>{{num::CStr(Num(limits[1]) - 1), limits[1]},
                                                        {num::CStr(Num(limits[2]) + 1), limits[2]},
                                                        {"0", "-1"}}) {
    model.ListingFor(typed);
    EXPECT_EQ(model.YearText(), read);
  }
}

TEST(HelpEaster, YearsListedAndTheCalendarsUsed) {
  const std::string flat = FlatHelp("Easter");
  const std::vector<std::string> m =
      Says(flat, R"(The module lists (\d+) years from that year on\. The year must lie between )"
                 R"((\d+) and (\d+); a year outside is brought to the nearest limit with a beep\. )"
                 R"(From (\d+) on the dates are computed by the Gregorian rules .* Up to (\d+) )"
                 R"(they are computed by the older rules of the Julian calendar)");
  ASSERT_FALSE(m.empty());
  const int years = int(Num(m[1])), first = int(Num(m[2])), last = int(Num(m[3]));
  const int firstGregorian = int(Num(m[4]));
  EXPECT_EQ(Num(m[5]), firstGregorian - 1);

  testing::FakeHost beeps;
  conversions::EasterWindowModel model(beeps, &BuildHelpText, [] { return ClockDate{2024, 1, 1}; });
  const std::vector<std::string> lines = Lines(model.ListingFor(num::CStr(firstGregorian - 1)));
  ASSERT_EQ(lines.size(), static_cast<std::size_t>(years) + 1);  // and the empty text after the last line end
  EXPECT_NE(lines[0].find("(Julian)"), std::string::npos);
  EXPECT_EQ(lines[1].find("(Julian)"), std::string::npos);
  EXPECT_NE(lines[1].find(num::CStr(firstGregorian)), std::string::npos);

  model.ListingFor(num::CStr(first - 1));
  EXPECT_EQ(model.YearText(), num::CStr(first));
  model.ListingFor(num::CStr(last + 1));
  EXPECT_EQ(model.YearText(), num::CStr(last));
  EXPECT_EQ(beeps.beeps, 2);
}

// --- Where the texts are shown ------------------------------------------------------------------------

TEST(HelpShown, EachSectionAndWindowShowsItsOwnText) {
  Window f;  // the window as every front end makes it
  EXPECT_EQ(f.w.OutputText(), BuildHelpText("HolyDays")) << "at start-up";
  for (const Section& s : kSections) {
    f.w.SwitchSection(s.key);
    EXPECT_EQ(f.w.OutputText(), BuildHelpText(s.key)) << s.key;
    f.w.OutputPane().Clear();
    f.w.mnuDocumentation_Click();  // F1 and Help, Documentation
    EXPECT_EQ(f.w.OutputText(), BuildHelpText(s.key)) << s.key;
  }

  SilentBeeper beeper;
  conversions::HebrewWindowModel hebrew(beeper, &BuildHelpText, [] { return ClockDate{2024, 1, 1}; });
  hebrew.Form_Load();
  EXPECT_EQ(hebrew.OutputText(), BuildHelpText("Rabbinic"));
  hebrew.cmdCompute_Click();
  int f1 = kKeyF1;
  hebrew.Form_KeyDown(f1);
  EXPECT_EQ(hebrew.OutputText(), BuildHelpText("Rabbinic"));

  conversions::EasterWindowModel easter(beeper, &BuildHelpText, [] { return ClockDate{2024, 1, 1}; });
  easter.Form_Load();
  EXPECT_EQ(easter.OutputText(), BuildHelpText("Easter"));
  easter.cmdEaster_Click();
  f1 = kKeyF1;
  easter.Form_KeyDown(f1);
  EXPECT_EQ(easter.OutputText(), BuildHelpText("Easter"));
}

// F1 on the conversion window shows its help in its own window and leaves
// the main window's run as it was; the molad and rules shown are in the form
// the text describes.
TEST(HelpShown, TheConversionWindowsHelp) {
  Window f;
  f.w.SwitchSection("Flood");
  conversions::ConversionWindowModel conversion(f.w.engine(), f.beeper, &BuildHelpText, [] {
    return ClockDate{2024, 4, 9};
  });
  int f1 = kKeyF1;
  conversion.Form_KeyDown(f1);
  EXPECT_EQ(f1, 0);
  EXPECT_TRUE(conversion.HelpVisible);
  EXPECT_EQ(conversion.txtHelp, BuildHelpText("Conversions"));
  EXPECT_EQ(f.w.state().RunName, "Flood");
  EXPECT_EQ(f.w.OutputText(), BuildHelpText("Flood"));

  const std::string flat = FlatHelp("Conversions");
  const std::vector<std::string> m =
      Says(flat, R"re(the molad of Tishri in the form (\d+D \d+H \d+P): .* as "(Rule \d)")re");
  ASSERT_FALSE(m.empty());
  // 1 Tishri 5784: a Friday molad moved to the Sabbath by rule 4.
  conversion.txtHYear = "5784";
  conversion.txtHDay = "1";
  conversion.SetListIndex(conversions::Column::Hebrew, 6);  // Tishri
  conversion.cmdHCompute_Click();
  EXPECT_EQ(conversion.lblMolad1, m[1] + " ");
  EXPECT_EQ(conversion.lblRules, m[2] + " ");
}

}  // namespace
}  // namespace orvane::app
