#include "calendar/biblical_date.h"

#include "calendar/holy_days.h"
#include "engine/numeric.h"

namespace orvane::calendar {

double BiblicalDateToJD(Engine& engine, int month, int day, double creationYear) {
  EphemerisState& st = engine.st;
  double jd = 0;
  {
    const SavedRunFlags saved(st);
    st.YearShifted = kFalse;
    st.ConversionMode = kTrue;  // InitEphemeris leaves the year box alone
    st.FirstLunation = 0;
    st.YearNumber = creationYear - 4004;
    if (st.YearNumber <= 0) st.YearNumber -= 1;  // there is no year 0

    // The year's first lunation, silently.
    st.ShowInMain = kFalse;
    st.ShowInConversion2 = kFalse;
    st.RunName = "HolyDays";
    ComputeHolyDays(engine);

    // The month's new moon.  Its table reaches the criteria box while the
    // conversion window has opened it (ShowInConversion), and nothing else.
    st.ShowInConversion2 = kTrue;
    st.RunName = "LocalMoons";
    st.MonthStartJD = 0;
    // A shifted year begins with the late-harvest month, one lunation on.
    st.LunationNumber = month + st.FirstLunation - 1 + (st.YearShifted != 0 ? 1 : 0);
    engine.FindNewMoon();
    jd = day + st.MonthStartJD - 1.5;
  }
  // Joshua's long day lasted two civil days: from then on through the rest
  // of the window the civil count is one day ahead.
  if (jd >= kLongDayFirstJD && jd <= kLongDayLastJD) jd += 1;
  if (jd == kLongDayLastJD + 1 && day == 0) jd -= 1;
  return jd;
}

BiblicalDate JDToBiblicalDate(Engine& engine, double jd) {
  EphemerisState& st = engine.st;
  if (jd >= kLongDayFirstJD && jd <= kLongDayLastJD) jd -= 1;

  // Start two years before the Gregorian year of the day and move forward.
  st.ConvertJD = jd;
  engine.JulianDayToDateText();
  st.YearNumber = num::Val(st.YearTextPadded);
  if (num::Val(st.MonthText) < 3) st.YearNumber -= 1;
  BiblicalDate date;
  date.creationYear = st.YearNumber > 0 ? st.YearNumber + 4004 : st.YearNumber + 4003;
  date.creationYear -= 2;

  // The last year whose first day is on or before the day.
  double probe = jd - 1000;
  while (probe <= jd) {
    date.creationYear += 1;
    probe = BiblicalDateToJD(engine, 1, 1, date.creationYear);
  }
  date.creationYear -= 1;

  // The last month of that year whose first day is on or before the day.
  int month = 0;
  probe = 0;
  while (probe <= jd) {
    month += 1;
    probe = BiblicalDateToJD(engine, month, 1, date.creationYear);
  }
  month -= 1;
  probe = BiblicalDateToJD(engine, month, 1, date.creationYear);
  date.month = month;
  date.day = num::CInt(jd - probe + 1);

  // A thirteenth month may be the next year's first when that year begins
  // one lunation late (an early harvest would have begun it here).
  st.ThirteenthMonthFlag = kFalse;
  if (month == 13) {
    BiblicalDateToJD(engine, 1, 1, date.creationYear + 1);
    if (st.YearShifted != 0) st.ThirteenthMonthFlag = kTrue;
  }
  return date;
}

}  // namespace orvane::calendar
