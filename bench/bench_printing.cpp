// Printing to PDF as the user waits on it, from the menu command to the file written: a chart
// printout ("&Imprimir" of a chart window, one sheet) and a text printout ("I&mprime" of a texts
// window page). The print dialog is replaced by one that picks PDF output on the program's
// printer. Target: under 50 ms each.
#include <QFile>
#include <QMdiSubWindow>
#include <QPrinter>
#include <QTextEdit>

#include "bench/gui_bench_support.h"
#include "chartview/tvemapa.h"
#include "texts/tform2.h"
#include "ui/program_printer.h"

namespace {

QString& PdfFile() {
  static QString file;
  return file;
}

bool PrintToPdf(QPrinter& printer, QWidget* = nullptr) {
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(PdfFile());
  return true;
}

// Checks the printout reached its file; a benchmark that printed nothing reports an error.
bool Printed(benchmark::State& state) {
  QFile pdf(PdfFile());
  if (pdf.size() > 0 && pdf.open(QIODevice::ReadOnly) && pdf.read(5) == "%PDF-") {
    state.counters["pdf_bytes"] = static_cast<double>(pdf.size());
    return true;
  }
  state.SkipWithError("no PDF was written");
  return false;
}

void BM_ChartPrintoutPdf(benchmark::State& state) {
  PdfFile() = bench::TheSession().folder() + QStringLiteral("/chart.pdf");
  auto* window = bench::TheSession().frame().OpenChartWindow(QStringLiteral("MARIA"));
  QCoreApplication::processEvents();
  vorelim::SetPrintDialogForTesting(&PrintToPdf);
  for (auto _ : state) {
    window->Imprimir1->trigger();
  }
  Printed(state);
  vorelim::SetPrintDialogForTesting(nullptr);
  window->SubWindow()->close();
  QCoreApplication::processEvents();
}
BENCHMARK(BM_ChartPrintoutPdf)->Unit(benchmark::kMillisecond);

// The introduction (the longest text) and a house page.
void BM_TextPrintoutPdf(benchmark::State& state) {
  static const QString kKeys[] = {QStringLiteral("intro"), QStringLiteral("c3")};
  const QString& key = kKeys[state.range(0)];
  PdfFile() = bench::TheSession().folder() + QStringLiteral("/text.pdf");
  vorelim::SetPrintDialogForTesting(&PrintToPdf);
  auto* window = OpenTextsWindow(&bench::TheSession().frame(), key);
  QCoreApplication::processEvents();
  for (auto _ : state) {
    window->PrintButtonClick(window->CurrentPage());
  }
  Printed(state);
  state.SetLabel(key.toStdString());
  delete window;
  vorelim::SetPrintDialogForTesting(nullptr);
}
BENCHMARK(BM_TextPrintoutPdf)->DenseRange(0, 1)->Unit(benchmark::kMillisecond);

}  // namespace
