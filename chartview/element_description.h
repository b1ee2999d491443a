#pragma once
// The element star in words, for screen readers and for every window that shows a star: the
// elements' designed names and what a star shows of a chart's marks.

#include <QString>

#include "chart/chart_record.h"
#include "chart/elements.h"

namespace vorelim {

/// The element's name as the drawing labels it: "ÁGUA", "TERRA", "MADEIRA", "METAL", "FOGO".
QString ElementName(Element element);

/// What the drawing shows for `marks`: each element with its numbers and how many rings it has;
/// the ringed elements are the dominant ones.
QString ElementDrawingDescription(const ElementMarks& marks);

}  // namespace vorelim
