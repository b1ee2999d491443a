#pragma once
// The chart program's application object. Besides the usual QApplication duties it ends the
// program with one line on standard error when no display can be opened, makes Brazilian
// Portuguese the default locale, and turns an exception that escapes an event handler into a
// message box, after which the program goes on.

#include <QApplication>
#include <QString>

namespace vorelim {

class Application : public QApplication {
  Q_OBJECT

 public:
  Application(int& argc, char** argv);

  /// Delivers the event; an exception escaping the receiver's handler is reported and the event
  /// counts as not handled.
  bool notify(QObject* receiver, QEvent* event) override;

  /// Shows `text` the way a failure inside an event handler is shown: a failure message over the
  /// active window (vorelim::ShowMessage).
  static void ReportFailure(const QString& text);
};

}  // namespace vorelim
