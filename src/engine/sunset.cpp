#include "engine/sunset.h"

#include <cmath>

#include "engine/ephemeris_state.h"
#include "engine/numeric.h"
#include "engine/trig.h"

namespace orvane {

double EveningCenturies(double eveningJD, double longitudeTurns, double deltaT) {
  const double sixHours = eveningJD < kHezekiahJD ? 0.2222 : 0.25;
  return CenturiesSince1900((eveningJD + longitudeTurns + sixHours) + deltaT);
}

Sunset SunsetOf(const SolarPosition& sun, const ObserverLatitude& latitude, double zoneCorrection,
                double sunsetAdjust) {
  Sunset s;
  s.declination = ArcSine(sun.sinDeclination);
  const HourAngle h = HourAngleAtAltitude(kSunsetAltitudeSine, latitude, sun.sinDeclination, s.declination);
  s.cosHourAngle = h.cosine;
  s.offsetHours = h.hours - sun.equationOfTime;
  s.clockHours = zoneCorrection + s.offsetHours + sunsetAdjust + 0.00833333333;
  s.minute = num::Int((s.clockHours - num::Int(s.clockHours)) * 60);
  s.hour = num::Int(s.clockHours);
  return s;
}

Sunset EveningSunset(const RunPlace& place, double eveningJD, double deltaT) {
  const double T = EveningCenturies(eveningJD, place.longitudeTurns, deltaT);
  const SolarPosition sun = SolarPositionAt(T, NutationAndAberration::Applied);
  return SunsetOf(sun, ObserverLatitudeOf(place.latitudeRadians), place.zoneCorrection,
                  place.sunsetAdjustHours);
}

RecordedClock ClockAfterNoon(double hour, double minute) {
  return RecordedClock{true, num::Reduce(hour + 12, 24), minute};
}

RecordedClock SunsetBeginning(const RunPlace& place, const RecordedDay& day) {
  // As the conjunction of the lunation sets Delta T for the month's evenings.
  const double deltaT = DeltaTDays(day.lunation / kLunationsPerCentury);
  const Sunset s = EveningSunset(place, day.jd - 1, deltaT);
  return ClockAfterNoon(s.hour, s.minute);
}

}  // namespace orvane
