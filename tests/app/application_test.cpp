// The application object and the font substitutes. This program creates its own application
// object (the chart program's, not a plain QApplication), so it has its own main().

#include "app/application.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFont>
#include <QFontInfo>
#include <QFontMetrics>
#include <QTimer>
#include <cstdlib>
#include <stdexcept>

#include <gtest/gtest.h>

#include "app/fonts.h"

namespace {

using vorelim::Application;

// An object whose event handler fails the way a handler's code can.
class FailingObject : public QObject {
 public:
  enum class Failure { StdException, Other, None };
  Failure failure = Failure::StdException;
  int handled = 0;

 protected:
  bool event(QEvent* event) override {
    if (event->type() != QEvent::User) return QObject::event(event);
    ++handled;
    switch (failure) {
      case Failure::StdException:
        throw std::runtime_error("não foi possível gravar MARIA.NUM");
      case Failure::Other:
        throw 42;
      case Failure::None:
        return true;
    }
    return true;
  }
};

class ApplicationTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Application::SetFailureReporter([this](const QString& text) { reported_ << text; });
  }
  void TearDown() override { Application::SetFailureReporter({}); }
  QStringList reported_;
};

TEST_F(ApplicationTest, EscapedExceptionIsShownAndTheProgramGoesOn) {
  FailingObject object;
  QEvent event(QEvent::User);
  EXPECT_FALSE(QCoreApplication::sendEvent(&object, &event));
  ASSERT_EQ(reported_, QStringList{QStringLiteral("não foi possível gravar MARIA.NUM")});

  object.failure = FailingObject::Failure::Other;
  EXPECT_FALSE(QCoreApplication::sendEvent(&object, &event));
  EXPECT_EQ(reported_.size(), 2);
  EXPECT_EQ(reported_.last(), QStringLiteral("Erro desconhecido."));

  // Later events are delivered as usual.
  object.failure = FailingObject::Failure::None;
  EXPECT_TRUE(QCoreApplication::sendEvent(&object, &event));
  EXPECT_EQ(object.handled, 3);
  EXPECT_EQ(reported_.size(), 2);
}

TEST_F(ApplicationTest, ExceptionInsideTheEventLoopDoesNotEndIt) {
  FailingObject object;
  QCoreApplication::postEvent(&object, new QEvent(QEvent::User));
  QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(7); });
  EXPECT_EQ(QCoreApplication::exec(), 7);
  EXPECT_EQ(object.handled, 1);
  EXPECT_EQ(reported_.size(), 1);
}

TEST_F(ApplicationTest, HelpFileIsKeptAsSet) {
  Application::SetHelpFile(QString::fromLatin1(vorelim::kHelpFilePath));
  EXPECT_EQ(Application::HelpFile(), QStringLiteral("/usr/share/vorelim/manual/index.html"));
  EXPECT_TRUE(Application::HelpFile().endsWith(QStringLiteral("/index.html")));
}

TEST(FontsTest, DesignedFacesResolveToTheInstalledSubstitutes) {
  vorelim::RegisterFontSubstitutes();
  vorelim::RegisterFontSubstitutes();  // a second call adds nothing
  // Qt keeps substitute names in lower case.
  EXPECT_EQ(QFont::substitutes(QStringLiteral("VAG Rounded Th")).value(0),
            QStringLiteral("comfortaa"));
  EXPECT_EQ(QFont::substitutes(QStringLiteral("VAG Rounded Th")).count(QStringLiteral("comfortaa")),
            1);
  const struct {
    const char* designed;
    const char* installed;
  } rows[] = {
      {"VAG Rounded Th", "Comfortaa"},
      {"VAG ROUNDED TH", "Comfortaa"},
      {"MS Sans Serif", "Liberation Sans"},
      {"Arial", "Liberation Sans"},
  };
  for (const auto& row : rows) {
    const QFont font = vorelim::DesignFont(QString::fromLatin1(row.designed), 11, true);
    EXPECT_EQ(QFontInfo(font).family(), QString::fromLatin1(row.installed)) << row.designed;
    EXPECT_EQ(QFontInfo(font).pixelSize(), 11) << row.designed;
    EXPECT_TRUE(QFontInfo(font).bold()) << row.designed;
  }
}

// Fonts are asked for by the installed family, which loads faster than the designed name and must
// give the very same face and metrics.
TEST(FontsTest, InstalledFamilyNamesTheFaceTheDesignedNameGets) {
  vorelim::RegisterFontSubstitutes();
  const struct {
    const char* asked;
    const char* installed;
  } rows[] = {
      {"VAG Rounded Th", "Comfortaa"},
      {"vag rounded th", "Comfortaa"},
      {"MS Sans Serif", "Liberation Sans"},
      {"Arial", "Liberation Sans"},  // fontconfig's own alias is not taken for installed
      {"Liberation Sans", "Liberation Sans"},
      {"liberation sans", "Liberation Sans"},  // the listed spelling
      {"No Such Face 7", "No Such Face 7"},    // no substitute: left to Qt
  };
  for (const auto& row : rows) {
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

int main(int argc, char** argv) {
  if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  ::testing::InitGoogleTest(&argc, argv);
  Application app(argc, argv);
  return RUN_ALL_TESTS();
}
