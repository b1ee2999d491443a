#pragma once
// The frame's "&Relatório...": the client report of a chart window's chart and transit year, made
// and opened in the print preview window.

#include <QString>
#include <filesystem>

#include "chart/chart_record.h"
#include "report/client_report.h"

class TVemapa;

QT_BEGIN_NAMESPACE
class QWidget;
QT_END_NAMESPACE

namespace vorelim {

class PrintPreviewWindow;

/// The printout of each text as a texts window of the designed size prints it with "I&mprime":
/// its display lines at the designed width, read from a texts window that never reaches the screen
/// and lives as long as the function returned.
TextForKey DesignedTextPrintouts();

/// Makes the report of `record` (the chart `chart_name`) for the transit `year`, dated today, and
/// opens it in the print preview window over `owner` ("Relatório - MARIA"), whose "Salvar PDF"
/// proposes "MARIA 2027.pdf" in `current_folder`. The window belongs to `owner`.
PrintPreviewWindow* OpenReportPreview(QWidget* owner, const ChartRecord& record,
                                      const QString& chart_name, int year,
                                      const std::filesystem::path& current_folder);

/// "&Relatório...": the report of the chart window's chart for the year in its year box (read as
/// "&Imprimir" reads it, whether or not "OK" was pressed), over the chart window, proposing its PDF
/// in the program's current folder.
PrintPreviewWindow* OpenReportPreview(TVemapa& chart);

}  // namespace vorelim
