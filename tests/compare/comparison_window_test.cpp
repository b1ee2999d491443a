// The comparison window of two charts: its rows and their words for two worked couples, the texts
// its rows and its levels button open, and its sheet printed to a PDF file and read back.
#include "compare/comparison_window.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>

#include <gtest/gtest.h>

#include "compare/comparison_sheet.h"
#include "compare/element_star.h"
#include "support/charts.h"
#include "support/qt_support.h"
#include "support/recording_printer.h"
#include "texts/tform2.h"
#include "ui/print_preview.h"
#include "ui/program_printer.h"

namespace vorelim {
namespace {

struct Person {
  const char* name;
  int day, month, year;
  const char* date;  // as the window writes it
};

struct Couple {
  Person first, second;
  const char* title;
  // Per level, as the table's copy writes it: level, first cell, second cell, relation.
  const char* rows[3];
  // The caption of the texts window that Enter on each row opens.
  const char* texts[3];
};

// JOSE 5/4/1990 has 1, 6, 9 (water, metal, fire); MARIA 15/6/1975 has 7, 4, 8 (metal, wood,
// earth). PEDRO 8/10/1936 has 1, 1, 5 (water, water, earth); ANA 15/8/1968 has 5, 5, 5 (earth).
constexpr Couple kCouples[] = {
    {{"JOSE", 5, 4, 1990, "5/4/1990"},
     {"MARIA", 15, 6, 1975, "15/6/1975"},
     "Comparação - JOSE e MARIA",
     {"Personalidade\t1 (ÁGUA)\t7 (METAL)\tMARIA nutre JOSE",
      "Controle\t6 (METAL)\t4 (MADEIRA)\tJOSE domina MARIA",
      "Tendência\t9 (FOGO)\t8 (TERRA)\tJOSE nutre MARIA"},
     {"SER NUTRIDO", "DOMINAR", "NUTRIR"}},
    {{"PEDRO", 8, 10, 1936, "8/10/1936"},
     {"ANA", 15, 8, 1968, "15/8/1968"},
     "Comparação - PEDRO e ANA",
     {"Personalidade\t1 (ÁGUA)\t5 (TERRA)\tANA domina PEDRO",
      "Controle\t1 (ÁGUA)\t5 (TERRA)\tANA domina PEDRO",
      "Tendência\t5 (TERRA)\t5 (TERRA)\tmesmo elemento"},
     {"SER DOMINADO", "SER DOMINADO", "MESMO ELEMENTO"}},
};

ChartRecord ChartOf(const Person& person) {
  return test::ChartFor(person.name, person.day, person.month, person.year);
}

QString U(const char* utf8) {
  return QString::fromUtf8(utf8);
}

// The rows of a couple, their cells parted by `separator`.
QStringList Rows(const Couple& couple, QChar separator) {
  QStringList rows;
  for (const char* row : couple.rows) rows << U(row).replace(QLatin1Char('\t'), separator);
  return rows;
}

class comparison_window_test : public ::testing::Test {
 protected:
  void TearDown() override {
    SetProgramPrinterForTesting(nullptr);
    SetPrintDialogForTesting({});
    delete owner_;
    test::RunDeferredDeletes();
  }

  ComparisonWindow* Open(const Couple& couple) {
    ComparisonWindow* window = OpenComparison(owner_, ChartOf(couple.first), U(couple.first.name),
                                              ChartOf(couple.second), U(couple.second.name));
    if (QApplication::activeWindow() != window) QApplication::setActiveWindow(window);
    EXPECT_TRUE(QTest::qWaitForWindowActive(window));
    return window;
  }

  QWidget* owner_ = new QWidget;
};

TEST_F(comparison_window_test, shows_two_worked_couples_and_opens_their_texts) {
  for (const Couple& couple : kCouples) {
    SCOPED_TRACE(couple.title);
    ComparisonWindow* window = Open(couple);
    EXPECT_EQ(window->windowTitle(), U(couple.title));

    // The people, first person first, with the birth date as the chart window writes it.
    EXPECT_EQ(window->FirstStar->Marks(), ChartOf(couple.first).Elements());
    EXPECT_EQ(window->SecondStar->Marks(), ChartOf(couple.second).Elements());
    QAccessibleInterface* star = QAccessible::queryAccessibleInterface(window->SecondStar);
    ASSERT_NE(star, nullptr);
    EXPECT_EQ(star->text(QAccessible::Name),
              QStringLiteral("Estrela dos elementos de ") + U(couple.second.name));
    QStringList labels;
    for (const QLabel* label : window->findChildren<QLabel*>()) labels << label->text();
    EXPECT_EQ(
        labels,
        (QStringList{U(couple.first.name), QStringLiteral("Nasceu em ") + U(couple.first.date),
                     U(couple.second.name), QStringLiteral("Nasceu em ") + U(couple.second.date)}));

    // The table as shown and as its copy (button or Ctrl+C) gives it: headers, a row per level.
    QTableWidget* table = window->Table;
    const QString copied = (QStringList{QStringLiteral("Nível\t%1\t%2\tRelação")
                                            .arg(U(couple.first.name), U(couple.second.name))} +
                            Rows(couple, QLatin1Char('\t')))
                               .join(QLatin1Char('\n')) +
                           QLatin1Char('\n');
    QStringList shown;  // the header row, then a row per level
    for (int r = -1; r < table->rowCount(); ++r) {
      QStringList cells{r < 0 ? QStringLiteral("Nível") : table->verticalHeaderItem(r)->text()};
      for (int c = 0; c < table->columnCount(); ++c)
        cells << (r < 0 ? table->horizontalHeaderItem(c) : table->item(r, c))->text();
      shown << cells.join(QLatin1Char('\t'));
    }
    EXPECT_EQ(shown.join(QLatin1Char('\n')) + QLatin1Char('\n'), copied);
    window->CopyButton->click();
    EXPECT_EQ(QApplication::clipboard()->text(), copied);
    QApplication::clipboard()->clear();
    QTest::keyClick(table, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), copied) << "Ctrl+C copies the whole table";

    // From the keyboard: the table has the focus; Enter on a row opens its relation's text, in a
    // texts window the comparison owns.
    EXPECT_TRUE(table->hasFocus());
    for (int r = 0; r < 3; ++r) {
      table->setCurrentCell(r, 0);
      QTest::keyClick(table->viewport(), Qt::Key_Return);
      QList<TForm2*> opened = window->findChildren<TForm2*>();
      ASSERT_EQ(opened.size(), r + 1);
      EXPECT_EQ(opened.last()->windowTitle(), U(couple.texts[r]));
    }
    // A double-click on a cell, as the platform sends it (a click, then the double-click and its
    // release), opens its row's text too; the levels button opens the levels'.
    const QPoint cell = table->visualItemRect(table->item(1, 2)).center();
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, cell);
    QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, cell);
    QTest::mouseRelease(table->viewport(), Qt::LeftButton, {}, cell);
    ASSERT_EQ(window->findChildren<TForm2*>().size(), 4);
    EXPECT_EQ(window->findChildren<TForm2*>().last()->windowTitle(), U(couple.texts[1]));
    window->LevelsButton->click();
    EXPECT_EQ(window->findChildren<TForm2*>().last()->windowTitle(),
              QStringLiteral("OS TRÊS NÍVEIS"));
  }
}

// One page in the print preview; on the printer, both stars; one searchable PDF page with both
// people, the headings and every row.
TEST_F(comparison_window_test, prints_its_sheet_to_a_pdf_page) {
  ComparisonWindow* window = Open(kCouples[0]);
  window->PreviewButton->click();
  auto* preview = window->findChild<PrintPreviewWindow*>();
  ASSERT_NE(preview, nullptr);
  EXPECT_EQ(preview->Preview()->pageCount(), 1);
  delete preview;

  test::RecordingPrinter recorder(4660, 6716, 600);
  SetProgramPrinterForTesting(&recorder);
  SetPrintDialogForTesting([](QPrinter&, QWidget*) { return true; });
  window->PrintButton->click();
  int stars = 0;
  for (const test::RecordedShape& shape : recorder.record().polygons) stars += shape.odd_even;
  EXPECT_EQ(stars, 2);
  SetProgramPrinterForTesting(nullptr);

  QTemporaryDir dir;
  const QString pdf = dir.filePath(QStringLiteral("comparacao.pdf"));
  SetPrintDialogForTesting([&pdf](QPrinter& printer, QWidget*) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    return true;
  });
  QTest::keyClick(window, Qt::Key_P, Qt::ControlModifier);
  EXPECT_EQ(test::PdfPageCount(test::ReadWholeFile(pdf)), 1);
  const std::optional<QString> text = test::PdfText(pdf, {QStringLiteral("-layout")});
  if (!text) GTEST_SKIP() << "pdftotext is not installed";
  EXPECT_EQ(test::LigaturesIn(*text), QString());
  const QString words = text->simplified();
  QStringList expected = Rows(kCouples[0], QLatin1Char(' '));
  for (const char* line : {kComparisonSheetTitle, "NOME: JOSE", "DATA NASC: 5/4/1990",
                           "NOME: MARIA", "DATA NASC: 15/6/1975", "NÍVEL JOSE MARIA RELAÇÃO"}) {
    expected << U(line);
  }
  for (const QString& line : expected)
    EXPECT_TRUE(words.contains(line)) << line.toStdString() << " in " << words.toStdString();
}

}  // namespace
}  // namespace vorelim
