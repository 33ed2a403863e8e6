#include "runs/sunsets.h"

#include <string>

#include "engine/numeric.h"
#include "engine/sunset.h"

namespace orvane::runs {

namespace {

// A Gregorian table covers 4 x 92 = 368 days, a Biblical one 4 x 108 = 432.
constexpr double kGregorianRows = 91, kGregorianStep = 92;
constexpr double kBiblicalRows = 107, kBiblicalStep = 108;

}  // namespace

void ListSunsets(Engine& engine, TablesHost& host) {
  EphemerisState& st = engine.st;
  st.YearInt = num::CInt(num::Val(host.YearBoxText()));
  if (host.UserDataUnsaved()) host.SaveUserData();
  st.TableMode = kTrue;
  st.LocalMode = kTrue;
  host.ReadCoordinates();
  engine.InitEphemeris();

  // The table's first day; the local new-moon run of a Biblical year leaves
  // the place converted for the engine.
  const bool gregorian = StartTableYear(engine, host);
  const double rows = gregorian ? kGregorianRows : kBiblicalRows;
  const double step = gregorian ? kGregorianStep : kBiblicalStep;
  st.LocalMode = kTrue;
  if (engine.dayRecorder != nullptr) {
    RecordedRun report = RecordedRunOf(st, ReportKind::Sunsets);
    report.gregorian = host.GregorianYearTicked();
    engine.dayRecorder->ReportStarted(report);
  }
  st.TableMode = kFalse;  // the title's year carries its era
  engine.WriteOutputLine(engine.YearText(st.YearNumber) + " CALCULATED SUNSETS" + st.LineEnd);
  st.TableMode = kTrue;
  host.WriteLocationCaption();
  engine.WriteOutputLine("Times do not reflect changes in 'Daylight Saving Time'" + st.LineEnd);
  engine.WriteOutputLine(std::string(88, '_') + st.LineEnd);
  // The first sunset is the one that begins the table's first day.
  st.EveningJD = st.MonthStartJD - 1;
  const double start = st.EveningJD;
  host.SetSunsetEnabled(false);

  for (st.PrintJD = start; st.PrintJD <= start + rows;) {
    const double linePrintJD = st.PrintJD;
    const double lineEveningJD = st.EveningJD;
    for (int column = 1; column <= 4; ++column) {
      // Delta T is the year's: that of its first month for a Biblical year,
      // its own for a Gregorian one (see StartTableYear).
      st.Centuries = EveningCenturies(st.EveningJD, st.Longitude, st.DeltaT);
      engine.WriteDate();
      engine.SunPositionAndSunset();
      if (engine.dayRecorder != nullptr)
        engine.dayRecorder->SunsetListed(st.PrintJD, st.SunsetHour, st.SunsetMinute);
      engine.WriteOutputLine("PM    ");
      st.PrintJD += step;
      st.EveningJD += step;
    }
    engine.WriteOutputLine(st.LineEnd);
    st.EveningJD = lineEveningJD + 1;
    st.PrintJD = linePrintJD + 1;
  }

  if (engine.dayRecorder != nullptr) engine.dayRecorder->ReportFinished();
  host.SetSunsetEnabled(true);
  st.TableMode = kFalse;
  st.LocalMode = kFalse;
}

}  // namespace orvane::runs
