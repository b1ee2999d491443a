// The print preview as the user meets it: the report's preview and its "Salvar PDF" through the
// real file dialog (Enter saves, an existing file is replaced only after the question), a file
// that cannot be written, and the chart and texts windows' own previews.
#include "ui/print_preview.h"

#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>

#include <gtest/gtest.h>

#include "chartview/tvemapa.h"
#include "report/report_preview.h"
#include "support/charts.h"
#include "support/qt_support.h"
#include "texts/tform2.h"
#include "ui/program_printer.h"

namespace vorelim {
namespace {

// Runs `answer` on the next modal window of type T once it shows, from inside its event loop.
template <typename T>
void WhenModal(std::function<void(T*)> answer) {
  auto* timer = new QTimer;
  timer->setInterval(10);
  QObject::connect(timer, &QTimer::timeout, [timer, answer] {
    auto* window = qobject_cast<T*>(QApplication::activeModalWidget());
    if (window == nullptr || !window->isVisible()) return;
    timer->stop();
    timer->deleteLater();
    answer(window);
  });
  timer->start();
}

void PressEnter(QWidget* window) {
  QWidget* focus = QApplication::focusWidget();
  QTest::keyClick(focus != nullptr && window->isAncestorOf(focus) ? focus : window, Qt::Key_Return);
}

class print_preview_test : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(folder_.isValid());
    printer_.setPageSize(QPageSize(QPageSize::A4));
    SetProgramPrinterForTesting(&printer_);
  }
  void TearDown() override {
    SetSavePdfDialogForTesting(nullptr);
    SetProgramPrinterForTesting(nullptr);
  }

  QTemporaryDir folder_;
  QPrinter printer_{QPrinter::HighResolution};
};

TEST_F(print_preview_test, report_preview_saves_with_enter_and_replaces_only_when_confirmed) {
  SetTodayForTesting(CalendarDate{2026, 12, 9});
  PrintPreviewWindow* window =
      OpenReportPreview(nullptr, test::ChartFor("MARIA", 15, 6, 1975), QStringLiteral("MARIA"),
                        2027, folder_.path().toStdString());
  SetTodayForTesting(std::nullopt);
  QCoreApplication::processEvents();
  EXPECT_EQ(window->Preview()->pageCount(), window->Document().printout.page_count);
  // Its commands wrap rather than push the window past the screen's width.
  EXPECT_LE(window->minimumSizeHint().width(), window->screen()->availableGeometry().width());
  const QString pdf = folder_.filePath(QStringLiteral("MARIA 2027.pdf"));

  // Ctrl+S opens the dialog on the proposed file in the folder; Enter saves there.
  QString proposed;
  WhenModal<QFileDialog>([&](QFileDialog* dialog) {
    proposed = dialog->selectedFiles().value(0);
    PressEnter(dialog);
  });
  QTest::keyClick(window, Qt::Key_S, Qt::ControlModifier);
  EXPECT_EQ(proposed, pdf);
  ASSERT_TRUE(QFile::exists(pdf));
  const QByteArray saved = test::ReadWholeFile(pdf);
  EXPECT_EQ(test::PdfPageCount(saved), window->Document().printout.page_count);

  // Saving again asks before replacing: "No" keeps the file as it was.
  for (const QMessageBox::StandardButton answer : {QMessageBox::No, QMessageBox::Yes}) {
    SCOPED_TRACE(answer == QMessageBox::No ? "no" : "yes");
    {
      QFile old(pdf);
      ASSERT_TRUE(old.open(QIODevice::WriteOnly));
      old.write("antigo");
    }
    bool asked = false;
    WhenModal<QFileDialog>([&](QFileDialog* dialog) {
      WhenModal<QMessageBox>([&](QMessageBox* question) {
        asked = true;
        question->button(answer)->click();
      });
      PressEnter(dialog);
      if (dialog->isVisible()) dialog->reject();
    });
    window->SavePdfClick();
    EXPECT_TRUE(asked);
    EXPECT_EQ(test::ReadWholeFile(pdf).startsWith("%PDF-"), answer == QMessageBox::Yes);
  }

  // A file that cannot be written is told, with its name.
  SetSavePdfDialogForTesting([this](QWidget*, const QString&) {
    return folder_.filePath(QStringLiteral("sem pasta/MARIA 2027.pdf"));
  });
  test::WarningCapture warnings;
  window->SavePdfClick();
  ASSERT_EQ(warnings.texts().size(), 1);
  EXPECT_TRUE(warnings.texts()[0].contains(QStringLiteral("\"MARIA 2027.pdf\"")))
      << warnings.texts()[0].toStdString();
  delete window;
}

// The chart window's report is of the year in its box; its own preview and the texts window's are
// titled and named after what they show.
TEST_F(print_preview_test, chart_and_texts_windows_preview_their_own_printouts) {
  TVemapa chart_window;
  chart_window.Chart = test::ChartFor("MARIA", 15, 6, 1975);
  chart_window.ChartName = QStringLiteral("MARIA");
  chart_window.SetYearText(QStringLiteral("2028"));
  PrintPreviewWindow* report = OpenReportPreview(chart_window);
  EXPECT_EQ(report->Document().pdf_file_name, QStringLiteral("MARIA 2028.pdf"));
  delete report;

  chart_window.VisualizarImpressao1->trigger();
  auto* chart_preview = chart_window.findChild<PrintPreviewWindow*>();
  ASSERT_NE(chart_preview, nullptr);
  EXPECT_EQ(chart_preview->windowTitle(), QStringLiteral("Visualizar impressão - MARIA"));
  EXPECT_EQ(chart_preview->Document().pdf_file_name, QStringLiteral("MARIA.pdf"));

  TForm2 texts_window(nullptr);
  texts_window.SelectPage(QStringLiteral("7"));
  test::Named<QPushButton>(*texts_window.Page(7), "Visualizar8")->click();
  auto* text_preview = texts_window.findChild<PrintPreviewWindow*>();
  ASSERT_NE(text_preview, nullptr);
  EXPECT_EQ(text_preview->windowTitle(), QStringLiteral("Visualizar impressão - METAL 7"));
}

}  // namespace
}  // namespace vorelim
