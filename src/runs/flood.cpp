// The Flood run: 150 days from the 17th of the second month to the 17th of
// the seventh month.
#include <algorithm>
#include <string>
#include <vector>

#include "engine/numeric.h"
#include "runs/chronology.h"
#include "runs/run_years.h"
#include "runs/year_start.h"

namespace orvane::runs {

namespace {

// The window handles its pending events after every 501st year of a range.
constexpr std::size_t kYearsPerEvents = 501;

std::string Days(double days) { return num::CStr(days); }

// The marked years of a range, in the order found (ascending).  The lists
// grow with the range: no marked year is dropped however many there are.
struct FloodLists {
  std::vector<float> days150;
  std::vector<float> days149;
  std::vector<float> days148;

  void Append(FloodList list, float year) {
    if (list == FloodList::Days150) days150.push_back(year);
    if (list == FloodList::Days149) days149.push_back(year);
    if (list == FloodList::Days148) days148.push_back(year);
  }
};

// The summary of a range: the run's years, the three column headings and
// one row per place in the longest list.  A column whose list has ended is
// filled with blanks (19 in the first column, 15 in the second).
void WriteFloodSummary(Engine& engine, float first, float last, const FloodLists& lists) {
  EphemerisState& st = engine.st;
  const std::size_t rows = std::max({lists.days150.size(), lists.days149.size(), lists.days148.size()});
  st.ShowInMain = kTrue;
  engine.WriteOutputLine(" First year of run is" + engine.YearText(first) + "          Last year of run is" +
                         engine.YearText(last) + st.LineEnd);
  engine.WriteOutputLine(" 150 days           149(+1)             148(+2)" + st.LineEnd);
  engine.WriteOutputLine(" " + std::string(67, '=') + st.LineEnd);
  for (std::size_t i = 0; i < rows; ++i) {
    engine.WriteOutputLine(i < lists.days150.size() ? engine.YearText(lists.days150[i]) + std::string(10, ' ')
                                                    : std::string(19, ' '));
    engine.WriteOutputLine(i < lists.days149.size() ? engine.YearText(lists.days149[i]) + std::string(11, ' ')
                                                    : std::string(15, ' '));
    engine.WriteOutputLine(i < lists.days148.size() ? engine.YearText(lists.days148[i]) + st.LineEnd
                                                    : st.LineEnd);
  }
}

// Reads the range from the two year boxes, correcting them: the first as a
// single-year report reads it (with a beep when clamped), the second clamped
// alike without a beep; a reversed range is swapped in the boxes.
void ReadFloodYears(Engine& engine, ChronologyHost& host, float& first, float& last) {
  engine.ReadYear();
  first = static_cast<float>(engine.st.YearNumber);
  if (host.SecondYearBox().empty()) {
    last = first;
  } else {
    last = static_cast<float>(num::Val(host.SecondYearBox()));
    if (last < kRunYearMin) {
      last = static_cast<float>(kRunYearMin);
      host.SetSecondYearBox(num::CStr(kRunYearMin));
    }
    if (last == 0) {
      last = -1;  // there is no year 0: the year before 1 CE is 1 BCE
      host.SetSecondYearBox("-1");
    }
    if (last > kRunYearMax) {
      last = static_cast<float>(kRunYearMax);
      host.SetSecondYearBox(num::CStr(kRunYearMax));
    }
  }
  if (first > last) {
    host.SetFirstYearBox(num::CStr(last));
    host.SetSecondYearBox(num::CStr(first));
    first = static_cast<float>(num::Val(host.FirstYearBox()));
    last = static_cast<float>(num::Val(host.SecondYearBox()));
  }
}

// Writes the 17th day of the month just found (PrintJD is its first day)
// with the month's certainty; returns that day's JD.
double WriteSeventeenth(Engine& engine, const char* month) {
  EphemerisState& st = engine.st;
  st.PrintJD += 16;
  const double day17 = st.PrintJD;
  std::string label = std::string("17th of ") + month + " Month is";
  if (st.Verdict == Visibility::ProbablyNotVisible) label += " (possibly one day earlier)";
  if (st.Verdict == Visibility::ProbablyVisible) label += " (possibly one day later)";
  engine.WriteOutputLine(label);
  engine.WriteDayAndDate();
  TellDateStated(engine, label);
  return day17;
}

// The change of the day count a month start can bring: +1 or -1 for a month
// possibly one day earlier or later, with the sign the month's place in the
// count gives it (the second month's 17th starts the count, the seventh's ends it).
int PossibleShift(Visibility verdict, int ifEarlier) { return -ifEarlier * PossibleDayShift(verdict); }

// What one year adds to the range summary.
struct FloodYear {
  bool days150 = false;              // the count is 150
  FloodList note = FloodList::None;  // the list the uncertainty marks the year for
};

FloodYear ComputeFloodYear(Engine& engine);

// The other counts a Flood year's uncertainty allows, ascending: either
// month start, or both, moved by the day its crescent allows.
//   FloodPossibleDays(148, 1, 1) = {149, 150}; FloodPossibleDays(150, 0, 0) = {}.
std::vector<double> FloodPossibleDays(double D, int s2, int s7) {
  std::vector<double> days;
  for (const double d : {D + s2, D + s7, D + s2 + s7}) {
    if (d != D && std::find(days.begin(), days.end(), d) == days.end()) days.push_back(d);
  }
  std::sort(days.begin(), days.end());
  return days;
}

}  // namespace

FloodList FloodNoteList(double D, int s2, int s7) {
  if (s2 == 1 && s7 == 1) {
    if (D + 2 == 150) return FloodList::Days148;
    if (D + 1 == 150) return FloodList::Days149;
    return FloodList::None;
  }
  // Every other uncertainty that can add a day: (1, -1), (1, 0), (-1, 1), (0, 1).
  const bool canAddADay = (s2 == 1 && s7 != 1) || (s7 == 1 && s2 != 1);
  return canAddADay && D + 1 == 150 ? FloodList::Days149 : FloodList::None;
}

std::string FloodNoteText(double D, int s2, int s7) {
  const bool marked = FloodNoteList(D, s2, s7) != FloodList::None;
  const auto possibly = [](double lo, double hi) {
    return "Possibly " + Days(lo) + " or " + Days(hi) + " days.";
  };
  const auto possiblyOne = [](double days) { return "Possibly " + Days(days) + " days."; };
  if (s2 == 1 && s7 == -1)
    return marked ? "******** " + possibly(D - 1, D + 1) + " **********" : possibly(D - 1, D + 1);
  if (s2 == 1 && s7 == 1)
    return marked ? "********** " + possibly(D + 1, D + 2) + " ***********" : possibly(D + 1, D + 2);
  if ((s2 == 1 && s7 == 0) || (s2 == 0 && s7 == 1)) {
    return marked ? "********** " + possiblyOne(D + 1) + " **********" : possiblyOne(D + 1);
  }
  if (s2 == -1 && s7 == -1) return possibly(D - 2, D - 1);
  if (s2 == -1 && s7 == 1)
    return marked ? "********** " + possibly(D - 1, D + 1) + " **********" : possibly(D - 1, D + 1);
  if ((s2 == -1 && s7 == 0) || (s2 == 0 && s7 == -1)) return possiblyOne(D - 1);
  return {};
}

namespace {

// One year at the Flood's place (YearNumber set, FixedPlaceMode on): the
// first month by the equinox rule, the 17th of the second and of the
// seventh month, and the days between them with their uncertainty.
FloodYear ComputeFloodYear(Engine& engine) {
  EphemerisState& st = engine.st;
  StartRunYear(engine, kFloodPlace);
  engine.FindNewMoon();
  FirstMonthBeginsLater(engine);  // a later first month moves the count one lunation on

  st.LunationNumber += 1;
  engine.FindNewMoon();
  const int s2 = PossibleShift(st.Verdict, +1);
  const double day17Second = WriteSeventeenth(engine, "2nd");
  st.LunationNumber += 5;
  engine.FindNewMoon();
  const int s7 = PossibleShift(st.Verdict, -1);
  const double day17Seventh = WriteSeventeenth(engine, "7th");

  const double D = day17Seventh - day17Second;
  if (engine.Writing()) {
    std::string line;
    if (D == 150) line += st.LineEnd + "******* ";
    line += "There are " + Days(D) + " days between these dates. ";
    if (D == 150) line += " ******* ";
    engine.WriteOutputLine(line + FloodNoteText(D, s2, s7) + st.LineEnd);
    if (engine.dayRecorder != nullptr) engine.dayRecorder->DaysCounted(D, FloodPossibleDays(D, s2, s7));
  }
  return {D == 150, FloodNoteList(D, s2, s7)};
}

}  // namespace

void RunFlood(Engine& engine, ChronologyHost& host) {
  EphemerisState& st = engine.st;
  st.FixedPlaceMode = kTrue;
  host.UntickEastOfIsrael();
  st.EveningFlag = "";
  engine.out.main.Clear();

  float first = 0;
  float last = 0;
  ReadFloodYears(engine, host, first, last);
  const bool rangeMode = last > first;
  if (rangeMode) {
    st.ShowInMain = kFalse;  // only the summary is shown
    host.SetWorkingVisible(true);
    host.SetFloodEnabled(false);
    host.ProcessPendingEvents();
  } else {
    st.ShowInMain = kTrue;
  }

  // The years are computed in blocks, between which the window handles its
  // pending events.
  if (engine.dayRecorder != nullptr) {
    RecordedRun report;
    report.report = ReportKind::Flood;
    report.year = first;
    report.lastYear = last;
    report.shown = true;
    engine.dayRecorder->ReportStarted(report);
  }
  FloodLists lists;
  const std::vector<double> years = RunYears(first, last);
  const std::span<const double> all(years);
  for (std::size_t begin = 0; begin < years.size(); begin += kYearsPerEvents) {
    const std::size_t count = std::min(kYearsPerEvents, years.size() - begin);
    const std::vector<FloodYear> results =
        ComputeYears<FloodYear>(engine, all.subspan(begin, count), ComputeFloodYear, host.MostThreads());
    for (std::size_t i = 0; i < count; ++i) {
      const float year = static_cast<float>(years[begin + i]);
      if (results[i].days150) lists.Append(FloodList::Days150, year);
      lists.Append(results[i].note, year);
    }
    if (count == kYearsPerEvents) host.ProcessPendingEvents();
  }
  if (!years.empty()) st.YearNumber = years.back() + 1;
  if (engine.dayRecorder != nullptr) {
    // The years each list holds, for a range; for one year, the list it falls in.
    const std::pair<const std::vector<float>*, const char*> found[] = {
        {&lists.days150, "150"}, {&lists.days149, "149+1"}, {&lists.days148, "148+2"}};
    for (const auto& [list, name] : found) {
      for (const float year : *list) engine.dayRecorder->YearFound(year, name);
    }
    engine.dayRecorder->ReportFinished();
  }

  if (rangeMode) {
    WriteFloodSummary(engine, first, last, lists);
    host.SetWorkingVisible(false);
    host.SetFloodEnabled(true);
  }
  st.FixedPlaceMode = kFalse;
}

}  // namespace orvane::runs
