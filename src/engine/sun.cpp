// The sun's procedures of the evening test: the sunset of an evening and the
// sun's altitude at moonset, over the apparent sun of positions.h.
#include <bit>
#include <cstdint>

#include "engine/engine.h"
#include "engine/numeric.h"
#include "engine/positions.h"
#include "engine/sunset.h"
#include "engine/trig.h"

namespace orvane {

const ObserverLatitude& Engine::PlaceLatitude() {
  if (std::bit_cast<std::uint64_t>(latitude_.radians) != std::bit_cast<std::uint64_t>(st.Latitude)) {
    latitude_ = ObserverLatitudeOf(st.Latitude);
  }
  return latitude_;
}

void Engine::SunPositionAndSunset() {
  const SolarPosition sun = SolarPositionAt(st.Centuries, NutationAndAberration::Applied);
  st.Sun = sun;
  if (st.EquinoxGap != 0) return;  // the equinox rule needs only the longitude

  const Sunset sunset = SunsetOf(sun, PlaceLatitude(), st.ZoneCorrection, st.SunsetAdjust);
  st.SunDeclination = sunset.declination;
  st.SunCosHourAngle = sunset.cosHourAngle;
  st.SunsetOffset = sunset.offsetHours;
  st.SunsetTime = sunset.clockHours;
  st.SunsetMinute = sunset.minute;
  st.SunsetHour = sunset.hour;

  if (!Writing()) return;
  std::string cell = st.TableMode != 0 ? "" : "   ";
  std::string hourText = num::Str(st.SunsetHour);
  if (st.SunsetHour < 10) hourText.insert(0, 1, ' ');
  cell += hourText + (st.SunsetMinute < 10 ? ":0" : ":") + num::Str(st.SunsetMinute).substr(1);
  WriteOutputLine(cell);
}

void Engine::SunAltitudeAtMoonset() {
  const SolarPosition sun = SolarPositionAt(st.Centuries, NutationAndAberration::Applied);
  st.Sun = sun;
  const Equatorial place = EquatorialFromEcliptic(sun.longitude, 0, sun.obliquity);
  st.SunDeclination = place.declination;
  st.SunRightAscension = place.rightAscension;

  const double H =
      ((st.MoonsetClock + 12) * kSiderealRate + st.SiderealTime0 - st.ZoneCorrection - st.SunRightAscension) /
      kHoursPerRadian;
  st.SunHourAngleAtMoonset = H;
  // The 1.75 degrees raise every value alike; the visibility number is
  // calibrated on the raised altitude.
  double h = AltitudeOf(H, st.SunDeclination, PlaceLatitude()) / st.Rad + 1.75;
  h = num::Int(h * 10000) / 10000;
  st.SunAltitudeAtMoonsetDeg = h;
  WriteOutputLine("      " + FormatFigure(h, 4));
}

}  // namespace orvane
