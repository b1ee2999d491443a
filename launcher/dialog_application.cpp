#include "launcher/dialog_application.h"

#include <QApplication>
#include <QString>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "desktop/held_messages.h"
#include "launcher/launcher.h"

namespace korvex {
namespace {

void SayNoDisplay(const std::string& reason) {
  std::fprintf(stderr, "korvex: no display to show the dialog on (%s)\n", reason.c_str());
}

// Qt's platform could not start while the application was being made.
int NoDisplayToShowOn(const QString& complaint) {
  SayNoDisplay(complaint.toStdString());
  return kExitCancelled & 0xff;
}

}  // namespace

DialogApplication::DialogApplication() = default;
DialogApplication::~DialogApplication() = default;

bool DialogApplication::Ready() {
  if (m_app) return true;
  // Without any of these Qt would look for an X display and end the process; say so plainly.
  if (std::getenv("QT_QPA_PLATFORM") == nullptr && std::getenv("DISPLAY") == nullptr &&
      std::getenv("WAYLAND_DISPLAY") == nullptr) {
    SayNoDisplay("DISPLAY and WAYLAND_DISPLAY are unset");
    return false;
  }
  // Qt's messages are held back meanwhile: a platform that fails to start is told in one line.
  desktop::HoldQtMessages(NoDisplayToShowOn);
  m_app = std::make_unique<QApplication>(m_argc, m_argv);
  desktop::ReleaseQtMessages();
  return true;
}

}  // namespace korvex
