// The iCalendar export, read back with libical and held against the text
// report of the same run.
#include "export/ical_export.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>

#include "app/export_report.h"
#include "app/holy_days_window.h"
#include "support/ical_reader.h"
#include "support/report_dates.h"
#include "support/temp_dir.h"

namespace orvane::ical {
namespace {

namespace fs = std::filesystem;
using orvane::testing::EveningRows;
using orvane::testing::IcsDate;
using orvane::testing::IcsEvent;
using orvane::testing::IcsFile;
using orvane::testing::ReadBytes;
using orvane::testing::ReadIcs;
using orvane::testing::StatedDate;
using orvane::testing::StatedDates;
using orvane::testing::TempDir;
using Control = app::HolyDaysWindow::Control;

constexpr std::time_t kStamp = 1767225600;  // 2026-01-01 00:00:00 UTC

// The main window as the desktop program starts it, without a data file.
class Window {
 public:
  Window() {
    w.SetUserDataWritable(false);
    w.Form_Load(2025);
  }
  // Runs the holy days (or the new moons) of a year at Jerusalem.
  Window& Jerusalem(const std::string& year, bool east, bool months) {
    w.txtYear = year;
    w.chkEJW = east;
    if (months) {
      w.cmdMonths_Click();
    } else {
      w.cmdHolyDays_Click();
    }
    return *this;
  }
  // Runs the local new moons of a year at a place typed into the boxes.
  Window& Local(const std::string& year, const std::string& name, const std::string& boxes) {
    w.SwitchSection("LocalMoons");
    w.TypeKeys(Control::txtLatDeg, boxes);
    w.SetFocus(Control::None);
    w.userData().LocationName = name;
    w.cboLocation.Text = name;
    w.txtYear = year;
    w.cmdLocMon_Click();
    return *this;
  }
  const CalendarRun& Run() const {
    const CalendarRun* run = w.ShownCalendarRun();
    EXPECT_NE(run, nullptr);
    static const CalendarRun none;
    return run != nullptr ? *run : none;
  }
  IcsFile Export(std::time_t stamp = kStamp) const {
    const CalendarText c = BuildCalendar({Run()}, stamp);
    EXPECT_TRUE(c.ok) << c.error;
    return ReadIcs(c.text);
  }

  SilentBeeper beeper;
  app::HolyDaysWindow w{beeper};
};

// Days since 1970-01-01 of a date, by the standard library's calendar.
long DaysOf(const IcsDate& d) {
  using namespace std::chrono;
  return sys_days(year_month_day(year(d.year), month(static_cast<unsigned>(d.month)),
                                 day(static_cast<unsigned>(d.day))))
      .time_since_epoch()
      .count();
}
IcsDate DateOfDays(long days) {
  using namespace std::chrono;
  const year_month_day ymd{sys_days(std::chrono::days(days))};
  return IcsDate{static_cast<int>(ymd.year()), static_cast<int>(static_cast<unsigned>(ymd.month())),
                 static_cast<int>(static_cast<unsigned>(ymd.day())), true};
}

// The event's summary for a label of the report; "to" ends the feast the
// line before it began.
std::string ExpectedSummary(const std::string& label, const std::string& before) {
  static const std::map<std::string, std::string> kNames = {
      {"Abib 1 is", "Abib 1"},
      {"The Passover sacrifice is", "Passover sacrifice"},
      {"The Feast of Unleavened Bread goes from", "Feast of Unleavened Bread, first day"},
      {"The Wave Offering (the First-fruit) is", "Wave Offering (the First-fruit)"},
      {"First-fruits  (Pentecost) is", "First-fruits (Pentecost)"},
      {"Feast of Trumpets is", "Feast of Trumpets"},
      {"The Day of Atonement is", "Day of Atonement"},
      {"The Feast of Tabernacles (Ingathering) goes from", "Feast of Tabernacles (Ingathering), first day"},
      {"The Great Last Day is", "Great Last Day"},
      {"First Day of Month is", "First day of month"},
      {"First Day of Month is (possibly one day earlier)", "First day of month"},
      {"First Day of Month is (possibly one day later)", "First day of month"},
  };
  if (label == "to") {
    const std::size_t first = before.find("first day");
    return first == std::string::npos ? "?" : before.substr(0, first) + "last day";
  }
  const auto found = kNames.find(label);
  return found == kNames.end() ? "unknown label " + label : found->second;
}

// "possibly one day earlier" from "Certainty: possibly one day earlier.\n...".
std::string CertaintyOf(const IcsEvent& e) {
  static const std::regex certainty(R"(^Certainty: ([a-z ]+)\.)");
  std::smatch m;
  return std::regex_search(e.description, m, certainty) ? m[1].str() : "";
}

bool Has(const std::vector<std::string>& list, const std::string& item) {
  return std::find(list.begin(), list.end(), item) != list.end();
}

// Holds the export of a run against the dates its text states.
void ExpectExportMatchesReport(const std::string& report, const IcsFile& file, const std::string& what) {
  SCOPED_TRACE(what);
  const std::vector<StatedDate> stated = StatedDates(report);
  ASSERT_TRUE(file.parsed);
  EXPECT_EQ(file.errors, 0);
  ASSERT_FALSE(stated.empty());
  ASSERT_EQ(file.events.size(), stated.size());
  std::string previous;
  for (std::size_t i = 0; i < stated.size(); ++i) {
    const StatedDate& d = stated[i];
    const IcsEvent& e = file.events[i];
    SCOPED_TRACE(d.label);
    const std::string name = ExpectedSummary(d.label, previous);
    previous = name;
    const std::string suffix = d.reading == "early"  ? " (early harvest)"
                               : d.reading == "late" ? " (late harvest)"
                                                     : "";
    EXPECT_EQ(e.summary, name + suffix);
    EXPECT_EQ(e.start, (IcsDate{d.year, d.month, d.day, true}));
    EXPECT_EQ(CertaintyOf(e), d.certainty);
    const bool monthStart = name == "Abib 1" || name == "First day of month";
    EXPECT_EQ(Has(e.categories, "Month start"), monthStart);
    EXPECT_EQ(Has(e.categories, "Holy day"), !monthStart);
    EXPECT_EQ(Has(e.categories, "Early-harvest reading"), d.reading == "early");
    EXPECT_EQ(Has(e.categories, "Late-harvest reading"), d.reading == "late");
  }
}

TEST(IcalExport, AYearReadsBackAsTheDaysItsReportStates) {
  // Years with every kind of note: 2005 one day (and the Wave Offering one
  // week) earlier, 2014 one day later in spring and earlier in autumn, 2021
  // an early- and a late-harvest list, 2073 a week later.
  for (const char* year : {"2025", "2005", "2014", "2021", "2073"}) {
    for (bool east : {false, true}) {
      for (bool months : {false, true}) {
        Window w;
        w.Jerusalem(year, east, months);
        ExpectExportMatchesReport(w.w.OutputText(), w.Export(),
                                  std::string(year) + (east ? " east" : "") + (months ? " new moons" : ""));
      }
    }
  }
}

TEST(IcalExport, LocalMonthStartsAreTheDaysAfterTheirSightingEvenings) {
  // The local list prints no dates: each table's last evening settles the
  // month, which begins the next day (the day after that when the crescent
  // is probably not visible, and so counts as seen one evening later).
  Window w;
  w.Local("2025", "Portland, Oregon; USA", "45 31 N 122 40 W 8");
  const IcsFile file = w.Export();
  std::vector<orvane::testing::EveningRow> settled;
  for (const auto& row : EveningRows(w.w.OutputText())) {
    if (row.lastOfTable) settled.push_back(row);
  }
  ASSERT_EQ(settled.size(), 14u);
  ASSERT_EQ(file.events.size(), 14u);
  for (std::size_t i = 0; i < settled.size(); ++i) {
    const auto& row = settled[i];
    const IcsEvent& e = file.events[i];
    SCOPED_TRACE(e.uid);
    const bool notVisible = row.verdict == "Prob Not Visible";
    const IcsDate evening = DateOfDays(DaysOf(e.start) - (notVisible ? 2 : 1));
    EXPECT_EQ(evening.day, row.day);
    EXPECT_EQ(evening.month, row.month);
    EXPECT_EQ(CertaintyOf(e), notVisible                 ? "possibly one day earlier"
                              : row.verdict == "Visible" ? "certain"
                                                         : "possibly one day later");
    EXPECT_EQ(e.summary, "First day of month");
    EXPECT_EQ(e.location, "Portland, Oregon; USA");
    EXPECT_NE(e.description.find(" UTC-8 "), std::string::npos) << e.description;
  }
}

// The sunset the description gives for the evening before ("18:05") and
// the evening of sighting it names ("Sunday, 30 Mar 2025").
std::pair<std::string, std::string> EveningsOf(const IcsEvent& e, const std::string& place) {
  std::string time, sighting;
  const std::string at = "sunset at " + place + " ";
  const std::size_t p = e.description.find(at);
  if (p != std::string::npos) time = e.description.substr(p + at.size(), 5);
  const std::string seen = "on the evening of ";
  const std::size_t q = e.description.find(seen);
  if (q != std::string::npos) {
    sighting = e.description.substr(q + seen.size());
    sighting = sighting.substr(0, sighting.find('.'));
  }
  return {time, sighting};
}

// "Sunday, 30 Mar 2025", by the standard library's calendar.
std::string WeekdayAndDate(const IcsDate& d) {
  static const char* const kDays[] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                      "Thursday", "Friday", "Saturday"};
  static const char* const kMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                        "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
  const std::chrono::weekday w{std::chrono::sys_days(std::chrono::days(DaysOf(d)))};
  return std::string(kDays[w.c_encoding()]) + ", " + std::to_string(d.day) + " " + kMonths[d.month - 1] +
         " " + std::to_string(d.year);
}

TEST(IcalExport, DescriptionsGiveTheSunsetThatBeginsTheDayAndTheEveningOfSighting) {
  Window w;
  w.Jerusalem("2025", false, true);
  const IcsFile file = w.Export();
  const auto rows = EveningRows(w.w.OutputText());
  ASSERT_EQ(file.events.size(), 14u);
  int compared = 0;
  for (const IcsEvent& e : file.events) {
    SCOPED_TRACE(e.uid);
    // The month begins at the sunset of the evening its crescent counts as
    // seen: that evening's row gives the same sunset.
    const IcsDate eve = DateOfDays(DaysOf(e.start) - 1);
    const auto [time, sighting] = EveningsOf(e, "Jerusalem");
    EXPECT_EQ(sighting, WeekdayAndDate(eve));
    EXPECT_NE(e.description.find("evening before, " + WeekdayAndDate(eve) + ": sunset"), std::string::npos);
    for (const auto& row : rows) {
      if (row.day != eve.day || row.month != eve.month) continue;
      char clock[8];
      std::snprintf(clock, sizeof clock, "%02d:%02d", row.sunsetHour, row.sunsetMinute);
      EXPECT_EQ(time, clock);
      ++compared;
    }
    EXPECT_NE(e.description.find("UTC+2 (no daylight saving)"), std::string::npos);
  }
  EXPECT_EQ(compared, 14);

  // East of Israel the dates move, the evening of sighting at Jerusalem does not.
  Window east;
  east.Jerusalem("2025", true, true);
  const IcsFile delayed = east.Export();
  ASSERT_EQ(delayed.events.size(), file.events.size());
  for (std::size_t i = 0; i < file.events.size(); ++i) {
    EXPECT_EQ(EveningsOf(delayed.events[i], "Jerusalem").second,
              EveningsOf(file.events[i], "Jerusalem").second);
    EXPECT_NE(delayed.events[i].description.find("east of Israel"), std::string::npos);
    EXPECT_EQ(file.events[i].description.find("east of Israel"), std::string::npos);
  }

  // The holy days of a month share its evening of sighting; the late-harvest
  // list says which reading it is.
  Window holy;
  holy.Jerusalem("2021", false, false);
  for (const IcsEvent& e : holy.Export().events) {
    SCOPED_TRACE(e.summary);
    const bool late = e.summary.find("(late harvest)") != std::string::npos;
    EXPECT_EQ(e.description.find("Late-harvest reading") != std::string::npos, late);
    EXPECT_EQ(e.description.find("Early-harvest reading") != std::string::npos,
              e.summary.find("(early harvest)") != std::string::npos);
  }
}

TEST(IcalExport, TheFileIsValidICalendarWithFoldedEscapedLines) {
  Window w;
  const std::string place = "Zürich Hauptbahnhof, Kanton Zürich; Schweiz — Gleis 3";
  w.Local("2025", place, "47 23 N 8 32 E 1");
  const CalendarText c = BuildCalendar({w.Run()}, kStamp);
  ASSERT_TRUE(c.ok) << c.error;
  EXPECT_EQ(c.events, 14u);

  // Lines end in CR LF, hold at most 75 octets and split no character.
  std::size_t start = 0;
  int lines = 0, folded = 0;
  while (start < c.text.size()) {
    const std::size_t end = c.text.find("\r\n", start);
    ASSERT_NE(end, std::string::npos) << "a line without CR LF at " << start;
    const std::string line = c.text.substr(start, end - start);
    EXPECT_LE(line.size(), 75u) << line;
    EXPECT_EQ(line.find('\n'), std::string::npos);
    if (!line.empty() && line[0] == ' ') ++folded;
    if (!line.empty()) {
      const unsigned char first = static_cast<unsigned char>(line[line[0] == ' ' ? 1 : 0]);
      EXPECT_NE(first & 0xC0, 0x80) << "a line starts inside a character: " << line;
    }
    ++lines;
    start = end + 2;
  }
  EXPECT_GT(folded, 14);
  EXPECT_GT(lines, 14 * 10);

  // Commas and semicolons of the name are escaped in the text and come back.
  EXPECT_NE(c.text.find("LOCATION:Zürich Hauptbahnhof\\, Kanton Zürich\\; Schweiz"), std::string::npos);
  const IcsFile file = ReadIcs(c.text);
  ASSERT_TRUE(file.parsed);
  EXPECT_EQ(file.errors, 0);
  EXPECT_EQ(file.version, "2.0");
  EXPECT_FALSE(file.prodid.empty());
  EXPECT_EQ(file.calendarName, "Orvane: month starts 2025 (" + place + ")");
  std::set<std::string> uids;
  for (const IcsEvent& e : file.events) {
    SCOPED_TRACE(e.uid);
    EXPECT_FALSE(e.uid.empty());
    EXPECT_TRUE(uids.insert(e.uid).second) << "UIDs are unique";
    EXPECT_TRUE(e.hasStamp);
    EXPECT_EQ(e.stamp, "20260101T000000Z");
    EXPECT_TRUE(e.hasStart);
    EXPECT_TRUE(e.start.dateOnly);
    EXPECT_EQ(DaysOf(e.end), DaysOf(e.start) + 1) << "one whole day";
    EXPECT_EQ(e.location, place);
    EXPECT_NE(e.description.find("sunset at " + place + " "), std::string::npos);
    EXPECT_NE(e.description.find("UTC+1 (no daylight saving)"), std::string::npos);
  }
}

TEST(IcalExport, UidsAreStableAndEastShiftsEveryDateByOneDay) {
  for (bool months : {false, true}) {
    SCOPED_TRACE(months ? "new moons" : "holy days");
    const IcsFile first = Window().Jerusalem("2021", false, months).Export(kStamp);
    const IcsFile again = Window().Jerusalem("2021", false, months).Export(kStamp + 86400 * 40);
    const IcsFile east = Window().Jerusalem("2021", true, months).Export(kStamp);
    ASSERT_EQ(first.events.size(), again.events.size());
    ASSERT_EQ(first.events.size(), east.events.size());
    for (std::size_t i = 0; i < first.events.size(); ++i) {
      EXPECT_EQ(again.events[i].uid, first.events[i].uid);
      EXPECT_NE(again.events[i].stamp, first.events[i].stamp);
      EXPECT_EQ(again.events[i].start, first.events[i].start);
      EXPECT_EQ(east.events[i].uid, first.events[i].uid) << "the region's delay is the same day";
      EXPECT_EQ(DaysOf(east.events[i].start), DaysOf(first.events[i].start) + 1);
    }
  }
  // Another year, reading or place is another day.
  const IcsFile y2021 = Window().Jerusalem("2021", false, false).Export();
  const IcsFile y2022 = Window().Jerusalem("2022", false, false).Export();
  const IcsFile local = Window().Local("2021", "Here", "31 47 N 35 13 E 2").Export();
  const IcsFile jerusalemMonths = Window().Jerusalem("2021", false, true).Export();
  std::set<std::string> uids;
  for (const IcsFile* f : {&y2021, &y2022, &local, &jerusalemMonths}) {
    for (const IcsEvent& e : f->events) EXPECT_TRUE(uids.insert(e.uid).second) << e.uid;
  }
}

TEST(IcalExport, ASpanHoldsEachDayOnce) {
  // Holy days: the span is the years' exports one after another.
  std::vector<CalendarRun> runs;
  std::vector<IcsEvent> single;
  for (const char* year : {"2020", "2021", "2022"}) {
    Window w;
    w.Jerusalem(year, false, false);
    runs.push_back(w.Run());
    for (const IcsEvent& e : w.Export().events) single.push_back(e);
  }
  const CalendarText span = BuildCalendar(runs, kStamp);
  ASSERT_TRUE(span.ok);
  const IcsFile file = ReadIcs(span.text);
  ASSERT_EQ(file.events.size(), single.size());
  for (std::size_t i = 0; i < single.size(); ++i) {
    EXPECT_EQ(file.events[i].uid, single[i].uid);
    EXPECT_EQ(file.events[i].start, single[i].start);
  }
  EXPECT_EQ(file.calendarName, "Orvane: holy days 2020 to 2022 (Jerusalem)");

  // Month starts: fourteen lunations a year overlap the next year's list;
  // the shared month starts agree and are written once.
  runs.clear();
  std::map<std::string, IcsDate> seen;
  std::size_t listed = 0;
  for (const char* year : {"2020", "2021", "2022"}) {
    Window w;
    w.Jerusalem(year, false, true);
    runs.push_back(w.Run());
    for (const IcsEvent& e : w.Export().events) {
      ++listed;
      const auto [it, added] = seen.emplace(e.uid, e.start);
      if (!added) {
        EXPECT_EQ(it->second, e.start) << e.uid;
      }
    }
  }
  EXPECT_LT(seen.size(), listed);
  const IcsFile months = ReadIcs(BuildCalendar(runs, kStamp).text);
  ASSERT_EQ(months.events.size(), seen.size());
  for (std::size_t i = 1; i < months.events.size(); ++i) {
    const long gap = DaysOf(months.events[i].start) - DaysOf(months.events[i - 1].start);
    EXPECT_TRUE(gap == 29 || gap == 30)
        << months.events[i].uid << " follows its month after " << gap << " days";
  }
}

TEST(IcalExport, DatesOutsideTheCommonEraAndEmptyReportsAreRefused) {
  const CalendarText bce = BuildCalendar({Window().Jerusalem("-1", false, false).Run()}, kStamp);
  EXPECT_FALSE(bce.ok);
  EXPECT_TRUE(bce.text.empty());
  EXPECT_NE(bce.error.find("1 CE to 9999 CE"), std::string::npos) << bce.error;
  EXPECT_NE(bce.error.find("BCE"), std::string::npos) << bce.error;

  // The last year's fourteen lunations run into the year 10000.
  const CalendarText late = BuildCalendar({Window().Jerusalem("9999", false, true).Run()}, kStamp);
  EXPECT_FALSE(late.ok);

  EXPECT_FALSE(BuildCalendar({}, kStamp).ok);
  EXPECT_FALSE(BuildCalendar({CalendarRun{}}, kStamp).ok);
  EXPECT_TRUE(BuildCalendar({Window().Jerusalem("1", false, false).Run()}, kStamp).ok);
}

std::vector<std::string> Listing(const fs::path& dir) {
  std::vector<std::string> names;
  for (const auto& entry : fs::recursive_directory_iterator(dir)) names.push_back(entry.path().string());
  std::sort(names.begin(), names.end());
  return names;
}

TEST(IcalExport, FilesAreReplacedWholeOrLeftAlone) {
  TempDir dir;
  const CalendarRun run = Window().Jerusalem("2025", false, false).Run();
  const fs::path target = dir / "holy days.ics";
  std::ofstream(target, std::ios::binary) << "an older file";

  const ExportOutcome written = ExportCalendar({run}, target, kStamp);
  ASSERT_TRUE(written.ok) << written.error;
  EXPECT_EQ(written.events, 11u);
  EXPECT_EQ(ReadBytes(target), BuildCalendar({run}, kStamp).text);
  EXPECT_EQ(Listing(dir.path()), std::vector<std::string>{target.string()});

  // A folder that is not there, a folder in the file's place and a file in
  // a folder's place: one line, and nothing left behind.
  fs::create_directory(dir / "taken.ics");
  const std::vector<std::string> before = Listing(dir.path());
  for (const fs::path& bad :
       {dir / "missing" / "x.ics", dir / "taken.ics", dir / "holy days.ics" / "x.ics"}) {
    SCOPED_TRACE(bad.string());
    const ExportOutcome failed = ExportCalendar({run}, bad, kStamp);
    EXPECT_FALSE(failed.ok);
    EXPECT_EQ(failed.events, 0u);
    EXPECT_EQ(failed.error.rfind("cannot write " + bad.string() + ": ", 0), 0u) << failed.error;
    EXPECT_EQ(failed.error.find('\n'), std::string::npos);
    EXPECT_EQ(Listing(dir.path()), before);
  }
  EXPECT_EQ(ReadBytes(target), BuildCalendar({run}, kStamp).text);

  // A date the format cannot hold writes nothing either.
  const ExportOutcome bce =
      ExportCalendar({Window().Jerusalem("-1", false, false).Run()}, dir / "bce.ics", kStamp);
  EXPECT_FALSE(bce.ok);
  EXPECT_FALSE(fs::exists(dir / "bce.ics"));
}

TEST(ExportReport, ExportsTheReportThePaneShows) {
  TempDir dir;
  const fs::path path = dir / "shown.ics";
  Window w;
  // At start-up the pane shows the help text.
  ExportOutcome outcome = app::ExportReport(w.w, path, kStamp);
  EXPECT_FALSE(outcome.ok);
  EXPECT_NE(outcome.error.find("no holy days or month starts"), std::string::npos) << outcome.error;
  EXPECT_FALSE(fs::exists(path));

  w.Jerusalem("2025", false, false);
  outcome = app::ExportReport(w.w, path, kStamp);
  ASSERT_TRUE(outcome.ok) << outcome.error;
  ExpectExportMatchesReport(w.w.OutputText(), ReadIcs(ReadBytes(path)), "holy days");

  // Ticking east of Israel runs the report again: the export follows it.
  w.w.chkEJW = true;
  w.w.chkEJW_Click();
  ASSERT_TRUE(app::ExportReport(w.w, path, kStamp).ok);
  const IcsFile east = ReadIcs(ReadBytes(path));
  ExpectExportMatchesReport(w.w.OutputText(), east, "east");
  EXPECT_NE(east.events.front().description.find("east of Israel"), std::string::npos);

  // A sunsets table (which looks for the year's first month silently) is
  // not a report of days.
  w.w.chkEJW = false;
  w.Local("2025", "Paris, France", "48 51 N 2 21 E 1");
  ASSERT_TRUE(app::ExportReport(w.w, path, kStamp).ok);
  EXPECT_EQ(ReadIcs(ReadBytes(path)).events.front().location, "Paris, France");
  w.w.cmdSunset_Click();
  EXPECT_FALSE(app::ExportReport(w.w, path, kStamp).ok);

  // Nor is a help text, even after a report.
  w.Jerusalem("2025", false, true);
  EXPECT_TRUE(app::ExportReport(w.w, path, kStamp).ok);
  w.w.mnuDocumentation_Click();
  EXPECT_FALSE(app::ExportReport(w.w, path, kStamp).ok);
}

}  // namespace
}  // namespace orvane::ical
