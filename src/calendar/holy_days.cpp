#include "calendar/holy_days.h"

#include <cmath>
#include <optional>
#include <span>
#include <string>

#include "engine/day_recorder.h"
#include "engine/numeric.h"
#include "engine/positions.h"

namespace orvane::calendar {

using num::Int;

double FirstLunationOfYear(double yearStart) {
  // Years before 1 CE count from 1899: there is no year 0 between them.
  return yearStart >= 0 ? Int((yearStart - 1900) * 12.368277) : Int((yearStart - 1899) * 12.368277);
}

double MarchEquinoxJD(double yearNumber) {
  double Y = Int(yearNumber);
  if (Y < 0) Y += 1;  // astronomical numbering: 1 BCE is year 0
  const double y = Y / 1000;
  return 1721139.2855 + 365.2421376 * Y + 0.067919 * y * y - 0.0027879 * y * y * y;
}

bool EquinoxFallsAfterSunset(Engine& engine) {
  EphemerisState& st = engine.st;
  st.EquinoxYear = Int(st.YearNumber);
  st.EquinoxJD = MarchEquinoxJD(st.YearNumber);
  const double gap = std::fabs(st.EquinoxJD - st.EquinoxSunset);
  if (gap < 1) {
    // Close to the sighting: refine the equinox by the sun's apparent
    // longitude (58 days per radian of longitude).
    st.EquinoxGap = gap != 0 ? gap : 1e-12;  // nonzero: TestEvening only places the sun
    st.Centuries = CenturiesSince1900(st.EquinoxJD);
    if (st.EquinoxJD < kHezekiahJD) st.Centuries -= 7.6e-07;  // 40 minutes earlier before Hezekiah's sign
    engine.TestEvening();
    st.EquinoxJD = st.EquinoxJD + 58 * std::sin(-st.Sun.longitude);
    st.EquinoxGap = 0;
  }
  return st.EquinoxJD > st.EquinoxSunset;
}

namespace {

// "This may be Year 6028 After Creation." and, from the first Jubilee on, the
// Jubilee (every 50th year from Creation year 2544) and Sabbatical lines.
void WriteCreationYearNotes(Engine& engine) {
  EphemerisState& st = engine.st;
  engine.WriteOutputLine("This may be Year" + num::Str(st.CreationYear) + " After Creation. " + st.LineEnd);
  if (st.CreationYear < 2496 || st.CreationYear > 10000) return;
  const double J = (st.CreationYear - 2544) / 50;
  const std::int32_t r = num::Mod(num::CLng(st.CreationYear - 2544 - 49 - Int(J)), 7);
  const bool jubilee = J == Int(J);
  if (jubilee) {
    const long n = static_cast<long>(J + 1);
    engine.WriteOutputLine("This may be the" + num::Str(static_cast<double>(n)) +
                           std::string(OrdinalSuffix(n)) + " " + "Jubilee (Yobel) Year." + st.LineEnd);
  }
  if (r == 0 && !jubilee) engine.WriteOutputLine("This may be a Sabbatical (Shemittah) Year." + st.LineEnd);
}

void WriteLabelledDay(Engine& engine, const char* label) {
  engine.WriteOutputLine(label);
  engine.WriteDayAndDate();
}

// The certainty of a day counted from a month start whose crescent verdict
// is `verdict`.
Certainty DayCertainty(Visibility verdict) {
  const int shift = PossibleDayShift(verdict);
  if (shift < 0) return Certainty::PossiblyDayEarlier;
  if (shift > 0) return Certainty::PossiblyDayLater;
  return Certainty::Certain;
}

// A day's key, its name in a calendar and its name as the report's line
// words it.
struct DayNames {
  const char* key;
  const char* name;
  const char* reportName;
};

constexpr DayNames kWaveOffering{"wave-offering", "Wave Offering (the First-fruit)",
                                 "The Wave Offering (the First-fruit)"};
constexpr DayNames kPentecost{"pentecost", "First-fruits (Pentecost)", "First-fruits (Pentecost)"};
constexpr DayNames kMonthStart{"month-start", "First day of month", "First Day of Month"};

// Tells the engine's day recorder, when there is one, of a run and of the
// days it states; does nothing otherwise.
class RunRecorder {
 public:
  // Given the engine after InitEphemeris: announces the run.
  RunRecorder(Engine& engine, ReportKind report) : e_(engine) {
    if (e_.dayRecorder == nullptr) return;
    const EphemerisState& st = e_.st;
    RecordedRun run = RecordedRunOf(st, report);
    if (report == ReportKind::HolyDays) run.creationYear = st.CreationYear;
    e_.dayRecorder->RunStarted(run);
  }
  // The month now begun: its first day (JD, not delayed) and its lunation.
  void Month(double firstDayJD, double lunation, HarvestReading reading) {
    monthStart_ = firstDayJD;
    lunation_ = lunation;
    reading_ = reading;
  }
  // A day of the current month whose date was just written with its
  // weekday (or, with `jd` given, the whole JD of one written with the
  // weekday `weekday` in its label, or found but not written: -1).
  void Day(DayKind kind, const DayNames& names, Certainty certainty, std::optional<double> jd = std::nullopt,
           int weekday = -1) {
    if (e_.dayRecorder == nullptr) return;
    RecordedDay day;
    day.kind = kind;
    day.key = names.key;
    day.name = names.name;
    day.reportName = names.reportName;
    day.weekday = jd ? weekday : e_.st.WeekdayIndex;
    day.jd = jd.value_or(e_.LastDateWrittenJD());
    day.certainty = certainty;
    day.reading = reading_;
    day.sightingEveningJD = monthStart_ - 1;
    day.lunation = lunation_;
    e_.dayRecorder->DayStated(day);
  }
  void Finished() {
    if (e_.dayRecorder != nullptr) e_.dayRecorder->RunFinished();
  }

 private:
  Engine& e_;
  double monthStart_ = 0;
  double lunation_ = 0;
  HarvestReading reading_ = HarvestReading::Only;
};

// A day of a month that the holy-day report states: the days since the
// day stated before it (the first is the month's first day), the text
// written before its date, and how the day recorder is told of it.
struct FeastDay {
  double daysAfterPrevious;
  const char* label;
  DayKind kind;
  DayNames names;
};

// Abib 1, the Passover sacrifice on Abib 14 and the Feast of Unleavened
// Bread from Abib 15 to 21.  Both days of a feast that "goes from" one day
// "to" another carry the feast's name in the report.
constexpr FeastDay kSpringDays[] = {
    {0, "Abib 1 is", DayKind::MonthStart, {"abib-1", "Abib 1", "Abib 1"}},
    {13,
     "The Passover sacrifice is",
     DayKind::HolyDay,
     {"passover", "Passover sacrifice", "The Passover sacrifice"}},
    {1,
     "The Feast of Unleavened Bread goes from ",
     DayKind::HolyDay,
     {"unleavened-bread-first", "Feast of Unleavened Bread, first day", "The Feast of Unleavened Bread"}},
    {6,
     "to",
     DayKind::HolyDay,
     {"unleavened-bread-last", "Feast of Unleavened Bread, last day", "The Feast of Unleavened Bread"}},
};

// The seventh month: Trumpets on the 1st, Atonement on the 10th,
// Tabernacles from the 15th to the 21st and the Great Last Day on the 22nd.
constexpr FeastDay kAutumnDays[] = {
    {0, "Feast of Trumpets is", DayKind::HolyDay, {"trumpets", "Feast of Trumpets", "Feast of Trumpets"}},
    {9,
     "The Day of Atonement is",
     DayKind::HolyDay,
     {"atonement", "Day of Atonement", "The Day of Atonement"}},
    {5,
     "The Feast of Tabernacles (Ingathering) goes from",
     DayKind::HolyDay,
     {"tabernacles-first", "Feast of Tabernacles (Ingathering), first day",
      "The Feast of Tabernacles (Ingathering)"}},
    {6,
     "to",
     DayKind::HolyDay,
     {"tabernacles-last", "Feast of Tabernacles (Ingathering), last day",
      "The Feast of Tabernacles (Ingathering)"}},
    {1,
     "The Great Last Day is",
     DayKind::HolyDay,
     {"great-last-day", "Great Last Day", "The Great Last Day"}},
};

// Writes the days from PrintJD, the month's first day, on (leaving PrintJD
// at the last of them), each with the certainty of the month's start.
void WriteFeastDays(Engine& engine, RunRecorder& record, std::span<const FeastDay> days,
                    Certainty certainty) {
  for (const FeastDay& day : days) {
    engine.st.PrintJD += day.daysAfterPrevious;
    WriteLabelledDay(engine, day.label);
    record.Day(day.kind, day.names, certainty);
  }
}

}  // namespace

void ComputeHolyDays(Engine& engine) {
  EphemerisState& st = engine.st;
  engine.InitEphemeris();
  st.CreationYear = st.YearNumber >= 0 ? st.YearNumber + 4004 : st.YearNumber + 4005;
  const bool east = st.EveningFlag == "Y";
  if (east) {
    engine.WriteOutputLine("These Holy Day dates are corrected (delayed one day) for the" + st.LineEnd);
    engine.WriteOutputLine("region east of Israel and west of the International Date Line." + st.LineEnd);
  } else {
    engine.WriteOutputLine(
        "These Holy Day dates are for Israel and regions westward to the International Date Line." +
        st.LineEnd);
  }
  WriteCreationYearNotes(engine);
  engine.WriteOutputLine(st.LineEnd);

  RunRecorder record(engine, ReportKind::HolyDays);
  st.YearStart = st.YearNumber + 0.277;
  st.LunationNumber = FirstLunationOfYear(st.YearStart);

  for (int pass = 0;; ++pass) {
    // The first month: its crescent must be seen on or after the March equinox.
    engine.FindNewMoon();
    // The sunset of the last evening tested, as a JD in universal time.
    st.EquinoxSunset = (st.PrintJD - 1) + (st.SunsetOffset + 0.25) / 24 + st.ZoneHours / 24;
    if (!EquinoxFallsAfterSunset(engine)) {
      st.BarleyEarly = kFalse;
    } else {
      st.YearShifted = kTrue;
      engine.WriteOutputLine("If the barley harvest is early, this New Moon will begin the New Year. " +
                             st.LineEnd);
      st.BarleyEarly = kTrue;
    }
    if (st.FirstLunation == 0) st.FirstLunation = st.LunationNumber;
    if (st.Verdict == Visibility::ProbablyNotVisible) {
      engine.WriteOutputLine(
          "Abib 1, Passover sacrifice and Feast of Unleavened Bread are possibly one day earlier." +
          st.LineEnd);
    }
    if (st.Verdict == Visibility::ProbablyVisible) {
      engine.WriteOutputLine(
          "Abib 1, Passover sacrifice and Feast of Unleavened Bread are possibly one day later." +
          st.LineEnd);
    }

    // Spring.
    const HarvestReading reading = pass > 0              ? HarvestReading::LateHarvest
                                   : st.BarleyEarly != 0 ? HarvestReading::EarlyHarvest
                                                         : HarvestReading::Only;
    record.Month(st.PrintJD, st.LunationNumber, reading);
    WriteFeastDays(engine, record, kSpringDays, DayCertainty(st.Verdict));

    // The Wave Offering is the Sunday within Unleavened Bread; Pentecost is
    // seven weeks later.  East of Israel both are written as the Monday; the
    // weekday written for Abib 21 there is that of the delayed date.
    int w = st.WeekdayIndex;  // of Abib 21
    if (east) w = w == 0 ? 6 : w - 1;
    const std::string weekday = east ? "Monday, " : "Sunday, ";
    engine.WriteOutputLine("The Wave Offering (the First-fruit) is " + weekday);
    st.PrintJD = st.PrintJD + (7 - w) - (east ? 6 : 7);
    engine.WriteDate();
    const double waveOfferingJD = engine.LastDateWrittenJD();
    engine.WriteOutputLine("First-fruits  (Pentecost) is " + weekday);
    st.PrintJD += east ? 50 : 49;
    engine.WriteDate();
    const double pentecostJD = engine.LastDateWrittenJD();
    // The labels name the weekday: Sunday, or Monday east of Israel.
    const int labelWeekday = east ? 1 : 0;
    Certainty weeks = Certainty::Certain;
    if (w == 6 && st.Verdict == Visibility::ProbablyVisible) {
      engine.WriteOutputLine("If Abib 1 is later then Wave Offering and Pentecost are one week later." +
                             st.LineEnd);
      weeks = Certainty::PossiblyWeekLater;
    }
    if (w == 0 && st.Verdict == Visibility::ProbablyNotVisible) {
      engine.WriteOutputLine("If Abib 1 is earlier then Wave Offering and Pentecost are one week earlier." +
                             st.LineEnd);
      weeks = Certainty::PossiblyWeekEarlier;
    }
    record.Day(DayKind::HolyDay, kWaveOffering, weeks, waveOfferingJD, labelWeekday);
    record.Day(DayKind::HolyDay, kPentecost, weeks, pentecostJD, labelWeekday);

    // Autumn: the seventh month.
    st.LunationNumber += 6;
    engine.FindNewMoon();
    if (st.Verdict == Visibility::ProbablyNotVisible)
      engine.WriteOutputLine("The following Holy Days could be one day earlier:" + st.LineEnd);
    if (st.Verdict == Visibility::ProbablyVisible)
      engine.WriteOutputLine("The following Holy Days could be one day later:" + st.LineEnd);
    record.Month(st.PrintJD, st.LunationNumber, reading);
    WriteFeastDays(engine, record, kAutumnDays, DayCertainty(st.Verdict));

    if (st.BarleyEarly == kFalse) break;
    engine.WriteOutputLine(st.LineEnd);
    engine.WriteOutputLine("For a year with a late spring barley harvest, God's Holy Days are:" + st.LineEnd);
    st.LunationNumber -= 5;  // the lunation after the first candidate
  }
  record.Finished();
}

void ListMonthStarts(Engine& engine, const std::function<void()>& writeLocationCaption) {
  EphemerisState& st = engine.st;
  st.MonthStartJD = 0;
  engine.InitEphemeris();
  engine.WriteOutputLine(engine.YearText(st.YearNumber) + " CALCULATED NEW MOONS");
  const bool jerusalem = st.LocalMode == 0;
  if (jerusalem) {
    engine.WriteOutputLine("(Jerusalem)" + st.LineEnd);
    if (st.EveningFlag == "Y") {
      engine.WriteOutputLine("The Month Start dates are corrected (delayed one day)" + st.LineEnd);
      engine.WriteOutputLine("for the region east of Israel and west of the International Date Line." +
                             st.LineEnd);
    } else {
      engine.WriteOutputLine(
          "These dates are for Israel and regions westward to the International Date Line." + st.LineEnd);
    }
  } else {
    engine.WriteOutputLine(st.LineEnd);
    if (writeLocationCaption) writeLocationCaption();
  }
  RunRecorder record(engine, ReportKind::MonthStarts);
  st.YearStart = st.YearNumber + 0.277;
  st.LunationNumber = FirstLunationOfYear(st.YearStart);
  for (int month = 0; month < 14; ++month) {
    engine.FindNewMoon();
    record.Month(st.PrintJD, st.LunationNumber, HarvestReading::Only);
    // The list states "possibly one day earlier" for any verdict but the two
    // that are probably or surely visible.
    const Certainty certainty = st.Verdict == Visibility::ProbablyVisible ? Certainty::PossiblyDayLater
                                : st.Verdict == Visibility::Visible       ? Certainty::Certain
                                                                          : Certainty::PossiblyDayEarlier;
    if (jerusalem) {
      if (st.Verdict == Visibility::ProbablyVisible) {
        engine.WriteOutputLine("First Day of Month is (possibly one day later)");
      } else if (st.Verdict == Visibility::Visible) {
        engine.WriteOutputLine("First Day of Month is");
      } else {
        engine.WriteOutputLine("First Day of Month is (possibly one day earlier)");
      }
      engine.WriteDayAndDate();
      record.Day(DayKind::MonthStart, kMonthStart, certainty);
    } else {
      // The local list prints the evening tables only: the month start is
      // the day after the evening its crescent counts as seen.
      record.Day(DayKind::MonthStart, kMonthStart, certainty, st.PrintJD + (st.EveningFlag == "Y" ? 1 : 0));
    }
    engine.WriteOutputLine(st.LineEnd);
    st.LunationNumber += 1;
  }
  record.Finished();
}

}  // namespace orvane::calendar
