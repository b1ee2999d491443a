#include "app/app_accessibility.h"

#include <QFrame>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QTextBrowser>

#include "app/help_window.h"
#include "app/taboutbox.h"
#include "app/tform1.h"
#include "app/tformdi.h"
#include "ui/accessible_names.h"
#include "ui/messages.h"

namespace vorelim {

void NameFrame(TFORMDI& frame) {
  frame.MainMenu1->setAccessibleName(QStringLiteral("Barra de menus"));
  frame.mdiArea()->setAccessibleName(QStringLiteral("Área de trabalho"));
  NameMenus(frame);
}

void NameSplash(TForm1& splash) {
  splash.setAccessibleName(ProgramTitle());
  splash.Panel1->setAccessibleName(QStringLiteral("Barra"));
  // Screen readers name a child window by its subwindow's title, which no one sees (the splash
  // has no title bar); the splash's own caption stays as designed.
  if (QMdiSubWindow* sub = splash.SubWindow()) sub->setWindowTitle(ProgramTitle());
}

void NameAboutBox(TAboutBox& about) {
  about.Panel1->setAccessibleName(QStringLiteral("Sobre o programa"));
}

void NameHelpWindow(HelpWindow& help) {
  ReadAsWindow(help);
  help.Browser->setAccessibleName(QStringLiteral("Manual"));
}

}  // namespace vorelim
