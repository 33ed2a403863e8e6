// Set-up of a run, day numbers, dates and number texts.
#include <cmath>

#include "engine/engine.h"
#include "engine/numeric.h"

namespace orvane {

using num::Int;
using num::Str;

std::string_view OrdinalSuffix(long n) {
  const long lastTwo = std::labs(n) % 100;
  if (lastTwo >= 11 && lastTwo <= 19) return "th";
  switch (std::labs(n) % 10) {
    case 1:
      return "st";
    case 2:
      return "nd";
    case 3:
      return "rd";
    default:
      return "th";
  }
}

CivilDate DateFromJD(double jd, DayStart start, Reckoning reckoning) {
  const double counted = start == DayStart::Midnight ? jd + 0.5 : jd;
  const double J = Int(counted);  // the day number: the JD of the day's noon
  double A = J;
  if (reckoning == Reckoning::Gregorian) {
    // The Gregorian rule for every year: there is no switch to the Julian
    // calendar before the 1582 reform.
    const double alpha = Int((J - 1867216.25) / 36524.25);
    A = J + 1 + alpha - Int(alpha / 4);
  }
  const double B = A + 1524;
  const double C = Int((B - 122.1) / 365.25);
  const double D = Int(365.25 * C);
  const double E = Int((B - D) / 30.6001);
  CivilDate date;
  date.day = B - D - Int(30.6001 * E);
  date.month = E < 13.5 ? E - 1 : E - 13;
  date.year = date.month > 2.5 ? C - 4716 : C - 4715;
  if (date.year < 1) date.year -= 1;  // no year 0: astronomical 0 is 1 BCE
  date.fraction = counted - J;
  return date;
}

double MidnightJD(double day, double month, double astronomicalYear, Reckoning reckoning) {
  double year = astronomicalYear;
  if (month < 3) {
    year -= 1;
    month += 12;
  }
  double b = 0;
  if (reckoning == Reckoning::Gregorian) {
    const double a = Int(year / 100);
    b = Int(a / 4) + 2 - a;
  }
  return Int(365.25 * (year + 4716)) + Int(30.6001 * (month + 1)) + day + b - 1524.5;
}

std::string IsoDateText(const CivilDate& d) {
  return num::ZeroPadded(static_cast<long long>(AstronomicalYear(d.year)), 4) + "-" +
         num::ZeroPadded(static_cast<long long>(d.month), 2) + "-" +
         num::ZeroPadded(static_cast<long long>(d.day), 2);
}

double JulianDayFromDate(double day, double month, double year) {
  return Int(MidnightJD(day, month, year)) + 1;
}

void Engine::InitEphemeris() {
  st.Rad = kRad;
  LunarPosition& moon = st.Moon;
  moon.meanAnomaly = moon.meanLongitudeDeg = moon.sunMeanAnomaly = moon.elongation = moon.argumentOfLatitude =
      0;
  moon.longitude = moon.latitude = 0;
  st.MoonsetPassMarker = 0;
  if (st.FixedPlaceMode == 0 && st.ConversionMode == 0) ReadYear();
  if (st.LocalMode == 0 && st.FixedPlaceMode == 0) {
    // Jerusalem
    st.Longitude = -35.244;
    st.Latitude = 31.78;
    st.ZoneHours = 14.0;
    if (st.ShowInMain != 0) out.main.Clear();
  }
  // The place is converted in place: callers set it again before each call.
  st.ZoneHours = 12 - st.ZoneHours;
  st.ZoneCorrection = (st.Longitude - st.ZoneHours * 15) * 0.066667;
  st.Longitude = st.Longitude / 360;
  st.Latitude = st.Latitude * st.Rad;
  st.SunsetAdjust = 0.0 / 60;
  st.MoonsetAdjust = 0.0 / 60;
}

RecordedRun RecordedRunOf(const EphemerisState& st, ReportKind report) {
  RecordedRun run;
  run.report = report;
  run.year = st.YearNumber;
  run.lastYear = st.YearNumber;
  run.east = st.EveningFlag == "Y";
  run.local = st.LocalMode != 0;
  run.shown = st.ShowInMain != 0;
  // ZoneHours holds minus the offset once the place is converted.
  run.place = {st.Longitude, st.Latitude, st.ZoneCorrection, -st.ZoneHours, st.SunsetAdjust};
  return run;
}

void Engine::ReadYear() {
  st.YearNumber = num::Val(host_.YearBoxText());
  if (st.YearNumber < -4004) {
    st.YearNumber = -4004;
    host_.SetYearBoxText("-4004");
    host_.Beep();
  }
  if (st.YearNumber == 0) {
    // There is no year 0: the year before 1 CE is 1 BCE.
    st.YearNumber = -1;
    host_.SetYearBoxText("-1");
  }
  if (st.YearNumber > 9999) {
    st.YearNumber = 9999;
    host_.SetYearBoxText("9999");
    host_.Beep();
  }
  st.YearNumber = num::Val(host_.YearBoxText());
  st.YearInt = num::CInt(st.YearNumber);
}

std::string Engine::YearText(double year) const {
  std::string s = Str(std::fabs(year));
  if (st.TableMode == 0) {
    s += year < 0 ? " BCE" : " CE";
    if (s.size() < 9) s.append(9 - s.size(), ' ');
  }
  return s;
}

void Engine::WriteDate() {
  lastDateWrittenJD_ = st.PrintJD;
  const CivilDate date = DateFromJD(st.PrintJD);
  st.DateDay = date.day;
  st.DateMonth = date.month;
  st.YearOfDate = date.year;
  if (Writing()) {
    std::string dayText = Str(date.day).substr(1);
    while (dayText.size() < 2) dayText.insert(0, 1, ' ');
    std::string piece =
        dayText + " " + std::string(kMonthNames[static_cast<std::size_t>(date.month)]) + YearText(date.year);
    if (st.TableMode == 0) piece += st.LineEnd;
    WriteOutputLine(piece);
  }
  if (st.EveningFlag == "Y") st.PrintJD -= 1;
}

void Engine::WriteDayAndDate() {
  if (st.EveningFlag == "Y") st.PrintJD += 1;
  const double W = (st.PrintJD + 1) / 7;
  double index = (W - Int(W)) * 7;
  // Joshua's long day: the sun stood still for a day, so every date on or
  // before it is one weekday later than the plain cycle.  The Jordan run
  // applies the shift to every date it prints.
  if (!(st.PrintJD > kJoshuaJD && st.RunName != "Jordan")) index += 1;
  index = num::CInt(index);
  if (index > 6) index = num::CInt(index - 7);
  st.WeekdayIndex = static_cast<std::int16_t>(index);
  WriteOutputLine(kDayNames[static_cast<std::size_t>(st.WeekdayIndex)]);
  WriteDate();
}

namespace {

template <typename T>
std::string FormatFigureOf(T value, int width) {
  int w = width < 2 ? 2 : width;
  int n = 0;
  for (T v = value; std::fabs(v) > 1; v = v / 10) ++n;
  int remembered = 0;
  bool marked = false;
  if (n >= w) {
    remembered = w;
    marked = true;
    w = n + 1;
  }
  const int decimals = std::fabs(value) < 1 ? w - n - 2 : w - n - 1;
  value = num::Round(value, decimals < 0 ? 0 : decimals);
  if (marked) w = remembered;

  std::string s = Str(value);
  if (std::fabs(value) < 1 && value != 0) s.replace(0, 1, value < 0 ? "-0" : " 0");
  const std::size_t full = static_cast<std::size_t>(w) + 1;
  const bool whole = value == num::Int(value);
  if (whole && s.size() + 2 <= full) s += ".0";
  if (whole && !(s.size() >= 2 && s.compare(s.size() - 2, 2, ".0") == 0)) {
    while (s.size() < full) s += ' ';
  }
  while (s.size() < full) s += '0';
  return s;
}

}  // namespace

double FigureValue(double value, int width) { return num::Val(FormatFigureOf(value, width)); }
double FigureValue(float value, int width) { return num::Val(FormatFigureOf(value, width)); }

std::string Engine::FormatFigure(double value, int width) const {
  if (st.ShowInMain == 0 && st.ShowInConversion == 0 && st.ConversionTableFlag == 0) return {};
  return FormatFigureOf(value, width);
}

std::string Engine::FormatFigure(float value, int width) const {
  if (st.ShowInMain == 0 && st.ShowInConversion == 0 && st.ConversionTableFlag == 0) return {};
  return FormatFigureOf(value, width);
}

void Engine::JulianDayToDateText() {
  const double jd = st.ConvertJD;
  const CivilDate date = DateFromJD(jd);
  const double day = num::Round(date.day + date.fraction, 2);
  st.DateDay = day;
  st.DateMonth = date.month;
  st.YearOfDate = date.year;

  auto twoDigits = [](double value) {
    std::string s = Str(value);
    if (value < 10) s[0] = '0';
    if (s.size() > 2) s.erase(0, 1);
    return s;
  };
  st.DayText = twoDigits(day);
  st.MonthText = twoDigits(date.month);

  std::string year = num::CStr(date.year);
  if (date.year < 0) {
    while (year.size() < 5) year.insert(1, 1, '0');
  } else {
    while (year.size() < 4) year.insert(0, 1, '0');
  }
  st.YearTextPadded = year;
  st.ConjunctionJD = jd;
}

}  // namespace orvane
