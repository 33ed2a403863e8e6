#include "runs/year_start.h"

#include "calendar/holy_days.h"
#include "engine/numeric.h"
#include "runs/run_years.h"

namespace orvane::runs {

void StartRunYear(Engine& engine, const Place& place) {
  EphemerisState& st = engine.st;
  st.Longitude = place.longitude;
  st.Latitude = place.latitude;
  st.ZoneHours = place.zoneHours;
  engine.InitEphemeris();
  // The runs take the year's candidate lunation from + 0.282 of the year,
  // a little later than the holy-day report's + 0.277.
  st.YearStart = st.YearNumber + 0.282;
  st.LunationNumber = calendar::FirstLunationOfYear(st.YearStart);
}

std::vector<double> RunYears(double first, double last) {
  std::vector<double> years;
  for (double year = first; year <= last; year += 1) {
    if (year == 0) year = 1;  // there is no year 0
    years.push_back(year);
  }
  return years;
}

bool FirstMonthBeginsLater(Engine& engine) {
  EphemerisState& st = engine.st;
  // The sunset of the evening on which the crescent counts as seen, in
  // universal time: a doubtful evening on the low side counts the evening
  // after it.
  const double evening = st.Verdict == Visibility::ProbablyNotVisible ? st.EveningJD + 1 : st.EveningJD;
  st.EquinoxSunset = (st.SunsetOffset + 0.25) / 24 + evening + st.ZoneHours / 24;
  const bool later = calendar::EquinoxFallsAfterSunset(engine);
  if (engine.Writing()) {
    engine.WriteOutputLine("Vernal Equinox JD: " + num::CStr(num::Int(st.EquinoxJD * 1000) / 1000));
    engine.WriteOutputLine("    Visible New Moon JD: " + num::CStr(num::Int(st.EquinoxSunset * 1000) / 1000) +
                           st.LineEnd);
  }
  if (later) {
    engine.WriteOutputLine("Visible New Moon seen before vernal Equinox. Next month begins New Year." +
                           st.LineEnd + st.LineEnd);
    st.LunationNumber += 1;
  }
  return later;
}

void TellDateStated(Engine& engine, std::string_view label) {
  if (engine.dayRecorder == nullptr || !engine.Writing()) return;
  RecordedDay day;
  day.name = label;
  day.reportName = label;
  day.weekday = engine.st.WeekdayIndex;
  day.jd = engine.LastDateWrittenJD();
  engine.dayRecorder->DayStated(day);
}

}  // namespace orvane::runs
