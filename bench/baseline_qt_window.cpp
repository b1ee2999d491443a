// The start-up baseline: a bare Qt 6 Widgets program that shows one empty QMainWindow and runs
// its event loop. bench_startup starts it the same way as the chart program, with the same idle
// probe, so the two start-ups compare directly.
//
// With the argument "--with-text" the window also gets what any window with words pays for: a
// menu bar with two menus and a push button with a caption, in Qt's default font. bench_startup
// reports it beside the bare window to show how much of the chart program's start-up is the cost
// of loading and drawing a first font.
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <cstring>

#include "app/startup_probe.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QMainWindow window;
  if (argc > 1 && std::strcmp(argv[1], "--with-text") == 0) {
    window.menuBar()->addMenu(QStringLiteral("&Arquivo"))->addAction(QStringLiteral("A&brir"));
    window.menuBar()->addMenu(QStringLiteral("Aju&da"))->addAction(QStringLiteral("&Sobre"));
    window.setCentralWidget(new QPushButton(QStringLiteral("FAÇA SEU MAPA")));
  }
  window.show();
  vorelim::ExitWhenIdleIfAsked(window);
  return QApplication::exec();
}
