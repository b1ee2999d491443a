#pragma once
// The program's style: the platform's (Fusion unless the desktop chose another), with every focus
// indicator and every arrow drawn in a colour that stands out from what lies under it by at least
// 3:1, under any colour theme. Fusion draws its focus frames in a faint tint of the highlight
// colour (1.25:1 on a list under the light theme) and its arrows in the text colour of the window,
// which a window with designed colours may have made the colour of the button face.

#include <QColor>
#include <QPalette>

namespace vorelim {

/// The least contrast of a focus indicator or an arrow with what surrounds it.
inline constexpr double kIndicatorContrast = 3.0;

/// The colour a focus frame is drawn in between `ground` and `other_ground` (the colours inside and
/// outside it; the same colour twice where it lies on one): the palette's highlight, window text or
/// text colour, the first that stands out from both by kIndicatorContrast; else black or white,
/// whichever stands out more.
QColor IndicatorColour(const QPalette& palette, const QColor& ground, const QColor& other_ground);
inline QColor IndicatorColour(const QPalette& palette, const QColor& ground) {
  return IndicatorColour(palette, ground, ground);
}

/// Black or white, whichever stands out more from `ground`: the colour of arrows.
QColor ArrowColour(const QColor& ground);

/// Makes the program's style the platform's with the focus frames and arrows above. Call once,
/// after the application object is made.
void UseVisibleFocusStyle();

}  // namespace vorelim
