#include "launcher/dialog_application.h"

#include <unistd.h>

#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "launcher/launcher.h"

namespace korvex {
namespace {

void SayNoDisplay(const std::string& reason) {
  std::fprintf(stderr, "korvex: no display to show the dialog on (%s)\n", reason.c_str());
}

// What Qt says while the application is being created. Held back so that a platform that fails
// prints one line instead of Qt's several; given to the usual handler once the platform is up.
struct HeldMessage {
  QtMsgType type;
  std::string category;
  QString text;
};
std::vector<HeldMessage> g_held;

void HoldMessage(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  if (type == QtFatalMsg) {
    // The platform plug-in could not start. Its first complaint is the most precise one.
    const QString first = g_held.empty() ? text : g_held.front().text;
    SayNoDisplay(first.section(QLatin1Char('\n'), 0, 0).trimmed().toStdString());
    ::_exit(kExitCancelled & 0xff);
  }
  g_held.push_back({type, context.category ? context.category : "", text});
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
  // Qt returns its default handler when none was installed, never null.
  const QtMessageHandler usual = qInstallMessageHandler(HoldMessage);
  m_app = std::make_unique<QApplication>(m_argc, m_argv);
  qInstallMessageHandler(usual);
  for (const HeldMessage& message : g_held) {
    const QMessageLogContext context(nullptr, 0, nullptr, message.category.c_str());
    usual(message.type, context, message.text);
  }
  g_held.clear();
  return true;
}

}  // namespace korvex
