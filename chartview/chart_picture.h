#pragma once
// The picture of the five elements: rings around the dominant elements and the red star over them.
// One set of functions draws it on any painter (the chart window's paint box or a printer page), at
// the integer fractions of chartview/chart_geometry.h.

#include <span>

#include "chart/chart_record.h"
#include "chartview/chart_geometry.h"

#include <QtGlobal>

QT_BEGIN_NAMESPACE
class QPainter;
QT_END_NAMESPACE

namespace vorelim {

/// Whether the mark byte of ring 1..3 of number 1..9 asks for that ring: only the byte 1 does.
/// Numbers of one element share their rings, so an element shows ring k when any of its numbers
/// asks for it; the ringed elements are the dominant ones.
bool MarksRing(const ElementMarks& marks, int number, int ring);

/// Draws the outline of the ellipse inscribed in a rectangle whose right and bottom edges are
/// exclusive, with the painter's pen and brush: the outline touches the columns x1 and x2 - 1 and
/// the rows y1 and y2 - 1.
void DrawEllipseInside(QPainter& painter, const PixelRect& rect);

/// Draws, on a surface of w x h pixels: a black ring one screen pixel wide for every mark byte
/// equal to 1 (numbers 1..9, rings 1..3; numbers of one element share their rectangles), then the
/// star as one red polygon with a red pen three screen pixels wide, filled by the even-odd rule so
/// that the pentagon in the middle stays empty. `screen_pixel` is the width of a screen pixel
/// (1/96 inch) in the surface's pixels: 1 on the screen, the resolution / 96 on a printer. Leaves
/// the brush hollow for the texts that follow; the painter's font is not touched.
void DrawRingsAndStar(QPainter& painter, const ElementMarks& marks, int w, int h,
                      qreal screen_pixel);

/// Draws each text with its top-left corner at its point, in the painter's current font and pen
/// colour, without a background.
void DrawPlacedTexts(QPainter& painter, std::span<const PlacedText> texts);

}  // namespace vorelim
