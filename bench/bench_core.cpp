// Chart calculation throughput: CalcChart plus MonthTransits for every date of years 1..3000, as
// the new chart dialog and the chart window call them. items_per_second is charts per second.
#include <benchmark/benchmark.h>

#include "chart/chart_record.h"
#include "chart/numerology.h"

namespace {

constexpr int kFirstYear = 1;
constexpr int kLastYear = 3000;
constexpr long long kDatesPerRun = (kLastYear - kFirstYear + 1) * 12LL * 31;

void BM_CalcChartAndMonthTransits(benchmark::State& state) {
  vorelim::ChartRecord record;
  for (auto _ : state) {
    for (int year = kFirstYear; year <= kLastYear; ++year) {
      for (int month = 1; month <= 12; ++month) {
        for (int day = 1; day <= 31; ++day) {
          vorelim::CalcChart(record, day, month, year);
          auto houses = vorelim::MonthTransits(year, record.Raw(vorelim::ChartField::Personality));
          benchmark::DoNotOptimize(houses);
          benchmark::ClobberMemory();
        }
      }
    }
  }
  state.SetItemsProcessed(state.iterations() * kDatesPerRun);
}
BENCHMARK(BM_CalcChartAndMonthTransits)->Unit(benchmark::kMillisecond);

void BM_CalcChart(benchmark::State& state) {
  vorelim::ChartRecord record;
  for (auto _ : state) {
    for (int year = kFirstYear; year <= kLastYear; ++year) {
      for (int month = 1; month <= 12; ++month) {
        for (int day = 1; day <= 31; ++day) {
          vorelim::CalcChart(record, day, month, year);
          benchmark::DoNotOptimize(record);
        }
      }
    }
  }
  state.SetItemsProcessed(state.iterations() * kDatesPerRun);
}
BENCHMARK(BM_CalcChart)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
