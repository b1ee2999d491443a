// The chart window's element drawing, year transits and printout, driven through the window.

#include <QCoreApplication>
#include <QFile>
#include <QImage>
#include <QMessageBox>
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>
#include <memory>
#include <vector>

#include <gtest/gtest.h>

#include "chart/chart_file.h"
#include "chart/numerology.h"
#include "chart/today.h"
#include "chart/transit_texts.h"
#include "chartview/chart_printout.h"
#include "chartview/paint_box.h"
#include "chartview/transit_grid.h"
#include "chartview/tvemapa.h"
#include "support/charts.h"
#include "support/qt_support.h"
#include "support/recording_printer.h"
#include "support/temp_folder.h"
#include "ui/controls.h"
#include "ui/fonts.h"
#include "ui/program_printer.h"

namespace {

using vorelim::ChartRecord;
using vorelim::test::ChartFor;
using vorelim::test::PdfMediaBox;
using vorelim::test::PdfPageCount;
using vorelim::test::RecordingPrinter;

class chart_window_drawing_test : public ::testing::Test {
 protected:
  // The labels are drawn in the faces the program draws them with, whichever test ran before.
  void SetUp() override { vorelim::RegisterFontSubstitutes(); }
  void TearDown() override {
    windows_.clear();
    vorelim::SetProgramPrinterForTesting(nullptr);
    vorelim::SetPrintDialogForTesting({});
    vorelim::SetPrinterSetupDialogForTesting({});
  }

  // Writes the chart to its file in the temporary folder and opens it in a stand-alone window.
  TVemapa* Open(const ChartRecord& record) {
    EXPECT_TRUE(vorelim::WriteChartFile(record).ok());
    windows_.push_back(std::make_unique<TVemapa>(nullptr));
    TVemapa* window = windows_.back().get();
    window->LoadChart(QString::fromStdString(record.Name()));
    return window;
  }

  // Prints `window` through an accepted print dialog on a fresh recording printer; returns what
  // the printer recorded.
  const vorelim::test::RecordingPaintEngine& PrintRecorded(TVemapa* window) {
    recorders_.push_back(std::make_unique<RecordingPrinter>(4660, 6716, 600));
    vorelim::SetProgramPrinterForTesting(recorders_.back().get());
    vorelim::SetPrintDialogForTesting([](QPrinter&, QWidget*) { return true; });
    window->Imprimir1->trigger();
    return recorders_.back()->record();
  }

  vorelim::test::FixedToday today_{{2026, 12, 7}};
  vorelim::test::TempFolder folder_;
  std::vector<std::unique_ptr<TVemapa>> windows_;
  std::vector<std::unique_ptr<RecordingPrinter>> recorders_;
};

// ---- The element drawing ------------------------------------------------------------------

// The window's picture, in paint box coordinates: pixel (x, y) of the box is (192 + x, y - 8) of
// the window, so rows 0..7 of the box are cut off as designed.
class BoxImage {
 public:
  explicit BoxImage(TVemapa* window)
      : image_(window->grab().toImage()),
        ground_(window->palette().color(QPalette::Window).rgb()) {}
  QRgb at(int x, int y) const { return image_.pixel(192 + x, y - 8); }
  bool black(int x, int y) const { return at(x, y) == qRgb(0, 0, 0); }
  // A pixel of a black letter: the rounded face's thin strokes are smoothed into grey.
  bool ink(int x, int y) const { return qGray(at(x, y)) < 128 && qRed(at(x, y)) < 128; }
  bool ground(int x, int y) const { return at(x, y) == ground_; }
  // True when a black pixel lies in column x within two rows of the middle row of [y1, y2).
  bool BlackNearMiddle(int x, int y1, int y2) const {
    const int middle = (y1 + y2 - 1) / 2;
    for (int y = middle - 2; y <= middle + 2; ++y) {
      if (black(x, y)) return true;
    }
    return false;
  }

 private:
  QImage image_;
  QRgb ground_;
};

TEST_F(chart_window_drawing_test, rings_of_water_earth_and_wood_on_the_designed_pixels) {
  const ChartRecord record = ChartFor("ANA", 15, 8, 1968);
  // The chart has every ring of water, earth and wood, and none of metal or fire.
  for (int n : {1, 2, 3}) {
    for (int k = 0; k < 3; ++k) ASSERT_EQ(record.Element(n, k), 1) << n << "," << k;
  }
  TVemapa* window = Open(record);
  const BoxImage box(window);

  struct Ring {
    const char* name;
    int x1, y1, x2, y2;
  };
  // Rectangles in pixels as designed; each ring's left and right ends are black and the pixel
  // just outside them is not.
  const Ring rings[] = {
      {"water 1", 67, 219, 112, 245}, {"water 2", 56, 210, 124, 254},
      {"water 3", 45, 204, 135, 263}, {"earth 2", 282, 79, 349, 131},
      {"earth 3", 270, 72, 361, 140}, {"wood 1", 22, 87, 67, 122},
      {"wood 2", 11, 79, 78, 131},    {"wood 3", 5, 72, 90, 140},
  };
  for (const Ring& r : rings) {
    EXPECT_TRUE(box.BlackNearMiddle(r.x1, r.y1, r.y2)) << r.name << " left end";
    EXPECT_FALSE(box.BlackNearMiddle(r.x1 - 1, r.y1, r.y2)) << r.name << " left of it";
    if (r.x2 < 361) {
      EXPECT_FALSE(box.BlackNearMiddle(r.x2, r.y1, r.y2)) << r.name;
    }
  }
  // Right ends that the star does not cover; earth ring 3 ends on the box's last column.
  EXPECT_TRUE(box.BlackNearMiddle(360, 72, 140));
  EXPECT_TRUE(box.BlackNearMiddle(89, 72, 140));
  EXPECT_TRUE(box.BlackNearMiddle(134, 204, 263));
  // Bottom of water ring 3 and top of wood ring 3, at their middle columns.
  EXPECT_TRUE(box.black(90, 262) || box.black(89, 262));
  EXPECT_TRUE(box.black(47, 72) || box.black(48, 72));
  // No metal or fire ring: the left end of metal ring 3 and fire ring 3 stay clear.
  EXPECT_FALSE(box.BlackNearMiddle(225, 206, 263));
  EXPECT_FALSE(box.BlackNearMiddle(135, 10, 68));

  // Star points red, the pentagon in the middle shows the window's background.
  const QRgb red = qRgb(255, 0, 0);
  EXPECT_EQ(box.at(180, 45), red);
  EXPECT_EQ(box.at(262, 218), red);
  EXPECT_EQ(box.at(60, 108), red);
  EXPECT_EQ(box.at(98, 218), red);
  EXPECT_TRUE(box.ground(180, 150));
  EXPECT_TRUE(box.ground(180, 240));  // between the two lower points
  // The fire label "FOGO 9" is written at (180, 17) in the window-text colour.
  bool label = false;
  for (int y = 17; y < 30; ++y) {
    for (int x = 180; x < 230; ++x) label = label || box.ink(x, y);
  }
  EXPECT_TRUE(label);
}

// ---- Year transits ------------------------------------------------------------------------

TEST_F(chart_window_drawing_test, ok_shows_the_transits_of_the_year_in_the_box) {
  // Born 15/8/2017: 2026 is nine years on, so the year number is 5 again.
  const ChartRecord record = ChartFor("LUA", 15, 8, 2017);
  TVemapa* window = Open(record);
  ASSERT_EQ(window->Edit1->text(), QStringLiteral("2026"));
  EXPECT_TRUE(window->StringGrid1->isHidden());
  window->Button1->click();

  auto* grid = window->StringGrid1;
  EXPECT_FALSE(grid->isHidden());
  EXPECT_FALSE(window->Panel11->isHidden());
  EXPECT_FALSE(window->Panel12->isHidden());
  EXPECT_TRUE(window->Button1->isHidden());
  EXPECT_EQ(grid->Cell(0, 0), QStringLiteral("      2026  "));
  EXPECT_EQ(grid->Cell(0, 1), QStringLiteral("         5  "));
  EXPECT_EQ(window->YearNumber, QStringLiteral("5"));
  EXPECT_EQ(window->TransitYear, QStringLiteral("2026"));
  EXPECT_EQ(window->Panel12->text(),
            QString::fromStdString(vorelim::EraNumber(record.Personality(), 2026, 2017)));

  // Every cell holds the grid text of 2026, its number and this chart's month numbers.
  const std::array<int, 12> months = vorelim::MonthTransits(2026, record.Personality());
  std::array<std::string, 12> month_texts;
  for (int m = 0; m < 12; ++m) {
    month_texts[m] = std::to_string(months[m]);
    EXPECT_EQ(window->MonthNumbers[m], QString::number(months[m])) << m;
  }
  const vorelim::TransitCells cells = vorelim::TransitCellTexts("2026", "5", month_texts);
  for (int row = 0; row < vorelim::kTransitGridRows; ++row) {
    for (int column = 0; column < vorelim::kTransitGridColumns; ++column) {
      EXPECT_EQ(grid->Cell(column, row), QString::fromStdString(cells[row][column]))
          << "column " << column << ", row " << row;
    }
  }
}

TEST_F(chart_window_drawing_test, born_in_the_current_year) {
  const ChartRecord record = ChartFor("NOVO", 15, 8, 2026);
  TVemapa* window = Open(record);
  EXPECT_EQ(window->Edit1->text(), QStringLiteral("2026"));
  EXPECT_EQ(window->UpDown1->minimum(), 2027);
  window->Button1->click();
  EXPECT_EQ(window->StringGrid1->Cell(0, 0), QStringLiteral("      2026  "));
  EXPECT_EQ(window->Panel12->text(), QString::fromStdString(record.Personality()));
  EXPECT_EQ(window->StringGrid1->Cell(0, 1), QStringLiteral("         5  "));
}

TEST_F(chart_window_drawing_test, born_after_the_current_year_uses_the_birth_year) {
  const ChartRecord record = ChartFor("FUTURO", 15, 8, 2030);
  TVemapa* window = Open(record);
  EXPECT_EQ(window->Edit1->text(), QStringLiteral("2026"));
  window->Button1->click();
  EXPECT_EQ(window->Edit1->text(), QStringLiteral("2030"));
  EXPECT_EQ(window->TransitYear, QStringLiteral("2030"));
  EXPECT_EQ(window->StringGrid1->Cell(0, 0), QStringLiteral("      2030  "));
  EXPECT_EQ(window->Panel12->text(), QString::fromStdString(record.Personality()));
  // Writing the year box hid the results on the way; the end of "OK" shows them again.
  EXPECT_FALSE(window->StringGrid1->isHidden());
  EXPECT_FALSE(window->Panel12->isHidden());
  EXPECT_TRUE(window->Button1->isHidden());
}

TEST_F(chart_window_drawing_test, a_year_change_hides_the_results_until_ok) {
  TVemapa* window = Open(ChartFor("JOSE", 7, 3, 1962));
  window->Button1->click();
  ASSERT_FALSE(window->StringGrid1->isHidden());

  window->UpDown1->StepUp();
  EXPECT_EQ(window->Edit1->text(), QStringLiteral("2027"));
  EXPECT_TRUE(window->StringGrid1->isHidden());
  EXPECT_TRUE(window->Panel11->isHidden());
  EXPECT_TRUE(window->Panel12->isHidden());
  EXPECT_FALSE(window->Button1->isHidden());
  // The numbers of the last "OK" stay while hidden.
  EXPECT_EQ(window->StringGrid1->Cell(0, 0), QStringLiteral("      2026  "));

  window->Button1->click();
  EXPECT_EQ(window->StringGrid1->Cell(0, 0), QStringLiteral("      2027  "));
  EXPECT_FALSE(window->StringGrid1->isHidden());
  EXPECT_TRUE(window->Button1->isHidden());

  // Writing the same year again still counts as a change.
  window->SetYearText(QStringLiteral("2027"));
  EXPECT_TRUE(window->StringGrid1->isHidden());
  EXPECT_FALSE(window->Button1->isHidden());

  // The last year of the up-down range gives its transits too.
  window->SetYearText(QStringLiteral("3000"));
  window->Button1->click();
  EXPECT_EQ(window->StringGrid1->Cell(0, 0), QStringLiteral("      3000  "));
}

TEST_F(chart_window_drawing_test, ok_after_a_failed_load_still_fills_the_grid) {
  windows_.push_back(std::make_unique<TVemapa>(nullptr));
  TVemapa* window = windows_.back().get();
  window->LoadChart(QStringLiteral("NAOEXISTE"));
  window->Button1->click();
  EXPECT_EQ(window->StringGrid1->Cell(0, 0), QStringLiteral("      2026  "));
  EXPECT_FALSE(window->StringGrid1->isHidden());
}

// ---- The printout -------------------------------------------------------------------------

TEST_F(chart_window_drawing_test, prints_one_pdf_page_and_setup_changes_later_printouts) {
  QTemporaryDir dir;
  TVemapa* window = Open(ChartFor("ANA", 15, 8, 1968));
  QString file;
  vorelim::SetPrintDialogForTesting([&file](QPrinter& printer, QWidget*) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(file);
    return true;
  });
  const auto print = [&](const QString& name) {
    file = dir.filePath(name);
    window->Imprimir1->trigger();
    return vorelim::test::ReadWholeFile(file);
  };
  QPrinter& printer = vorelim::ProgramPrinter();
  printer.setPageSize(QPageSize(QPageSize::A4));
  printer.setPageOrientation(QPageLayout::Portrait);

  const QByteArray portrait = print(QStringLiteral("portrait.pdf"));
  EXPECT_EQ(PdfPageCount(portrait), 1);
  EXPECT_EQ(PdfMediaBox(portrait), QSize(595, 842));  // A4 in points

  vorelim::SetPrinterSetupDialogForTesting(
      [](QPrinter& p, QWidget*) { p.setPageOrientation(QPageLayout::Landscape); });
  window->ImprimirSetup1->trigger();
  // A second window prints with the setup the first one chose.
  TVemapa* other = Open(ChartFor("RUI", 1, 1, 1990));
  vorelim::SetPrintDialogForTesting([&file](QPrinter& p, QWidget*) {
    p.setOutputFileName(file);
    return true;
  });
  file = dir.filePath(QStringLiteral("landscape.pdf"));
  other->Imprimir1->trigger();
  const QByteArray landscape_pdf = vorelim::test::ReadWholeFile(file);
  EXPECT_EQ(PdfPageCount(landscape_pdf), 1);
  EXPECT_EQ(PdfMediaBox(landscape_pdf), QSize(842, 595));
  printer.setPageOrientation(QPageLayout::Portrait);
}

TEST_F(chart_window_drawing_test, cancel_prints_nothing_and_printer_errors_stay_silent) {
  RecordingPrinter recorder(4660, 6716, 600);
  vorelim::SetProgramPrinterForTesting(&recorder);
  TVemapa* window = Open(ChartFor("ANA", 15, 8, 1968));
  vorelim::SetPrintDialogForTesting([](QPrinter&, QWidget*) { return false; });
  window->Imprimir1->trigger();
  EXPECT_EQ(recorder.record().begins, 0);

  vorelim::SetProgramPrinterForTesting(nullptr);
  QTemporaryDir dir;
  const QString unwritable = dir.filePath(QStringLiteral("no/such/folder/chart.pdf"));
  vorelim::SetPrintDialogForTesting([&](QPrinter& p, QWidget*) {
    p.setOutputFormat(QPrinter::PdfFormat);
    p.setOutputFileName(unwritable);
    return true;
  });
  window->Imprimir1->trigger();
  QCoreApplication::processEvents();
  EXPECT_FALSE(QFile::exists(unwritable));
  EXPECT_EQ(window->findChild<QMessageBox*>(), nullptr);
}

TEST_F(chart_window_drawing_test, printout_is_the_chart_for_the_year_box_and_this_month) {
  // Where each item lies on the page is the printout's own test; this one checks that the window
  // prints its chart for the year box (2026) and today's month (December) on the program printer.
  const ChartRecord record = ChartFor("LUA", 15, 8, 2017);
  const auto& rec = PrintRecorded(Open(record));
  ASSERT_EQ(rec.begins, 1);
  ASSERT_EQ(rec.ends, 1);
  RecordingPrinter expected(4660, 6716, 600);
  ASSERT_TRUE(
      vorelim::PrintChartPrintout(expected, vorelim::ComposeChartPrintout(record, "2026", 12)));
  EXPECT_EQ(rec.polygons, expected.record().polygons);
  EXPECT_EQ(rec.ellipses, expected.record().ellipses);
  EXPECT_EQ(rec.texts, expected.record().texts);
  // One ellipse per mark byte 1; the year and month lines name 2026 and December.
  int marks = 0;
  for (std::uint8_t m : record.Elements()) marks += m == 1;
  EXPECT_EQ(static_cast<int>(rec.ellipses.size()), marks);
  ASSERT_EQ(rec.texts.size(), 15u);
  EXPECT_EQ(rec.texts[8].text, QStringLiteral("DATA NASC: 15/8/2017"));
  EXPECT_EQ(rec.texts[13].text, QStringLiteral("CASA 2026: 5"));
  EXPECT_TRUE(rec.texts[14].text.startsWith(QStringLiteral("CASA DEZEMBRO: ")));
}

TEST_F(chart_window_drawing_test, printout_uses_the_year_box_and_replaces_a_year_before_birth) {
  TVemapa* future = Open(ChartFor("FUTURO", 15, 8, 2030));
  const auto& printed = PrintRecorded(future);
  ASSERT_EQ(printed.texts.size(), 15u);
  EXPECT_EQ(printed.texts[13].text, QStringLiteral("CASA 2030: 5"));
  EXPECT_EQ(future->Edit1->text(), QStringLiteral("2026"));  // the box stays as it was

  // A year moved with the up-down control prints without "OK".
  TVemapa* window = Open(ChartFor("LUA", 15, 8, 2017));
  window->UpDown1->StepUp();
  const auto& second = PrintRecorded(window);
  ASSERT_EQ(second.texts.size(), 15u);
  EXPECT_EQ(second.texts[13].text, QStringLiteral("CASA 2027: 6"));
  EXPECT_EQ(window->TransitYear, QStringLiteral("2027"));
}

}  // namespace
