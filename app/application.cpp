#include "app/application.h"

#include <QLocale>
#include <exception>

#include "app/no_display.h"
#include "ui/messages.h"

namespace vorelim {
// Qt's messages are watched while the base is made from the arguments: a display that cannot be
// opened ends the program there, told in one Portuguese line (app/no_display.h).
Application::Application(int& argc, char** argv)
    : QApplication(WatchForNoDisplay(argc, argv), argv) {
  StopWatchingForNoDisplay();
  // Every text of the program and of Qt's dialogs is Portuguese; dates, numbers and the names Qt
  // formats through the default locale (month and day names, file types) are Brazilian with them,
  // whatever language the environment names.
  QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
}

bool Application::notify(QObject* receiver, QEvent* event) {
  try {
    return QApplication::notify(receiver, event);
  } catch (const std::exception& e) {
    ReportFailure(QString::fromUtf8(e.what()));
  } catch (...) {
    ReportFailure(UnknownFailureText());
  }
  return false;
}

void Application::ReportFailure(const QString& text) {
  ShowMessage(QApplication::activeWindow(), {.kind = MessageKind::Failure,
                                             .title = QApplication::applicationDisplayName(),
                                             .text = text});
}

}  // namespace vorelim
