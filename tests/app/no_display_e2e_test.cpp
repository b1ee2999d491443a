// The built chart program started without a display it can open: one line in Portuguese on
// standard error and exit status 1, no crash; --help and --version still answer.
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

TEST(no_display_e2e_test, ends_with_one_portuguese_line_and_status_1) {
  int unused = 29999;
  while (QFileInfo::exists(QStringLiteral("/tmp/.X11-unix/X%1").arg(unused))) --unused;
  const QString x_display = QStringLiteral(":%1").arg(unused);
  QTemporaryDir runtime;  // a private XDG_RUNTIME_DIR, where no Wayland display lives
  ASSERT_TRUE(runtime.isValid());

  const struct {
    const char* row;
    QStringList environment;
    QStringList arguments;
    int exit_code;
    QString out;  // expected in standard output
    QString err;  // expected in the one line of standard error
  } rows[] = {
      {"a display that cannot be opened",
       {"DISPLAY=" + x_display},
       {},
       1,
       {},
       "vorelim: não foi possível abrir a tela \"" + x_display + "\" (DISPLAY)."},
      {"no display named", {}, {}, 1, {}, "nenhuma tela para abrir (DISPLAY e WAYLAND_DISPLAY"},
      {"a Wayland display that cannot be opened",
       {"WAYLAND_DISPLAY=vorelim-nenhuma"},
       {},
       1,
       {},
       "abrir a tela \"vorelim-nenhuma\" (WAYLAND_DISPLAY)."},
      {"--version", {"DISPLAY=" + x_display}, {"--version"}, 0, "vorelim 1.", {}},
      {"--help", {"DISPLAY=" + x_display}, {"--help"}, 0, "Mostra esta ajuda e sai.", {}},
      {"offscreen",
       {"QT_QPA_PLATFORM=offscreen", "VORELIM_EXIT_WHEN_IDLE=1"},
       {},
       0,
       "startup-idle",
       {}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.row);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "XDG_SESSION_TYPE"}) {
      environment.remove(QString::fromLatin1(name));
    }
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
    for (const QString& entry : row.environment) {
      environment.insert(entry.section(QLatin1Char('='), 0, 0), entry.section(QLatin1Char('='), 1));
    }
    QProcess program;
    program.setProcessEnvironment(environment);
    program.setWorkingDirectory(runtime.path());
    program.start(QStringLiteral(VORELIM_PROGRAM), row.arguments);
    ASSERT_TRUE(program.waitForFinished(30000));
    const QString out = QString::fromUtf8(program.readAllStandardOutput());
    const QString err = QString::fromUtf8(program.readAllStandardError());
    // Ended by itself, not by a signal (an abort dumps core).
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), row.exit_code) << err.toStdString();
    EXPECT_TRUE(out.contains(row.out)) << out.toStdString();
    if (row.exit_code != 0) {
      EXPECT_EQ(err.count(QLatin1Char('\n')), 1) << err.toStdString();
      EXPECT_TRUE(err.endsWith(QStringLiteral("com \"xvfb-run -a " VORELIM_PROGRAM "\".\n")))
          << err.toStdString();
      EXPECT_TRUE(err.contains(row.err)) << err.toStdString();
    }
  }
}

}  // namespace
