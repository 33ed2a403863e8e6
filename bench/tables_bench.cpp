// Timings of the tables of a year at a place, as orvane-cli sunsets and
// times compute them at New York (40 43 N, 74 0 W, UTC-5): the Gregorian year
// alone, and the Biblical year with the silent local new-moon run first.
#include <benchmark/benchmark.h>

#include "app/holy_days_window.h"

namespace {

using namespace orvane;

struct NewYorkWindow {
  NewYorkWindow(bool gregorian) {
    w.SetUserDataWritable(false);
    w.Form_Load(2024);
    w.TypeKeys(app::HolyDaysWindow::Control::txtLatDeg, "40 43 N 74 0 W 5");
    w.SetFocus(app::HolyDaysWindow::Control::None);
    w.userData().LocationName = "New York";
    w.chkGregYear = gregorian;
  }
  SilentBeeper beeper;
  app::HolyDaysWindow w{beeper};
};

void BM_SunsetsTable(benchmark::State& state) {
  NewYorkWindow f(state.range(0) != 0);
  for (auto _ : state) {
    f.w.cmdSunset_Click();
    benchmark::DoNotOptimize(f.w.OutputText().data());
  }
}
BENCHMARK(BM_SunsetsTable)->Arg(1)->Arg(0)->ArgName("gregorian")->Unit(benchmark::kMicrosecond);

void BM_TimesTable(benchmark::State& state) {
  NewYorkWindow f(state.range(0) != 0);
  for (auto _ : state) {
    f.w.cmdTimes_Click();
    benchmark::DoNotOptimize(f.w.OutputText().data());
  }
}
BENCHMARK(BM_TimesTable)->Arg(1)->Arg(0)->ArgName("gregorian")->Unit(benchmark::kMillisecond);

}  // namespace
