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

bool PaintTextLines(QPainter& painter, const QStringList& lines, int width, int height,
                    const std::function<bool()>& new_sheet) {
  const int ascent = QFontMetrics(painter.font(), painter.device()).ascent();
  int sheet = 0;
  for (int i = 0; i < lines.size(); ++i) {
    const TextLinePlace place = PlaceTextLine(i, width, height);
    if (place.sheet != sheet) {
      if (!new_sheet()) return false;
      sheet = place.sheet;
    }
    // drawText places the baseline; the line's top-left corner is its place.
    painter.drawText(QPoint(place.x, place.y + ascent), lines[i]);
  }
  return true;
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

  QFont font = PrintingFont(box.font());
  font.setPointSize(10);
  painter.setFont(font);
  painter.setPen(Qt::black);

  const int width = painter.device()->width();
  const int height = painter.device()->height();
  const bool printed = PaintTextLines(painter, DisplayLines(box), width, height,
                                      [&printer] { return printer.newPage(); });
  const bool ended = painter.end();
  return printed && ended && printer.printerState() != QPrinter::Error;
}

void CopyTextBox(QTextEdit& box) {
  if (!box.textCursor().hasSelection()) return;
  box.copy();
}

}  // namespace vorelim
