// The client report as the user waits on it, for MARIA in a year that gives her report its seven
// pages: the report made and written as a PDF file, as "Salvar PDF" of its preview writes it
// (target: under 300 ms), and "&Relatório..." up to the preview's first page painted (target:
// under 500 ms). Both include making the report, its texts read from a texts window of the
// designed size. The program's printer is an A4 PDF printer.
#include <QGraphicsView>
#include <QPageSize>
#include <QPrintPreviewWidget>
#include <QPrinter>

#include "bench/gui_bench_support.h"
#include "report/report_preview.h"
#include "ui/print_preview.h"
#include "ui/program_printer.h"

namespace {

using Clock = std::chrono::steady_clock;

vorelim::ChartRecord Maria() {
  vorelim::ChartRecord record;
  vorelim::ReadChartFile("MARIA", record, bench::TheSession().folder().toStdString());
  return record;
}

// The first year from 2026 on whose era and year's house are different texts.
int SevenPageYear(const vorelim::ChartRecord& record) {
  for (int year = 2026;; ++year) {
    const vorelim::ChartTransits transits = vorelim::TransitsForYear(record, std::to_string(year));
    if (transits.era != transits.year_number) return year;
  }
}

QPrinter& A4Printer() {
  static QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setPageSize(QPageSize(QPageSize::A4));
  vorelim::SetProgramPrinterForTesting(&printer);
  return printer;
}

void BM_ReportPdf(benchmark::State& state) {
  const vorelim::ChartRecord record = Maria();
  const int year = SevenPageYear(record);
  const QString path = bench::TheSession().folder() + QStringLiteral("/MARIA report.pdf");
  const QPrinter& printer = A4Printer();
  int pages = 0;
  for (auto _ : state) {
    const vorelim::ClientReport report = vorelim::ComposeClientReport(
        record, QStringLiteral("MARIA"), year, vorelim::Today(), vorelim::DesignedTextPrintouts());
    const vorelim::PagedPrintout printout = vorelim::ReportPrintout(report);
    pages = printout.page_count;
    const QString problem = vorelim::WritePdfFile(
        path, vorelim::PdfDocument(printout, printer.pageLayout(), printer.resolution()));
    if (!problem.isEmpty()) {
      state.SkipWithError("the PDF was not written");
      break;
    }
  }
  state.counters["pages"] = pages;
  if (pages != 7) state.SkipWithError("the report has not seven pages");
}
BENCHMARK(BM_ReportPdf)->Unit(benchmark::kMillisecond);

void BM_ReportPreviewFirstPage(benchmark::State& state) {
  const vorelim::ChartRecord record = Maria();
  const int year = SevenPageYear(record);
  A4Printer();
  for (auto _ : state) {
    const auto start = Clock::now();
    vorelim::PrintPreviewWindow* window =
        vorelim::OpenReportPreview(&bench::TheSession().frame(), record, QStringLiteral("MARIA"),
                                   year, bench::TheSession().folder().toStdString());
    auto* view = window->Preview()->findChild<QGraphicsView*>();
    bench::PaintCounter painted(view != nullptr ? view->viewport() : window);
    if (!bench::TimeToPaint(state, painted, start, "the preview was not painted")) break;
    state.counters["pages"] = window->Preview()->pageCount();
    bench::DeleteWindow(window);
  }
}
BENCHMARK(BM_ReportPreviewFirstPage)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace
