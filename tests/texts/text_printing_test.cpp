// Printing and copying a page of the texts window: line placement, display lines, the print path
// to a PDF file (read back with pdftotext) and the clipboard.
#include "texts/text_printing.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextCursor>
#include <QTextEdit>

#include <gtest/gtest.h>

#include "support/qt_support.h"
#include "support/recording_printer.h"
#include "texts/text_catalogue.h"
#include "texts/tform2.h"
#include "ui/program_printer.h"

namespace vorelim {
namespace {

// --- Placement -------------------------------------------------------------------------------

struct PlaceRow {
  const char* name;
  int line, width, height;
  TextLinePlace expected;
};

TEST(text_printing_test, places_lines_at_fractions_of_the_sheet) {
  const PlaceRow rows[] = {
      {"first line", 0, 4800, 6400, {0, 600, 700}},
      {"35th line at 41/64", 34, 4800, 6400, {0, 600, 4100}},
      {"last line of a sheet", 56, 4800, 6400, {0, 600, 6300}},
      {"line 58 starts sheet two", 57, 4800, 6400, {1, 600, 700}},
      {"last line of sheet two", 113, 4800, 6400, {1, 600, 6300}},
      {"third sheet", 114, 4800, 6400, {2, 600, 700}},
      {"remainders dropped", 1, 4799, 6399, {0, 599, 799}},
      {"landscape", 2, 7016, 4961, {0, 877, 697}},
      {"large printer, no overflow", 56, 100000, 40000000, {0, 12500, 39375000}},
  };
  for (const PlaceRow& row : rows) {
    SCOPED_TRACE(row.name);
    const TextLinePlace place = PlaceTextLine(row.line, row.width, row.height);
    EXPECT_EQ(place.sheet, row.expected.sheet);
    EXPECT_EQ(place.x, row.expected.x);
    EXPECT_EQ(place.y, row.expected.y);
  }
}

// --- Display lines ---------------------------------------------------------------------------

TEST(text_printing_test, display_lines_follow_the_box_wrapping) {
  QTextEdit box;
  box.setPlainText(QStringLiteral("um dois três quatro cinco seis sete oito nove dez\n\nfim\n"));
  box.resize(1000, 300);
  box.show();
  EXPECT_EQ(DisplayLines(box),
            (QStringList{"um dois três quatro cinco seis sete oito nove dez", "", "fim"}))
      << "empty lines inside count, a last empty line does not";

  box.resize(90, 300);
  QApplication::processEvents();
  const QStringList narrow = DisplayLines(box);
  EXPECT_GT(narrow.size(), 4);
  EXPECT_EQ(narrow.last(), QStringLiteral("fim"));
  // The wrapped lines together still hold the first stored line, word for word.
  const qsizetype empty_at = narrow.indexOf(QString());
  ASSERT_GT(empty_at, 1);
  EXPECT_EQ(narrow.mid(0, empty_at).join(QString()).simplified().remove(QLatin1Char(' ')),
            QStringLiteral("umdoistrêsquatrocincoseisseteoitonovedez"));
}

TEST(text_printing_test, display_line_is_read_with_at_most_4096_characters) {
  QTextEdit box;
  box.setLineWrapMode(QTextEdit::NoWrap);
  box.setPlainText(QString(5000, QLatin1Char('x')) + QStringLiteral("\nok"));
  const QStringList lines = DisplayLines(box);
  ASSERT_EQ(lines.size(), 2);
  EXPECT_EQ(lines[0].size(), kMaxDisplayLineLength);
  EXPECT_EQ(lines[1], QStringLiteral("ok"));
}

TEST(text_printing_test, paints_each_line_with_its_top_left_at_its_place) {
  test::RecordingPrinter device(4800, 6400, 600);
  QStringList lines;
  for (int i = 0; i < 60; ++i)
    lines.append(i % 5 == 4 ? QString() : QStringLiteral("linha %1").arg(i));
  int new_sheets = 0;
  QPainter painter(&device);
  QFont font(QStringLiteral("Liberation Sans"));
  font.setPointSize(10);
  painter.setFont(font);
  const int ascent = QFontMetrics(painter.font(), &device).ascent();
  ASSERT_TRUE(PaintTextLines(painter, lines, 4800, 6400, [&] {
    ++new_sheets;
    return true;
  }));
  painter.end();

  EXPECT_EQ(new_sheets, 1);
  int checked = 0;
  for (const test::RecordedText& drawn : device.record().texts) {
    if (drawn.text.isEmpty()) continue;
    const int line = drawn.text.mid(6).toInt();
    SCOPED_TRACE(drawn.text.toStdString());
    EXPECT_EQ(drawn.text, lines[line]);
    const int row = line % 57;
    EXPECT_EQ(drawn.baseline.x(), 600);
    EXPECT_EQ(drawn.baseline.y() - ascent, 6400 * (row + 7) / 64);
    ++checked;
  }
  EXPECT_EQ(checked, 48);
}

TEST(text_printing_test, painting_stops_when_no_new_sheet) {
  test::RecordingPrinter device(640, 640, 600);
  QPainter painter(&device);
  const QStringList lines(70, QStringLiteral("x"));
  EXPECT_FALSE(PaintTextLines(painter, lines, 640, 640, [] { return false; }));
  painter.end();
  EXPECT_EQ(device.record().texts.size(), 57u);
}

// --- The print path to PDF -------------------------------------------------------------------

struct PdfLine {
  double x;
  double y;
  QStringList words;
};

// The lines of each page of a PDF, as pdftotext finds the words: grouped by their top edge. The
// words are taken as the PDF holds them, so a ligature glyph ("ﬁ") would show as its own character.
QList<QList<PdfLine>> ReadPdfLines(const QString& path) {
  const QString html = test::PdfText(path, {QStringLiteral("-bbox")}).value_or(QString());
  QList<QList<PdfLine>> pages;
  static const QRegularExpression word_pattern(QStringLiteral(
      R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="[\d.]+" yMax="[\d.]+">([^<]*)</word>)re"));
  const QStringList page_texts = html.split(QStringLiteral("<page "));
  for (int p = 1; p < page_texts.size(); ++p) {
    QList<PdfLine> lines;
    auto it = word_pattern.globalMatch(page_texts[p]);
    while (it.hasNext()) {
      const auto match = it.next();
      const double x = match.captured(1).toDouble();
      const double y = match.captured(2).toDouble();
      if (lines.isEmpty() || std::abs(lines.last().y - y) >= 0.5) lines.append({x, y, {}});
      lines.last().words.append(match.captured(3));
    }
    pages.append(lines);
  }
  return pages;
}

bool Accept(QPrinter&, QWidget*) {
  return true;
}
bool Cancel(QPrinter&, QWidget*) {
  return false;
}

class text_print_test : public ::testing::Test {
 protected:
  void SetUp() override {
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty()) {
      GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    }
    ASSERT_TRUE(folder_.isValid());
    printer_.setOutputFormat(QPrinter::PdfFormat);
    printer_.setPageSize(QPageSize(QPageSize::A4));
    printer_.setPageOrientation(QPageLayout::Portrait);
    printer_.setOutputFileName(pdf_path());
    SetProgramPrinterForTesting(&printer_);
    vorelim::SetPrintDialogForTesting(&Accept);
  }
  void TearDown() override {
    SetProgramPrinterForTesting(nullptr);
    vorelim::SetPrintDialogForTesting(nullptr);
  }
  QString pdf_path() const { return folder_.filePath(QStringLiteral("page.pdf")); }

  // Prints page `index` of `window` through its print button and checks every line of the PDF
  // against the box's display lines: sheet, left margin, top and words.
  void PrintAndCheck(TForm2& window, int index, const char* print_button) {
    const QStringList shown = DisplayLines(*window.RichEdit(index));
    test::Named<QPushButton>(window, print_button)->click();
    ASSERT_TRUE(QFile::exists(pdf_path()));

    const QList<QList<PdfLine>> pages = ReadPdfLines(pdf_path());
    const int sheets = (static_cast<int>(shown.size()) - 1) / kTextLinesPerSheet + 1;
    ASSERT_EQ(pages.size(), sheets);

    const int resolution = printer_.resolution();
    const QRectF area = printer_.pageLayout().paintRectPoints();
    const int width = printer_.width();
    const int height = printer_.height();
    for (int sheet = 0; sheet < sheets; ++sheet) {
      QList<int> expected;  // display lines with words on this sheet
      for (int i = sheet * kTextLinesPerSheet;
           i < std::min<int>(shown.size(), (sheet + 1) * kTextLinesPerSheet); ++i) {
        if (!shown[i].trimmed().isEmpty()) expected.append(i);
      }
      ASSERT_EQ(pages[sheet].size(), expected.size()) << "sheet " << sheet;
      for (int k = 0; k < expected.size(); ++k) {
        const int i = expected[k];
        SCOPED_TRACE(shown[i].toStdString());
        const TextLinePlace place = PlaceTextLine(i, width, height);
        EXPECT_EQ(place.sheet, sheet);
        const double x = area.left() + place.x * 72.0 / resolution;
        const double y = area.top() + place.y * 72.0 / resolution;
        EXPECT_NEAR(pages[sheet][k].x, x, 1.5);
        EXPECT_NEAR(pages[sheet][k].y, y, 1.5);
        // The words as typed: searching or copying the PDF finds them.
        EXPECT_EQ(pages[sheet][k].words, shown[i].split(QLatin1Char(' '), Qt::SkipEmptyParts));
        EXPECT_EQ(test::LigaturesIn(pages[sheet][k].words.join(QLatin1Char(' '))), QString());
      }
    }
  }

  QTemporaryDir folder_;
  QPrinter printer_{QPrinter::HighResolution};
};

// Shows `window` on the page that `key` selects, `width` x `height` pixels, laid out.
void ShowPage(TForm2& window, const QString& key, int width, int height) {
  window.SelectPage(key);
  window.resize(width, height);
  window.show();
  QApplication::processEvents();
}

TEST_F(text_print_test, short_text_prints_its_lines_on_one_sheet) {
  TForm2 window(nullptr);
  ShowPage(window, QStringLiteral("4"), 1000, 600);
  const QStringList shown = DisplayLines(*window.RichEdit(4));
  ASSERT_EQ(shown, TextCatalogue().at(4).lines) << "a wide box shows the stored lines unwrapped";
  PrintAndCheck(window, 4, "BitBtn9");
}

TEST_F(text_print_test, narrow_window_wraps_past_57_lines_onto_a_second_sheet) {
  TForm2 window(nullptr);
  ShowPage(window, QStringLiteral("c8"), 290, 400);
  const qsizetype shown = DisplayLines(*window.RichEdit(17)).size();
  ASSERT_GT(shown, kTextLinesPerSheet);
  ASSERT_LE(shown, 2 * kTextLinesPerSheet);
  PrintAndCheck(window, 17, "BitBtn35");
}

TEST_F(text_print_test, print_sets_black_on_white_and_cancel_changes_nothing) {
  TForm2 window(nullptr);
  window.SelectPage(QStringLiteral("1"));
  window.show();
  QTextEdit* box = window.RichEdit(1);
  QPalette yellow = box->palette();
  yellow.setColor(QPalette::Base, Qt::yellow);
  yellow.setColor(QPalette::Text, Qt::blue);
  box->setPalette(yellow);

  vorelim::SetPrintDialogForTesting(&Cancel);
  test::Named<QPushButton>(window, "BitBtn3")->click();
  EXPECT_FALSE(QFile::exists(pdf_path()));
  EXPECT_EQ(box->palette().color(QPalette::Base), QColor(Qt::yellow));
  EXPECT_EQ(box->palette().color(QPalette::Text), QColor(Qt::blue));

  vorelim::SetPrintDialogForTesting(&Accept);
  test::Named<QPushButton>(window, "BitBtn3")->click();
  EXPECT_TRUE(QFile::exists(pdf_path()));
  EXPECT_EQ(box->palette().color(QPalette::Base), QColor(Qt::white));
  EXPECT_EQ(box->palette().color(QPalette::Text), QColor(Qt::black));
}

// The printer's engine keeps the pen of its previous job (a chart's red star, say); the text must
// still print black, on the first and every later printout.
TEST(text_printing_test, text_prints_black_whatever_the_previous_job_left) {
  test::RecordingPrinter printer(4800, 6400, 600);
  TForm2 window(nullptr);
  window.SelectPage(QStringLiteral("2"));
  for (const char* job : {"first", "second"}) {
    SCOPED_TRACE(job);
    {
      QPainter other(&printer);
      other.setPen(QPen(Qt::red, 7));
      other.drawEllipse(QRect(0, 0, 10, 10));
    }
    printer.record().texts.clear();
    ASSERT_TRUE(PrintTextBox(*window.RichEdit(2), printer));
    ASSERT_FALSE(printer.record().texts.empty());
    for (const test::RecordedText& text : printer.record().texts) {
      EXPECT_EQ(text.color, QColor(Qt::black)) << text.text.toStdString();
    }
  }
}

TEST_F(text_print_test, printer_that_cannot_start_ends_silently) {
  printer_.setOutputFileName(folder_.filePath(QStringLiteral("missing/folder/page.pdf")));
  TForm2 window(nullptr);
  window.SelectPage(QStringLiteral("2"));
  window.show();
  EXPECT_FALSE(PrintTextBox(*window.RichEdit(2), printer_));
  // Through the button: no message box may block here, and the window stays usable.
  test::Named<QPushButton>(window, "BitBtn5")->click();
  EXPECT_TRUE(window.isVisible());
}

// --- Copy ----------------------------------------------------------------------------------

TEST(text_copy_test, copies_the_selected_word_and_nothing_without_selection) {
  TForm2 window(nullptr);
  window.SelectPage(QStringLiteral("1"));
  window.show();
  QTextEdit* box = window.RichEdit(1);
  QPushButton* copy = test::Named<QPushButton>(window, "BitBtn4");
  QClipboard* clipboard = QApplication::clipboard();

  QTextCursor cursor(box->document());
  cursor.setPosition(3);
  cursor.setPosition(7, QTextCursor::KeepAnchor);
  box->setTextCursor(cursor);
  copy->click();
  EXPECT_EQ(clipboard->text(), QStringLiteral("ÁGUA"));

  clipboard->setText(QStringLiteral("antes"));
  cursor.clearSelection();
  box->setTextCursor(cursor);
  copy->click();
  EXPECT_EQ(clipboard->text(), QStringLiteral("antes"));
}

TEST(text_copy_test, copy_works_on_its_own_page_only) {
  TForm2 window(nullptr);
  window.show();
  QTextCursor cursor(window.RichEdit(0)->document());
  cursor.setPosition(2);
  cursor.setPosition(9, QTextCursor::KeepAnchor);
  window.RichEdit(0)->setTextCursor(cursor);
  QApplication::clipboard()->setText(QStringLiteral("antes"));
  test::Named<QPushButton>(window, "BitBtn22")->click();  // copy of "CASA 1"
  EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("antes"));
  test::Named<QPushButton>(window, "BitBtn2")->click();
  EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("VORELIM"));
}

}  // namespace
}  // namespace vorelim
