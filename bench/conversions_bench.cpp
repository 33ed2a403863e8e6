// Timings of the Rabbinical calendar: one day number turned into a
// Rabbinical date, and the whole listing of a Rabbinical year.
#include <benchmark/benchmark.h>

#include "conversions/hebrew_calendar.h"
#include "conversions/hebrew_window_model.h"

namespace {

using namespace orvane::conversions;

// Days spread over 3000 years, so that the year cache of no single year helps.
void BM_JDToHebrewDate(benchmark::State& state) {
  HebrewCalendar calendar;
  double jd = 1721425.5;
  for (auto _ : state) {
    benchmark::DoNotOptimize(calendar.JDToHebrewDate(jd));
    jd += 1097;
    if (jd > 2817000) jd -= 1095575;
  }
}
BENCHMARK(BM_JDToHebrewDate);

void BM_RabbinicalListing(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(RabbinicalYearListing("2024"));
}
BENCHMARK(BM_RabbinicalListing)->Unit(benchmark::kMicrosecond);

}  // namespace
