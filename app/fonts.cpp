#include "app/fonts.h"

#include <QStringList>

namespace vorelim {
namespace {
constexpr int kRoundedStretch = 85;
}  // namespace

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
  // The rounded substitute is wider than the designed face; condensed to 85 % it keeps the
  // designed captions ("PERSONALIDADE", "TRÂNSITOS DO ANO") inside their controls.
  if (family.compare(QStringLiteral("VAG Rounded Th"), Qt::CaseInsensitive) == 0) {
    font.setStretch(kRoundedStretch);
  }
  return font;
}

}  // namespace vorelim
