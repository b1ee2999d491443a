// The application object. This program creates its own application object (the chart program's,
// not a plain QApplication), so it has its own main().

#include "app/application.h"

#include <QCoreApplication>
#include <QDate>
#include <QEvent>
#include <QLocale>
#include <QTimer>
#include <cstdlib>
#include <stdexcept>

#include <gtest/gtest.h>

#include "ui/messages.h"

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

class application_test : public ::testing::Test {
 protected:
  void SetUp() override {
    vorelim::SetMessageSinkForTesting(
        [this](QWidget*, const QString&, const QString& text) { reported_ << text; });
  }
  void TearDown() override { vorelim::SetMessageSinkForTesting({}); }
  QStringList reported_;
};

TEST_F(application_test, escaped_exception_is_shown_and_the_program_goes_on) {
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

TEST_F(application_test, exception_inside_the_event_loop_does_not_end_it) {
  FailingObject object;
  QCoreApplication::postEvent(&object, new QEvent(QEvent::User));
  QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(7); });
  EXPECT_EQ(QCoreApplication::exec(), 7);
  EXPECT_EQ(object.handled, 1);
  EXPECT_EQ(reported_.size(), 1);
}

// Qt formats dates and names in Brazilian Portuguese, whatever the environment's language (main()
// below names English).
TEST(application_locale_test, is_brazilian_portuguese) {
  const QLocale locale;
  EXPECT_EQ(locale.name(), QStringLiteral("pt_BR"));
  EXPECT_EQ(locale.toString(QDate(2026, 3, 7), QLocale::ShortFormat), QStringLiteral("07/03/2026"));
  EXPECT_EQ(locale.monthName(3), QStringLiteral("março"));
}

}  // namespace

int main(int argc, char** argv) {
  if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  // An English environment, as a desktop set to English gives the program.
  setenv("LANG", "en_US.UTF-8", 1);
  unsetenv("LC_ALL");
  ::testing::InitGoogleTest(&argc, argv);
  Application app(argc, argv);
  return RUN_ALL_TESTS();
}
