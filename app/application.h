#pragma once
// The chart program's application object. Besides the usual QApplication duties it keeps the
// help file path fixed at start-up and turns an exception that escapes an event handler into a
// message box, after which the program goes on.

#include <QApplication>
#include <QString>
#include <functional>

namespace vorelim {

/// Where start-up points the help file for the program installed in /usr/bin: the manual's
/// contents page in the data folder.
inline constexpr char kHelpFilePath[] = "/usr/share/vorelim/manual/index.html";

class Application : public QApplication {
  Q_OBJECT

 public:
  /// Shows a failure to the user; replaced in tests, which cannot answer a modal box.
  using FailureReporter = std::function<void(const QString& text)>;

  Application(int& argc, char** argv);

  /// Delivers the event; an exception escaping the receiver's handler is reported and the event
  /// counts as not handled.
  bool notify(QObject* receiver, QEvent* event) override;

  /// The help file of the program (empty until start-up sets it).
  static QString HelpFile();
  static void SetHelpFile(const QString& path);

  /// Replaces the reporter of failures; an empty function restores the message box.
  static void SetFailureReporter(FailureReporter reporter);
  /// Shows `text` the way a failure inside an event handler is shown.
  static void ReportFailure(const QString& text);
};

}  // namespace vorelim
