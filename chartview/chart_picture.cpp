#include "chartview/chart_picture.h"

#include <QColor>
#include <QFontMetrics>
#include <QPainter>
#include <QPen>
#include <QPoint>
#include <QRect>
#include <QString>

namespace vorelim {
namespace {

// Pen widths in screen pixels.
constexpr qreal kRingPenWidth = 1;
constexpr qreal kStarPenWidth = 3;

}  // namespace

bool MarksRing(const ElementMarks& marks, int number, int ring) {
  if (number < 1 || number > 9 || ring < 1 || ring > 3) return false;
  return marks[static_cast<std::size_t>(3 * (number - 1) + ring - 1)] == 1;
}

void DrawEllipseInside(QPainter& painter, const PixelRect& rect) {
  // QPainter strokes the ellipse of QRect(x, y, w, h) over the pixels x..x+w, one more than the
  // exclusive rectangle holds, so the width and height given to it are one less.
  painter.drawEllipse(QRect(rect.x1, rect.y1, rect.x2 - rect.x1 - 1, rect.y2 - rect.y1 - 1));
}

void DrawRingsAndStar(QPainter& painter, const ElementMarks& marks, int w, int h,
                      qreal screen_pixel) {
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(QColor(0, 0, 0), kRingPenWidth * screen_pixel, Qt::SolidLine));
  for (int number = 1; number <= 9; ++number) {
    Element element;
    if (!ElementOfNumber(number, element)) continue;
    for (int ring = 1; ring <= 3; ++ring) {
      if (!MarksRing(marks, number, ring)) continue;
      DrawEllipseInside(painter, RingRect(element, ring, w, h));
    }
  }

  const QColor red(255, 0, 0);
  painter.setBrush(red);
  painter.setPen(
      QPen(red, kStarPenWidth * screen_pixel, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  const std::array<PixelPoint, 5> star = StarPoints(w, h);
  QPoint polygon[5];
  for (std::size_t i = 0; i < star.size(); ++i) polygon[i] = QPoint(star[i].x, star[i].y);
  painter.drawPolygon(polygon, 5, Qt::OddEvenFill);

  painter.setBrush(Qt::NoBrush);
}

void DrawPlacedTexts(QPainter& painter, std::span<const PlacedText> texts) {
  painter.setBrush(Qt::NoBrush);
  painter.setBackgroundMode(Qt::TransparentMode);
  // drawText takes the baseline; the designed positions are top-left corners.
  const int ascent = painter.fontMetrics().ascent();
  for (const PlacedText& text : texts) {
    painter.drawText(QPoint(text.at.x, text.at.y + ascent),
                     QString::fromUtf8(text.text.data(), static_cast<qsizetype>(text.text.size())));
  }
}

}  // namespace vorelim
