#pragma once
// The chart printed on one sheet: the element star with its rings, the element labels, the title
// "ESTRELA DOS CINCO ELEMENTOS" and eight lines of the person's data and the numbers of the
// transit year and the current month. Everything is placed at integer fractions of the printable
// area in printer pixels; fonts are given in points, so they keep their size on paper.

#include <array>
#include <filesystem>
#include <string>
#include <string_view>

#include "chart/chart_record.h"
#include "ui/print_preview.h"

#include <QtGlobal>

QT_BEGIN_NAMESPACE
class QPainter;
class QPrinter;
QT_END_NAMESPACE

namespace vorelim {

/// What a printout shows, worked out before the print dialog opens.
struct ChartPrintout {
  ElementMarks marks{};
  std::array<std::string, 8> lines;  // UTF-8, name line first
};

/// The Portuguese name of a month 1..12 in capitals, as the printout writes it ("JANEIRO"..
/// "DEZEMBRO"); "DEZEMBRO" for any other value.
std::string MonthName(int month);

/// Composes the printout of a chart for the transit year text of the year box (first 4
/// characters used) and the current calendar month. A transit year before the birth year is
/// replaced by the birth year for the numbers and the year's "CASA" line.
ChartPrintout ComposeChartPrintout(const ChartRecord& record, std::string_view transit_year,
                                   int current_month);

/// Paints the printout on a surface of w x h pixels. Texts are always black and regular,
/// whatever the painter held before.
void PaintChartPrintout(QPainter& painter, int w, int h, const ChartPrintout& printout);

/// Prints the printout as one sheet on the printer's printable area. Returns false, having printed
/// nothing, when the printer cannot begin (no valid printer, a job in progress, an unwritable
/// file).
bool PrintChartPrintout(QPrinter& printer, const ChartPrintout& printout);

/// The printout as the print preview shows it: one sheet, painted by PaintChartPrintout, in a
/// window titled "Visualizar impressão - " and the chart name, whose "Salvar PDF" proposes the
/// chart name with ".pdf" in `folder`.
PreviewDocument ChartPreviewDocument(const ChartPrintout& printout, const QString& chart_name,
                                     const std::filesystem::path& folder);

}  // namespace vorelim
