#include "texts/text_printing.h"

#include <QAbstractTextDocumentLayout>
#include <QFontMetrics>
#include <QPainter>
#include <QPalette>
#include <QPrinter>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextLayout>
#include <algorithm>

#include "ui/fonts.h"
#include "ui/program_printer.h"

namespace vorelim {

TextLinePlace PlaceTextLine(int line, int width, int height) {
  TextLinePlace place;
  place.sheet = line / kTextLinesPerSheet;
  const int row = line % kTextLinesPerSheet;
  // Multiply first, then divide, in 64 bits: printer pixels times 64 overflow nothing that way.
  place.x = static_cast<int>(static_cast<qint64>(width) / 8);
  place.y = static_cast<int>(static_cast<qint64>(height) * (row + 7) / 64);
  return place;
}

QStringList DisplayLines(const QTextEdit& box) {
  QTextDocument* document = box.document();
  // Lays out the whole document at the box's current width; a box that was never painted may not
  // have laid out its lower blocks yet.
  document->documentLayout()->documentSize();
  QStringList lines;
  for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
    const QString text = block.text();
    const QTextLayout* layout = block.layout();
    const int count = layout != nullptr ? layout->lineCount() : 0;
    if (count == 0) {
      lines.append(text.left(kMaxDisplayLineLength));
      continue;
    }
    for (int i = 0; i < count; ++i) {
      const QTextLine line = layout->lineAt(i);
      QString shown = text.mid(line.textStart(), line.textLength());
      // A line ends where the box broke it; the break itself is not part of the text.
      while (shown.endsWith(QChar::LineSeparator) || shown.endsWith(QChar::ParagraphSeparator)) {
        shown.chop(1);
      }
      lines.append(shown.left(kMaxDisplayLineLength));
    }
  }
  if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
  return lines;
}

namespace {

// Draws lines [first, end) of `lines`, each with its top-left corner at its place.
void DrawLineRange(QPainter& painter, const QStringList& lines, int first, int end, int width,
                   int height) {
  const int ascent = QFontMetrics(painter.font(), painter.device()).ascent();
  for (int i = first; i < end; ++i) {
    const TextLinePlace place = PlaceTextLine(i, width, height);
    // drawText places the baseline; the line's top-left corner is its place.
    painter.drawText(QPoint(place.x, place.y + ascent), lines[i]);
  }
}

}  // namespace

bool PaintTextLines(QPainter& painter, const QStringList& lines, int width, int height,
                    const std::function<bool()>& new_sheet) {
  const int count = static_cast<int>(lines.size());
  for (int first = 0; first < count; first += kTextLinesPerSheet) {
    if (first > 0 && !new_sheet()) return false;
    DrawLineRange(painter, lines, first, std::min(count, first + kTextLinesPerSheet), width,
                  height);
  }
  return true;
}

TextPrintout ComposeTextPrintout(const QTextEdit& box) {
  TextPrintout printout;
  printout.font = PrintingFont(box.font());
  printout.font.setPointSize(10);
  printout.lines = DisplayLines(box);
  return printout;
}

int TextSheetCount(const TextPrintout& printout) {
  return std::max(
      1, (static_cast<int>(printout.lines.size()) + kTextLinesPerSheet - 1) / kTextLinesPerSheet);
}

void PaintTextSheet(QPainter& painter, const TextPrintout& printout, int sheet, int width,
                    int height) {
  painter.setFont(printout.font);
  painter.setPen(Qt::black);
  const int count = static_cast<int>(printout.lines.size());
  const int first = sheet * kTextLinesPerSheet;
  DrawLineRange(painter, printout.lines, first, std::min(count, first + kTextLinesPerSheet), width,
                height);
}

PreviewDocument TextPreviewDocument(const TextPrintout& printout, const QString& caption,
                                    const std::filesystem::path& folder) {
  PreviewDocument document;
  document.printout.page_count = TextSheetCount(printout);
  document.printout.paint_page = [printout](QPainter& painter, int sheet, int width, int height) {
    PaintTextSheet(painter, printout, sheet, width, height);
  };
  document.window_title = QStringLiteral("Visualizar impressão - ") + caption;
  document.pdf_file_name = caption + QStringLiteral(".pdf");
  document.folder = folder;
  return document;
}

bool PrintTextBox(QTextEdit& box, QPrinter& printer) {
  printer.setDocName(QString());
  QPainter painter;
  if (!BeginPrintout(painter, printer)) return false;

  // The box shows what is printed: black on white, and it stays so after printing.
  QPalette palette = box.palette();
  palette.setColor(QPalette::Text, Qt::black);
  palette.setColor(QPalette::Base, Qt::white);
  box.setPalette(palette);

  const TextPrintout printout = ComposeTextPrintout(box);
  const int width = painter.device()->width();
  const int height = painter.device()->height();
  bool printed = true;
  for (int sheet = 0; sheet < TextSheetCount(printout) && printed; ++sheet) {
    if (sheet > 0) printed = printer.newPage();
    if (printed) PaintTextSheet(painter, printout, sheet, width, height);
  }
  const bool ended = painter.end();
  return printed && ended && printer.printerState() != QPrinter::Error;
}

void CopyTextBox(QTextEdit& box) {
  if (!box.textCursor().hasSelection()) return;
  box.copy();
}

}  // namespace vorelim
