#include "chartview/chart_printout.h"

#include <QColor>
#include <QFont>
#include <QPainter>
#include <QPen>
#include <QPrinter>

#include "chart/chart_rules.h"
#include "chartview/chart_geometry.h"
#include "chartview/chart_picture.h"
#include "ui/designed_words.h"
#include "ui/fonts.h"
#include "ui/program_printer.h"

namespace vorelim {
namespace {

// The pens of the rings and the star are given in screen pixels of this size.
constexpr qreal kScreenDpi = 96;
constexpr int kLabelPoints = 12;
constexpr int kTitlePoints = 16;
constexpr int kLinePoints = 12;

QFont PrintoutFont(int points) {
  // Face and size only, set afresh: no bold or italic left by an earlier printout.
  // Sized in points, so it keeps its size on paper; the face is the one the windows show, drawn
  // without ligatures so the PDF holds the letters printed.
  QFont font = PrintingFont(QFont(InstalledFamily(FaceName(Face::Rounded))));
  font.setPointSize(points);
  font.setBold(false);
  font.setItalic(false);
  font.setUnderline(false);
  return font;
}

// The meaning as the printout writes it, in capitals (UTF-8).
std::string InCapitals(Meaning meaning) {
  return MeaningWord(meaning).toUpper().toStdString();
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
  DrawRingsAndStar(painter, printout.marks, w, h, painter.device()->logicalDpiY() / kScreenDpi);

  painter.setPen(QPen(QColor(0, 0, 0)));
  painter.setFont(PrintoutFont(kLabelPoints));
  const std::array<PlacedText, 6> labels = PrintoutLabels(w, h);
  DrawPlacedTexts(painter, labels);

  painter.setFont(PrintoutFont(kTitlePoints));
  const PlacedText title[] = {{"ESTRELA DOS CINCO ELEMENTOS", PrintoutTitlePosition(w, h)}};
  DrawPlacedTexts(painter, title);

  painter.setFont(PrintoutFont(kLinePoints));
  const std::array<PixelPoint, 8> positions = PrintoutDataLinePositions(w, h);
  std::array<PlacedText, 8> lines;
  for (std::size_t i = 0; i < lines.size(); ++i) lines[i] = {printout.lines[i], positions[i]};
  DrawPlacedTexts(painter, lines);
}

bool PrintChartPrintout(QPrinter& printer, const ChartPrintout& printout) {
  printer.setDocName(QString());
  QPainter painter;
  if (!BeginPrintout(painter, printer)) return false;
  // The painter's origin is the top-left corner of the printable area, and width() and height()
  // are that area's size in printer pixels.
  PaintChartPrintout(painter, printer.width(), printer.height(), printout);
  return painter.end();
}

PreviewDocument ChartPreviewDocument(const ChartPrintout& printout, const QString& chart_name,
                                     const std::filesystem::path& folder) {
  PreviewDocument document;
  document.printout.page_count = 1;
  document.printout.paint_page = [printout](QPainter& painter, int, int width, int height) {
    PaintChartPrintout(painter, width, height, printout);
  };
  document.window_title = QStringLiteral("Visualizar impressão - ") + chart_name;
  document.pdf_file_name = chart_name + QStringLiteral(".pdf");
  document.folder = folder;
  return document;
}

}  // namespace vorelim
