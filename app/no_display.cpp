#include "app/no_display.h"

#include <QByteArray>
#include <QFileInfo>
#include <QString>
#include <QStringList>
#include <QtGlobal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace vorelim {
namespace {

// What Qt says while the application is being made, held back so that a display that cannot be
// opened is told in one line instead of Qt's several.
struct HeldMessage {
  QtMsgType type;
  std::string category;
  QString text;
};

struct Watch {
  QtMessageHandler usual = nullptr;
  std::vector<HeldMessage> held;
  QByteArray line;  // said instead of Qt's end, worked out before Qt takes its options away
};

Watch& TheWatch() {
  static Watch watch;
  return watch;
}

QString Variable(const char* name) {
  return QString::fromLocal8Bit(qgetenv(name));
}

// The value given to Qt's option `name` ("-display :1", also written "--display"), or nothing.
QString QtOption(int argc, char** argv, const char* name) {
  for (int i = 1; i + 1 < argc; ++i) {
    const char* argument = argv[i];
    if (std::strncmp(argument, "--", 2) == 0) ++argument;
    if (argument[0] == '-' && std::strcmp(argument + 1, name) == 0) {
      return QString::fromLocal8Bit(argv[i + 1]);
    }
  }
  return {};
}

QString Quoted(const QString& text, const char* source) {
  return QStringLiteral("\"%1\" (%2)").arg(text, QString::fromLatin1(source));
}

// The line for the displays named by the options and the environment, the ones Qt tries: the
// Wayland display, then the X display.
QByteArray NoDisplayLine(int argc, char** argv) {
  const QString program_path = argc > 0 ? QString::fromLocal8Bit(argv[0]) : QString();
  const QString program =
      program_path.isEmpty() ? QStringLiteral("vorelim") : QFileInfo(program_path).fileName();
  const QString how =
      QStringLiteral(" Rode o programa numa sessão gráfica ou, sem tela, com \"xvfb-run -a %1\".")
          .arg(program_path.isEmpty() ? program : program_path);

  QString platform = QtOption(argc, argv, "platform");
  const char* platform_source = "-platform";
  if (platform.isEmpty()) {
    platform = Variable("QT_QPA_PLATFORM");
    platform_source = "QT_QPA_PLATFORM";
  }
  if (!platform.isEmpty() && !platform.contains(QStringLiteral("xcb")) &&
      !platform.contains(QStringLiteral("wayland"))) {
    return (program + QStringLiteral(": não foi possível iniciar a plataforma gráfica ") +
            Quoted(platform, platform_source) + QLatin1Char('.') + how + QLatin1Char('\n'))
        .toLocal8Bit();
  }

  QStringList displays;
  const QString wayland = Variable("WAYLAND_DISPLAY");
  if (!wayland.isEmpty()) displays << Quoted(wayland, "WAYLAND_DISPLAY");
  const QString x_option = QtOption(argc, argv, "display");
  const QString x_display = Variable("DISPLAY");
  if (!x_option.isEmpty()) {
    displays << Quoted(x_option, "-display");
  } else if (!x_display.isEmpty()) {
    displays << Quoted(x_display, "DISPLAY");
  }
  const QString what =
      displays.isEmpty()
          ? QStringLiteral(": nenhuma tela para abrir (DISPLAY e WAYLAND_DISPLAY estão vazias).")
          : QStringLiteral(": não foi possível abrir a tela ") +
                displays.join(QStringLiteral(" nem a tela ")) + QLatin1Char('.');
  return (program + what + how + QLatin1Char('\n')).toLocal8Bit();
}

void HoldMessage(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  Watch& watch = TheWatch();
  if (type == QtFatalMsg) {
    // No platform plug-in could start: end as a failed command does, without Qt's abort.
    std::fputs(watch.line.constData(), stderr);
    std::fflush(stderr);
    std::_Exit(kNoDisplayExitCode);
  }
  watch.held.push_back({type, context.category != nullptr ? context.category : "", text});
}

}  // namespace

int& WatchForNoDisplay(int& argc, char** argv) {
  Watch& watch = TheWatch();
  watch.line = NoDisplayLine(argc, argv);
  watch.held.clear();
  // Qt gives back its default handler when none was installed, never null.
  watch.usual = qInstallMessageHandler(HoldMessage);
  return argc;
}

void StopWatchingForNoDisplay() {
  Watch& watch = TheWatch();
  if (watch.usual == nullptr) return;
  qInstallMessageHandler(watch.usual);
  for (const HeldMessage& message : watch.held) {
    const QMessageLogContext context(nullptr, 0, nullptr, message.category.c_str());
    watch.usual(message.type, context, message.text);
  }
  watch.held.clear();
  watch.usual = nullptr;
}

}  // namespace vorelim
