#pragma once
// The client report: one document for a chart and a transit year. Page 1 is the chart sheet as
// the chart window's "&Imprimir" prints it; then one page for each text the chart's numbers open
// (personality, control, tendency, the era and the year's house), with the text as the texts
// window's "I&mprime" prints it under headings that say what opened it; then the page of the
// year's transits, the houses of the year before, the year and the year after and of the twelve
// months, as a table. Every page after the first has a footer with the client's name, birth date,
// the date of the report and the page number. One paint function per page serves the preview, the
// printer and the PDF.

#include <QList>
#include <QString>
#include <QStringList>
#include <filesystem>
#include <functional>

#include "chart/chart_record.h"
#include "chart/chart_rules.h"
#include "chart/today.h"
#include "chartview/chart_printout.h"
#include "texts/text_printing.h"
#include "ui/paged_printout.h"
#include "ui/print_preview.h"

namespace vorelim {

/// A text of the report and what opened it.
struct ReportText {
  /// "Personalidade: METAL 7", "Era: CASA 5", ...: one heading for each number that opens it.
  QStringList headings;
  /// The texts window's page key of the text ("7", "c5").
  QString page_key;
};

/// The texts the chart's numbers open, in the order personality, control, tendency, era, the
/// year's house; a text that several of them open comes once, where the first put it, with all
/// their headings. A number the chart lacks opens nothing.
QList<ReportText> ReportTexts(const ChartRecord& record, const ChartTransits& transits);

/// One row of the transits page's tables: "2026" or "JANEIRO", and its house.
struct TransitRow {
  QString label;
  QString house;
};

/// The transits page: the era, the houses of the year before, the year and the year after, and of
/// the twelve months (January first), all by the core's TransitsForYear.
struct TransitsPage {
  QString title;  // "Trânsitos de 2027"
  QString era;
  QList<TransitRow> years;
  QList<TransitRow> months;
};

/// The transits page of `record` for `year` (a year before the birth year counts as the birth
/// year, as in the chart window).
TransitsPage ComposeTransitsPage(const ChartRecord& record, int year);

/// A text page of the report: its headings and the text as "I&mprime" prints it (a text longer
/// than a sheet goes on over further pages, as it prints).
struct ReportTextPage {
  QStringList headings;
  TextPrintout text;
};

struct ClientReport {
  QString chart_name;
  QString year_text;  // the transit year, "2027"
  ChartPrintout chart_sheet;
  QList<ReportTextPage> texts;
  TransitsPage transits;
  QString client_line;  // "MARIA - DATA NASC: 15/6/1975"
  QString date_line;    // "Relatório de 9/12/2026"
};

/// The printout of a text of the texts window, by its page key, as "I&mprime" prints it.
using TextForKey = std::function<TextPrintout(const QString& page_key)>;

/// Composes the report of `record` (named `chart_name`) for the transit year `year`, made on
/// `today`; `text_for_key` gives each text's printout.
ClientReport ComposeClientReport(const ChartRecord& record, const QString& chart_name, int year,
                                 CalendarDate today, const TextForKey& text_for_key);

/// The pages of the report: their count and the one function that paints each. Titled
/// "Relatório de MARIA - 2027", by the program ("MAPA DO VORELIM").
PagedPrintout ReportPrintout(const ClientReport& report);

/// The report in the print preview: "Relatório - MARIA", proposing "MARIA 2027.pdf" in `folder`.
PreviewDocument ReportPreviewDocument(const ClientReport& report,
                                      const std::filesystem::path& folder);

}  // namespace vorelim
