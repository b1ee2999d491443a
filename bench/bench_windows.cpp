// The chart window and the texts window as the user waits on them, inside a shown main frame:
// opening a chart window (construction, LoadChart, first paint of its element drawing; also split
// into the construction and LoadChart up to the first paint), a full
// paint of PaintBox1, "OK" of the year transits up to the grid painted, and opening a texts
// window (construction, SelectPage, show, first paint of its text). Wall-clock time per
// operation; targets: 2 ms for the chart window's three, 10 ms for the texts window.
#include <QCoreApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTextEdit>

#include "bench/gui_bench_support.h"
#include "chartview/paint_box.h"
#include "chartview/transit_grid.h"
#include "chartview/tvemapa.h"
#include "texts/tform2.h"

namespace {

using Clock = std::chrono::steady_clock;

// Closes a chart window as "&Fechar" does (its MDI subwindow goes, and the window with it).
void CloseChartWindow(TVemapa* window) {
  window->SubWindow()->close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  QCoreApplication::processEvents();
}

void BM_ChartWindowOpenLoadChartFirstPaint(benchmark::State& state) {
  TFORMDI& frame = bench::TheSession().frame();
  for (auto _ : state) {
    const auto start = Clock::now();
    auto* window = frame.OpenChartWindow(QStringLiteral("MARIA"));
    bench::PaintCounter painted(window->PaintBox1);
    if (!bench::TimeToPaint(state, painted, start, "the chart window was not painted")) break;
    CloseChartWindow(window);
  }
}
BENCHMARK(BM_ChartWindowOpenLoadChartFirstPaint)->UseManualTime()->Unit(benchmark::kMicrosecond);

// The same opening split in two: the frame's opening alone (window, subwindow, LoadChart), then
// LoadChart again up to the first paint (the window paints once the event loop runs after
// LoadChart, as in every opening command).
void BM_ChartWindowConstruct(benchmark::State& state) {
  TFORMDI& frame = bench::TheSession().frame();
  for (auto _ : state) {
    const auto start = Clock::now();
    auto* window = frame.OpenChartWindow(QStringLiteral("MARIA"));
    state.SetIterationTime(bench::Seconds(start, Clock::now()));
    bench::PaintCounter painted(window->PaintBox1);
    window->LoadChart(QStringLiteral("MARIA"));
    bench::WaitForPaint(painted);
    CloseChartWindow(window);
  }
}
BENCHMARK(BM_ChartWindowConstruct)->UseManualTime()->Unit(benchmark::kMicrosecond);

void BM_LoadChartFirstPaint(benchmark::State& state) {
  TFORMDI& frame = bench::TheSession().frame();
  for (auto _ : state) {
    auto* window = frame.OpenChartWindow(QStringLiteral("MARIA"));
    {
      const bench::PaintCounter opened(window->PaintBox1);  // the opening's own first paint
      bench::WaitForPaint(opened);
    }
    bench::PaintCounter painted(window->PaintBox1);
    const auto start = Clock::now();
    window->LoadChart(QStringLiteral("MARIA"));
    if (!bench::TimeToPaint(state, painted, start, "the loaded chart was not painted")) break;
    CloseChartWindow(window);
  }
}
BENCHMARK(BM_LoadChartFirstPaint)->UseManualTime()->Unit(benchmark::kMicrosecond);

void BM_PaintBox1FullPaint(benchmark::State& state) {
  auto* window = bench::TheSession().frame().OpenChartWindow(QStringLiteral("MARIA"));
  QCoreApplication::processEvents();
  bench::PaintCounter painted(window->PaintBox1);
  for (auto _ : state) {
    window->PaintBox1->repaint();  // paints the whole box now, through the window's back store
  }
  if (painted.count() < static_cast<int>(state.iterations()))
    state.SkipWithError("PaintBox1 was not painted every time");
  CloseChartWindow(window);
}
BENCHMARK(BM_PaintBox1FullPaint)->Unit(benchmark::kMicrosecond);

void BM_TransitsOk(benchmark::State& state) {
  auto* window = bench::TheSession().frame().OpenChartWindow(QStringLiteral("MARIA"));
  QCoreApplication::processEvents();
  int year = 2000;
  for (auto _ : state) {
    window->SetYearText(QString::number(year));  // a new year each time, as the user types it
    year = year == 2099 ? 2000 : year + 1;
    QCoreApplication::processEvents();
    bench::PaintCounter painted(window->StringGrid1);
    const auto start = Clock::now();
    window->Button1->click();
    if (!bench::TimeToPaint(state, painted, start, "the transit grid was not painted")) break;
  }
  CloseChartWindow(window);
}
BENCHMARK(BM_TransitsOk)->UseManualTime()->Unit(benchmark::kMicrosecond);

// Page keys of the introduction, a number and a house: the catalogue's three kinds of page.
void BM_TextsWindowOpen(benchmark::State& state) {
  static const QString kKeys[] = {QStringLiteral("intro"), QStringLiteral("7"),
                                  QStringLiteral("c3")};
  const QString& key = kKeys[state.range(0)];
  TFORMDI& frame = bench::TheSession().frame();
  for (auto _ : state) {
    const auto start = Clock::now();
    auto* window = new TForm2(&frame);
    window->SelectPage(key);
    bench::PaintCounter painted(window->RichEdit(window->CurrentPage())->viewport());
    window->show();
    if (!bench::TimeToPaint(state, painted, start, "the texts window was not painted")) break;
    bench::DeleteWindow(window);
  }
  state.SetLabel(key.toStdString());
}
BENCHMARK(BM_TextsWindowOpen)->DenseRange(0, 2)->UseManualTime()->Unit(benchmark::kMicrosecond);

}  // namespace
