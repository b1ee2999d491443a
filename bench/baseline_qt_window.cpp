// The start-up baseline: a bare Qt 6 Widgets program that shows one empty QMainWindow and runs
// its event loop. bench_startup starts it the same way as the chart program, with the same idle
// probe, so the two start-ups compare directly.
#include <QApplication>
#include <QMainWindow>

#include "app/startup_probe.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QMainWindow window;
  window.show();
  vorelim::ExitWhenIdleIfAsked(window);
  return QApplication::exec();
}
