#pragma once
// The GUI application behind korvex's dialogs, created at the first dialog only: a launch whose
// files all exist initialises no GUI and needs no display.

#include <QtGlobal>
#include <memory>

QT_BEGIN_NAMESPACE
class QApplication;
QT_END_NAMESPACE

namespace korvex {

class DialogApplication {
 public:
  DialogApplication();
  ~DialogApplication();
  DialogApplication(const DialogApplication&) = delete;
  DialogApplication& operator=(const DialogApplication&) = delete;

  /// Creates the application at the first call. False, after one line on stderr, when there is no
  /// display to show a dialog on: no display named in the environment, or one that cannot be
  /// opened. Qt ends the process when its platform fails; that end is turned into the exit code
  /// of a cancelled launch (nothing has been started before a dialog).
  bool Ready();

 private:
  int m_argc = 1;
  char m_name[7] = "korvex";
  char* m_argv[2] = {m_name, nullptr};
  std::unique_ptr<QApplication> m_app;
};

}  // namespace korvex
