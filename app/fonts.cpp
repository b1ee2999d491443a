#include "app/fonts.h"

#include <QStringList>

namespace vorelim {

void RegisterFontSubstitutes() {
  static const bool registered = [] {
    // A rounded face first, then a plain sans face for systems without it.
    QFont::insertSubstitutions(QStringLiteral("VAG Rounded Th"),
                               {QStringLiteral("Comfortaa"), QStringLiteral("Liberation Sans"),
                                QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(QStringLiteral("Arial"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    return true;
  }();
  (void)registered;
}

QFont DesignFont(const QString& family, int pixel_height, bool bold) {
  QFont font(family);
  font.setPixelSize(pixel_height);
  font.setBold(bold);
  return font;
}

}  // namespace vorelim
