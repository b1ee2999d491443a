// Entry point of the chart program: sets up the application, reads the command line, hands its
// files to a program already running, or else creates the main frame (which makes its own windows)
// and runs the event loop until the frame closes.

#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "app/application.h"
#include "app/command_line.h"
#include "app/help_file.h"
#include "app/program_icon.h"
#include "app/running_program.h"
#include "app/startup_probe.h"
#include "app/tformdi.h"
#include "desktop/fixed_size.h"
#include "ui/focus_style.h"
#include "ui/fonts.h"

int main(int argc, char** argv) {
  vorelim::AllowPrintingWithoutDisplay(argc, argv);
  vorelim::Application app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("vorelim"));
  vorelim::SetProgramFont();
  vorelim::UseVisibleFocusStyle();

  // Qt's own dialogs (file open, print, message box buttons) speak Portuguese too.
  QTranslator qt_texts;
  if (qt_texts.load(QLocale(QLocale::Portuguese, QLocale::Brazil), QStringLiteral("qtbase"),
                    QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QApplication::installTranslator(&qt_texts);
  }

  // --help and --version print and end here, before any window; so does an unknown option.
  // The arguments as their bytes: the application object has taken Qt's own options out of argv.
  const vorelim::CommandLine command_line =
      vorelim::ReadCommandLine(QByteArrayList(argv, argv + argc));
  if (command_line.exit_code) return vorelim::PrintCommandLineAnswer(command_line);

  // Files for a program already running on this display open there, and this one ends.
  if (!command_line.files.isEmpty() && vorelim::HandToRunningProgram(command_line.files)) return 0;

  // The icon drawn for each size, as PNG: QtGui decodes PNG itself, without an image-format
  // plug-in. The desktop entry's name lets a Wayland compositor find the installed icons too.
  QApplication::setWindowIcon(vorelim::ProgramIcon());
  QGuiApplication::setDesktopFileName(QStringLiteral("vorelim"));

  // The main frame with its hidden about box; its help file is the manual's contents page, in the
  // data folder of the installation (at the same place relative to the program in the build
  // tree). It shows as designed, with the splash window playing its animation as the active child.
  TFORMDI frame(vorelim::DefaultHelpFile());
  // On Wayland, Qt's own dialogs and message boxes over the frame keep their fixed size under the
  // maximise button of Qt's title bar; the program's own fixed-size windows keep theirs themselves.
  desktop::KeepFixedSizeWindows(frame);
  frame.ShowAtStart();

  // Later `vorelim FILE…` and the file manager's charts open in this frame.
  frame.AnswerLaterStarts();

  // The files named on the command line (a file manager's "Abrir com"), each opened as "A&brir"
  // opens a chosen file, over the splash window; those that give no chart are told in one message.
  frame.OpenChosenFiles(command_line.files);

  // Only for the start-up benchmark: VORELIM_EXIT_WHEN_IDLE=1 (see app/startup_probe.h).
  vorelim::ExitWhenIdleIfAsked(frame);

  // The event loop, until the main frame closes.
  return QApplication::exec();
}
