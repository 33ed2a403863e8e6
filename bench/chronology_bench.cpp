// Timings of the chronology runs over their full ranges of years, as
// orvane-cli golgotha -4004 9999, flood -4004 9999 and creation -6000 9999
// compute them: every year's month searches run, only the list is shown.
#include <benchmark/benchmark.h>

#include <cstddef>
#include <string>

#include "engine/engine.h"
#include "runs/chronology.h"

namespace {

using namespace orvane;

// The two year boxes of the main window and nothing else.
class RangeBoxes final : public EngineHost, public runs::ChronologyHost {
 public:
  RangeBoxes(std::string first, std::string last, std::size_t threads = 0)
      : first_(std::move(first)), last_(std::move(last)), threads_(threads) {}
  std::string YearBoxText() const override { return first_; }
  void SetYearBoxText(const std::string& text) override { first_ = text; }
  void Beep() override {}
  std::string FirstYearBox() const override { return first_; }
  void SetFirstYearBox(const std::string& text) override { first_ = text; }
  std::string SecondYearBox() const override { return last_; }
  void SetSecondYearBox(const std::string& text) override { last_ = text; }
  void UntickEastOfIsrael() override {}
  void SetWorkingVisible(bool) override {}
  void SetFloodEnabled(bool) override {}
  void ProcessPendingEvents() override {}
  std::size_t MostThreads() const override { return threads_; }

 private:
  std::string first_, last_;
  std::size_t threads_;
};

void RunRange(benchmark::State& state, const char* run, const char* first, const char* last,
              std::size_t threads = 0) {
  for (auto _ : state) {
    RangeBoxes boxes(first, last, threads);
    Engine engine(boxes);
    engine.st.RunName = run;
    if (std::string(run) == "Flood") {
      runs::RunFlood(engine, boxes);
    } else {
      runs::RunChronology(engine, boxes);
    }
    benchmark::DoNotOptimize(engine.out.main.Text().data());
  }
}

void BM_GolgothaFullRange(benchmark::State& state) { RunRange(state, "Golgotha", "-4004", "9999"); }
void BM_JordanFullRange(benchmark::State& state) { RunRange(state, "Jordan", "-4004", "9999"); }
void BM_FloodFullRange(benchmark::State& state) { RunRange(state, "Flood", "-4004", "9999"); }
// The Flood range on one thread: one core's work, without the share-out.
void BM_FloodFullRangeOneThread(benchmark::State& state) { RunRange(state, "Flood", "-4004", "9999", 1); }
void BM_CreationFullRange(benchmark::State& state) { RunRange(state, "Creation", "-6000", "9999"); }
// One year's full report, as the pane shows it.
void BM_FloodOneYear(benchmark::State& state) { RunRange(state, "Flood", "-2348", ""); }

BENCHMARK(BM_GolgothaFullRange)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_JordanFullRange)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_FloodFullRange)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_FloodFullRangeOneThread)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_CreationFullRange)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_FloodOneYear)->Unit(benchmark::kMicrosecond);

}  // namespace
