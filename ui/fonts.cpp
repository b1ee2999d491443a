#include "ui/fonts.h"

#include <QApplication>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QStringList>
#include <algorithm>

#include "ui/designed_words.h"

namespace vorelim {
namespace {
constexpr int kRoundedStretch = 85;
}  // namespace

void RegisterFontSubstitutes() {
  static const bool registered = [] {
    // A rounded face first, then a plain sans face for systems without it.
    QFont::insertSubstitutions(FaceName(Face::Rounded),
                               {QStringLiteral("Comfortaa"), QStringLiteral("Liberation Sans"),
                                QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(FaceName(Face::SansSerif),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(FaceName(Face::Arial),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    return true;
  }();
  (void)registered;
}

void SetProgramFont() {
  RegisterFontSubstitutes();
  QApplication::setFont(DesignFont(FaceName(Face::SansSerif), 11));
}

QString InstalledFamily(const QString& family) {
  // The installed families as Qt's font database lists them (no fontconfig aliases), so the name
  // returned is one Qt finds at once. Substitutes are kept in lower case; the listed spelling is
  // returned.
  // Without a GUI application there is no font database to ask (Qt would end the process).
  if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) == nullptr) return family;
  const QStringList installed = QFontDatabase::families();
  auto listed = [&installed](const QString& name) -> QString {
    const auto found = std::find_if(installed.begin(), installed.end(), [&name](const QString& f) {
      return f.compare(name, Qt::CaseInsensitive) == 0;
    });
    return found == installed.end() ? QString() : *found;
  };
  if (const QString same = listed(family); !same.isEmpty()) return same;
  for (const QString& substitute : QFont::substitutes(family)) {
    if (const QString found = listed(substitute); !found.isEmpty()) return found;
  }
  return family;
}

QFont DesignFont(const QString& family, int pixel_height, FontStyle style) {
  QFont font(InstalledFamily(family));
  font.setPixelSize(pixel_height);
  font.setBold(style.bold);
  font.setItalic(style.italic);
  // The rounded substitute is wider than the designed face; condensed to 85 % it keeps the
  // designed captions ("PERSONALIDADE", "TRÂNSITOS DO ANO") inside their controls.
  if (style.condensed && family.compare(FaceName(Face::Rounded), Qt::CaseInsensitive) == 0) {
    font.setStretch(kRoundedStretch);
  }
  return font;
}

QFont PrintingFont(QFont font) {
  font.setStyleStrategy(QFont::StyleStrategy(font.styleStrategy() | QFont::PreferNoShaping));
  return font;
}

}  // namespace vorelim
