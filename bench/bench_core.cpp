// Chart calculation throughput: CalcChart plus MonthTransits for every date of years 1..3000, as
// the new chart dialog and the chart window call them. items_per_second is charts per second.
#include <benchmark/benchmark.h>

#include "chart/chart_record.h"
#include "chart/numerology.h"

namespace {

constexpr int kFirstYear = 1;
constexpr int kLastYear = 3000;
constexpr long long kDatesPerRun = (kLastYear - kFirstYear + 1) * 12LL * 31;

// Calls `chart_once(day, month, year)` for every date of the years, as many times as the
// benchmark asks, and counts one item per date.
template <typename ChartOnce>
void EveryDate(benchmark::State& state, ChartOnce chart_once) {
  for (auto _ : state) {
    for (int year = kFirstYear; year <= kLastYear; ++year) {
      for (int month = 1; month <= 12; ++month) {
        for (int day = 1; day <= 31; ++day) chart_once(day, month, year);
      }
    }
  }
  state.SetItemsProcessed(state.iterations() * kDatesPerRun);
}

void BM_CalcChartAndMonthTransits(benchmark::State& state) {
  vorelim::ChartRecord record;
  EveryDate(state, [&record](int day, int month, int year) {
    vorelim::CalcChart(record, day, month, year);
    auto houses = vorelim::MonthTransits(year, record.Raw(vorelim::ChartField::Personality));
    benchmark::DoNotOptimize(houses);
    benchmark::ClobberMemory();
  });
}
BENCHMARK(BM_CalcChartAndMonthTransits)->Unit(benchmark::kMillisecond);

void BM_CalcChart(benchmark::State& state) {
  vorelim::ChartRecord record;
  EveryDate(state, [&record](int day, int month, int year) {
    vorelim::CalcChart(record, day, month, year);
    benchmark::DoNotOptimize(record);
  });
}
BENCHMARK(BM_CalcChart)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
