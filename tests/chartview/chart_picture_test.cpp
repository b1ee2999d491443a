#include "chartview/chart_picture.h"

#include <QImage>
#include <QPainter>
#include <string>

#include <gtest/gtest.h>

#include "support/recording_printer.h"

namespace vorelim {
namespace {

constexpr int kW = 361;
constexpr int kH = 281;
const QColor kGround(255, 255, 225);  // a pale background like the window's

QImage Blank() {
  QImage image(kW, kH, QImage::Format_RGB32);
  image.fill(kGround);
  return image;
}

bool IsBlack(const QImage& image, int x, int y) {
  return image.pixel(x, y) == qRgb(0, 0, 0);
}

// The smallest rectangle holding every black pixel, right/bottom exclusive.
PixelRect BlackBounds(const QImage& image) {
  PixelRect r{image.width(), image.height(), 0, 0};
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (!IsBlack(image, x, y)) continue;
      r.x1 = std::min(r.x1, x);
      r.y1 = std::min(r.y1, y);
      r.x2 = std::max(r.x2, x + 1);
      r.y2 = std::max(r.y2, y + 1);
    }
  }
  return r;
}

QImage Picture(const ElementMarks& marks) {
  QImage image = Blank();
  QPainter painter(&image);
  DrawRingsAndStar(painter, marks, kW, kH, 1);
  return image;
}

// Fills the three ring flags of a number 1..9.
void Mark(ElementMarks& marks, int number, std::uint8_t r1, std::uint8_t r2, std::uint8_t r3) {
  marks[3 * (number - 1)] = r1;
  marks[3 * (number - 1) + 1] = r2;
  marks[3 * (number - 1) + 2] = r3;
}

TEST(chart_picture_test, ellipse_fills_its_exclusive_rectangle_exactly) {
  for (Element element :
       {Element::Water, Element::Earth, Element::Wood, Element::Metal, Element::Fire}) {
    for (int ring = 1; ring <= 3; ++ring) {
      QImage image = Blank();
      {
        QPainter painter(&image);
        painter.setPen(Qt::black);
        DrawEllipseInside(painter, RingRect(element, ring, kW, kH));
      }
      const PixelRect r = RingRect(element, ring, kW, kH);
      EXPECT_EQ(BlackBounds(image), r) << static_cast<int>(element) << " ring " << ring;
    }
  }
}

TEST(chart_picture_test, star_points_red_and_pentagon_empty) {
  const QImage image = Picture(ElementMarks{});
  // A pixel just inside each point of the star, towards the centre.
  const QPoint inside[] = {{180, 45}, {262, 218}, {60, 108}, {300, 108}, {98, 218}};
  for (const QPoint& p : inside) {
    EXPECT_EQ(image.pixel(p), qRgb(255, 0, 0)) << p.x() << "," << p.y();
  }
  // The middle of the pentagon is not filled, nor is anything outside the star.
  EXPECT_EQ(image.pixel(180, 150), kGround.rgb());
  EXPECT_EQ(image.pixel(5, 5), kGround.rgb());
  // The outline runs along every edge, including the pentagon's sides (the line from the left
  // point to the right point crosses x = 180 at y = 105).
  EXPECT_EQ(image.pixel(180, 105), qRgb(255, 0, 0));
  // With no marks there is no ring.
  EXPECT_EQ(BlackBounds(image).x2, 0);
}

TEST(chart_picture_test, only_flag_byte_one_draws_a_ring) {
  struct Row {
    const char* name;
    int number;
    std::uint8_t r1, r2, r3;
    bool ring1, ring2, ring3;
  };
  const Row rows[] = {
      {"water all three", 1, 1, 1, 1, true, true, true},
      {"flag byte 2 draws nothing", 1, 2, 2, 2, false, false, false},
      {"flag byte 255 draws nothing", 1, 255, 0, 0, false, false, false},
      {"ring 3 alone", 1, 0, 0, 1, false, false, true},
      {"ring 2 alone", 1, 0, 1, 0, false, true, false},
      {"wood ring 3 alone", 3, 0, 0, 1, false, false, true},
  };
  for (const Row& row : rows) {
    Element element = Element::Water;
    ASSERT_TRUE(ElementOfNumber(row.number, element));
    ElementMarks marks{};
    Mark(marks, row.number, row.r1, row.r2, row.r3);
    const QImage image = Picture(marks);
    const bool expected[3] = {row.ring1, row.ring2, row.ring3};
    for (int k = 0; k < 3; ++k) {
      // The left end of each ring (its first column, around the middle row) lies clear of the
      // star and of the other rings.
      const PixelRect ring = RingRect(element, k + 1, kW, kH);
      const int middle = (ring.y1 + ring.y2 - 1) / 2;
      bool found = false;
      for (int y = middle - 2; y <= middle + 2; ++y) found = found || IsBlack(image, ring.x1, y);
      EXPECT_EQ(found, expected[k]) << row.name << ", ring " << k + 1;
    }
  }
}

TEST(chart_picture_test, numbers_of_one_element_share_their_rings) {
  ElementMarks two_and_eight{};
  Mark(two_and_eight, 2, 1, 0, 0);
  Mark(two_and_eight, 8, 1, 0, 0);
  ElementMarks five{};
  Mark(five, 5, 1, 0, 0);
  EXPECT_EQ(Picture(two_and_eight), Picture(five));
  EXPECT_NE(Picture(five), Picture(ElementMarks{}));
}

TEST(chart_picture_test, records_pens_fill_rule_and_text_corners) {
  test::RecordingPrinter printer(kW, kH, 96);
  ElementMarks marks{};
  Mark(marks, 9, 1, 1, 0);
  {
    QPainter painter(&printer);
    DrawRingsAndStar(painter, marks, kW, kH, 1);
    const std::array<PlacedText, 6> labels = ScreenLabels(kW, kH);
    DrawPlacedTexts(painter, labels);
  }
  auto& rec = printer.record();
  ASSERT_EQ(rec.ellipses.size(), 2u);
  EXPECT_EQ(rec.ellipses[0].ellipse, QRectF(157, 26, 45, 25));  // 157..201 x 26..50 inclusive
  EXPECT_EQ(rec.ellipses[0].pen.color(), QColor(0, 0, 0));
  EXPECT_EQ(rec.ellipses[0].pen.width(), 1);
  EXPECT_EQ(rec.ellipses[0].brush.style(), Qt::NoBrush);
  ASSERT_EQ(rec.polygons.size(), 1u);
  EXPECT_TRUE(rec.polygons[0].odd_even);
  EXPECT_EQ(rec.polygons[0].pen.width(), 3);
  EXPECT_EQ(rec.polygons[0].pen.color(), QColor(255, 0, 0));
  EXPECT_EQ(rec.polygons[0].brush.color(), QColor(255, 0, 0));
  EXPECT_EQ(rec.polygons[0].polygon.first(), QPointF(180, 35));
  EXPECT_EQ(rec.polygons[0].polygon.at(3), QPointF(315, 105));
  ASSERT_EQ(rec.texts.size(), 6u);
  const int ascent = QFontMetrics(rec.texts[0].font, &printer).ascent();
  EXPECT_EQ(rec.texts[1].text, QStringLiteral("ÁGUA 1"));
  EXPECT_EQ(rec.texts[1].baseline, QPointF(90, 228 + ascent));
  EXPECT_EQ(rec.texts[4].text, QStringLiteral("TERRA "));
  EXPECT_EQ(rec.texts[5].baseline, QPointF(315, 122 + ascent));
}

}  // namespace
}  // namespace vorelim
