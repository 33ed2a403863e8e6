// The moon's procedure of the evening test: the moon of positions.h, its
// equatorial place and the moonset of the evening.
#include <cmath>

#include "engine/engine.h"
#include "engine/numeric.h"
#include "engine/positions.h"

namespace orvane {

// Given Centuries (T), EveningJD, DeltaT (days), Latitude (radians),
// ZoneCorrection, MoonsetAdjust and the obliquity left by the sun; leaves the
// moon's mean elements, longitude and latitude (radians), parallax (degrees),
// declination (radians), right ascension (hours), the sidereal time at 0h of
// the evening (hours) and the moonset (hours after noon, local mean and zone
// clock time) with its whole hours and minutes.
void Engine::MoonPosition() {
  const LunarPosition moon = LunarPositionAt(st.Centuries);
  st.Moon = moon;
  const Equatorial place = EquatorialFromEcliptic(moon.longitude, moon.latitude, st.Sun.obliquity);
  st.MoonDeclination = place.declination;
  st.MoonRightAscension = place.rightAscension;
  // The moon sets when its centre is 0.7275 p - 34' high: parallax,
  // semidiameter and refraction (the altitude in radians stands for its
  // sine).  Held defined when the moon stays above (or below) the horizon
  // all day: 12 hours (or 0) instead of NaN.
  st.MoonHourAngle = HourAngleAtAltitude((0.7275 * moon.parallaxDeg - 0.5666667) * kRad, PlaceLatitude(),
                                         std::sin(place.declination), place.declination)
                         .hours;

  // Moonset.
  st.SiderealTime0 = SiderealTimeAt0h(st.EveningJD);
  double t = st.SiderealTime0 + 12 - st.MoonRightAscension - 0.065712 * st.DeltaT;
  t = t <= 0 ? -t : 24 - t;  // hours from noon to the moon's transit
  st.MoonTransit = t;
  double moonset = t + st.MoonHourAngle + st.MoonsetAdjust + 0.0241666666;
  if (moonset > 24) moonset -= 24;
  st.MoonsetTime = moonset;
  double clock = st.ZoneCorrection + moonset;
  if (clock > 24) clock -= 24;
  st.MoonsetClock = clock;
  st.MoonsetMinute = num::Int((clock - num::Int(clock)) * 60);
  st.MoonsetHour = num::Int(clock);
}

}  // namespace orvane
