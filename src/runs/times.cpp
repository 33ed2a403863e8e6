#include "runs/times.h"

#include <cmath>

#include "engine/numeric.h"
#include "engine/positions.h"
#include "engine/trig.h"

namespace orvane::runs {

namespace {

// A Gregorian table has a line for each of 366 days, a Biblical one 400.
constexpr int kGregorianDays = 366;
constexpr int kBiblicalDays = 400;
constexpr int kLinesPerHeader = 30;

// Str of a whole number without its sign column: "6", "17".
std::string Bare(double whole) { return num::Str(whole).substr(1); }

// "6:05", "17:32": hours and minutes of a clock time as the sun cells show them.
std::string SunCell(double hour, double minute) {
  return Bare(hour) + (minute < 10 ? ":0" : ":") + Bare(minute);
}

}  // namespace

// Given Centuries (T, Julian centuries from JD 2415020.0) and Latitude
// (radians); the sun of the evening test with the mean obliquity and the
// true longitude (nutation and aberration left out), kept in the state with
// its declination.  Returns the hour angle of sunrise or sunset in hours
// (about 6 at the equinoxes), for the sun's centre 50' below the horizon.
double SunMoonTimes::SunHourAngle(Engine& engine) {
  EphemerisState& st = engine.st;
  const SolarPosition sun = SolarPositionAt(st.Centuries, NutationAndAberration::LeftOut);
  st.Sun = sun;
  st.SunDeclination = ArcSine(sun.sinDeclination);
  const HourAngle h =
      HourAngleAtAltitude(kSunsetAltitudeSine, engine.PlaceLatitude(), sun.sinDeclination, st.SunDeclination);
  st.SunCosHourAngle = h.cosine;
  return h.hours;
}

// Given Centuries and the mean obliquity left by the sun; the moon by the
// lunar theory of the evening test (longitude, latitude, parallax,
// declination, right ascension and the hour angle of its rising or setting),
// then its transit on the working day: returns the hours after that day's
// noon of the setting (or the rising), brought into 0..24.
double SunMoonTimes::MoonEventHours(Engine& engine, double workingJD, bool setting) {
  EphemerisState& st = engine.st;
  engine.MoonPosition();
  double tau = SiderealTimeAt0h(workingJD) + 12 - st.MoonRightAscension - 0.065712 * st.DeltaT;
  if (tau > 24) tau -= 24;
  tau = tau < 0 ? -tau : 24 - tau;  // hours from noon to the moon's transit
  double t = setting ? tau + st.MoonHourAngle + st.MoonsetAdjust + 0.0121 : tau - st.MoonHourAngle;
  if (t < 0) t += 24;
  if (t > 24) t -= 24;
  return t;
}

// Given the moon's longitude and latitude (radians) and mean anomaly M' of
// the last moon position, the sun's mean anomaly M of the lunar theory and
// the sun's true longitude; the phase angle from the elongation, as in
// 'Astronomical Formulae for Calculators'.  Full moon gives 100, new moon
// about 0; the percentage is kept to a tenth.
void SunMoonTimes::ComputeIllumination(Engine& engine) {
  EphemerisState& st = engine.st;
  const double cosd = std::cos(st.Moon.longitude - st.Sun.longitude) * std::cos(st.Moon.latitude);
  const double d = kHalfPi - ArcSine(cosd);
  const double i = kPi - d -
                   (1 - 0.0549 * std::sin(st.Moon.meanAnomaly)) /
                       (1 - 0.0167 * std::sin(st.Moon.sunMeanAnomaly)) * 0.1468 * st.Rad * std::sin(d);
  const float k = static_cast<float>((1 + std::cos(i)) / 2);
  const float k1000 = k * 1000;
  st.IlluminatedPercent = static_cast<float>(num::Int(k1000 + 0.5) / 10);
  st.IlluminationText = num::Str(st.IlluminatedPercent);
}

void SunMoonTimes::WriteDayTimes(Engine& engine, double jd) {
  EphemerisState& st = engine.st;

  // A. Start of the line.
  RowCounter = static_cast<std::int16_t>(RowCounter + 1);
  if (RowCounter == kLinesPerHeader) {
    RowCounter = 0;
    engine.WriteOutputLine(TimesHeader);
  }
  st.SunsetAdjust = 0;
  st.MoonsetAdjust = 0;
  engine.WriteOutputLine(st.MonthText + "/" + st.DayText + "/" + st.YearTextPadded + "   " + num::CStr(jd) +
                         "     ");

  // B. The lunation fraction f: how many days later than the sun the moon
  // sets, estimated from the age of the moon (in (-0.75, 0.25]).
  const double day = jd;
  engine.ComputeConjunction();
  double f = (day - st.EveningJD) * 0.0339;
  if (f > 0.96) {
    st.LunationNumber += 1;
    engine.ComputeConjunction();
  }
  if (st.EveningJD <= day) f = (day - st.EveningJD) * 0.0339;
  if (f > 0.25) f -= 1;

  // C. The sun: sunset at 18:00 local mean time, then sunrise about 2 s
  // hours earlier.  No 40-minute shift is made in this table.
  st.Centuries = CenturiesSince1900(day + 0.25 + st.Longitude + st.DeltaT);
  const double T = st.Centuries;
  st.DeltaT = (0.41 + 1.2053 * T + 0.4992 * T * T) / 1440;
  st.Centuries = CenturiesSince1900(day + 0.25 + st.Longitude + st.DeltaT);
  const double s = SunHourAngle(engine) - st.Sun.equationOfTime;
  const double S = st.ZoneCorrection + s + st.SunsetAdjust + 0.008333333 + 12.0;
  const double sunsetMinute = num::Int((S - num::Int(S)) * 60);
  const double sunsetHour = num::Int(S);
  st.Centuries = st.Centuries - 2 * s / 876600;
  const double H0 = SunHourAngle(engine);
  const double R = -(H0 + st.Sun.equationOfTime) + st.ZoneCorrection + st.SunsetAdjust + 0.0083333333 + 12.0;
  const double sunriseMinute = num::Int((R - num::Int(R)) * 60);
  const double sunriseHour = num::Int(R);
  engine.WriteOutputLine(SunCell(sunriseHour, sunriseMinute) + "      ");
  engine.WriteOutputLine(SunCell(sunsetHour, sunsetMinute) + "    ");

  // D. The moon: its setting, then its rising.  Each event takes two passes,
  // each placing the moon at the event the last one gave.  An event after
  // midnight of the zone day is looked for once on the day before instead;
  // found there late in the evening, the day has no such event.
  bool setting = true;
  double workingJD = day;
  int n = 0;
  bool steppedBack = false;
  double centuries = CenturiesSince1900(s / 24 + day + st.DeltaT + st.Longitude + f);
  double riseMinute = 0, riseHour = 0, setMinute = 0, setHour = 0;
  double moonsetPercent = 0;  // the illumination at moonset
  for (;;) {
    st.Centuries = centuries;
    const double t = MoonEventHours(engine, workingJD, setting);
    ++n;
    double c = st.ZoneCorrection + t;
    if (!steppedBack && c > 12) {
      workingJD -= 1;
      steppedBack = true;
      n = 0;
      const double x = (t - 0.81) / 24;
      centuries = CenturiesSince1900(x + workingJD + st.DeltaT + st.Longitude);
      continue;
    }
    c += 12;
    if (c >= 24) c -= 24;  // clock time of the day
    if (n < 2) {
      const double x = t / 24;
      centuries = CenturiesSince1900(x + workingJD + st.DeltaT + st.Longitude);
      continue;
    }
    const bool noEvent = workingJD < day && c >= 22.6;
    if (setting) {
      ComputeIllumination(engine);
      moonsetPercent = num::Val(st.IlluminationText);
      MoonsetIlluminationText = engine.FormatFigure(moonsetPercent, 4);
      if (noEvent) {
        MoonsetHourText = MoonsetMinuteText = "--";
      } else {
        setMinute = num::Int((c - num::Int(c)) * 60);
        setHour = num::Int(c);
        MoonsetMinuteText = Bare(setMinute);
        MoonsetHourText = Bare(setHour);
      }
      setting = false;
      steppedBack = false;
      n = 0;
      workingJD = day;
      // The rising is looked for about 12.3 hours before a setting in the
      // evening, after one in the morning.
      centuries = MoonsetMinuteText != "--" && c > 12.04 ? centuries - 1.4e-05 : centuries + 1.4e-05;
      continue;
    }
    riseMinute = num::Int((c - num::Int(c)) * 60);
    riseHour = num::Int(c);
    if (noEvent) {
      MoonriseHourText = MoonriseMinuteText = "--";
    } else {
      MoonriseMinuteText = Bare(riseMinute);
      MoonriseHourText = Bare(riseHour);
      if (riseHour < 10) MoonriseHourText.insert(0, 1, '0');
    }
    break;
  }

  const bool risen = MoonriseHourText != "--";
  engine.WriteOutputLine(MoonriseHourText + (risen && riseMinute < 10 ? ":0" : ":") + MoonriseMinuteText);
  ComputeIllumination(engine);
  st.IlluminationText = risen ? engine.FormatFigure(st.IlluminatedPercent, 4) : " ----";
  engine.WriteOutputLine("      " + st.IlluminationText);

  const bool set = MoonsetHourText != "--";
  if (!set) {
    engine.WriteOutputLine("    --:--");
    MoonsetIlluminationText = " ----";
  } else {
    engine.WriteOutputLine("    " + std::string(setHour < 10 ? "0" : "") + MoonsetHourText +
                           (setMinute < 10 ? ":0" : ":") + MoonsetMinuteText);
  }
  engine.WriteOutputLine("     " + MoonsetIlluminationText + st.LineEnd);

  if (engine.dayRecorder != nullptr) {
    // The line's times and figures as printed.
    RecordedDayTimes line;
    line.jd = day;
    line.sunrise = {true, sunriseHour, sunriseMinute};
    line.sunset = {true, sunsetHour, sunsetMinute};
    line.moonrise = {risen, riseHour, riseMinute};
    line.moonset = {set, setHour, setMinute};
    line.moonriseIlluminatedPercent = FigureValue(st.IlluminatedPercent, 4);
    line.moonsetIlluminatedPercent = FigureValue(moonsetPercent, 4);
    engine.dayRecorder->DayTimesListed(line);
  }
}

void SunMoonTimes::ListSunMoonTimes(Engine& engine, TablesHost& host) {
  EphemerisState& st = engine.st;
  st.YearInt = num::CInt(num::Val(host.YearBoxText()));
  st.SunsetAdjust = 0;
  st.MoonsetAdjust = 0;
  TimesHeader = std::string(kTimesHeader) + st.LineEnd;
  if (host.UserDataUnsaved()) host.SaveUserData();
  st.TableMode = kTrue;
  engine.InitEphemeris();

  const int days = StartTableYear(engine, host) ? kGregorianDays : kBiblicalDays;
  st.LocalMode = kTrue;
  host.ReadCoordinates();
  engine.InitEphemeris();
  engine.out.main.Clear();
  host.WriteLocationCaption();
  engine.WriteOutputLine("Times are not corrected for changes in Daylight Saving." + st.LineEnd);
  engine.WriteOutputLine("Dates are shown in Month/Day/Year format." + st.LineEnd);
  engine.WriteOutputLine(std::string(79, '_') + st.LineEnd);
  engine.WriteOutputLine(TimesHeader);

  st.EveningJD = st.MonthStartJD - 1;
  st.ConvertJD = st.EveningJD;
  engine.JulianDayToDateText();
  st.LunationNumber = num::Int((st.ConvertJD - 2415021) / 29.530589);
  RowCounter = -1;
  if (engine.dayRecorder != nullptr) {
    RecordedRun report = RecordedRunOf(st, ReportKind::Times);
    report.gregorian = host.GregorianYearTicked();
    engine.dayRecorder->ReportStarted(report);
  }
  host.SetTimesEnabled(false);
  for (int i = 0; i < days; ++i) {
    const double day = st.ConvertJD;
    WriteDayTimes(engine, day);
    st.ConvertJD = day + 1;
    engine.JulianDayToDateText();
  }
  if (engine.dayRecorder != nullptr) engine.dayRecorder->ReportFinished();
  host.SetTimesEnabled(true);
  st.TableMode = kFalse;
  st.LocalMode = kFalse;
}

}  // namespace orvane::runs
