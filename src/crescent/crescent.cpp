#include "crescent/crescent.h"

#include <array>
#include <cmath>
#include <string>

#include "engine/dates.h"
#include "engine/engine.h"
#include "engine/numeric.h"
#include "engine/positions.h"
#include "engine/trig.h"

namespace orvane::crescent {

namespace {

constexpr double kRefractionArcmin = 34;  // at the sea-level horizon, the almanacs' value
constexpr double kMinutesPerDay = 1440;
constexpr double kEarthFlattening = 0.99664719;       // polar over equatorial radius
constexpr double kSunSemiDiameterAtOneAU = 15.99383;  // arc minutes (959.63")

double Degrees(double radians) { return radians / kRad; }

// The angle between two places on the sphere (radians), well conditioned
// for the small arcs of a young crescent.
double ArcBetween(double ra1, double dec1, double ra2, double dec2) {
  const double x1 = std::cos(dec1) * std::cos(ra1), y1 = std::cos(dec1) * std::sin(ra1), z1 = std::sin(dec1);
  const double x2 = std::cos(dec2) * std::cos(ra2), y2 = std::cos(dec2) * std::sin(ra2), z2 = std::sin(dec2);
  const double cx = y1 * z2 - z1 * y2, cy = z1 * x2 - x1 * z2, cz = x1 * y2 - y1 * x2;
  return std::atan2(std::sqrt(cx * cx + cy * cy + cz * cz), x1 * x2 + y1 * y2 + z1 * z2);
}

struct Horizontal {
  double altitude = 0;  // radians
  double azimuth = 0;   // degrees from the north through the east
};

Horizontal HorizontalOf(double hourAngle, double declination, double latitude) {
  Horizontal h;
  h.altitude = AltitudeOf(hourAngle, declination, latitude);
  const double fromSouth = std::atan2(std::sin(hourAngle), std::cos(hourAngle) * std::sin(latitude) -
                                                               std::tan(declination) * std::cos(latitude));
  h.azimuth = num::Reduce(Degrees(fromSouth) + 180, 360);
  return h;
}

// A root of f between a (f > 0) and b (f <= 0), to a tenth of a second, by
// regula falsi with the Illinois step.
template <class F>
double SettingInstant(F f, double a, double fa, double b, double fb) {
  constexpr double kTenthSecond = 0.1 / 86400;
  int side = 0;
  for (int i = 0; i < 60 && std::fabs(b - a) > kTenthSecond; ++i) {
    const double c = b - fb * (b - a) / (fb - fa);
    const double fc = f(c);
    if (fc > 0) {
      a = c;
      fa = fc;
      if (side == -1) fb /= 2;
      side = -1;
    } else {
      b = c;
      fb = fc;
      if (side == 1) fa /= 2;
      side = 1;
    }
  }
  return fa == fb ? b : b - fb * (b - a) / (fb - fa);
}

// The first instant in (from, from + span] at which f falls from above 0 to
// 0 or below, sampled every `step` days; none when it does not.
template <class F>
std::optional<double> NextSetting(F f, double from, double span, double step) {
  double a = from;
  double fa = f(a);
  for (double t = from + step; t <= from + span + 1e-9; t += step) {
    const double ft = f(t);
    if (fa > 0 && ft <= 0) return SettingInstant(f, a, fa, t, ft);
    a = t;
    fa = ft;
  }
  return std::nullopt;
}

// The last such instant in [from - span, from).
template <class F>
std::optional<double> PreviousSetting(F f, double from, double span, double step) {
  double b = from;
  double fb = f(b);
  for (double t = from - step; t >= from - span - 1e-9; t -= step) {
    const double ft = f(t);
    if (ft > 0 && fb <= 0) return SettingInstant(f, t, ft, b, fb);
    b = t;
    fb = ft;
  }
  return std::nullopt;
}

// The upper limb on the sea-level horizon: positive while it is above.
double SunUpperLimb(const SkyAt& s) {
  return s.sunAltitude + (kRefractionArcmin + s.sunSemiDiameterArcmin) / 60;
}
double MoonUpperLimb(const SkyAt& s) {
  return s.moonAltitudeTopo + (kRefractionArcmin + s.semiDiameterTopoArcmin) / 60;
}

// The engine asks its host for nothing here: the year and the place are set.
class SilentEngineHost final : public EngineHost {
 public:
  std::string YearBoxText() const override { return {}; }
  void SetYearBoxText(const std::string&) override {}
  void Beep() override {}
};

// The engine's conjunction (UT) of the new moon nearest an instant.
double NearestConjunction(double jdUT) {
  SilentEngineHost host;
  Engine e(host);
  auto conjunction = [&e](double k) {
    e.st.LunationNumber = k;
    e.ComputeConjunction();
    double tt = e.st.ConjunctionJD;
    // The 40 minutes of Hezekiah's sign belong to the program's own
    // reckoning; the criteria place the sun and the moon in plain time.
    if (tt < kHezekiahJD) tt += 0.02778;
    return tt - e.st.DeltaT;
  };
  const double k = std::floor((jdUT - kMeanNewMoon1900JD) / kSynodicMonthDays);
  const double before = conjunction(k);
  const double after = conjunction(k + 1);
  const double earlier = conjunction(k - 1);
  double best = before;
  if (std::fabs(after - jdUT) < std::fabs(best - jdUT)) best = after;
  if (std::fabs(earlier - jdUT) < std::fabs(best - jdUT)) best = earlier;
  return best;
}

// The program's own test of the evening at the place: its visibility number and class.
void ProgramVerdict(CrescentEvening& evening) {
  SilentEngineHost host;
  Engine e(host);
  EphemerisState& st = e.st;
  st.ShowInMain = kFalse;
  st.FixedPlaceMode = kTrue;
  st.Longitude = -evening.place.longitudeDeg;  // the engine counts east negative
  st.Latitude = evening.place.latitudeDeg;
  st.ZoneHours = 12 + evening.place.zoneOffsetHours;
  e.InitEphemeris();
  // Delta T as the evenings of the lunation of the nearest conjunction take it.
  st.LunationNumber = std::round((evening.conjunctionJD - kMeanNewMoon1900JD) / kSynodicMonthDays);
  e.ComputeConjunction();
  st.EveningJD = evening.dayJD;
  evening.orvaneClass = e.TestSingleEvening();
  evening.orvaneNumber = st.VisibilityNumber;
}

struct Core {
  EveningKind kind = EveningKind::Crescent;
  std::optional<double> sunset, moonset, lag, best;
  double conjunction = 0;
  std::optional<SkyAt> sky;  // at the best time, or at sunset
};

Core EveningCore(double dayJD, const Observer& place) {
  Core core;
  auto sunLimb = [&place](double t) { return SunUpperLimb(SkyFor(t, place)); };
  auto moonLimb = [&place](double t) { return MoonUpperLimb(SkyFor(t, place)); };
  const double localNoon = dayJD - place.longitudeDeg / 360;
  core.sunset = NextSetting(sunLimb, localNoon, 1.0, 1.0 / 24);
  if (!core.sunset) {
    core.conjunction = NearestConjunction(localNoon + 0.25);
    core.kind = EveningKind::SunDoesNotSet;
    return core;
  }
  const double ts = *core.sunset;
  core.conjunction = NearestConjunction(ts);
  // A moon that is up at sunset sets after it; one that is down set before it.
  constexpr double kMoonStep = 1.0 / 72;  // 20 minutes
  if (moonLimb(ts) > 0) {
    core.moonset = NextSetting(moonLimb, ts, 25.0 / 24, kMoonStep);
  } else {
    core.moonset = PreviousSetting(moonLimb, ts, 25.0 / 24, kMoonStep);
  }
  if (core.moonset) core.lag = (*core.moonset - ts) * kMinutesPerDay;

  if (core.conjunction > ts) {
    core.kind = EveningKind::BeforeConjunction;
  } else if (!core.moonset) {
    core.kind = EveningKind::MoonDoesNotSet;
  } else if (*core.lag <= 0) {
    core.kind = EveningKind::MoonSetsFirst;
  } else {
    core.best = ts + 4.0 / 9.0 * (*core.moonset - ts);
  }
  core.sky = SkyFor(core.best ? *core.best : ts, place);
  return core;
}

}  // namespace

SkyAt SkyFor(double jdUT, const Observer& place) {
  const double T = CenturiesSince1900(jdUT + DeltaTDays(CenturiesSince1900(jdUT)));
  const SolarPosition sun = SolarPositionAt(T, NutationAndAberration::Applied);
  const Equatorial sunEq = EquatorialFromEcliptic(sun.longitude, 0, sun.obliquity);
  const LunarPosition moon = LunarPositionAt(T);
  const Equatorial moonEq = EquatorialFromEcliptic(moon.longitude, moon.latitude, sun.obliquity);

  // Local sidereal time from the Greenwich sidereal time of the day's 0h.
  const double noon = std::floor(jdUT - 0.5);
  const double hoursSinceMidnight = (jdUT - (noon + 0.5)) * 24;
  const double localSidereal =
      SiderealTimeAt0h(noon) + hoursSinceMidnight * kSiderealRate + place.longitudeDeg / 15;
  const double latitude = place.latitudeDeg * kRad;

  SkyAt s;
  const double sunRA = sunEq.rightAscension / kHoursPerRadian;
  const double moonRA = moonEq.rightAscension / kHoursPerRadian;
  const Horizontal sunH = HorizontalOf(localSidereal / kHoursPerRadian - sunRA, sunEq.declination, latitude);
  s.sunAltitude = Degrees(sunH.altitude);
  s.sunAzimuth = sunH.azimuth;
  // The earth's distance from the sun from the eccentricity and the true anomaly.
  const double e = sun.eccentricity;
  const double distance =
      1.000001018 * (1 - e * e) / (1 + e * std::cos(sun.meanAnomaly + sun.equationOfCentre));
  s.sunSemiDiameterArcmin = kSunSemiDiameterAtOneAU / distance;

  const double moonHourAngle = localSidereal / kHoursPerRadian - moonRA;
  const Horizontal moonH = HorizontalOf(moonHourAngle, moonEq.declination, latitude);
  s.moonAltitude = Degrees(moonH.altitude);
  s.moonAzimuth = moonH.azimuth;
  s.elongation = Degrees(ArcBetween(sunRA, sunEq.declination, moonRA, moonEq.declination));

  // The moon from the place on the sea-level surface of the spheroid.
  const double sinParallax = std::sin(moon.parallaxDeg * kRad);
  const double u = std::atan(kEarthFlattening * std::tan(latitude));
  const double rhoSin = kEarthFlattening * std::sin(u);
  const double rhoCos = std::cos(u);
  const double denominator = std::cos(moonEq.declination) - rhoCos * sinParallax * std::cos(moonHourAngle);
  const double shift = std::atan2(-rhoCos * sinParallax * std::sin(moonHourAngle), denominator);
  const double topoDeclination =
      std::atan2((std::sin(moonEq.declination) - rhoSin * sinParallax) * std::cos(shift), denominator);
  const Horizontal topo = HorizontalOf(moonHourAngle - shift, topoDeclination, latitude);
  s.moonAltitudeTopo = Degrees(topo.altitude);
  s.moonAzimuthTopo = topo.azimuth;
  s.elongationTopo = Degrees(ArcBetween(sunRA, sunEq.declination, moonRA + shift, topoDeclination));

  s.parallaxDeg = moon.parallaxDeg;
  s.semiDiameterArcmin = 0.27245 * moon.parallaxDeg * 60;
  s.semiDiameterTopoArcmin = s.semiDiameterArcmin * (1 + std::sin(moonH.altitude) * sinParallax);
  return s;
}

double YallopQ(double arcvDeg, double widthArcmin) {
  const double w = widthArcmin;
  return (arcvDeg - (11.8371 - 6.3226 * w + 0.7319 * w * w - 0.1018 * w * w * w)) / 10;
}

YallopClass YallopClassOf(double q) {
  if (q > 0.216) return YallopClass::A;
  if (q > -0.014) return YallopClass::B;
  if (q > -0.160) return YallopClass::C;
  if (q > -0.232) return YallopClass::D;
  if (q > -0.293) return YallopClass::E;
  return YallopClass::F;
}

double OdehV(double arcvDeg, double widthArcmin) {
  const double w = widthArcmin;
  return arcvDeg - (-0.1018 * w * w * w + 0.7319 * w * w - 6.3226 * w + 7.1651);
}

OdehZone OdehZoneOf(double v) {
  if (v >= 5.65) return OdehZone::A;
  if (v >= 2.00) return OdehZone::B;
  if (v >= -0.96) return OdehZone::C;
  return OdehZone::D;
}

char Letter(YallopClass c) { return static_cast<char>('A' + static_cast<int>(c)); }
char Letter(OdehZone z) { return static_cast<char>('A' + static_cast<int>(z)); }

namespace {

// The words of each class, zone, verdict and kind, in the order of the enums.
constexpr std::array<std::string_view, 6> kYallopMeanings = {"easily visible",
                                                             "visible under perfect conditions",
                                                             "may need optical aid to find the crescent",
                                                             "will need optical aid to find the crescent",
                                                             "not visible with a telescope",
                                                             "not visible, below the Danjon limit"};
constexpr std::array<std::string_view, 4> kOdehMeanings = {
    "visible by naked eye", "visible by optical aid, could be seen by naked eye",
    "visible by optical aid only", "not visible even by optical aid"};
constexpr std::array<std::string_view, 4> kVisibilityMeanings = {"not visible", "probably not visible",
                                                                 "probably visible", "visible"};
constexpr std::array<std::string_view, 5> kKindTexts = {"", "before conjunction", "moon sets first",
                                                        "moon does not set", "sun does not set"};

template <std::size_t N, typename Enum>
std::string_view WordsOf(const std::array<std::string_view, N>& words, Enum value) {
  const auto index = static_cast<std::size_t>(value);
  return index < N ? words[index] : std::string_view();
}

}  // namespace

std::string_view Meaning(YallopClass c) { return WordsOf(kYallopMeanings, c); }
std::string_view Meaning(OdehZone z) { return WordsOf(kOdehMeanings, z); }
std::string_view Meaning(Visibility v) { return WordsOf(kVisibilityMeanings, v); }
std::string_view KindText(EveningKind kind) { return WordsOf(kKindTexts, kind); }

std::string YallopText(const CrescentEvening& e) {
  return e.yallopClass ? std::string(1, Letter(*e.yallopClass)) : std::string(KindText(e.kind));
}

std::string OdehText(const CrescentEvening& e) {
  return e.odehZone ? std::string(1, Letter(*e.odehZone)) : std::string(KindText(e.kind));
}

CrescentEvening EvaluateEvening(int year, int month, int day, const Observer& place) {
  return EvaluateEvening(JulianDayFromDate(day, month, AstronomicalYear(year)), place);
}

namespace {

// The evening and its criteria, without the program's own number.
CrescentEvening CriteriaOfEvening(double dayJD, const Observer& place) {
  CrescentEvening e;
  e.dayJD = dayJD;
  e.place = place;
  const Core core = EveningCore(dayJD, place);
  e.kind = core.kind;
  e.sunsetJD = core.sunset;
  e.moonsetJD = core.moonset;
  e.lagMinutes = core.lag;
  e.conjunctionJD = core.conjunction;
  e.bestTimeJD = core.best;
  const double at = core.best ? *core.best : core.sunset.value_or(dayJD);
  e.ageHours = (at - core.conjunction) * 24;
  if (!core.sky) return e;
  const SkyAt& s = *core.sky;
  e.arcl = s.elongation;
  e.arclTopo = s.elongationTopo;
  e.arcv = s.moonAltitude - s.sunAltitude;
  e.arcvTopo = s.moonAltitudeTopo - s.sunAltitude;
  e.daz = std::remainder(s.sunAzimuth - s.moonAzimuth, 360.0);
  // The crescent's width: the topocentric semi-diameter times 1 - cos of the arc of light.
  e.widthArcmin = s.semiDiameterTopoArcmin * (1 - std::cos(s.elongation * kRad));
  e.widthTopoArcmin = s.semiDiameterTopoArcmin * (1 - std::cos(s.elongationTopo * kRad));
  if (!core.best) return e;
  e.yallopQ = YallopQ(*e.arcv, *e.widthArcmin);
  e.yallopClass = YallopClassOf(*e.yallopQ);
  e.odehV = OdehV(*e.arcvTopo, *e.widthTopoArcmin);
  e.odehZone = OdehZoneOf(*e.odehV);
  return e;
}

}  // namespace

CrescentEvening EvaluateEvening(double dayJD, const Observer& place) {
  CrescentEvening e = CriteriaOfEvening(dayJD, place);
  ProgramVerdict(e);
  return e;
}

CriteriaVerdict EvaluateCriteria(double dayJD, const Observer& place) {
  const CrescentEvening e = CriteriaOfEvening(dayJD, place);
  return {e.kind, e.yallopClass, e.odehZone};
}

}  // namespace orvane::crescent
