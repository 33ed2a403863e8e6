// The iCalendar export, read back with libical and held against the text
// report of the same run.
#include "export/ical_export.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "app/export_report.h"
#include "app/holy_days_window.h"
#include "support/civil_days.h"
#include "support/ical_reader.h"
#include "support/report_dates.h"
#include "support/temp_dir.h"

namespace orvane::ical {
namespace {

using namespace orvane::testing;

constexpr std::time_t kStamp = 1767225600;  // 2026-01-01 00:00:00 UTC

// The main window as the desktop program starts it, without a data file.
struct Window {
  Window() {
    w.SetUserDataWritable(false);
    w.Form_Load(2025);
  }
  // The holy days (or the month starts) of a year at Jerusalem.
  Window& Jerusalem(const std::string& year, bool east, bool months) {
    w.txtYear = year;
    w.chkEJW = east;
    months ? w.cmdMonths_Click() : w.cmdHolyDays_Click();
    return *this;
  }
  // The local month starts of a year at a place typed into the boxes.
  Window& Local(const std::string& year, const std::string& name, const std::string& boxes) {
    w.SwitchSection("LocalMoons");
    w.TypeKeys(app::HolyDaysWindow::Control::txtLatDeg, boxes);
    w.SetFocus(app::HolyDaysWindow::Control::None);
    w.userData().LocationName = name;
    w.cboLocation.Text = name;
    w.txtYear = year;
    w.cmdLocMon_Click();
    return *this;
  }
  CalendarRun Run() const {
    EXPECT_NE(w.ShownCalendarRun(), nullptr);
    return w.ShownCalendarRun() != nullptr ? *w.ShownCalendarRun() : CalendarRun{};
  }
  IcsFile Export(std::time_t stamp = kStamp) const {
    const CalendarText c = BuildCalendar({Run()}, stamp);
    EXPECT_TRUE(c.ok) << c.error;
    return ReadIcs(c.text);
  }
  SilentBeeper beeper;
  app::HolyDaysWindow w{beeper};
};

// Days since 1970-01-01 by the standard library's calendar.
long DaysOf(const IcsDate& d) { return CivilDays(d.day, d.month, d.year); }

// The events are the days the report states, in order, with their certainty and reading.
void ExpectExportMatchesReport(const std::string& report, const IcsFile& file) {
  const std::vector<StatedDate> stated = StatedDates(report);
  ASSERT_TRUE(file.parsed);
  EXPECT_EQ(file.errors, 0);
  ASSERT_FALSE(stated.empty());
  ASSERT_EQ(file.events.size(), stated.size());
  for (std::size_t i = 0; i < stated.size(); ++i) {
    const StatedDate& d = stated[i];
    const IcsEvent& e = file.events[i];
    SCOPED_TRACE(d.label + " / " + e.summary);
    const auto has = [&e](const char* category) { return std::ranges::count(e.categories, category) > 0; };
    EXPECT_EQ(e.start, (IcsDate{d.year, d.month, d.day, true}));
    EXPECT_TRUE(e.description.starts_with("Certainty: " + d.certainty + ".")) << e.description;
    const bool monthStart = d.label.starts_with("Abib 1") || d.label.starts_with("First Day of Month");
    EXPECT_EQ(has("Month start"), monthStart);
    EXPECT_EQ(has("Holy day"), !monthStart);
    EXPECT_EQ(e.summary.ends_with(" (early harvest)"), d.reading == "early");
    EXPECT_EQ(e.summary.ends_with(" (late harvest)"), d.reading == "late");
    EXPECT_EQ(has("Late-harvest reading"), d.reading == "late");
  }
}

TEST(IcalExport, AYearReadsBackAsTheDaysItsReportStates) {
  // 2005: one day and the Wave Offering one week earlier; 2014: one day
  // later in spring and earlier in autumn; 2021: early- and late-harvest
  // lists; 2073: a week later.
  for (const char* year : {"2025", "2005", "2014", "2021", "2073"}) {
    for (bool east : {false, true}) {
      for (bool months : {false, true}) {
        SCOPED_TRACE(std::string(year) + (east ? " east" : "") + (months ? " new moons" : ""));
        Window w;
        w.Jerusalem(year, east, months);
        const IcsFile file = w.Export(kStamp + 86400 * 40);
        ExpectExportMatchesReport(w.w.OutputText(), file);
        // A day keeps its UID in another export and east of Israel.
        EXPECT_EQ(Window().Jerusalem(year, false, months).Export().events[0].uid, file.events[0].uid);
      }
    }
  }
}

TEST(IcalExport, LocalMonthStartsFollowTheirSightingEveningsInFoldedEscapedLines) {
  // The local list prints no dates: each table's last evening settles the
  // month, which begins the next day (the day after that when the crescent
  // is probably not visible, and so counts as seen one evening later).
  const std::string place = "Zürich Hauptbahnhof, Kanton Zürich; Schweiz — Gleis 3";
  Window local;
  local.Local("2025", place, "47 23 N 8 32 E 1");
  const CalendarText c = BuildCalendar({local.Run()}, kStamp);
  ASSERT_TRUE(c.ok) << c.error;
  // Lines end in CR LF, hold at most 75 octets and split no character.
  int folded = 0;
  for (std::size_t start = 0, end; start < c.text.size(); start = end + 2) {
    end = c.text.find("\r\n", start);
    ASSERT_NE(end, std::string::npos) << "a line without CR LF at " << start;
    const std::string line = c.text.substr(start, end - start);
    EXPECT_LE(line.size(), 75u) << line;
    folded += line.starts_with(' ');
    EXPECT_NE(static_cast<unsigned char>(line[line.starts_with(' ') ? 1 : 0]) & 0xC0, 0x80) << line;
  }
  EXPECT_GT(folded, 14);
  const IcsFile file = ReadIcs(c.text);
  ASSERT_TRUE(file.parsed);
  EXPECT_EQ(file.errors, 0);
  EXPECT_EQ(file.calendarName, "Orvane: month starts 2025 (" + place + ")");
  std::vector<EveningRow> settled;
  for (const auto& row : EveningRows(local.w.OutputText())) {
    if (row.lastOfTable) settled.push_back(row);
  }
  ASSERT_EQ(settled.size(), 14u);
  ASSERT_EQ(file.events.size(), 14u);
  for (std::size_t i = 0; i < settled.size(); ++i) {
    const bool notVisible = settled[i].verdict == "Prob Not Visible";
    const IcsDate& start = file.events[i].start;
    const int year = start.year - (settled[i].month > start.month ? 1 : 0);  // a December evening
    EXPECT_EQ(DaysOf(start) - (notVisible ? 2 : 1), CivilDays(settled[i].day, settled[i].month, year))
        << file.events[i].uid;
    EXPECT_EQ(file.events[i].location, place);
    EXPECT_NE(file.events[i].description.find(" UTC+1 "), std::string::npos) << file.events[i].description;
  }
}

TEST(IcalExport, ASpanHoldsEachMonthStartOnce) {
  // Fourteen lunations a year overlap the next year's list; the shared
  // month starts agree and are written once, 29 or 30 days apart.
  std::vector<CalendarRun> runs;
  for (const char* year : {"2020", "2021", "2022"})
    runs.push_back(Window().Jerusalem(year, false, true).Run());
  const IcsFile months = ReadIcs(BuildCalendar(runs, kStamp).text);
  ASSERT_GE(months.events.size(), 37u);
  for (std::size_t i = 1; i < months.events.size(); ++i) {
    const long gap = DaysOf(months.events[i].start) - DaysOf(months.events[i - 1].start);
    EXPECT_TRUE(gap == 29 || gap == 30) << months.events[i].uid << " after " << gap << " days";
  }
  // Dates outside 1 CE to 9999 CE and empty reports are refused.
  const CalendarText bce = BuildCalendar({Window().Jerusalem("-1", false, false).Run()}, kStamp);
  EXPECT_FALSE(bce.ok);
  EXPECT_TRUE(bce.text.empty());
  EXPECT_NE(bce.error.find("1 CE to 9999 CE"), std::string::npos) << bce.error;
  EXPECT_FALSE(BuildCalendar({Window().Jerusalem("9999", false, true).Run()}, kStamp).ok);
  EXPECT_FALSE(BuildCalendar({}, kStamp).ok);
  EXPECT_FALSE(BuildCalendar({CalendarRun{}}, kStamp).ok);
  EXPECT_TRUE(BuildCalendar({Window().Jerusalem("1", false, false).Run()}, kStamp).ok);
}

TEST(ExportReport, ExportsTheReportThePaneShowsAndNothingElse) {
  TempDir dir;
  Window w;
  EXPECT_FALSE(app::ExportReport(w.w, dir / "x.ics", kStamp).ok)
      << "at start-up the pane shows the help text";
  w.Jerusalem("2025", true, false);
  ASSERT_TRUE(app::ExportReport(w.w, dir / "x.ics", kStamp).ok);
  ExpectExportMatchesReport(w.w.OutputText(), ReadIcs(ReadBytes(dir / "x.ics")));
  w.w.cmdSunset_Click();  // it looks for the year's first month silently
  EXPECT_FALSE(app::ExportReport(w.w, dir / "x.ics", kStamp).ok);
}

}  // namespace
}  // namespace orvane::ical
