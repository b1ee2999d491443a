#pragma once
// What the window benchmarks share: a QApplication (offscreen unless the caller chose a
// platform) set up like the chart program's, a shown main frame, a temporary charts folder as the
// current folder with one chart in it, and a way to wait for a widget's first paint.
#include <benchmark/benchmark.h>
#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEvent>
#include <QTemporaryDir>
#include <QWidget>

#include <chrono>
#include <cstdlib>
#include <memory>

#include "app/tformdi.h"
#include "chart/chart_file.h"
#include "chart/chart_record.h"
#include "chart/numerology.h"
#include "ui/fonts.h"

namespace bench {

/// Counts the paint events a widget receives.
class PaintCounter : public QObject {
 public:
  explicit PaintCounter(QWidget* watched) { watched->installEventFilter(this); }
  int count() const { return count_; }

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) ++count_;
    return false;
  }

 private:
  int count_ = 0;
};

/// Runs the event loop until `counter` saw a paint (at most one second); false if none came.
inline bool WaitForPaint(const PaintCounter& counter) {
  QElapsedTimer waited;
  waited.start();
  while (counter.count() == 0 && waited.elapsed() < 1000) QCoreApplication::processEvents();
  return counter.count() > 0;
}

/// Seconds between two steady-clock points, for manual timing.
inline double Seconds(std::chrono::steady_clock::time_point from,
                      std::chrono::steady_clock::time_point to) {
  return std::chrono::duration<double>(to - from).count();
}

/// The chart program's surroundings for a benchmark run.
class Session {
 public:
  Session() {
    vorelim::SetProgramFont();
    QDir::setCurrent(folder_.path());
    vorelim::ChartRecord record;
    record.SetText(vorelim::ChartField::Name, "MARIA");
    vorelim::CalcChart(record, 15, 6, 1975);
    vorelim::WriteChartFile(record, folder_.path().toStdString());
    frame_ = std::make_unique<TFORMDI>();
    frame_->show();
    QCoreApplication::processEvents();
  }

  TFORMDI& frame() { return *frame_; }
  QString folder() const { return folder_.path(); }

 private:
  QTemporaryDir folder_;
  std::unique_ptr<TFORMDI> frame_;
};

/// The session of the running benchmark program (set by RunGuiBenchmarks).
inline Session* current_session = nullptr;
inline Session& TheSession() {
  return *current_session;
}

/// main() of a window benchmark program: the application and the session first, then the
/// benchmarks.
inline int RunGuiBenchmarks(int argc, char** argv) {
  if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QApplication app(argc, argv);
  Session session;
  current_session = &session;
  ::benchmark::Initialize(&argc, argv);
  if (::benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  ::benchmark::RunSpecifiedBenchmarks();
  ::benchmark::Shutdown();
  return 0;
}

}  // namespace bench
