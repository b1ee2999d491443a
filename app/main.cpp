// Entry point of the chart program: sets up the application, creates the main frame and runs the
// event loop until the frame closes.

#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QMdiArea>
#include <QPixmap>
#include <QTranslator>

#include "app/application.h"
#include "app/help_viewer.h"
#include "app/startup_probe.h"
#include "app/taboutbox.h"
#include "app/tform1.h"
#include "app/tformdi.h"
#include "resources/pictures/vorelim_icon.xpm"
#include "ui/fonts.h"

int main(int argc, char** argv) {
  vorelim::Application app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("vorelim"));
  vorelim::RegisterFontSubstitutes();
  QApplication::setFont(vorelim::DesignFont(QStringLiteral("MS Sans Serif"), 11));

  // Qt's own dialogs (file open, print, message box buttons) speak Portuguese too.
  QTranslator qt_texts;
  if (qt_texts.load(QLocale(QLocale::Portuguese, QLocale::Brazil), QStringLiteral("qtbase"),
                    QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QApplication::installTranslator(&qt_texts);
  }

  // The icon of vorelim.ico, compiled in as XPM: decoding the .ico would load Qt's image-format
  // plug-ins at start-up for this one picture.
  QApplication::setWindowIcon(QIcon(QPixmap(vorelim_icon_xpm)));

  // 1. The help file, in the data folder of the installation (or beside the program in a build).
  vorelim::HelpViewer::Application().SetHelpFile(vorelim::HelpViewer::DefaultHelpFile());

  // 2. The main frame, shown as designed.
  TFORMDI frame;
  frame.show();

  // 3. The about box, hidden until "&Sobre"; the frame owns it.
  frame.AboutBox = new TAboutBox(&frame);

  // 4. The splash window, a child of the frame: it shows at once as the active child and plays
  //    its animation. The frame's MDI area owns it.
  new TForm1(frame.mdiArea());

  // Only for the start-up benchmark: VORELIM_EXIT_WHEN_IDLE=1 (see app/startup_probe.h).
  vorelim::ExitWhenIdleIfAsked(frame);

  // 5. The event loop, until the main frame closes.
  return QApplication::exec();
}
