#pragma once
// Where the element star, its rings and the texts around it go, as integer fractions of the
// drawing surface's width W and height H. The same functions serve the chart window's paint box
// (W = 361, H = 281 as designed) and the printed page (W, H = printable area in printer pixels).
// Every coordinate is worked out as (numerator * extent) / denominator in 64-bit integers, so the
// remainder is dropped exactly once and no intermediate value overflows.

#include <array>
#include <string_view>

#include "chart/elements.h"

namespace vorelim {

/// A point in device pixels.
struct PixelPoint {
  int x = 0;
  int y = 0;
  friend bool operator==(const PixelPoint&, const PixelPoint&) = default;
};

/// A rectangle in device pixels whose right and bottom edges are exclusive: the pixels x1..x2-1
/// and y1..y2-1 belong to it.
struct PixelRect {
  int x1 = 0;
  int y1 = 0;
  int x2 = 0;
  int y2 = 0;
  friend bool operator==(const PixelRect&, const PixelRect&) = default;
};

/// A fixed text with its top-left corner.
struct PlacedText {
  std::string_view text;  // UTF-8
  PixelPoint at;
};

/// numerator * extent / denominator, multiplied first, remainder dropped.
int Fraction(int numerator, int extent, int denominator);

/// The bounding rectangle of ring 1..3 (1 innermost) around the element's star point.
PixelRect RingRect(Element element, int ring, int w, int h);

/// The five star points in the order the closed polygon runs through them:
/// top, lower right, left, right, lower left.
std::array<PixelPoint, 5> StarPoints(int w, int h);

/// The six element labels of the chart window's drawing (ElementLabels(Medium::Screen)); the
/// earth's numbers stand on a second line.
std::array<PlacedText, 6> ScreenLabels(int w, int h);

/// The six element labels of the printed chart (ElementLabels(Medium::Paper)).
std::array<PlacedText, 6> PrintoutLabels(int w, int h);

/// Top-left corner of the printout's title.
PixelPoint PrintoutTitlePosition(int w, int h);

/// Top-left corners of the printout's eight data lines, first line (name) first.
std::array<PixelPoint, 8> PrintoutDataLinePositions(int w, int h);

}  // namespace vorelim
