#include "chartview/chart_printout.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPrinter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "chart/numerology.h"
#include "chartview/chart_geometry.h"
#include "support/charts.h"
#include "support/qt_support.h"
#include "support/recording_printer.h"

namespace vorelim {
namespace {

using test::ChartFor;
using test::RecordingPrinter;

TEST(chart_printout_test, month_names) {
  const char* names[] = {"DEZEMBRO", "JANEIRO",  "FEVEREIRO", "MARÇO",   "ABRIL",
                         "MAIO",     "JUNHO",    "JULHO",     "AGOSTO",  "SETEMBRO",
                         "OUTUBRO",  "NOVEMBRO", "DEZEMBRO",  "DEZEMBRO"};
  for (int month = 0; month <= 13; ++month) EXPECT_EQ(MonthName(month), names[month]) << month;
}

TEST(chart_printout_test, lines_of_a_chart_in_december) {
  const ChartRecord record = ChartFor("JOSE", 7, 3, 1962);
  const ChartPrintout printout = ComposeChartPrintout(record, "2026", 12);
  const std::array<int, 12> months = MonthTransits(2026, record.Personality());
  const std::array<std::string, 8> expected = {
      "NOME: JOSE",
      "DATA NASC: 7/3/1962",
      "PERSONALIDADE: " + record.Personality(),
      "CONTROLE: " + record.Control(),
      "TENDÊNCIA: " + record.Tendency(),
      "ERA: " + EraNumber(record.Personality(), 2026, 1962),
      "CASA 2026: " + YearTransits("2026", "7", "3", "1962")[1],
      "CASA DEZEMBRO: " + std::to_string(months[11]),
  };
  EXPECT_EQ(printout.lines, expected);
  EXPECT_EQ(printout.marks, record.Elements());
}

TEST(chart_printout_test, february_line_and_year_box_text_cut_to_four) {
  const ChartRecord record = ChartFor("ANA", 15, 8, 1968);
  const std::array<int, 12> months = MonthTransits(2030, record.Personality());
  const ChartPrintout printout = ComposeChartPrintout(record, "20305", 2);
  EXPECT_EQ(printout.lines[6].substr(0, 11), "CASA 2030: ");
  EXPECT_EQ(printout.lines[7], "CASA FEVEREIRO: " + std::to_string(months[1]));
}

TEST(chart_printout_test, year_before_birth_prints_the_birth_year) {
  // Born on 15/8/2030 (after 4 February): house 5 in the birth year, era = personality.
  const ChartRecord record = ChartFor("BEBE", 15, 8, 2030);
  const ChartPrintout before = ComposeChartPrintout(record, "2026", 5);
  const ChartPrintout at_birth = ComposeChartPrintout(record, "2030", 5);
  EXPECT_EQ(before.lines, at_birth.lines);
  EXPECT_EQ(before.lines[5], "ERA: " + record.Personality());
  EXPECT_EQ(before.lines[6], "CASA 2030: 5");
}

TEST(chart_printout_test, empty_record_prints_without_numbers) {
  const ChartPrintout printout = ComposeChartPrintout(ChartRecord{}, "2026", 3);
  EXPECT_EQ(printout.lines[0], "NOME: ");
  EXPECT_EQ(printout.lines[1], "DATA NASC: //");
  EXPECT_EQ(printout.lines[2], "PERSONALIDADE: ");
  EXPECT_EQ(printout.lines[7].substr(0, 13), "CASA MARÇO: ");  // Ç is two bytes
}

struct Page {
  const char* name;
  int w, h;
};

class printout_paint_test : public testing::TestWithParam<Page> {};

TEST_P(printout_paint_test, draws_every_item_at_its_fraction) {
  const Page page = GetParam();
  RecordingPrinter printer(page.w, page.h, 600);
  ChartRecord record = ChartFor("ANA", 15, 8, 1968);
  ElementMarks marks{};
  marks[0] = 1;          // water ring 1
  marks[3 * 1] = 1;      // earth ring 1 from number 2 ...
  marks[3 * 7] = 1;      // ... and from number 8: the same rectangle twice
  marks[3 * 8 + 2] = 2;  // not a ring
  record.SetElements(marks);
  const ChartPrintout printout = ComposeChartPrintout(record, "2026", 12);

  ASSERT_TRUE(PrintChartPrintout(printer, printout));
  const auto& rec = printer.record();
  EXPECT_EQ(rec.begins, 1);
  EXPECT_EQ(rec.ends, 1);

  ASSERT_EQ(rec.ellipses.size(), 3u);
  const PixelRect water = RingRect(Element::Water, 1, page.w, page.h);
  const PixelRect earth = RingRect(Element::Earth, 1, page.w, page.h);
  EXPECT_EQ(rec.ellipses[0].ellipse.topLeft(), QPointF(water.x1, water.y1));
  EXPECT_EQ(rec.ellipses[0].ellipse.width(), water.x2 - water.x1 - 1);
  EXPECT_EQ(rec.ellipses[1].ellipse, rec.ellipses[2].ellipse);
  EXPECT_EQ(rec.ellipses[1].ellipse.topLeft(), QPointF(earth.x1, earth.y1));

  ASSERT_EQ(rec.polygons.size(), 1u);
  const std::array<PixelPoint, 5> star = StarPoints(page.w, page.h);
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(rec.polygons[0].polygon.at(i), QPointF(star[i].x, star[i].y)) << i;
  }
  EXPECT_TRUE(rec.polygons[0].odd_even);
  // Pens are screen pixels (1/96 inch) on paper: 600 / 96 printer pixels each.
  EXPECT_DOUBLE_EQ(rec.polygons[0].pen.widthF(), 3 * 6.25);
  EXPECT_DOUBLE_EQ(rec.ellipses[0].pen.widthF(), 6.25);

  ASSERT_EQ(rec.texts.size(), 6u + 1u + 8u);
  QFont font12(QStringLiteral("VAG Rounded Th"));
  font12.setPointSize(12);
  QFont font16 = font12;
  font16.setPointSize(16);
  const int ascent12 = QFontMetrics(font12, &printer).ascent();
  const int ascent16 = QFontMetrics(font16, &printer).ascent();
  const std::array<PlacedText, 6> labels = PrintoutLabels(page.w, page.h);
  for (int i = 0; i < 6; ++i) {
    EXPECT_EQ(rec.texts[i].text, QString::fromUtf8(labels[i].text.data(),
                                                   static_cast<qsizetype>(labels[i].text.size())));
    EXPECT_EQ(rec.texts[i].baseline, QPointF(labels[i].at.x, labels[i].at.y + ascent12)) << i;
    EXPECT_EQ(rec.texts[i].font.pointSize(), 12);
  }
  const PixelPoint title = PrintoutTitlePosition(page.w, page.h);
  EXPECT_EQ(rec.texts[6].text, QStringLiteral("ESTRELA DOS CINCO ELEMENTOS"));
  EXPECT_EQ(rec.texts[6].baseline, QPointF(title.x, title.y + ascent16));
  EXPECT_EQ(rec.texts[6].font.pointSize(), 16);
  const std::array<PixelPoint, 8> lines = PrintoutDataLinePositions(page.w, page.h);
  for (int i = 0; i < 8; ++i) {
    EXPECT_EQ(rec.texts[7 + i].text, QString::fromStdString(printout.lines[i]));
    EXPECT_EQ(rec.texts[7 + i].baseline, QPointF(lines[i].x, lines[i].y + ascent12)) << i;
  }
  for (const auto& text : rec.texts) {
    EXPECT_EQ(text.color, QColor(0, 0, 0)) << text.text.toStdString();
    EXPECT_FALSE(text.font.bold()) << text.text.toStdString();
  }
}

INSTANTIATE_TEST_SUITE_P(A4, printout_paint_test,
                         testing::Values(Page{"landscape", 6716, 4660},
                                         Page{"portrait", 4660, 6716}),
                         [](const auto& info) { return std::string(info.param.name); });

// The rings print one screen pixel (1/96 inch) wide and the star's outline three, at any printer
// resolution, on the printer's first job and on a later one, whatever pen and brush another
// printout left in the printer's engine.
TEST(chart_printout_test, pens_are_screen_pixels_on_the_first_and_every_later_printout) {
  ChartRecord record = ChartFor("ANA", 15, 8, 1968);
  ElementMarks marks{};
  marks[0] = 1;  // water ring 1
  record.SetElements(marks);
  const ChartPrintout printout = ComposeChartPrintout(record, "2026", 12);
  for (const int dpi : {96, 1200}) {
    RecordingPrinter printer(8 * dpi, 11 * dpi, dpi);
    auto& rec = printer.record();
    for (const char* job : {"first", "second"}) {
      SCOPED_TRACE(testing::Message() << dpi << " dpi, " << job << " printout");
      rec.ellipses.clear();
      rec.polygons.clear();
      ASSERT_TRUE(PrintChartPrintout(printer, printout));
      ASSERT_EQ(rec.ellipses.size(), 1u);
      const QPen ring = rec.ellipses[0].pen;
      EXPECT_DOUBLE_EQ(ring.widthF(), dpi / 96.0);
      EXPECT_FALSE(ring.isCosmetic());
      EXPECT_EQ(ring.color(), QColor(0, 0, 0));
      EXPECT_EQ(ring.style(), Qt::SolidLine);
      EXPECT_EQ(rec.ellipses[0].brush.style(), Qt::NoBrush);
      ASSERT_EQ(rec.polygons.size(), 1u);
      EXPECT_DOUBLE_EQ(rec.polygons[0].pen.widthF(), 3 * dpi / 96.0);
      EXPECT_EQ(rec.polygons[0].pen.color(), QColor(255, 0, 0));

      // Another printout on the same printer, leaving its own pen and brush in the engine.
      QPainter other(&printer);
      other.setPen(QPen(Qt::blue, 7));
      other.setBrush(Qt::green);
      other.drawEllipse(QRect(0, 0, 10, 10));
    }
  }
}

TEST(chart_printout_test, no_bold_or_colour_leaks_from_the_painter) {
  RecordingPrinter printer(4660, 6716, 600);
  {
    QPainter painter(&printer);
    QFont bold(QStringLiteral("VAG Rounded Th"));
    bold.setBold(true);
    bold.setItalic(true);
    painter.setFont(bold);
    painter.setPen(Qt::blue);
    PaintChartPrintout(painter, 4660, 6716, ComposeChartPrintout(ChartRecord{}, "2026", 1));
  }
  ASSERT_FALSE(printer.record().texts.empty());
  for (const auto& text : printer.record().texts) {
    EXPECT_FALSE(text.font.bold());
    EXPECT_FALSE(text.font.italic());
    EXPECT_EQ(text.color, QColor(0, 0, 0));
  }
}

// One PDF page whose text is the text printed, letter for letter (no ligature glyph for "fi" or
// "fl"), so the PDF can be searched; a file that cannot be written prints nothing.
TEST(chart_printout_test, prints_one_searchable_pdf_page_and_fails_quietly_on_a_bad_file) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  const QString pdf = dir.filePath(QStringLiteral("chart.pdf"));
  printer.setOutputFileName(pdf);
  const ChartPrintout printout =
      ComposeChartPrintout(ChartFor("Sofia Flores", 15, 8, 1968), "2026", 4);
  EXPECT_TRUE(PrintChartPrintout(printer, printout));
  EXPECT_EQ(test::PdfPageCount(test::ReadWholeFile(pdf)), 1);
  if (const std::optional<QString> text = test::PdfText(pdf)) {
    EXPECT_EQ(test::LigaturesIn(*text), QString());
    const QString words = text->simplified();
    for (const std::string& line : printout.lines) {
      EXPECT_TRUE(words.contains(QString::fromStdString(line)))
          << line << " in " << words.toStdString();
    }
    EXPECT_TRUE(words.contains(QStringLiteral("ESTRELA DOS CINCO ELEMENTOS")))
        << words.toStdString();
  }

  printer.setOutputFileName(dir.filePath(QStringLiteral("missing/folder/chart.pdf")));
  EXPECT_FALSE(PrintChartPrintout(printer, ComposeChartPrintout(ChartRecord{}, "2026", 4)));
}

}  // namespace
}  // namespace vorelim
