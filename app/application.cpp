#include "app/application.h"

#include <exception>

#include "ui/messages.h"

namespace vorelim {
Application::Application(int& argc, char** argv) : QApplication(argc, argv) {}

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
