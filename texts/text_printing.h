#pragma once
// Printing and copying the text of a texts window page. A printout shows the text box's display
// lines (the lines as the box wraps them at its current width), one per 1/64 of the printable
// height, starting at 7/64, with a left margin of 1/8 of the printable width. A sheet holds 57
// lines; a longer text goes on over further sheets with the same layout, so no line is lost.

#include <QFont>
#include <QString>
#include <QStringList>
#include <filesystem>
#include <functional>

#include "ui/print_preview.h"

QT_BEGIN_NAMESPACE
class QPainter;
class QPrinter;
class QTextEdit;
QT_END_NAMESPACE

namespace vorelim {

/// Display lines that fit on one sheet: line 57 would start at the bottom edge of the sheet.
inline constexpr int kTextLinesPerSheet = 57;
/// Longest display line read from a text box; the rest of a longer line is left out.
inline constexpr int kMaxDisplayLineLength = 4096;

/// Where a display line goes: the sheet (0 for the first) and its top-left corner in the
/// printable area of `width` x `height` device pixels.
struct TextLinePlace {
  int sheet = 0;
  int x = 0;
  int y = 0;
};

/// x = width div 8, y = height * (j + 7) div 64 with j the line's position on its sheet.
TextLinePlace PlaceTextLine(int line, int width, int height);

/// The lines as `box` shows them, wrapped at its current width, without line breaks. A last line
/// that is empty is not counted.
QStringList DisplayLines(const QTextEdit& box);

/// Draws `lines` in the painter's current font and pen, each with its top-left corner at its
/// place. Before each sheet after the first it calls `new_sheet`; when that returns false the
/// drawing stops. Returns false if it stopped that way.
bool PaintTextLines(QPainter& painter, const QStringList& lines, int width, int height,
                    const std::function<bool()>& new_sheet);

/// What a text printout draws: display lines, in the font they print in.
struct TextPrintout {
  QFont font;
  QStringList lines;
};

/// The printout of `box` as its print button prints it: the box's display lines, in its font at
/// 10 points, drawn as printouts draw text (PrintingFont).
TextPrintout ComposeTextPrintout(const QTextEdit& box);

/// The sheets a printout takes: one per kTextLinesPerSheet display lines, at least one.
int TextSheetCount(const TextPrintout& printout);

/// Paints sheet `sheet` (0 for the first) of `printout` on a surface of `width` x `height` device
/// pixels: its lines in black, each at its place. The one paint function of a text sheet, for the
/// printer, the preview and the PDF.
void PaintTextSheet(QPainter& painter, const TextPrintout& printout, int sheet, int width,
                    int height);

/// The printout as the print preview shows it: its sheets painted by PaintTextSheet, in a window
/// titled "Visualizar impressão - " and `caption`, whose "Salvar PDF" proposes `caption` with
/// ".pdf" in `folder`.
PreviewDocument TextPreviewDocument(const TextPrintout& printout, const QString& caption,
                                    const std::filesystem::path& folder);

/// Prints the display lines of `box` on `printer` (already chosen by the user): sets the box to
/// black text on a white background, then draws its lines in its font at 10 points. Returns false
/// when the printer failed (cannot begin, no new sheet); the failure is not shown to the user.
bool PrintTextBox(QTextEdit& box, QPrinter& printer);

/// Puts the selection of `box` on the clipboard; with nothing selected the clipboard is unchanged.
void CopyTextBox(QTextEdit& box);

}  // namespace vorelim
