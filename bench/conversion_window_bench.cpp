// Timing of the conversion window: one complete compute from the Julian day
// box, which refreshes every column (the Biblical one probing a silent
// holy-day computation for each year and month it tries), prepares the
// possible dates and picks the moon picture.
#include <benchmark/benchmark.h>

#include <string>

#include "conversions/conversion_window_model.h"
#include "engine/engine.h"

namespace {

using namespace orvane;

class BenchHost final : public EngineHost {
 public:
  std::string YearBoxText() const override { return "2024"; }
  void SetYearBoxText(const std::string&) override {}
  void Beep() override {}
};

// Days a month and a half apart over twenty years, so that the Biblical
// search meets plain and doubtful months, ordinary and late years.
void BM_ConversionWindowDayCountCompute(benchmark::State& state) {
  BenchHost host;
  Engine engine(host);
  SilentBeeper beeper;
  conversions::ConversionWindowModel window(engine, beeper, {}, [] {
    return conversions::ClockDate{2024, 4, 9};
  });
  window.Form_Load();
  double jd = 2451544.5;
  for (auto _ : state) {
    window.txtJDCount = std::to_string(jd);
    window.cmdJCompute_Click();
    benchmark::DoNotOptimize(window.MoonPictureIndex);
    jd += 45;
    if (jd > 2458849.5) jd = 2451544.5;
  }
}
BENCHMARK(BM_ConversionWindowDayCountCompute)->Unit(benchmark::kMillisecond);

}  // namespace
