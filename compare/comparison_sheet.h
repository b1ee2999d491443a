#pragma once
// The comparison printed on one sheet: a title, each person's name and birth date above their
// element star (rings and labels, drawn by the chart's own drawing functions), side by side, and
// the table of the three levels below. Everything is placed at integer fractions of the printable
// area; fonts are given in points and drawn without ligatures, so a PDF of the sheet is searched
// as printed. One paint function serves the printer, a PDF and any preview.

#include <QtGlobal>

#include "ui/paged_printout.h"

QT_BEGIN_NAMESPACE
class QPainter;
class QPrinter;
QT_END_NAMESPACE

namespace vorelim {

struct Comparison;

/// The sheet's title.
inline constexpr const char* kComparisonSheetTitle = "COMPARAÇÃO DOS CINCO ELEMENTOS";

/// Paints the sheet on a surface of w x h pixels, in black on whatever is below.
void PaintComparisonSheet(QPainter& painter, int w, int h, const Comparison& comparison);

/// The sheet as a printout of one page, painted by PaintComparisonSheet from its own copy of
/// `comparison`: for the printer and the print preview alike.
PagedPrintout ComparisonPrintout(const Comparison& comparison);

/// Prints the sheet on the printer's printable area. Returns false, having printed nothing, when
/// the printer cannot begin (no valid printer, a job in progress, an unwritable file).
bool PrintComparison(QPrinter& printer, const Comparison& comparison);

}  // namespace vorelim
