// The application object. This program creates its own application object (the chart program's,
// not a plain QApplication), so it has its own main().

#include "app/application.h"

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QFileDialog>
#include <QLocale>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeView>
#include <cstdlib>
#include <iterator>
#include <stdexcept>

#include <gtest/gtest.h>

#include "app/tformdi.h"
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

// The frame's file dialog writes sizes, dates and types as Brazilians do, although Qt's own model
// takes the formats from the environment's language (English here: "1.02 KiB", "2/1/26 2:05 PM")
// and has no Portuguese name for a folder ("Folder").
TEST(application_locale_test, open_dialog_shows_sizes_dates_and_types_in_portuguese) {
  QTemporaryDir folder;
  ASSERT_TRUE(folder.isValid());
  ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("pasta")));
  QFile chart(folder.filePath(QStringLiteral("GRANDE.NUM")));
  ASSERT_TRUE(chart.open(QIODevice::WriteOnly));
  chart.write(QByteArray(1045, 'x'));
  chart.flush();  // so that no later write moves the date
  ASSERT_TRUE(chart.setFileTime(QDateTime(QDate(2026, 2, 1), QTime(14, 5)),
                                QFileDevice::FileModificationTime));
  chart.close();
  const QString started_in = QDir::currentPath();
  ASSERT_TRUE(QDir::setCurrent(folder.path()));

  // Each row: the entry, its column in the details view, and what the column reads.
  const struct {
    const char* entry;
    int column;
    const char* reads;
  } rows[] = {
      {"GRANDE.NUM", 1, "1,02 KiB"},
      {"GRANDE.NUM", 3, "01/02/2026 14:05"},
      {"pasta", 1, ""},
      {"pasta", 2, "Pasta"},
  };
  QStringList read;
  TFORMDI frame;
  QTimer answer;
  answer.setInterval(5);
  QObject::connect(&answer, &QTimer::timeout, &frame, [&] {
    QFileDialog* dialog = frame.fileOpenDialog();
    if (dialog == nullptr || !dialog->isVisible()) return;
    answer.stop();
    // The details view, as "Visão detalhada" shows it, once the entries' details are read.
    const auto* details = dialog->findChild<QTreeView*>();
    const auto cell = [details](const char* entry, int column) {
      const QAbstractItemModel* shown = details->model();
      for (int row = 0; row < shown->rowCount(details->rootIndex()); ++row) {
        const QModelIndex name = shown->index(row, 0, details->rootIndex());
        if (name.data().toString() == QString::fromUtf8(entry))
          return name.siblingAtColumn(column).data().toString();
      }
      return QStringLiteral("(not listed)");
    };
    if (details != nullptr) {
      // Both entries listed, with the chart's date and the folder's type read in.
      EXPECT_TRUE(QTest::qWaitFor(
          [&] {
            return !cell("GRANDE.NUM", 3).isEmpty() && cell("pasta", 2) != QStringLiteral("") &&
                   cell("pasta", 2) != QStringLiteral("(not listed)");
          },
          3000));
      for (const auto& row : rows) read << cell(row.entry, row.column);
    }
    dialog->reject();
  });
  answer.start();
  frame.Abrir1Click();
  QDir::setCurrent(started_in);

  ASSERT_EQ(read.size(), std::size(rows));
  for (std::size_t i = 0; i < std::size(rows); ++i) {
    EXPECT_EQ(read[static_cast<qsizetype>(i)].toStdString(), rows[i].reads)
        << rows[i].entry << ", column " << rows[i].column;
  }
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
