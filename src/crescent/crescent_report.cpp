#include "crescent/crescent_report.h"

#include <cmath>

#include "engine/dates.h"
#include "engine/numeric.h"

namespace orvane::crescent {

namespace {

// Whether a text is an optional leading minus (when `sign`) and 1..maxDigits digits.
bool Digits(const std::string& text, std::size_t maxDigits, bool sign) {
  std::size_t i = sign && !text.empty() && text[0] == '-' ? 1 : 0;
  const std::size_t count = text.size() - i;
  if (count == 0 || count > maxDigits) return false;
  for (; i < text.size(); ++i) {
    if (text[i] < '0' || text[i] > '9') return false;
  }
  return true;
}

std::string Quoted(const std::string& text) { return "'" + text + "'"; }

struct ClockParts {
  CivilDate date;
  long long hours = 0, minutes = 0, seconds = 0;
};

// The date and time of an instant, rounded to `unitSeconds` (1 or 60).
ClockParts ClockOf(double jd, int unitSeconds) {
  const double units = std::round((jd + 0.5 - std::floor(jd + 0.5)) * 86400 / unitSeconds);
  double day = std::floor(jd + 0.5);
  long long total = static_cast<long long>(units) * unitSeconds;
  if (total >= 86400) {
    total -= 86400;
    day += 1;
  }
  ClockParts c;
  c.date = DateFromJD(day);
  c.hours = total / 3600;
  c.minutes = total / 60 % 60;
  c.seconds = total % 60;
  return c;
}

std::string PadLeft(std::string text, std::size_t width) {
  if (text.size() < width) text.insert(0, width - text.size(), ' ');
  return text;
}

std::string PadRight(std::string text, std::size_t width) {
  if (text.size() < width) text.append(width - text.size(), ' ');
  return text;
}

std::string Signed(double value, int decimals) {
  const std::string text = num::Fixed(value, decimals);
  return text[0] == '-' ? text : "+" + text;
}

std::string OrDash(const std::optional<double>& value, int decimals, bool sign = false) {
  if (!value) return "-";
  return sign ? Signed(*value, decimals) : num::Fixed(*value, decimals);
}

std::string ZoneText(double offset) {
  return "UTC" + std::string(offset < 0 ? "-" : "+") + num::CStr(std::fabs(offset));
}

}  // namespace

bool ParseDate(const std::string& text, Date& date, std::string& error) {
  const std::size_t first = text.find('-', 1);
  const std::size_t second = first == std::string::npos ? first : text.find('-', first + 1);
  const bool shaped = second != std::string::npos && Digits(text.substr(0, first), 4, true) &&
                      Digits(text.substr(first + 1, second - first - 1), 2, false) &&
                      Digits(text.substr(second + 1), 2, false);
  if (!shaped) {
    error = "must be a date YEAR-MONTH-DAY such as 2024-4-9 (BCE years negative), not " + Quoted(text);
    return false;
  }
  date.year = static_cast<int>(num::Val(text.substr(0, first)));
  date.month = static_cast<int>(num::Val(text.substr(first + 1, second - first - 1)));
  date.day = static_cast<int>(num::Val(text.substr(second + 1)));
  if (date.year == 0 || date.year < -4004 || date.year > 9999) {
    error = "must be a date of the years -4004 to 9999, without 0 (-1 is 1 BCE), not " + Quoted(text);
    return false;
  }
  // A day of the calendar comes back unchanged from its day number; 30
  // February or month 13 runs on into another date.
  const CivilDate back = DateFromJD(DayJD(date));
  if (back.day != date.day || back.month != date.month || back.year != date.year) {
    error = "must be a day of the Gregorian calendar, not " + Quoted(text);
    return false;
  }
  return true;
}

double DayJD(const Date& d) { return JulianDayFromDate(d.day, d.month, AstronomicalYear(d.year)); }

std::string DateText(double dayJD) {
  const CivilDate d = DateFromJD(dayJD);
  return num::CStr(d.year) + "-" + num::ZeroPadded(static_cast<long long>(d.month), 2) + "-" +
         num::ZeroPadded(static_cast<long long>(d.day), 2);
}

std::string IsoInstant(double jd) {
  const ClockParts c = ClockOf(jd, 1);
  return IsoDateText(c.date) + "T" + num::ZeroPadded(c.hours, 2) + ":" + num::ZeroPadded(c.minutes, 2) + ":" +
         num::ZeroPadded(c.seconds, 2) + "Z";
}

std::string IsoDate(double dayJD) { return IsoDateText(DateFromJD(dayJD)); }

std::string ClockText(double jd, double zoneHours) {
  const ClockParts c = ClockOf(jd + zoneHours / 24, 60);
  return num::ZeroPadded(c.hours, 2) + ":" + num::ZeroPadded(c.minutes, 2);
}

// The table of the evenings, then the verdict of each in words.
std::string CrescentTable(const std::vector<CrescentEvening>& evenings, const PlaceLabel& place) {
  const double zone = place.zoneOffset;
  std::string out = "Crescent visibility at " + (place.name.empty() ? std::string() : place.name + ", ") +
                    place.coordinates + "; times on the zone clock, " + ZoneText(zone) + "\n";
  double lastConjunction = 0;
  for (const CrescentEvening& e : evenings) {
    if (e.conjunctionJD == lastConjunction) continue;
    lastConjunction = e.conjunctionJD;
    out += "New moon (conjunction): " + DateText(std::floor(e.conjunctionJD + zone / 24 + 0.5)) + " " +
           ClockText(e.conjunctionJD, zone) + " (" + IsoInstant(e.conjunctionJD) + ")\n";
  }
  out += "\n";
  struct Column {
    const char* heading;
    std::size_t width;
  };
  static constexpr Column kColumns[] = {
      {"Evening", 11}, {"Sunset", 6}, {"Moonset", 7}, {"Lag", 5},    {"Best", 5}, {"Age h", 6}, {"ARCL", 6},
      {"ARCL'", 6},    {"ARCV", 6},   {"ARCV'", 6},   {"DAZ", 6},    {"W'", 5},   {"W", 5},     {"q", 7},
      {"Y", 1},        {"V", 6},      {"O", 1},       {"Number", 7}, {"Own", 0}};
  auto row = [](const std::vector<std::string>& cells) {
    std::string line;
    for (std::size_t i = 0; i < cells.size(); ++i) {
      if (i > 0) line += "  ";
      line += i == 0 || i + 1 == cells.size() ? PadRight(cells[i], kColumns[i].width)
                                              : PadLeft(cells[i], kColumns[i].width);
    }
    while (!line.empty() && line.back() == ' ') line.pop_back();
    return line + "\n";
  };
  std::vector<std::string> headings;
  for (const Column& c : kColumns) headings.emplace_back(c.heading);
  out += row(headings);
  for (const CrescentEvening& e : evenings) {
    auto clock = [&](const std::optional<double>& jd) {
      return jd ? ClockText(*jd, zone) : std::string("-");
    };
    const char yallop = e.yallopClass ? Letter(*e.yallopClass) : '-';
    const char odeh = e.odehZone ? Letter(*e.odehZone) : '-';
    out += row({DateText(e.dayJD), clock(e.sunsetJD), clock(e.moonsetJD), OrDash(e.lagMinutes, 0),
                clock(e.bestTimeJD), num::Fixed(e.ageHours, 1), OrDash(e.arcl, 2), OrDash(e.arclTopo, 2),
                OrDash(e.arcv, 2), OrDash(e.arcvTopo, 2), OrDash(e.daz, 2), OrDash(e.widthArcmin, 2),
                OrDash(e.widthTopoArcmin, 2), OrDash(e.yallopQ, 3, true), std::string(1, yallop),
                OrDash(e.odehV, 2, true), std::string(1, odeh), num::Fixed(e.orvaneNumber, 1),
                std::string(Meaning(e.orvaneClass))});
  }
  out += "\n";
  for (const CrescentEvening& e : evenings) {
    out += DateText(e.dayJD) + "  ";
    if (e.yallopClass && e.odehZone) {
      out += "Yallop " + std::string(1, Letter(*e.yallopClass)) + ": " +
             std::string(Meaning(*e.yallopClass)) + "; Odeh " + Letter(*e.odehZone) + ": " +
             std::string(Meaning(*e.odehZone));
    } else {
      out += "no best time: " + std::string(KindText(e.kind));
    }
    out += "; Orvane: " + std::string(Meaning(e.orvaneClass)) + "\n";
  }
  out +=
      "\nLag, Best and Age: minutes of moonset after sunset, the best time sunset + 4/9 lag, hours since\n"
      "the conjunction. Arcs in degrees at the best time (at sunset without one): ARCL the elongation,\n"
      "ARCV the arc of vision (airless), ' from the place; W' and W the crescent's width in arc minutes.\n"
      "q and Y: Yallop's q-test and class (A to F); V and O: Odeh's criterion and zone (A to D); Number\n"
      "and Own: the program's own visibility number and class. See orvane-cli help Crescent.\n";
  return out;
}

}  // namespace orvane::crescent
