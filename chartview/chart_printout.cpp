#include "chartview/chart_printout.h"

#include <QColor>
#include <QFont>
#include <QPainter>
#include <QPen>

#include "chart/chart_rules.h"
#include "chartview/chart_geometry.h"
#include "chartview/chart_picture.h"
#include "ui/designed_words.h"
#include "ui/fonts.h"
#include "ui/paged_printout.h"

namespace vorelim {
namespace {

constexpr int kLabelPoints = 12;
constexpr int kLinePoints = 12;

// The meaning as the printout writes it, in capitals (UTF-8).
std::string InCapitals(Meaning meaning) {
  return MeaningWord(meaning).toUpper().toStdString();
}

// The printout as one sheet without a job name, as the printer, the preview and the PDF take it.
PagedPrintout ChartPages(const ChartPrintout& printout) {
  PagedPrintout pages;
  pages.paint_page = [printout](QPainter& painter, int, int width, int height) {
    PaintChartPrintout(painter, width, height, printout);
  };
  return pages;
}

}  // namespace

std::string MonthName(int month) {
  return MonthWord(month < 1 || month > 12 ? 12 : month).toUpper().toStdString();
}

ChartPrintout ComposeChartPrintout(const ChartRecord& record, std::string_view transit_year,
                                   int current_month) {
  const ChartTransits transits = TransitsForYear(record, transit_year);
  std::string month_number;
  if (current_month >= 1 && current_month <= 12) {
    month_number = transits.month_numbers[current_month - 1];
  }

  ChartPrintout printout;
  printout.marks = record.Elements();
  printout.lines = {
      "NOME: " + record.Name(),
      "DATA NASC: " + record.BirthDate(),
      InCapitals(Meaning::Personality) + ": " + record.Personality(),
      InCapitals(Meaning::Control) + ": " + record.Control(),
      InCapitals(Meaning::Tendency) + ": " + record.Tendency(),
      InCapitals(Meaning::Era) + ": " + transits.era,
      "CASA " + transits.year_text + ": " + transits.year_number,
      "CASA " + MonthName(current_month) + ": " + month_number,
  };
  return printout;
}

void PaintChartPrintout(QPainter& painter, int w, int h, const ChartPrintout& printout) {
  DrawRingsAndStar(painter, printout.marks, w, h, ScreenPixel(painter));

  painter.setPen(QPen(QColor(0, 0, 0)));
  painter.setFont(PrintoutFont(kLabelPoints));
  const std::array<PlacedText, 6> labels = PrintoutLabels(w, h);
  DrawPlacedTexts(painter, labels);

  painter.setFont(PrintoutFont(kPrintoutTitlePoints));
  const PlacedText title[] = {{"ESTRELA DOS CINCO ELEMENTOS", PrintoutTitlePosition(w, h)}};
  DrawPlacedTexts(painter, title);

  painter.setFont(PrintoutFont(kLinePoints));
  const std::array<PixelPoint, 8> positions = PrintoutDataLinePositions(w, h);
  std::array<PlacedText, 8> lines;
  for (std::size_t i = 0; i < lines.size(); ++i) lines[i] = {printout.lines[i], positions[i]};
  DrawPlacedTexts(painter, lines);
}

bool PrintChartPrintout(QPrinter& printer, const ChartPrintout& printout) {
  return PrintPages(printer, ChartPages(printout));
}

PreviewDocument ChartPreviewDocument(const ChartPrintout& printout, const QString& chart_name,
                                     const std::filesystem::path& folder) {
  PreviewDocument document;
  document.printout = ChartPages(printout);
  document.window_title = QStringLiteral("Visualizar impressão - ") + chart_name;
  document.pdf_file_name = chart_name + QStringLiteral(".pdf");
  document.folder = folder;
  return document;
}

}  // namespace vorelim
