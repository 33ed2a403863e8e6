// The years of a chronology run, and their computation on several engines
// at once.
#pragma once

#include <algorithm>
#include <cstddef>
#include <memory>
#include <span>
#include <thread>
#include <vector>

#include "engine/engine.h"

namespace orvane::runs {

// The years a run from `first` to `last` computes, in order: every year
// from first while not above last, with 1 in place of 0 (there is no year
// 0), the count going on from there.
//   RunYears(-1, 2) = {-1, 1, 2}; RunYears(5, 5) = {5}; RunYears(-2, 0) = {-2, -1, 1}.
std::vector<double> RunYears(double first, double last);

namespace detail {

// An engine for silent work: a year box is never read (the run has fixed
// the place and the year), and nobody hears a beep.
class NoWindow final : public EngineHost {
 public:
  std::string YearBoxText() const override { return {}; }
  void SetYearBoxText(const std::string&) override {}
  void Beep() override {}
};

struct WorkerEngine {
  NoWindow window;
  Engine engine{window};
};

// At least this many years go to each extra thread: fewer are not worth one.
inline constexpr std::size_t kMinYearsPerThread = 32;

}  // namespace detail

// Computes computeYear(engine) for each year of `years` (YearNumber set to
// the year) and returns the results in the order of the years.
//
// Each year of a run depends on its year number and the run's fixed place
// alone (every year begins with InitEphemeris and its own lunation search),
// so the years of a silent range are shared out among engines that start as
// copies of `main` and run on as many threads as the machine has cores.
// Afterwards `main` holds the state that computing the years one after
// another would have left: that of the last year, with the first month start
// found (MonthStartJD) as the first year left it.  While any pane would
// receive text the years are computed on `main` itself, one after another.
// `mostThreads` caps the threads (0: one per core).
template <typename Result, typename ComputeYear>
std::vector<Result> ComputeYears(Engine& main, std::span<const double> years, ComputeYear computeYear,
                                 std::size_t mostThreads = 0) {
  std::vector<Result> results(years.size());
  if (years.empty()) return results;
  if (main.Writing()) {
    for (std::size_t i = 0; i < years.size(); ++i) {
      main.st.YearNumber = years[i];
      results[i] = computeYear(main);
    }
    return results;
  }

  std::size_t cores = std::max(1u, std::thread::hardware_concurrency());
  if (mostThreads != 0) cores = std::min(cores, mostThreads);
  const std::size_t parts = std::clamp<std::size_t>(years.size() / detail::kMinYearsPerThread, 1, cores);
  std::vector<std::unique_ptr<detail::WorkerEngine>> workers;
  for (std::size_t p = 0; p < parts; ++p) {
    workers.push_back(std::make_unique<detail::WorkerEngine>());
    workers.back()->engine.st = main.st;
  }
  auto computePart = [&](std::size_t p) {
    Engine& e = workers[p]->engine;
    const std::size_t begin = years.size() * p / parts;
    const std::size_t end = years.size() * (p + 1) / parts;
    for (std::size_t i = begin; i < end; ++i) {
      e.st.YearNumber = years[i];
      results[i] = computeYear(e);
    }
  };
  std::vector<std::jthread> threads;
  for (std::size_t p = 0; p + 1 < parts; ++p) threads.emplace_back(computePart, p);
  computePart(parts - 1);
  threads.clear();  // joins

  const double monthStart = workers.front()->engine.st.MonthStartJD;
  main.st = workers.back()->engine.st;
  main.st.MonthStartJD = monthStart;
  return results;
}

}  // namespace orvane::runs
