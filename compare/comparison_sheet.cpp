#include "compare/comparison_sheet.h"

#include <QColor>
#include <QFont>
#include <QPainter>
#include <QPen>

#include "chartview/chart_geometry.h"
#include "chartview/chart_picture.h"
#include "compare/comparison.h"
#include "ui/fonts.h"
#include "ui/paged_printout.h"

namespace vorelim {
namespace {

constexpr int kLinePoints = 12;
constexpr int kLabelPoints = 9;
constexpr int kTablePoints = 11;

// Each star fills half the width and this many 32nds of the height, from 5/32 down.
constexpr int kStarTop = 5;
constexpr int kStarHeight = 12;
// The table: headings at 18/32, one row per 32nd below; the columns' left edges in 32nds of the
// width.
constexpr int kTableTop = 18;
constexpr int kColumns[4] = {1, 8, 14, 19};

// Draws `text` with its top-left corner at (x, y) in the painter's font and pen.
void DrawAt(QPainter& painter, int x, int y, const QString& text) {
  painter.drawText(QPoint(x, y + painter.fontMetrics().ascent()), text);
}

// One person: name and birth date at the top of their half, their star below.
void PaintPerson(QPainter& painter, int left, int w, int h, const ComparedPerson& person) {
  const QPen ink(QColor(0, 0, 0));
  painter.setPen(ink);
  painter.setFont(PrintoutFont(kLinePoints));
  DrawAt(painter, left + Fraction(1, w, 32), Fraction(3, h, 32),
         QStringLiteral("NOME: ") + person.name);
  DrawAt(painter, left + Fraction(1, w, 32), Fraction(4, h, 32),
         QStringLiteral("DATA NASC: ") + person.birth_date);

  const int star_w = w / 2;
  const int star_h = Fraction(kStarHeight, h, 32);
  painter.save();
  painter.translate(left, Fraction(kStarTop, h, 32));
  DrawRingsAndStar(painter, person.marks, star_w, star_h, ScreenPixel(painter));
  painter.setPen(ink);
  painter.setFont(PrintoutFont(kLabelPoints));
  const std::array<PlacedText, 6> labels = PrintoutLabels(star_w, star_h);
  DrawPlacedTexts(painter, labels);
  painter.restore();
}

}  // namespace

void PaintComparisonSheet(QPainter& painter, int w, int h, const Comparison& comparison) {
  painter.setBackgroundMode(Qt::TransparentMode);
  painter.setPen(QPen(QColor(0, 0, 0)));
  painter.setFont(PrintoutFont(kPrintoutTitlePoints));
  DrawAt(painter, Fraction(1, w, 32), Fraction(1, h, 32), QString::fromUtf8(kComparisonSheetTitle));

  PaintPerson(painter, 0, w, h, comparison.first);
  PaintPerson(painter, w / 2, w, h, comparison.second);

  painter.setPen(QPen(QColor(0, 0, 0)));
  painter.setFont(PrintoutFont(kTablePoints));
  const auto cells = [&](int line, const QStringList& texts) {
    for (int c = 0; c < 4 && c < texts.size(); ++c) {
      DrawAt(painter, Fraction(kColumns[c], w, 32), Fraction(kTableTop + line, h, 32), texts[c]);
    }
  };
  // The headings in capitals, as the chart printout's labels.
  QStringList headings = QStringList{LevelHeading()} + ComparisonColumns(comparison);
  for (QString& heading : headings) heading = heading.toUpper();
  cells(0, headings);
  // A rule under the headings.
  const int rule_y =
      Fraction(kTableTop, h, 32) + painter.fontMetrics().height() + painter.fontMetrics().descent();
  painter.drawLine(Fraction(1, w, 32), rule_y, Fraction(31, w, 32), rule_y);
  for (std::size_t i = 0; i < comparison.rows.size(); ++i) {
    const ComparisonRow& row = comparison.rows[i];
    cells(static_cast<int>(i) + 1, {row.level, row.first, row.second, row.relation});
  }
}

PagedPrintout ComparisonPrintout(const Comparison& comparison) {
  PagedPrintout sheet;
  sheet.paint_page = [comparison](QPainter& painter, int, int width, int height) {
    PaintComparisonSheet(painter, width, height, comparison);
  };
  return sheet;
}

bool PrintComparison(QPrinter& printer, const Comparison& comparison) {
  return PrintPages(printer, ComparisonPrintout(comparison));
}

}  // namespace vorelim
