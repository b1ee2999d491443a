#pragma once
// The faces the windows were designed with (FaceName in ui/designed_words.h) are not free; this
// registers the installed faces that stand in for them, in one place.

#include <QFont>
#include <QString>

#include "ui/designed_words.h"

namespace vorelim {

/// Registers the substitute faces with Qt's font matching. Safe to call more than once: the
/// substitutes are registered the first time only.
void RegisterFontSubstitutes();

/// Registers the substitutes and makes the designed sans face 8 pt (11 px) the application's font,
/// which every window of the program draws with unless it sets a font of its own. The program and
/// the test programs call it before their first window.
void SetProgramFont();

/// The installed family that stands in for the designed `family`: `family` itself when it is
/// installed, else the first installed of its registered substitutes, else `family` unchanged
/// (Qt then finds a face on its own). A font asked for by this name gets the same face as one asked
/// for by the designed name, but loads faster: for a family that is not installed Qt first asks
/// fontconfig to sort every installed face twice (for the missing family and for the fall-backs of
/// the face it settles on), about half a millisecond per face at start-up.
QString InstalledFamily(const QString& family);

/// How a design font is drawn besides its face and size.
struct FontStyle {
  bool bold = false;
  bool italic = false;
  /// Condenses the rounded substitute, which is wider than the designed face, so that captions
  /// keep inside their controls' designed widths. Off for texts whose labels grow to fit them.
  bool condensed = true;
};

/// A font of the face `family` (a FaceName) whose characters are `pixel_height` pixels high, as
/// the windows' designed fonts are given (8 pt at 96 pixels per inch is 11 px). The font's family
/// is `InstalledFamily(family)`. Every window makes its fonts here.
QFont DesignFont(const QString& family, int pixel_height, FontStyle style = {});

/// `font` as the printouts draw with it: Latin text without shaping, so no ligature glyph ("ﬁ")
/// stands for the letters typed ("fi") and a PDF of the printout is searched and copied as typed.
/// Scripts that need shaping keep it; the windows keep their fonts as they are.
QFont PrintingFont(QFont font);

}  // namespace vorelim
