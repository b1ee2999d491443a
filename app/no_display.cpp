#include "app/no_display.h"

#include <QByteArray>
#include <QFileInfo>
#include <QString>
#include <QStringList>
#include <QtGlobal>
#include <cstdio>
#include <cstring>

#include "desktop/held_messages.h"

namespace vorelim {
namespace {

// The line said instead of Qt's end, worked out before Qt takes its options out of the arguments.
QByteArray& NoDisplayLineToSay() {
  static QByteArray line;
  return line;
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

// Qt's own complaint names no display; the line names those tried, and how to run the program.
int SayNoDisplay(const QString& /*qt_complaint*/) {
  std::fputs(NoDisplayLineToSay().constData(), stderr);
  return kNoDisplayExitCode;
}

}  // namespace

int& WatchForNoDisplay(int& argc, char** argv) {
  NoDisplayLineToSay() = NoDisplayLine(argc, argv);
  desktop::HoldQtMessages(SayNoDisplay);
  return argc;
}

void StopWatchingForNoDisplay() {
  desktop::ReleaseQtMessages();
}

}  // namespace vorelim
