#include "report/report_preview.h"

#include <QTextEdit>
#include <QWidget>
#include <memory>

#include "chart/chart_rules.h"
#include "chartview/tvemapa.h"
#include "texts/tform2.h"
#include "ui/controls.h"
#include "ui/print_preview.h"

namespace vorelim {

TextForKey DesignedTextPrintouts() {
  // One texts window serves every text: laid out at its designed size as if shown, without
  // reaching the screen, so each page's box wraps its lines as a freshly opened window does.
  // It belongs to the function returned alone, and goes with its last copy.
  const auto window = std::make_shared<TForm2>(nullptr);
  window->setAttribute(Qt::WA_DontShowOnScreen);
  window->setAttribute(Qt::WA_DeleteOnClose, false);
  window->show();
  return [window](const QString& page_key) {
    window->SelectPage(page_key);
    return ComposeTextPrintout(*window->RichEdit(window->CurrentPage()));
  };
}

PrintPreviewWindow* OpenReportPreview(QWidget* owner, const ChartRecord& record,
                                      const QString& chart_name, int year,
                                      const std::filesystem::path& current_folder) {
  ClientReport report;
  {
    const TextForKey texts = DesignedTextPrintouts();
    report = ComposeClientReport(record, chart_name, year, Today(), texts);
  }
  return OpenPrintPreview(owner, ReportPreviewDocument(report, current_folder));
}

PrintPreviewWindow* OpenReportPreview(TVemapa& chart) {
  const ChartTransits transits = TransitsForYear(chart.Chart, chart.Edit1->text().toStdString());
  return OpenReportPreview(&chart, chart.Chart, chart.ChartName, transits.year,
                           std::filesystem::current_path());
}

}  // namespace vorelim
