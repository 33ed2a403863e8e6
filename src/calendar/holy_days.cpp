#include "calendar/holy_days.h"

#include <cmath>
#include <string>

#include "engine/numeric.h"

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

bool EquinoxFallsAfterSunset(Engine& e) {
  EphemerisState& st = e.st;
  st.EquinoxYear = Int(st.YearNumber);
  st.EquinoxJD = MarchEquinoxJD(st.YearNumber);
  const double gap = std::fabs(st.EquinoxJD - st.EquinoxSunset);
  if (gap < 1) {
    // Close to the sighting: refine the equinox by the sun's apparent
    // longitude (58 days per radian of longitude).
    st.EquinoxGap = gap != 0 ? gap : 1e-12;  // nonzero: TestEvening only places the sun
    st.Centuries = (st.EquinoxJD - 2415020) / 36525;
    if (st.EquinoxJD < kHezekiahJD) st.Centuries -= 7.6e-07;  // 40 minutes earlier before Hezekiah's sign
    e.TestEvening();
    st.EquinoxJD = st.EquinoxJD + 58 * std::sin(-st.SunLongitude);
    st.EquinoxGap = 0;
  }
  return st.EquinoxJD > st.EquinoxSunset;
}

namespace {

// "This may be Year 6028 After Creation." and, from the first Jubilee on, the
// Jubilee (every 50th year from Creation year 2544) and Sabbatical lines.
void WriteCreationYearNotes(Engine& e) {
  EphemerisState& st = e.st;
  e.WriteOutputLine("This may be Year" + num::Str(st.CreationYear) + " After Creation. " + st.LineEnd);
  if (st.CreationYear < 2496 || st.CreationYear > 10000) return;
  const double J = (st.CreationYear - 2544) / 50;
  const std::int32_t r = num::Mod(num::CLng(st.CreationYear - 2544 - 49 - Int(J)), 7);
  const bool jubilee = J == Int(J);
  if (jubilee) {
    const long n = static_cast<long>(J + 1);
    e.WriteOutputLine("This may be the" + num::Str(static_cast<double>(n)) + std::string(OrdinalSuffix(n)) + " " +
                      "Jubilee (Yobel) Year." + st.LineEnd);
  }
  if (r == 0 && !jubilee) e.WriteOutputLine("This may be a Sabbatical (Shemittah) Year." + st.LineEnd);
}

void WriteLabelledDay(Engine& e, const char* label) {
  e.WriteOutputLine(label);
  e.WriteDayAndDate();
}

}  // namespace

void ComputeHolyDays(Engine& e) {
  EphemerisState& st = e.st;
  e.InitEphemeris();
  st.CreationYear = st.YearNumber >= 0 ? st.YearNumber + 4004 : st.YearNumber + 4005;
  const bool east = st.EveningFlag == "Y";
  if (east) {
    e.WriteOutputLine("These Holy Day dates are corrected (delayed one day) for the" + st.LineEnd);
    e.WriteOutputLine("region east of Israel and west of the International Date Line." + st.LineEnd);
  } else {
    e.WriteOutputLine("These Holy Day dates are for Israel and regions westward to the International Date Line." +
                      st.LineEnd);
  }
  WriteCreationYearNotes(e);
  e.WriteOutputLine(st.LineEnd);

  st.YearStart = st.YearNumber + 0.277;
  st.LunationNumber = FirstLunationOfYear(st.YearStart);

  for (;;) {
    // The first month: its crescent must be seen on or after the March equinox.
    e.FindNewMoon();
    // The sunset of the last evening tested, as a JD in universal time.
    st.EquinoxSunset = (st.PrintJD - 1) + (st.SunsetOffset + 0.25) / 24 + st.ZoneHours / 24;
    if (!EquinoxFallsAfterSunset(e)) {
      st.BarleyEarly = kFalse;
    } else {
      st.YearShifted = kTrue;
      e.WriteOutputLine("If the barley harvest is early, this New Moon will begin the New Year. " + st.LineEnd);
      st.BarleyEarly = kTrue;
    }
    if (st.FirstLunation == 0) st.FirstLunation = st.LunationNumber;
    if (st.Verdict == 1) {
      e.WriteOutputLine("Abib 1, Passover sacrifice and Feast of Unleavened Bread are possibly one day earlier." +
                        st.LineEnd);
    }
    if (st.Verdict == 2) {
      e.WriteOutputLine("Abib 1, Passover sacrifice and Feast of Unleavened Bread are possibly one day later." +
                        st.LineEnd);
    }

    // Spring.
    WriteLabelledDay(e, "Abib 1 is");
    st.PrintJD += 13;
    WriteLabelledDay(e, "The Passover sacrifice is");
    st.PrintJD += 1;
    WriteLabelledDay(e, "The Feast of Unleavened Bread goes from ");
    st.PrintJD += 6;
    WriteLabelledDay(e, "to");

    // The Wave Offering is the Sunday within Unleavened Bread; Pentecost is
    // seven weeks later.  East of Israel both fall on the Monday.
    int w = st.WeekdayIndex;  // of Abib 21
    if (!east) {
      e.WriteOutputLine("The Wave Offering (the First-fruit) is Sunday, ");
      st.PrintJD = st.PrintJD + (7 - w) - 7;
      e.WriteDate();
      e.WriteOutputLine("First-fruits  (Pentecost) is Sunday, ");
      st.PrintJD += 49;
      e.WriteDate();
    } else {
      e.WriteOutputLine("The Wave Offering (the First-fruit) is Monday, ");
      w -= 1;
      if (w < 0) w = 6;
      st.PrintJD = st.PrintJD + (7 - w) - 6;
      e.WriteDate();
      e.WriteOutputLine("First-fruits  (Pentecost) is Monday, ");
      st.PrintJD += 50;
      e.WriteDate();
    }
    if (w == 6 && st.Verdict == 2) {
      e.WriteOutputLine("If Abib 1 is later then Wave Offering and Pentecost are one week later." + st.LineEnd);
    }
    if (w == 0 && st.Verdict == 1) {
      e.WriteOutputLine("If Abib 1 is earlier then Wave Offering and Pentecost are one week earlier." + st.LineEnd);
    }

    // Autumn: the seventh month.
    st.LunationNumber += 6;
    e.FindNewMoon();
    if (st.Verdict == 1) e.WriteOutputLine("The following Holy Days could be one day earlier:" + st.LineEnd);
    if (st.Verdict == 2) e.WriteOutputLine("The following Holy Days could be one day later:" + st.LineEnd);
    WriteLabelledDay(e, "Feast of Trumpets is");
    st.PrintJD += 9;
    WriteLabelledDay(e, "The Day of Atonement is");
    st.PrintJD += 5;
    WriteLabelledDay(e, "The Feast of Tabernacles (Ingathering) goes from");
    st.PrintJD += 6;
    WriteLabelledDay(e, "to");
    st.PrintJD += 1;
    WriteLabelledDay(e, "The Great Last Day is");

    if (st.BarleyEarly == kFalse) break;
    e.WriteOutputLine(st.LineEnd);
    e.WriteOutputLine("For a year with a late spring barley harvest, God's Holy Days are:" + st.LineEnd);
    st.LunationNumber -= 5;  // the lunation after the first candidate
  }
}

void ListMonthStarts(Engine& e, const std::function<void()>& writeLocationCaption) {
  EphemerisState& st = e.st;
  st.MonthStartJD = 0;
  e.InitEphemeris();
  e.WriteOutputLine(e.YearText(st.YearNumber) + " CALCULATED NEW MOONS");
  const bool jerusalem = st.LocalMode == 0;
  if (jerusalem) {
    e.WriteOutputLine("(Jerusalem)" + st.LineEnd);
    if (st.EveningFlag == "Y") {
      e.WriteOutputLine("The Month Start dates are corrected (delayed one day)" + st.LineEnd);
      e.WriteOutputLine("for the region east of Israel and west of the International Date Line." + st.LineEnd);
    } else {
      e.WriteOutputLine("These dates are for Israel and regions westward to the International Date Line." +
                        st.LineEnd);
    }
  } else {
    e.WriteOutputLine(st.LineEnd);
    if (writeLocationCaption) writeLocationCaption();
  }
  st.YearStart = st.YearNumber + 0.277;
  st.LunationNumber = FirstLunationOfYear(st.YearStart);
  for (int month = 0; month < 14; ++month) {
    e.FindNewMoon();
    if (jerusalem) {
      if (st.Verdict == 2) {
        e.WriteOutputLine("First Day of Month is (possibly one day later)");
      } else if (st.Verdict == 3) {
        e.WriteOutputLine("First Day of Month is");
      } else {
        e.WriteOutputLine("First Day of Month is (possibly one day earlier)");
      }
      e.WriteDayAndDate();
    }
    e.WriteOutputLine(st.LineEnd);
    st.LunationNumber += 1;
  }
}

}  // namespace orvane::calendar
