// The Golgotha, Jordan and Creation runs.
#include "runs/chronology.h"

#include <cmath>
#include <string_view>

#include "calendar/holy_days.h"
#include "engine/numeric.h"
#include "runs/run_years.h"
#include "runs/year_start.h"

namespace orvane::runs {

namespace {

enum class Chronology { Golgotha, Jordan, Creation };

struct RunTexts {
  std::string_view rangeHeading;  // the first line of a range list
  std::string_view title;         // the first line of a one-year report, before the year
};

RunTexts TextsOf(Chronology run) {
  switch (run) {
    case Chronology::Golgotha:
      return {"The following years may have the Passover sacrifice on Wednesday.",
              "Possible Dates for Jesus' Crucifixion, Resurrection and Pentecost in"};
    case Chronology::Jordan:
      return {"The following years may have the Passover sacrifice on the Sabbath.",
              "Possible Dates for the Jordan Crossing in"};
    case Chronology::Creation:
      break;
  }
  return {"The following years may have Abib 1 on Sunday.", "Possible Dates for Creation in"};
}

// The matching years of a range, eight to a line, each as its 9-character
// year text and two blanks.  In a one-year report nothing is listed: the
// report itself says whether the year matches.
class RunYearList {
 public:
  explicit RunYearList(Engine& engine) : e_(engine) {}

  // Given the year (CInt of YearNumber); writes it only while the pane is
  // closed to the year's report (range mode), opening it for this one piece.
  void ListRunYear(std::int16_t year) {
    EphemerisState& st = e_.st;
    if (st.ShowInMain != 0) return;
    st.ShowInMain = kTrue;
    e_.WriteOutputLine(e_.YearText(year) + "  ");
    ++yearsOnLine_;
    if (yearsOnLine_ > 7) {
      yearsOnLine_ = 0;
      e_.WriteOutputLine(st.LineEnd);
    }
    st.ShowInMain = kFalse;
  }

 private:
  Engine& e_;
  int yearsOnLine_ = 0;
};

void WriteLabelledDay(Engine& engine, std::string_view label) {
  engine.WriteOutputLine(label);
  engine.WriteDayAndDate();
  TellDateStated(engine, label);
}

// Steps from Abib 15 (PrintJD) to the end of the feast and the Sunday that
// follows it, given the Wave Offering's JD; writes the feast's last day, the
// Wave Offering and Pentecost seven weeks later.
void WriteWaveOfferingAndPentecost(Engine& engine, double waveOfferingJD) {
  EphemerisState& st = engine.st;
  st.PrintJD += 6;  // Abib 21
  WriteLabelledDay(engine, "to");
  st.PrintJD = waveOfferingJD;
  WriteLabelledDay(engine, "The Wave Offering (the First-Fruit) is");
  st.PrintJD = waveOfferingJD + 49;
  WriteLabelledDay(engine, "First-Fruits (Pentecost) is");
}

// The Passover sacrifice (Abib 14) on a Wednesday: Christ's death on a
// Wednesday and the resurrection three days and three nights later.
// PrintJD is Abib 1 of the year and Verdict its certainty.
bool GolgothaYear(Engine& engine) {
  EphemerisState& st = engine.st;
  const Visibility verdict = st.Verdict;
  if (verdict == Visibility::ProbablyNotVisible) {
    engine.WriteOutputLine(
        "Abib 1, Passover sacrifice and Feast of Unleavened Bread are possibly one day earlier." +
        st.LineEnd);
  }
  if (verdict == Visibility::ProbablyVisible) {
    engine.WriteOutputLine(
        "Abib 1, Passover sacrifice and Feast of Unleavened Bread are possibly one day later." + st.LineEnd);
  }
  WriteLabelledDay(engine, "Abib 1 is");
  st.PrintJD += 13;
  WriteLabelledDay(engine, "Passover sacrifice is");
  int w = st.WeekdayIndex;
  // A Thursday that is possibly one day earlier, or a Tuesday that is
  // possibly one day later, may be a Wednesday.
  const bool matches = w == 3 || (w == 4 && verdict == Visibility::ProbablyNotVisible) ||
                       (w == 2 && verdict == Visibility::ProbablyVisible);
  if (matches) {
    engine.WriteOutputLine(
        st.LineEnd + "********** This year has the proper day of the week for Christ's death. **********" +
        st.LineEnd + st.LineEnd);
  }
  st.PrintJD += 1;  // Abib 15
  WriteLabelledDay(engine, "Feast of Unleavened Bread runs from");
  w = st.WeekdayIndex;
  // The Sunday after Abib 15; a week later when Abib 15 is itself a Sunday.
  WriteWaveOfferingAndPentecost(engine, st.PrintJD + 7 - w);
  return matches;
}

// The Passover sacrifice on the Sabbath, so that the Wave Offering is the
// day after it, as on the crossing of the Jordan.
bool JordanYear(Engine& engine) {
  EphemerisState& st = engine.st;
  const Visibility verdict = st.Verdict;
  st.PrintJD += 13;  // Abib 14
  WriteLabelledDay(engine, "Passover sacrifice is");
  int w = st.WeekdayIndex;
  // The three cases need different weekdays: a year matches at most once.
  bool matches = false;
  if (w == 6) {
    engine.WriteOutputLine(st.LineEnd + "********** The wave offering is the next day. **********" +
                           st.LineEnd + st.LineEnd);
    matches = true;
  }
  if (w == 0 && verdict == Visibility::ProbablyNotVisible) {
    engine.WriteOutputLine("The Passover sacrifice may be one day earlier." + st.LineEnd);
    engine.WriteOutputLine(st.LineEnd + " ***** The Wave Offering would be the next day if it is. *****" +
                           st.LineEnd + st.LineEnd);
    matches = true;
  }
  if (w == 5 && verdict == Visibility::ProbablyVisible) {
    engine.WriteOutputLine("The Passover sacrifice may be one day later." + st.LineEnd);
    engine.WriteOutputLine(st.LineEnd + "***** The Wave Offering would be the next day if it is. *****" +
                           st.LineEnd + st.LineEnd);
    matches = true;
  }
  st.PrintJD += 1;  // Abib 15
  WriteLabelledDay(engine, "Feast of Unleavened Bread runs from");
  w = st.WeekdayIndex;
  if (w == 0) {
    // Abib 15 on a Sunday follows a Sabbath Passover: it is itself the Wave Offering.
    st.WeekdayIndex = 7;
    w = 7;
  }
  WriteWaveOfferingAndPentecost(engine, st.PrintJD + 7 - w);
  return matches;
}

// Abib 1 on a Sunday, the first day of the week of Creation.
bool CreationYear(Engine& engine) {
  EphemerisState& st = engine.st;
  const Visibility verdict = st.Verdict;
  if (verdict == Visibility::ProbablyNotVisible)
    engine.WriteOutputLine("Abib 1 is (though possibly one day earlier)");
  if (verdict == Visibility::ProbablyVisible)
    engine.WriteOutputLine("Abib 1 is (though possibly one day later)");
  if (verdict == Visibility::Visible) engine.WriteOutputLine("Abib 1 is");
  engine.WriteDayAndDate();
  TellDateStated(engine,
                 verdict == Visibility::ProbablyNotVisible ? "Abib 1 is (though possibly one day earlier)"
                 : verdict == Visibility::ProbablyVisible  ? "Abib 1 is (though possibly one day later)"
                                                           : "Abib 1 is");
  const int w = st.WeekdayIndex;
  const bool matches = w == 0 || (w == 1 && verdict == Visibility::ProbablyNotVisible) ||
                       (w == 6 && verdict == Visibility::ProbablyVisible);
  if (matches) {
    engine.WriteOutputLine(
        st.LineEnd +
        "********** This year begins on the correct day of the week for the year of Creation. **********" +
        st.LineEnd);
  }
  return matches;
}

// The first month of the year by the holy-day search: the new-moon tables
// are those of the holy-day report, with the evening after a doubtful one
// shown too, so the run keeps the month start it would give.
void FindMonthAsHolyDays(Engine& engine, const std::string& runName) {
  EphemerisState& st = engine.st;
  st.FixedPlaceMode = kFalse;
  st.RunName = "HolyDays";
  engine.FindNewMoon();
  st.RunName = runName;
  st.FixedPlaceMode = kTrue;
}

struct YearMatch {
  bool matches = false;
};

// One year of the run at its place (YearNumber set, FixedPlaceMode on): the
// first month by the equinox rule, then the run's own part.
YearMatch ChronologyYear(Engine& engine, Chronology run, const std::string& runName) {
  StartRunYear(engine, run == Chronology::Creation ? kCreationPlace : kJerusalemPlace);
  FindMonthAsHolyDays(engine, runName);
  if (FirstMonthBeginsLater(engine)) FindMonthAsHolyDays(engine, runName);
  switch (run) {
    case Chronology::Golgotha:
      return {GolgothaYear(engine)};
    case Chronology::Jordan:
      return {JordanYear(engine)};
    case Chronology::Creation:
      break;
  }
  return {CreationYear(engine)};
}

struct Range {
  double first = 0;
  double last = 0;
};

// Corrects the two year boxes to the run's limits and reads the range from
// them: an empty first box takes the second's year, each box is brought to
// the nearest limit, a missing second year makes a one-year run, and a
// reversed range is swapped in the boxes.
Range ReadRunYears(ChronologyHost& host, double yearMin, double yearMax) {
  const std::string minText = num::CStr(yearMin);
  const std::string maxText = num::CStr(yearMax);
  if (host.FirstYearBox().empty()) {
    host.SetFirstYearBox(host.SecondYearBox());
    host.SetSecondYearBox("");
  }
  if (num::Val(host.FirstYearBox()) < yearMin || host.FirstYearBox().empty()) host.SetFirstYearBox(minText);
  if (num::Val(host.FirstYearBox()) > yearMax) host.SetFirstYearBox(maxText);
  if (!host.SecondYearBox().empty()) {
    if (num::Val(host.SecondYearBox()) < yearMin) host.SetSecondYearBox(minText);
    if (num::Val(host.SecondYearBox()) > yearMax) host.SetSecondYearBox(maxText);
  }
  Range r;
  r.first = num::Val(host.FirstYearBox());
  r.last = host.SecondYearBox().empty() ? r.first : num::Val(host.SecondYearBox());
  if (r.last < r.first) {
    host.SetFirstYearBox(num::CStr(r.last));
    host.SetSecondYearBox(num::CStr(r.first));
    r.first = num::Val(host.FirstYearBox());
    r.last = num::Val(host.SecondYearBox());
  }
  return r;
}

}  // namespace

void RunChronology(Engine& engine, ChronologyHost& host) {
  EphemerisState& st = engine.st;
  const std::string runName = st.RunName;
  Chronology run;
  if (runName == "Golgotha") {
    run = Chronology::Golgotha;
  } else if (runName == "Jordan") {
    run = Chronology::Jordan;
  } else if (runName == "Creation") {
    run = Chronology::Creation;
  } else {
    return;
  }
  const RunTexts texts = TextsOf(run);

  RunYearList list(engine);
  st.FixedPlaceMode = kTrue;
  host.UntickEastOfIsrael();
  st.EveningFlag = "";
  engine.out.main.Clear();

  const double yearMin = run == Chronology::Creation ? kCreationYearMin : kRunYearMin;
  const Range range = ReadRunYears(host, yearMin, kRunYearMax);
  // There is no year 0: a run that starts or ends there computes 1 CE in its
  // place, and its headings name the year computed.
  const double shownFirst = range.first == 0 ? 1 : range.first;
  const double shownLast = range.last == 0 ? 1 : range.last;

  if (range.last > range.first) {
    engine.WriteOutputLine(std::string(texts.rangeHeading) + st.LineEnd);
    engine.WriteOutputLine("First year of run is" + engine.YearText(shownFirst) + st.LineEnd +
                           "Last year of run is" + engine.YearText(shownLast) + st.LineEnd);
    engine.WriteOutputLine("==============================" + st.LineEnd);
    st.ShowInMain = kFalse;  // from here on only the list of matching years is shown
  } else {
    st.ShowInMain = kTrue;
  }
  engine.WriteOutputLine(std::string(texts.title) + engine.YearText(shownFirst) + st.LineEnd);
  if (engine.dayRecorder != nullptr) {
    RecordedRun report;
    report.report = run == Chronology::Golgotha ? ReportKind::Golgotha
                    : run == Chronology::Jordan ? ReportKind::Jordan
                                                : ReportKind::Creation;
    report.year = shownFirst;
    report.lastYear = shownLast;
    report.shown = true;
    engine.dayRecorder->ReportStarted(report);
  }

  // A range is computed silently; its matching years are listed in order.
  const std::vector<double> years = RunYears(range.first, range.last);
  const std::vector<YearMatch> matches = ComputeYears<YearMatch>(
      engine, years, [run, &runName](Engine& w) { return ChronologyYear(w, run, runName); },
      host.MostThreads());
  for (std::size_t i = 0; i < years.size(); ++i) {
    if (!matches[i].matches) continue;
    list.ListRunYear(num::CInt(years[i]));
    if (engine.dayRecorder != nullptr) engine.dayRecorder->YearFound(years[i], {});
  }
  if (engine.dayRecorder != nullptr) engine.dayRecorder->ReportFinished();
  if (!years.empty()) st.YearNumber = years.back() + 1;
  st.ShowInMain = kTrue;
  st.FixedPlaceMode = kFalse;
}

}  // namespace orvane::runs
