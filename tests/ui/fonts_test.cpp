// The designed faces and their installed substitutes.

#include "ui/fonts.h"

#include <QFont>
#include <QFontInfo>
#include <QFontMetrics>
#include <QStringList>

#include <gtest/gtest.h>

namespace {

// Faces as the windows ask for them, designed or installed, in any letter case, and the installed
// family each one gets.
struct FaceRow {
  const char* asked;
  const char* installed;
};
constexpr FaceRow kFaces[] = {
    {"VAG Rounded Th", "Comfortaa"},
    {"VAG ROUNDED TH", "Comfortaa"},
    {"vag rounded th", "Comfortaa"},
    {"MS Sans Serif", "Liberation Sans"},
    {"Arial", "Liberation Sans"},  // fontconfig's own alias is not taken for installed
    {"Liberation Sans", "Liberation Sans"},
    {"liberation sans", "Liberation Sans"},  // the listed spelling
};

TEST(fonts_test, designed_faces_resolve_to_the_installed_substitutes) {
  vorelim::RegisterFontSubstitutes();
  vorelim::RegisterFontSubstitutes();  // a second call adds nothing
  // Qt keeps substitute names in lower case.
  EXPECT_EQ(QFont::substitutes(QStringLiteral("VAG Rounded Th")).value(0),
            QStringLiteral("comfortaa"));
  EXPECT_EQ(QFont::substitutes(QStringLiteral("VAG Rounded Th")).count(QStringLiteral("comfortaa")),
            1);
  for (const FaceRow& row : kFaces) {
    const QFont font = vorelim::DesignFont(QString::fromLatin1(row.asked), 11, {.bold = true});
    EXPECT_EQ(QFontInfo(font).family(), QString::fromLatin1(row.installed)) << row.asked;
    EXPECT_EQ(QFontInfo(font).pixelSize(), 11) << row.asked;
    EXPECT_TRUE(QFontInfo(font).bold()) << row.asked;
  }
}

// Fonts are asked for by the installed family, which loads faster than the designed name and must
// give the very same face and metrics.
TEST(fonts_test, installed_family_names_the_face_the_designed_name_gets) {
  vorelim::RegisterFontSubstitutes();
  // A face with no substitute is left to Qt.
  EXPECT_EQ(vorelim::InstalledFamily(QStringLiteral("No Such Face 7")),
            QStringLiteral("No Such Face 7"));
  for (const FaceRow& row : kFaces) {
    const QString asked = QString::fromLatin1(row.asked);
    const QString installed = vorelim::InstalledFamily(asked);
    EXPECT_EQ(installed, QString::fromLatin1(row.installed)) << row.asked;
    for (const bool bold : {false, true}) {
      QFont designed(asked);
      QFont direct(installed);
      for (QFont* font : {&designed, &direct}) {
        font->setPixelSize(13);
        font->setBold(bold);
        font->setItalic(bold);
      }
      EXPECT_EQ(QFontInfo(direct).family(), QFontInfo(designed).family()) << row.asked;
      EXPECT_EQ(QFontInfo(direct).styleName(), QFontInfo(designed).styleName()) << row.asked;
      const QString sample = QStringLiteral("FAÇA SEU MAPA Informação 1997");
      EXPECT_EQ(QFontMetrics(direct).horizontalAdvance(sample),
                QFontMetrics(designed).horizontalAdvance(sample))
          << row.asked;
    }
  }
  EXPECT_EQ(vorelim::DesignFont(QStringLiteral("VAG Rounded Th"), 11).family(),
            QStringLiteral("Comfortaa"));
}

}  // namespace
