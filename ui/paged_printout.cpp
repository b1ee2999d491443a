#include "ui/paged_printout.h"

#include <QBuffer>
#include <QByteArray>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QRegularExpression>

#include "ui/program_printer.h"

namespace vorelim {
namespace {

// Paints every page on a painter already begun; `new_page` starts each page after the first.
bool PaintPages(QPainter& painter, const PagedPrintout& printout, int width, int height,
                const std::function<bool()>& new_page) {
  for (int page = 0; page < printout.page_count; ++page) {
    if (page > 0 && !new_page()) return false;
    painter.save();
    printout.paint_page(painter, page, width, height);
    painter.restore();
  }
  return true;
}

// A PDF text string that holds any character: UTF-16 with its byte order mark, in hexadecimal.
QByteArray PdfTextString(const QString& text) {
  QByteArray utf16("\xfe\xff", 2);
  for (const QChar c : text) {
    utf16.append(static_cast<char>(c.unicode() >> 8));
    utf16.append(static_cast<char>(c.unicode() & 0xff));
  }
  return '<' + utf16.toHex().toUpper() + '>';
}

}  // namespace

bool PrintPages(QPrinter& printer, const PagedPrintout& printout) {
  printer.setDocName(printout.title);
  QPainter painter;
  if (!BeginPrintout(painter, printer)) return false;
  const bool painted = PaintPages(painter, printout, printer.width(), printer.height(),
                                  [&printer] { return printer.newPage(); });
  const bool ended = painter.end();
  return painted && ended && printer.printerState() != QPrinter::Error;
}

QByteArray PdfDocument(const PagedPrintout& printout, const QPageLayout& layout, int resolution) {
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  {
    QPdfWriter writer(&buffer);
    writer.setResolution(resolution);
    writer.setPageLayout(layout);
    writer.setTitle(printout.title);
    writer.setCreator(printout.author);
    QPainter painter;
    if (!BeginPrintout(painter, writer)) return {};
    const bool painted = PaintPages(painter, printout, writer.width(), writer.height(),
                                    [&writer] { return writer.newPage(); });
    if (!painter.end() || !painted) return {};
  }
  const QByteArray& pdf = buffer.data();
  return printout.author.isEmpty() ? pdf : WithPdfAuthor(pdf, printout.author);
}

QByteArray WithPdfAuthor(const QByteArray& pdf, const QString& author) {
  // The last trailer names the information dictionary, the catalogue and the object count; the
  // last "startxref" gives where the cross-reference table starts.
  const qsizetype trailer_at = pdf.lastIndexOf("trailer");
  const qsizetype startxref_at = pdf.lastIndexOf("startxref");
  if (trailer_at < 0 || startxref_at < trailer_at) return pdf;
  const QString trailer = QString::fromLatin1(pdf.mid(trailer_at, startxref_at - trailer_at));
  static const QRegularExpression size_pattern(QStringLiteral("/Size\\s+(\\d+)"));
  static const QRegularExpression info_pattern(QStringLiteral("/Info\\s+(\\d+)\\s+0\\s+R"));
  static const QRegularExpression root_pattern(QStringLiteral("/Root\\s+(\\d+)\\s+0\\s+R"));
  static const QRegularExpression xref_pattern(QStringLiteral("startxref\\s+(\\d+)"));
  const auto size = size_pattern.match(trailer);
  const auto info = info_pattern.match(trailer);
  const auto root = root_pattern.match(trailer);
  const auto xref = xref_pattern.match(QString::fromLatin1(pdf.mid(startxref_at, 40)));
  if (!size.hasMatch() || !info.hasMatch() || !root.hasMatch() || !xref.hasMatch()) return pdf;

  // The old information dictionary's entries, kept in the new one.
  const QByteArray info_start = "\n" + info.captured(1).toLatin1() + " 0 obj";
  const qsizetype object_at = pdf.indexOf(info_start);
  const qsizetype open_at = object_at < 0 ? -1 : pdf.indexOf("<<", object_at);
  const qsizetype end_at = open_at < 0 ? -1 : pdf.indexOf("endobj", open_at);
  const qsizetype close_at = end_at < 0 ? -1 : pdf.lastIndexOf(">>", end_at);
  if (close_at <= open_at) return pdf;
  const QByteArray entries = pdf.mid(open_at + 2, close_at - open_at - 2);

  const QByteArray number = size.captured(1).toLatin1();
  QByteArray updated = pdf;
  if (!updated.endsWith('\n')) updated.append('\n');
  const qsizetype new_object_at = updated.size();
  updated +=
      number + " 0 obj\n<<" + entries + "/Author " + PdfTextString(author) + "\n>>\nendobj\n";
  const qsizetype new_xref_at = updated.size();
  updated += "xref\n" + number + " 1\n" +
             QByteArray::number(new_object_at).rightJustified(10, '0') + " 00000 n \n";
  updated += "trailer\n<<\n/Size " + QByteArray::number(number.toLongLong() + 1) + "\n/Info " +
             number + " 0 R\n/Root " + root.captured(1).toLatin1() + " 0 R\n/Prev " +
             xref.captured(1).toLatin1() + "\n>>\nstartxref\n" + QByteArray::number(new_xref_at) +
             "\n%%EOF\n";
  return updated;
}

}  // namespace vorelim
