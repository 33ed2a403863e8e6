// The new-moon conjunction of a lunation, its first evening, and the
// evening-by-evening test until the crescent counts as seen.
#include <array>
#include <cmath>
#include <vector>

#include "engine/engine.h"
#include "engine/numeric.h"
#include "engine/positions.h"
#include "engine/sunset.h"
#include "engine/trig.h"

namespace orvane {

namespace {

constexpr std::string_view kTableHeading1 =
    " Date     Sunset Moonset   Illum. Sun's  [Moon's at Sunset]  Sun's    Visib   Visible?";
constexpr std::string_view kTableHeading2 =
    "(Evening)                    %    Azimuth Azimuth Altitude   Alt(M)   Number";

}  // namespace

Visibility ClassifyVisibility(double v) {
  if (v <= kNotVisibleUpTo) return Visibility::NotVisible;
  if (v <= kProbablyNotVisibleUpTo) return Visibility::ProbablyNotVisible;
  if (v <= kProbablyVisibleUpTo) return Visibility::ProbablyVisible;
  return Visibility::Visible;
}

std::string_view VisibilityText(Visibility verdict) {
  // The verdicts as the evening tables print them, in the order of the enum.
  static constexpr std::array<std::string_view, 4> kTexts = {"Not Visible", "Prob Not Visible",
                                                             "Prob Visible", "Visible"};
  return kTexts.at(static_cast<std::size_t>(verdict));
}

// Given LunationNumber (k, whole lunations since the new moon of 1900
// January); leaves LunationCenturies, the conjunction instant ConjunctionJD
// (dynamical time, 40 minutes earlier before Hezekiah's sign), DeltaT (days)
// and EveningJD, the first evening on which a crescent is looked for.
//   k = 0: the mean conjunction JD 2415020.75933 plus its periodic correction.
void Engine::ComputeConjunction() {
  const double k = st.LunationNumber;
  const double T = k / kLunationsPerCentury;
  st.LunationCenturies = T;
  const double rad = st.Rad;
  auto reduce = [rad](double degrees) { return num::Reduce(degrees, 360) * rad; };

  const double a = num::Reduce(166.56 + 132.87 * T - 0.009173 * T * T, 360);
  const double jd = kMeanNewMoon1900JD + kSynodicMonthDays * k + 0.0001178 * T * T - 1.55e-07 * T * T * T +
                    0.00033 * std::sin(a * rad);
  // The k coefficients are these shorter literals, not the published ones.
  const double M = reduce(359.2242 + 29.10535608 * k - 3.33e-05 * T * T - 3.47e-06 * T * T * T);
  const double Mp = reduce(306.0253 + 385.816918 * k + 0.0107306 * T * T + 1.236e-05 * T * T * T);
  const double F = reduce(21.2964 + 390.6705065 * k - 0.0016528 * T * T - 2.39e-06 * T * T * T);
  st.ConjM = M;
  st.ConjMPrime = Mp;
  st.ConjF = F;

  const double correction = (0.1734 - 0.000393 * T) * std::sin(M) + 0.0021 * std::sin(2 * M) -
                            0.4068 * std::sin(Mp) + 0.0161 * std::sin(2 * Mp) - 0.0004 * std::sin(3 * Mp) +
                            0.0104 * std::sin(2 * F) - 0.0051 * std::sin(Mp + M) - 0.0074 * std::sin(M - Mp) +
                            0.0004 * std::sin(2 * F + M) - 0.0004 * std::sin(2 * F - M) -
                            0.0006 * std::sin(2 * F + Mp) + 0.0010 * std::sin(2 * F - Mp) +
                            0.0005 * std::sin(2 * Mp + M);
  st.ConjunctionJD = jd + correction;
  // Hezekiah's sign: the shadow went back, so every instant before it is 40 minutes earlier.
  if (st.ConjunctionJD < kHezekiahJD) st.ConjunctionJD -= 0.02778;

  st.DeltaT = DeltaTDays(T);
  const double x = st.ConjunctionJD - st.DeltaT;  // universal time
  st.EveningJD = num::Int(x);
  st.ConjunctionFraction = x - num::Int(x);
  // A conjunction after 04:48 universal time of the next civil day cannot
  // give a crescent that evening's eve: start with the following evening.
  if (st.ConjunctionFraction > 0.7) st.EveningJD += 1;
}

void Engine::FindNewMoon() {
  if (dayRecorder != nullptr) dayRecorder->NewMoonTableStarted(st.LunationNumber);
  if (Writing()) {
    WriteOutputLine(std::string(kTableHeading1) + st.LineEnd);
    WriteOutputLine(std::string(kTableHeading2) + st.LineEnd);
  }
  ComputeConjunction();
  WriteEveningDate();
}

void Engine::WriteEveningDate() { RunEvenings(false); }

void Engine::TestEvening() {
  if (st.EquinoxGap != 0) {
    SunPositionAndSunset();  // places the sun only; nothing is written
    return;
  }
  RunEvenings(true);
}

Visibility Engine::TestSingleEvening() {
  st.MoonsetPassMarker = 0;
  WriteEveningCell();
  const double evening = st.EveningJD;
  TestOneEvening();
  st.EveningJD = evening;  // a not-visible evening moves it on; the caller asked for this one
  return ClassifyVisibility(st.VisibilityNumber);
}

// Writes the date cell of EveningJD ("5  Apr", "15 Apr") and sets Centuries
// to about six hours after local noon of that evening for the sunset.
void Engine::WriteEveningCell() {
  const CivilDate date = DateFromJD(st.EveningJD);
  st.DateDay = date.day;
  st.DateMonth = date.month;
  st.YearOfDate = date.year;
  if (Writing()) {
    std::string dayText = num::Str(date.day).substr(1);
    if (dayText.size() == 1) dayText += ' ';
    WriteOutputLine(dayText + " " + std::string(kMonthNames[static_cast<std::size_t>(date.month)]));
  }
  st.Centuries = EveningCenturies(st.EveningJD, st.Longitude, st.DeltaT);
}

// The evening loop.  Each pass writes one table row and decides: not
// visible (try the next evening), doubtful with the following evening shown
// too (Jerusalem holy-day runs), or settled.  A doubtful evening whose
// following evening is shown has its own month start and certainty restored
// once that evening is settled, innermost first, exactly as if each evening
// had called the next.
void Engine::RunEvenings(bool cellWritten) {
  std::vector<Visibility> shownAfterDoubtful;  // the verdicts of doubtful evenings, oldest first
  bool writeCell = !cellWritten;
  for (;;) {
    if (writeCell) WriteEveningCell();
    writeCell = true;
    const EveningOutcome outcome = TestOneEvening();
    if (outcome == EveningOutcome::NextEvening) continue;
    if (outcome == EveningOutcome::ShowFollowingEvening) {
      shownAfterDoubtful.push_back(st.Verdict);
      continue;
    }
    break;
  }
  if (st.MonthStartJD == 0) st.MonthStartJD = st.PrintJD;
  while (!shownAfterDoubtful.empty()) {
    const Visibility verdict = shownAfterDoubtful.back();
    shownAfterDoubtful.pop_back();
    if (verdict == Visibility::ProbablyNotVisible) {
      st.PrintJD = st.EveningJD + 1;  // the crescent counts as seen the evening after the doubtful one
    } else {
      st.PrintJD = st.EveningJD;
    }
    st.Verdict = verdict;
    st.MoonsetPassMarker = 0;
  }
}

// One evening's row after its date cell: sunset, moonset, illumination,
// azimuths, altitudes, the visibility number and the verdict.
Engine::EveningOutcome Engine::TestOneEvening() {
  SunPositionAndSunset();
  const double s = st.SunsetOffset;
  const double S = st.SunsetTime;

  // Sun's azimuth at sunset, from the south towards the west.
  const double sx = -std::sin(st.SunDeclination) / PlaceLatitude().cosine;
  st.SunAzimuth = (kHalfPi - ArcSine(sx)) / st.Rad;
  const std::string sunAzimuthText = FormatFigure(st.SunAzimuth, 5);

  // The moon at sunset, then at its first moonset estimate.
  const double E0 = st.EveningJD < kHezekiahJD ? 2415020.0278 : 2415020.0;
  st.Centuries = (s / 24 + st.EveningJD + st.DeltaT + st.Longitude - E0) / 36525;
  MoonPosition();
  if (st.MoonsetPassMarker == 0) {
    st.MoonsetPassMarker = st.MoonsetTime / 24;
    st.SavedMoonLongitude = st.Moon.longitude;
    st.SavedMoonLatitude = st.Moon.latitude;
    st.SavedMoonDeclination = st.MoonDeclination;
    st.SavedMoonRightAscension = st.MoonRightAscension;
    st.SavedMoonMPrime = st.Moon.meanAnomaly;
    st.SavedSunLongitude = st.Sun.longitude;
    st.SavedSunM = st.Moon.sunMeanAnomaly;
    st.SavedSiderealTime0 = st.SiderealTime0;
    st.SavedLatitude = st.Latitude;
    st.Centuries = (st.MoonsetPassMarker + st.EveningJD + st.DeltaT + st.Longitude - E0) / 36525;
    MoonPosition();
  }

  // Moonset cell: "   6:05", "  10:05".
  if (Writing()) {
    std::string hourText = num::Str(st.MoonsetHour);
    if (st.MoonsetHour > 9) hourText = hourText.substr(hourText.size() - 2);
    const std::string minText = num::Str(st.MoonsetMinute).substr(1);
    WriteOutputLine("  " + hourText + (st.MoonsetMinute < 10 ? ":0" : ":") + minText);
  }

  // Lag of moonset after sunset, in whole minutes as the table shows them.
  st.Lag = (st.MoonsetHour * 60 + st.MoonsetMinute) - (st.SunsetHour * 60 + st.SunsetMinute);

  // Elongation, phase angle and illuminated fraction.
  const double c = std::cos(st.SavedMoonLatitude) * std::cos(st.SavedMoonLongitude - st.SavedSunLongitude);
  const double psi = kHalfPi - ArcSine(c);
  const double i = kPi - psi -
                   0.1468 * st.Rad * (1 - 0.0549 * std::sin(st.SavedMoonMPrime)) /
                       (1 - 0.0167 * std::sin(st.SavedSunM)) * std::sin(psi);
  const float k = static_cast<float>((1 + std::cos(i)) / 2);
  st.IlluminatedPercent = static_cast<float>(num::CInt(k * 10000) / 100.0);
  WriteOutputLine("    " + FormatFigure(st.IlluminatedPercent, 4));
  WriteOutputLine("  " + sunAzimuthText);

  // The moon's hour angle, azimuth and altitude at sunset.
  const double H =
      ((S + 12) * kSiderealRate + st.SavedSiderealTime0 - st.ZoneCorrection - st.SavedMoonRightAscension) /
      kHoursPerRadian;
  const double ay = std::sin(H);
  const double ax =
      std::cos(H) * PlaceLatitude().sine - std::tan(st.SavedMoonDeclination) * PlaceLatitude().cosine;
  st.MoonAzimuth = QuadrantAngle(ay, ax) / st.Rad;
  double h = AltitudeOf(H, st.SavedMoonDeclination, PlaceLatitude()) / st.Rad;
  h = num::Int(h * 10000) / 10000;
  st.MoonAltitude = h;
  WriteOutputLine("  " + FormatFigure(st.MoonAzimuth, 5));
  WriteOutputLine("   " + FormatFigure(h, 4));

  SunAltitudeAtMoonset();

  // The crescent visibility number: brightness, time above the horizon after
  // sunset, height at sunset and darkness of the sky at moonset.
  const float percentTimes27 = st.IlluminatedPercent * 27;
  st.VisibilityNumber = (percentTimes27 + st.Lag + h * 5.5 - st.SunAltitudeAtMoonsetDeg * 5) / 1.7;
  WriteOutputLine("    " + FormatFigure(st.VisibilityNumber, 5));
  if (dayRecorder != nullptr) {
    // The figures as the row prints them.
    RecordedEvening row;
    row.eveningJD = st.EveningJD;
    row.sunsetHour = st.SunsetHour;
    row.sunsetMinute = st.SunsetMinute;
    row.moonsetHour = st.MoonsetHour;
    row.moonsetMinute = st.MoonsetMinute;
    row.illuminatedPercent = FigureValue(st.IlluminatedPercent, 4);
    row.sunAzimuth = FigureValue(st.SunAzimuth, 5);
    row.moonAzimuth = FigureValue(st.MoonAzimuth, 5);
    row.moonAltitude = FigureValue(h, 4);
    row.sunAltitudeAtMoonset = FigureValue(st.SunAltitudeAtMoonsetDeg, 4);
    row.visibilityNumber = FigureValue(st.VisibilityNumber, 5);
    row.visibility = ClassifyVisibility(st.VisibilityNumber);
    dayRecorder->EveningTested(row);
  }

  const Visibility verdict = ClassifyVisibility(st.VisibilityNumber);
  if (verdict == Visibility::NotVisible) {
    st.EveningJD += 1;
    st.MoonsetPassMarker = 0;
    WriteOutputLine("  " + std::string(VisibilityText(verdict)) + st.LineEnd);
    return EveningOutcome::NextEvening;
  }
  if (verdict != Visibility::Visible) {
    const bool probablyNot = verdict == Visibility::ProbablyNotVisible;
    // A doubtful evening on the low side counts the crescent as seen the
    // next evening (possibly one day earlier); on the high side as seen
    // this evening (possibly one day later).
    st.PrintJD = st.EveningJD + (probablyNot ? 2 : 1);
    st.Verdict = verdict;
    st.MoonsetPassMarker = 0;
    if (st.MonthStartJD == 0) st.MonthStartJD = st.PrintJD;
    WriteOutputLine("  " + std::string(VisibilityText(verdict)) + st.LineEnd);
    if (st.FixedPlaceMode == 0) {
      st.EveningJD += 1;
      if (st.RunName == "HolyDays" && st.LocalMode == 0) return EveningOutcome::ShowFollowingEvening;
    }
    return EveningOutcome::Settled;
  }
  st.PrintJD = st.EveningJD + 1;
  st.Verdict = Visibility::Visible;
  st.MoonsetPassMarker = 0;
  WriteOutputLine("  " + std::string(VisibilityText(verdict)) + st.LineEnd);
  return EveningOutcome::Settled;
}

}  // namespace orvane
