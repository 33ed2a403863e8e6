// The astronomical engine: one EphemerisState and the procedures that work on it.
//
// Procedures take no arguments and pass their data through the state, in the
// order the runs call them: InitEphemeris, then FindNewMoon for a lunation
// (which writes the evening-by-evening table and leaves the month start in
// PrintJD with its Verdict), then the date writers.  An Engine reaches the
// outside world only through its EngineHost (the year box and the beep) and
// its OutputWriter (the text panes), so any number of independent engines can
// exist side by side.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "engine/dates.h"
#include "engine/day_recorder.h"
#include "engine/ephemeris_state.h"
#include "engine/host.h"
#include "engine/output_writer.h"
#include "engine/positions.h"

namespace orvane {

// Weekday names, index 0 = Sunday; the blank before and the comma and blank
// after are part of each name.
inline constexpr std::array<std::string_view, 7> kDayNames = {
    " Sunday, ", " Monday, ", " Tuesday, ", " Wednesday, ", " Thursday, ", " Friday, ", " Saturday, "};
// Month abbreviations, index 1..12 (index 0 unused).
inline constexpr std::array<std::string_view, 13> kMonthNames = {
    "", "Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

// The ordinal ending of a count: "st", "nd", "rd" or "th".  The teens rule
// looks at the last two digits, so 11, 12, 13 and 111, 112, 113 take "th".
//   OrdinalSuffix(1) = "st", OrdinalSuffix(22) = "nd", OrdinalSuffix(112) = "th".
std::string_view OrdinalSuffix(long n);

// The number a table shows for a value it prints with `width` significant
// figures (FormatFigure), as a double:
//   FigureValue(12.345, 4) = 12.3 (printed " 12.3"),
//   FigureValue(45.3f, 4) = 45.3 (printed " 45.30"; not 45.2999992).
double FigureValue(double value, int width);
double FigureValue(float value, int width);

// A run of `report` as the state describes it after InitEphemeris: the
// year, the region's delay, the place and whether the main pane shows it.
RecordedRun RecordedRunOf(const EphemerisState& st, ReportKind report);

class Engine {
 public:
  explicit Engine(EngineHost& host) : out(st), host_(host) {}
  Engine(const Engine&) = delete;
  Engine& operator=(const Engine&) = delete;

  EphemerisState st;
  OutputWriter out;
  // Told of the days the holy-day report and the month-start list state, as
  // data; none by default.  It only listens: the text is the same without it.
  DayRecorder* dayRecorder = nullptr;

  // Appends one piece of report text (no line end is added).
  void WriteOutputLine(std::string_view piece) { out.WriteOutputLine(piece); }
  // Whether written text reaches a pane; silent runs skip building their texts.
  bool Writing() const { return out.Writing(); }

  // --- Set-up ---------------------------------------------------------------
  // Prepares the state for a run: the constants, the year (unless a chronology
  // run or the conversion window has set it), Jerusalem unless the place was
  // set by the caller (emptying the main pane for a shown Jerusalem run), and
  // the place converted in place to turns, radians and zone hours.
  void InitEphemeris();
  // Reads the year box into YearNumber and YearInt: below -4004 it becomes
  // -4004 and above 9999 it becomes 9999 (each with a beep and the box
  // corrected); 0 becomes -1 (1 BCE) without a beep.
  void ReadYear();

  // --- Dates and number texts ------------------------------------------------
  // Writes the date of PrintJD, " 5 Apr 2024 CE ", then a line end unless
  // TableMode; with EveningFlag "Y" it takes one day off PrintJD at the end.
  void WriteDate();
  // Writes the weekday of PrintJD (Joshua's long day shifts the cycle by one
  // on and before JD 1170112, and for every date of the Jordan run), sets
  // WeekdayIndex, then WriteDate.  With EveningFlag "Y" the day written is
  // PrintJD + 1 and PrintJD is unchanged afterwards.
  void WriteDayAndDate();
  // The whole JD of the date the last WriteDate printed (PrintJD as it was
  // written, before any one-day correction); 0 before the first.
  double LastDateWrittenJD() const { return lastDateWrittenJD_; }
  // The year with its era: " 2024 CE ", " 1 BCE   " (padded to 9), or the
  // bare " 2024" in TableMode.
  std::string YearText(double year) const;
  // The number with `width` significant figures and a sign column:
  //   FormatFigure(0.5, 4) = " 0.50", FormatFigure(12.345, 4) = " 12.3",
  //   FormatFigure(7, 4) = " 7.00".
  // Empty when no pane shows text and the one-day table is not running.
  std::string FormatFigure(double value, int width) const;
  std::string FormatFigure(float value, int width) const;
  // Converts ConvertJD into zero-padded DayText ("05"), MonthText ("04") and
  // YearTextPadded ("2024", "0033", "-0005"), the day carrying the JD's fraction.
  void JulianDayToDateText();

  // --- Sun ------------------------------------------------------------------
  // The sun for Centuries; writes the sunset cell ("  5:39", after "   "
  // unless TableMode).  With EquinoxGap nonzero only the apparent longitude
  // is computed and nothing is written.
  void SunPositionAndSunset();
  // The sun's altitude (degrees, raised by 1.75) at the moonset left by the
  // last MoonPosition; writes its cell.
  void SunAltitudeAtMoonset();
  // The observer's latitude (Latitude) with its sine and cosine; they are
  // taken again only when the latitude changes, so a run at one place takes
  // them once.
  const ObserverLatitude& PlaceLatitude();

  // --- Moon -----------------------------------------------------------------
  // The moon for Centuries: longitude, latitude, parallax, declination, right
  // ascension and the moonset of the evening EveningJD.  Writes nothing.
  void MoonPosition();

  // --- Lunation and evening ---------------------------------------------------
  // The conjunction of LunationNumber and its first evening, then the
  // evening-by-evening table until the crescent counts as seen: afterwards
  // PrintJD is the first day of the month, Verdict its certainty and
  // MonthStartJD the first month start since the caller reset it.
  void FindNewMoon();
  // The conjunction of LunationNumber and its first evening only (no text).
  void ComputeConjunction();
  // Writes the date cell of EveningJD and tests that evening and the
  // following ones, as FindNewMoon does after the conjunction.
  void WriteEveningDate();
  // Tests the evening whose date cell is written.  With EquinoxGap nonzero
  // it only places the sun (for the equinox rule) and returns.
  void TestEvening();
  // Tests the one evening EveningJD at the place set (FixedPlaceMode on) with
  // DeltaT set, writing its row when a pane shows text; returns its class
  // and leaves VisibilityNumber.  No further evening is tried.
  Visibility TestSingleEvening();

 private:
  enum class EveningOutcome { NextEvening, ShowFollowingEvening, Settled };

  void WriteEveningCell();
  EveningOutcome TestOneEvening();
  void RunEvenings(bool cellWritten);
  std::string FormatFigureText(double value, int width, bool single) const;

  EngineHost& host_;
  double lastDateWrittenJD_ = 0;
  ObserverLatitude latitude_;  // of latitude 0 until the first PlaceLatitude
};

}  // namespace orvane
