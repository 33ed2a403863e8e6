// Timings of the engine's main pieces: one moon position, one evening test,
// one holy-day report and one fourteen-month new-moon list, each at Jerusalem.
#include <benchmark/benchmark.h>

#include "calendar/holy_days.h"
#include "engine/engine.h"
#include "engine/positions.h"

namespace {

using namespace orvane;

class BenchHost final : public EngineHost {
 public:
  explicit BenchHost(std::string year) : year_(std::move(year)) {}
  std::string YearBoxText() const override { return year_; }
  void SetYearBoxText(const std::string& text) override { year_ = text; }
  void Beep() override {}

 private:
  std::string year_;
};

void BM_HolyDayReport(benchmark::State& state) {
  BenchHost host("2024");
  Engine engine(host);
  engine.st.RunName = "HolyDays";
  for (auto _ : state) {
    calendar::ComputeHolyDays(engine);
    benchmark::DoNotOptimize(engine.out.main.Text().data());
  }
}
BENCHMARK(BM_HolyDayReport)->Unit(benchmark::kMicrosecond);

void BM_NewMoonList(benchmark::State& state) {
  BenchHost host("2024");
  Engine engine(host);
  engine.st.RunName = "HolyDays";
  for (auto _ : state) {
    engine.out.main.Clear();
    calendar::ListMonthStarts(engine);
    benchmark::DoNotOptimize(engine.out.main.Text().data());
  }
}
BENCHMARK(BM_NewMoonList)->Unit(benchmark::kMicrosecond);

// One evening: sunset, two moon positions, the sun at moonset and the verdict.
void BM_EveningTest(benchmark::State& state) {
  BenchHost host("2024");
  Engine engine(host);
  engine.st.RunName = "Golgotha";  // no extra row after a doubtful evening
  engine.InitEphemeris();
  engine.st.FixedPlaceMode = kTrue;
  engine.st.LunationNumber = calendar::FirstLunationOfYear(2024.277);
  engine.ComputeConjunction();
  const double firstEvening = engine.st.EveningJD + 1;  // a visible crescent: one evening per test
  for (auto _ : state) {
    engine.out.main.Clear();
    engine.st.EveningJD = firstEvening;
    engine.WriteEveningDate();
    benchmark::DoNotOptimize(engine.st.VisibilityNumber);
  }
}
BENCHMARK(BM_EveningTest)->Unit(benchmark::kMicrosecond);

// One position of the moon (its mean elements and the three periodic
// series), at instants a day apart.
void BM_MoonPosition(benchmark::State& state) {
  double T = 1.24;  // 2024
  for (auto _ : state) {
    const LunarPosition moon = LunarPositionAt(T);
    benchmark::DoNotOptimize(moon.longitude);
    T += 1.0 / 36525;
  }
}
BENCHMARK(BM_MoonPosition)->Unit(benchmark::kNanosecond);

}  // namespace
