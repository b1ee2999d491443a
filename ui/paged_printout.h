#pragma once
// A printout of one or more pages, painted page by page by one function. The same function paints
// the pages in the print preview, on the printer and in a PDF file, so what the preview shows is
// what prints.

#include <QString>
#include <functional>

QT_BEGIN_NAMESPACE
class QPageLayout;
class QPainter;
class QPrinter;
QT_END_NAMESPACE

namespace vorelim {

/// Paints page `page` (0 for the first) on `painter`, whose origin is the top-left corner of the
/// printable area of `width` x `height` device pixels.
using PaintPage = std::function<void(QPainter& painter, int page, int width, int height)>;

struct PagedPrintout {
  /// The print job's name and the PDF's title; empty for the designed printouts, whose jobs have
  /// no name.
  QString title;
  /// The PDF's author; empty for none.
  QString author;
  int page_count = 1;
  PaintPage paint_page;
};

/// Prints every page of `printout` on `printer`, one sheet each. Returns false when the printer
/// cannot begin or cannot start a new sheet; the failure is not shown to the user.
bool PrintPages(QPrinter& printer, const PagedPrintout& printout);

/// The printout as the bytes of a PDF file, on pages of `layout` at `resolution` dots per inch
/// (the program printer's paper, orientation and resolution); empty when it could not be made.
/// The title and the author are the document's title and author.
QByteArray PdfDocument(const PagedPrintout& printout, const QPageLayout& layout, int resolution);

/// Adds `author` to the information of the PDF document `pdf` (as written by Qt's PDF writer) as an
/// incremental update: the document's own bytes stay as they are. Returns `pdf` unchanged when it
/// has no trailer to update.
QByteArray WithPdfAuthor(const QByteArray& pdf, const QString& author);

}  // namespace vorelim
