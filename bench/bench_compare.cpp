// The comparison window as the user waits on it, inside a shown main frame: opening it on two
// charts (composing the comparison, building the window, showing it, up to the first paint of the
// second star). Wall-clock time per operation; target: 20 ms.
#include "bench/gui_bench_support.h"
#include "chart/numerology.h"
#include "compare/comparison_window.h"
#include "compare/element_star.h"

namespace {

using Clock = std::chrono::steady_clock;

vorelim::ChartRecord Chart(const char* name, int day, int month, int year) {
  vorelim::ChartRecord record;
  record.SetText(vorelim::ChartField::Name, name);
  record.SetText(vorelim::ChartField::BirthDay, std::to_string(day));
  record.SetText(vorelim::ChartField::BirthMonth, std::to_string(month));
  record.SetText(vorelim::ChartField::BirthYear, std::to_string(year));
  vorelim::CalcChart(record, day, month, year);
  return record;
}

void BM_ComparisonWindowOpen(benchmark::State& state) {
  TFORMDI& frame = bench::TheSession().frame();
  const vorelim::ChartRecord jose = Chart("JOSE", 5, 4, 1990);
  const vorelim::ChartRecord maria = Chart("MARIA", 15, 6, 1975);
  for (auto _ : state) {
    const auto start = Clock::now();
    auto* window = vorelim::OpenComparison(&frame, jose, QStringLiteral("JOSE"), maria,
                                           QStringLiteral("MARIA"));
    bench::PaintCounter painted(window->SecondStar);
    if (!bench::TimeToPaint(state, painted, start, "the comparison window was not painted")) break;
    bench::DeleteWindow(window);
  }
}
BENCHMARK(BM_ComparisonWindowOpen)->UseManualTime()->Unit(benchmark::kMicrosecond);

}  // namespace
