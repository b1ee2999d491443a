// Entry point of the chart program: sets up the application, creates the main frame and runs the
// event loop until the frame closes.

#include "app/application.h"
#include "app/fonts.h"
#include "app/tformdi.h"

int main(int argc, char** argv) {
  vorelim::Application app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("vorelim"));
  vorelim::RegisterFontSubstitutes();
  QApplication::setFont(vorelim::DesignFont(QStringLiteral("MS Sans Serif"), 11));

  // 1. The help file.
  vorelim::Application::SetHelpFile(QString::fromLatin1(vorelim::kHelpFilePath));

  // 2. The main frame, shown as designed.
  TFORMDI frame;
  frame.show();

  // 3. The about box (TAboutBox), created hidden, and
  // 4. the splash window (TForm1), a child of the frame that shows at once as its active child,
  //    are created here.

  // 5. The event loop, until the main frame closes.
  return QApplication::exec();
}
