// crescent and crescentmap: the published crescent criteria beside the
// program's own number, for evenings at a place and over the world.
#include <cmath>
#include <memory>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "cli/commands.h"
#include "crescent/crescent.h"
#include "crescent/crescent_report.h"
#include "engine/numeric.h"

#ifdef ORVANE_CRESCENT_MAP
#include <QGuiApplication>

#include "crescent/world_grid.h"
#include "crescentmap/crescent_map.h"
#endif

namespace orvane::cli {

namespace {

using namespace crescent;

constexpr int kMaxEvenings = 60;

struct CrescentOptions {
  std::string date;
  int evenings = 1;
  CLI::Option* eveningsOption = nullptr;
  detail::OutputFormat format = detail::OutputFormat::Text;
  std::shared_ptr<detail::PlaceOptionSet> place;
};

struct MapOptions {
  std::string date;
  std::string output;
  std::string criterion = "yallop";
};

nlohmann::ordered_json JsonNumber(const std::optional<double>& value, int decimals) {
  if (!value) return nullptr;
  return num::Round(*value, decimals);
}

nlohmann::ordered_json JsonInstant(const std::optional<double>& jd) {
  if (!jd) return nullptr;
  return IsoInstant(*jd);
}

nlohmann::ordered_json JsonEvening(const CrescentEvening& e) {
  nlohmann::ordered_json j;
  j["date"] = IsoDate(e.dayJD);
  j["latitude"] = num::Round(e.place.latitudeDeg, 6);
  j["longitude"] = num::Round(e.place.longitudeDeg, 6);
  j["sunset_ut"] = JsonInstant(e.sunsetJD);
  j["moonset_ut"] = JsonInstant(e.moonsetJD);
  j["lag_minutes"] = JsonNumber(e.lagMinutes, 1);
  j["conjunction_ut"] = IsoInstant(e.conjunctionJD);
  j["best_time_ut"] = JsonInstant(e.bestTimeJD);
  j["arcl"] = JsonNumber(e.arcl, 4);
  j["arcl_topo"] = JsonNumber(e.arclTopo, 4);
  j["arcv"] = JsonNumber(e.arcv, 4);
  j["arcv_topo"] = JsonNumber(e.arcvTopo, 4);
  j["daz"] = JsonNumber(e.daz, 4);
  j["w_arcmin"] = JsonNumber(e.widthArcmin, 4);
  j["w_topo_arcmin"] = JsonNumber(e.widthTopoArcmin, 4);
  j["age_hours"] = num::Round(e.ageHours, 2);
  j["yallop_q"] = JsonNumber(e.yallopQ, 4);
  j["yallop_class"] = crescent::YallopText(e);
  j["odeh_v"] = JsonNumber(e.odehV, 3);
  j["odeh_zone"] = crescent::OdehText(e);
  j["orvane_number"] = num::Round(e.orvaneNumber, 2);
  j["orvane_class"] = std::string(crescent::Meaning(e.orvaneClass));
  return j;
}

int RunCrescent(const CrescentOptions& o, CommandContext& ctx) {
  crescent::Date date;
  std::string error;
  if (!ParseDate(o.date, date, error)) return ctx.Fail("DATE " + error);
  if (o.evenings < 1 || o.evenings > kMaxEvenings) {
    return ctx.Fail("--evenings must be 1 to " + num::CStr(kMaxEvenings) + ", not " + num::CStr(o.evenings));
  }
  detail::Place place;
  if (!detail::ReadPlace(*o.place, ctx, place)) return 2;
  const crescent::Observer observer{place.latitude, place.longitudeEast, place.zoneOffset};
  std::vector<CrescentEvening> evenings;
  evenings.reserve(static_cast<std::size_t>(o.evenings));
  const double first = DayJD(date);
  for (int i = 0; i < o.evenings; ++i) evenings.push_back(crescent::EvaluateEvening(first + i, observer));
  if (o.format == detail::OutputFormat::Json) {
    nlohmann::ordered_json j;
    if (o.eveningsOption->count() == 0) {
      j = JsonEvening(evenings.front());
    } else {
      j = nlohmann::ordered_json::array();
      for (const CrescentEvening& e : evenings) j.push_back(JsonEvening(e));
    }
    ctx.out += j.dump(2) + "\n";
  } else {
    ctx.out += CrescentTable(evenings, {place.name, place.coordinates, place.zoneOffset});
  }
  return 0;
}

#ifdef ORVANE_CRESCENT_MAP
int RunCrescentMap(const MapOptions& o, CommandContext& ctx) {
  crescent::Date date;
  std::string error;
  if (!ParseDate(o.date, date, error)) return ctx.Fail("DATE " + error);
  const crescent::Criterion criterion =
      o.criterion == "odeh" ? crescent::Criterion::Odeh : crescent::Criterion::Yallop;
  const crescent::WorldGrid grid = crescent::EvaluateWorld(DayJD(date));
  // The painter needs the fonts of a GUI application, which needs no display
  // on the offscreen platform.
  std::unique_ptr<QGuiApplication> application;
  int argc = 3;
  char name[] = "orvane-cli", platformOption[] = "-platform", platform[] = "offscreen";
  char* argv[] = {name, platformOption, platform, nullptr};
  // Qt's notes on the offscreen platform's set-up are no business of the command's.
  const QtMessageHandler previous =
      qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
  if (QGuiApplication::instance() == nullptr) application = std::make_unique<QGuiApplication>(argc, argv);
  const bool written = crescent::WriteCrescentMap(o.output, grid, criterion, DateText(DayJD(date)), error);
  application.reset();
  qInstallMessageHandler(previous);
  if (!written) {
    return ctx.Fail("the map could not be written to " + detail::Quoted(o.output) + " (" + error + ")");
  }
  ctx.out += "The crescent map of the evening of " + DateText(DayJD(date)) + " by " +
             crescent::CriterionName(criterion) + " is written to " + o.output + "\n";
  return 0;
}
#endif

}  // namespace

void AddCrescentCommands(CommandSet& set) {
  auto o = std::make_shared<CrescentOptions>();
  CLI::App* cmd = set.Add("crescent",
                          "The crescent of an evening at a place by Yallop's q-test and Odeh's criterion, "
                          "beside the program's own visibility number",
                          [o](CommandContext& ctx) { return RunCrescent(*o, ctx); });
  cmd->add_option("DATE", o->date,
                  "The evening's date as YEAR-MONTH-DAY, e.g. 2024-04-09 (BCE years negative)")
      ->required();
  o->eveningsOption = cmd->add_option("--evenings", o->evenings,
                                      "This many evenings from DATE on, 1 to 60, as one table (default: 1)");
  o->eveningsOption->check(detail::WholeNumber());
  detail::AddFormatOption(cmd, o->format, {detail::OutputFormat::Json});
  o->place = detail::AddPlaceOptions(cmd);

#ifdef ORVANE_CRESCENT_MAP
  auto m = std::make_shared<MapOptions>();
  CLI::App* map =
      set.Add("crescentmap", "A world map of the crescent classes of an evening, as a PNG or SVG picture",
              [m](CommandContext& ctx) { return RunCrescentMap(*m, ctx); });
  map->add_option("DATE", m->date, "The evening's date as YEAR-MONTH-DAY, e.g. 2024-04-09")->required();
  map->add_option("--output", m->output, "The picture to write: FILE.png or FILE.svg")->required();
  map->add_option("--criterion", m->criterion, "yallop (the default) or odeh")
      ->check(CLI::IsMember({"yallop", "odeh"}));
#endif
}

}  // namespace orvane::cli
