#include "app/application.h"

#include <QMessageBox>
#include <exception>
#include <utility>

namespace vorelim {
namespace {

QString& HelpFilePath() {
  static QString path;
  return path;
}

Application::FailureReporter& Reporter() {
  static Application::FailureReporter reporter;
  return reporter;
}

void ShowFailureBox(const QString& text) {
  QMessageBox box(QMessageBox::Critical, QApplication::applicationDisplayName(), text,
                  QMessageBox::Ok, QApplication::activeWindow());
  box.exec();
}

}  // namespace

Application::Application(int& argc, char** argv) : QApplication(argc, argv) {}

bool Application::notify(QObject* receiver, QEvent* event) {
  try {
    return QApplication::notify(receiver, event);
  } catch (const std::exception& e) {
    ReportFailure(QString::fromUtf8(e.what()));
  } catch (...) {
    ReportFailure(QStringLiteral("Erro desconhecido."));
  }
  return false;
}

QString Application::HelpFile() {
  return HelpFilePath();
}

void Application::SetHelpFile(const QString& path) {
  HelpFilePath() = path;
}

void Application::SetFailureReporter(FailureReporter reporter) {
  Reporter() = std::move(reporter);
}

void Application::ReportFailure(const QString& text) {
  if (Reporter()) {
    Reporter()(text);
  } else {
    ShowFailureBox(text);
  }
}

}  // namespace vorelim
