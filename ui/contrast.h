#pragma once
// How well a text stands out from what lies under it, as the accessibility guidelines (WCAG 2)
// measure it: 1 for the same colour, 21 for black on white; 4.5 is the least for ordinary text.

#include <QColor>

namespace vorelim {

/// The least contrast of an ordinary text with its ground.
inline constexpr double kLegibleContrast = 4.5;

/// The contrast ratio of two opaque colours, from their relative luminances.
double ContrastRatio(const QColor& first, const QColor& second);

/// `ink` itself when it stands out from `ground` by `kLegibleContrast`; else `ink` mixed with white
/// on a dark ground (black on a light one) just enough to, so a link keeps its hue under a theme
/// whose link colour is too close to its base.
QColor LegibleOn(const QColor& ink, const QColor& ground);

}  // namespace vorelim
