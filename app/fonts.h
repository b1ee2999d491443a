#pragma once
// The faces the windows were designed with ("VAG Rounded Th", "MS Sans Serif", "Arial") are not
// free; this registers the installed faces that stand in for them, in one place.

#include <QFont>
#include <QString>

namespace vorelim {

/// Registers the substitute faces with Qt's font matching. Safe to call more than once: the
/// substitutes are registered the first time only.
void RegisterFontSubstitutes();

/// A font of the face `family` whose characters are `pixel_height` pixels high, as the windows'
/// designed fonts are given (8 pt at 96 pixels per inch is 11 px). The rounded face is condensed
/// so that its substitute takes the designed face's width.
QFont DesignFont(const QString& family, int pixel_height, bool bold = false);

}  // namespace vorelim
