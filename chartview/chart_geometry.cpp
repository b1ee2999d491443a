#include "chartview/chart_geometry.h"

#include <cstdint>

#include "ui/designed_words.h"

namespace vorelim {
namespace {

// Numerators of (x1, y1, x2, y2) of each element's rings; the denominators depend on the ring
// only: x over 16, 32, 64 and y over 32, 64, 128 for rings 1, 2, 3.
struct RingFractions {
  int x1, y1, x2, y2;
};

constexpr RingFractions kRings[5][3] = {
    // Water, around the lower left point.
    {{3, 25, 5, 28}, {5, 48, 11, 58}, {8, 93, 24, 120}},
    // Earth, around the right point; ring 3 ends at the right edge (64/64).
    {{13, 10, 15, 14}, {25, 18, 31, 30}, {48, 33, 64, 64}},
    // Wood, around the left point.
    {{1, 10, 3, 14}, {1, 18, 7, 30}, {1, 33, 16, 64}},
    // Metal, around the lower right point; not the mirror image of water (49/64, 94/128).
    {{11, 25, 13, 28}, {21, 49, 27, 58}, {40, 94, 56, 120}},
    // Fire, around the top point.
    {{7, 3, 9, 6}, {13, 4, 19, 14}, {24, 5, 40, 31}},
};

constexpr int kRingXDenominator[3] = {16, 32, 64};
constexpr int kRingYDenominator[3] = {32, 64, 128};

PixelPoint At(int x_num, int x_den, int w, int y_num, int y_den, int h) {
  return {Fraction(x_num, w, x_den), Fraction(y_num, h, y_den)};
}

// The top-left corner of a text as fractions x_num / x_den of W and y_num / y_den of H.
struct Corner {
  int x_num, x_den, y_num, y_den;
};

// The corners of the six element labels, in the order of ElementLabels, on the screen and on
// paper.
struct LabelCorners {
  Corner screen;
  Corner paper;
};
constexpr std::array<LabelCorners, 6> kLabelCorners = {{
    {{6, 8, 13, 16}, {6, 8, 13, 16}},    // metal
    {{4, 16, 13, 16}, {3, 16, 13, 16}},  // water
    {{1, 16, 5, 16}, {1, 16, 11, 32}},   // wood
    {{4, 8, 1, 16}, {17, 32, 2, 16}},    // fire
    {{7, 8, 6, 16}, {7, 8, 6, 16}},      // earth
    {{7, 8, 7, 16}, {7, 8, 13, 32}},     // earth's numbers
}};

std::array<PlacedText, 6> PlaceLabels(Medium medium, int w, int h) {
  const std::array<std::string_view, 6> texts = ElementLabels(medium);
  std::array<PlacedText, 6> placed;
  for (std::size_t i = 0; i < placed.size(); ++i) {
    const Corner& c = medium == Medium::Screen ? kLabelCorners[i].screen : kLabelCorners[i].paper;
    placed[i] = {texts[i], At(c.x_num, c.x_den, w, c.y_num, c.y_den, h)};
  }
  return placed;
}

}  // namespace

int Fraction(int numerator, int extent, int denominator) {
  return static_cast<int>(static_cast<std::int64_t>(numerator) * extent / denominator);
}

PixelRect RingRect(Element element, int ring, int w, int h) {
  if (ring < 1 || ring > 3) return {};
  const RingFractions& f = kRings[static_cast<int>(element)][ring - 1];
  const int xd = kRingXDenominator[ring - 1];
  const int yd = kRingYDenominator[ring - 1];
  return {Fraction(f.x1, w, xd), Fraction(f.y1, h, yd), Fraction(f.x2, w, xd),
          Fraction(f.y2, h, yd)};
}

std::array<PixelPoint, 5> StarPoints(int w, int h) {
  return {{
      At(1, 2, w, 1, 8, h),    // top
      At(3, 4, w, 13, 16, h),  // lower right
      At(1, 8, w, 3, 8, h),    // left
      At(7, 8, w, 3, 8, h),    // right
      At(1, 4, w, 13, 16, h),  // lower left
  }};
}

std::array<PlacedText, 6> ScreenLabels(int w, int h) {
  return PlaceLabels(Medium::Screen, w, h);
}

std::array<PlacedText, 6> PrintoutLabels(int w, int h) {
  return PlaceLabels(Medium::Paper, w, h);
}

PixelPoint PrintoutTitlePosition(int w, int h) {
  return At(1, 32, w, 1, 32, h);
}

std::array<PixelPoint, 8> PrintoutDataLinePositions(int w, int h) {
  std::array<PixelPoint, 8> lines;
  for (int i = 0; i < 8; ++i) lines[i] = At(1, 32, w, i + 2, 32, h);
  return lines;
}

}  // namespace vorelim
