#include "app/app_accessibility.h"

#include <QAccessibleWidget>
#include <QEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QTextBrowser>
#include <QTimer>

#include "app/help_page_accessible.h"
#include "app/help_window.h"
#include "app/taboutbox.h"
#include "app/tform1.h"
#include "app/tformdi.h"
#include "ui/accessible_names.h"
#include "ui/messages.h"

namespace vorelim {
namespace {

// The frame's client area: Qt tells only its child windows, so the start button, which lies on
// the area above them, was out of reach of screen readers. It comes first while it shows.
class ClientAreaAccessible : public QAccessibleWidget {
 public:
  explicit ClientAreaAccessible(QMdiArea* area) : QAccessibleWidget(area, QAccessible::Client) {}

  int childCount() const override { return static_cast<int>(Children().size()); }
  QAccessibleInterface* child(int index) const override {
    const QList<QWidget*> children = Children();
    if (index < 0 || index >= children.size()) return nullptr;
    return QAccessible::queryAccessibleInterface(children.at(index));
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    if (child == nullptr || !child->object() || !child->object()->isWidgetType()) return -1;
    return static_cast<int>(Children().indexOf(static_cast<QWidget*>(child->object())));
  }

 private:
  QList<QWidget*> Children() const {
    auto* area = static_cast<QMdiArea*>(widget());
    QList<QWidget*> children;
    const auto* frame = qobject_cast<TFORMDI*>(area->parentWidget());
    if (frame != nullptr && frame->Button1 != nullptr && frame->Button1->isVisible())
      children.append(frame->Button1);
    for (QMdiSubWindow* sub : area->subWindowList()) children.append(sub);
    return children;
  }
};

QAccessibleInterface* FrameInterfaces(const QString& class_name, QObject* object) {
  if (object == nullptr || !object->isWidgetType()) return nullptr;
  if (class_name == QLatin1String("QMdiArea") && qobject_cast<TFORMDI*>(object->parent())) {
    return new ClientAreaAccessible(static_cast<QMdiArea*>(object));
  }
  if (class_name == QLatin1String("QTextBrowser") && qobject_cast<HelpWindow*>(object->parent())) {
    return new HelpPageAccessible(static_cast<QTextBrowser*>(object));
  }
  return nullptr;
}

// The interfaces of this file, for the whole program: made before the frame's first control
// announces anything, as Qt keeps the first interface it makes for a control.
void InstallFrameInterfaces() {
  // Qt adds a factory once, however often it is asked.
  QAccessible::installFactory(FrameInterfaces);
}

// Passes the focus the splash's child window gets as it is activated on to the start button, or
// back to the frame once the button is gone: the splash has nothing to do with the keyboard.
class FocusPasser : public QObject {
 public:
  FocusPasser(QMdiSubWindow* splash, TFORMDI* frame) : QObject(splash), frame_(frame) {}

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::FocusIn) {
      QPushButton* start = frame_->Button1;
      if (start != nullptr && start->isVisible()) {
        start->setFocus(Qt::OtherFocusReason);
      } else if (auto* widget = qobject_cast<QWidget*>(watched)) {
        widget->clearFocus();
      }
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  TFORMDI* frame_;
};

// Tells the help page's current link after each Tab or Shift+Tab on the page, and as the page
// takes the focus: Qt's text browser moves among its links without telling anyone.
class LinkTeller : public QObject {
 public:
  explicit LinkTeller(QTextBrowser* browser) : QObject(browser), browser_(browser) {}

  bool eventFilter(QObject* watched, QEvent* event) override {
    const bool tab = event->type() == QEvent::KeyPress &&
                     (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Tab ||
                      static_cast<QKeyEvent*>(event)->key() == Qt::Key_Backtab);
    if (tab || event->type() == QEvent::FocusIn) {
      QTimer::singleShot(0, browser_, [browser = browser_] {
        if (browser->hasFocus()) HelpPageAccessible::TellCurrentLink(browser);
      });
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  QTextBrowser* browser_;
};

}  // namespace

void NameFrame(TFORMDI& frame) {
  InstallFrameInterfaces();
  frame.MainMenu1->setAccessibleName(QStringLiteral("Barra de menus"));
  frame.mdiArea()->setAccessibleName(QStringLiteral("Área de trabalho"));
  NameMenus(frame);
}

void NameSplash(TForm1& splash) {
  // Named for what it is: the frame's name again would read as a second frame.
  const QString name = QStringLiteral("Tela de abertura");
  splash.setAccessibleName(name);
  splash.Panel1->setAccessibleName(QStringLiteral("Barra"));
  splash.setFocusPolicy(Qt::NoFocus);
  // Screen readers name a child window by its subwindow's title, which no one sees (the splash
  // has no title bar); the splash's own caption stays as designed.
  QMdiSubWindow* sub = splash.SubWindow();
  if (sub == nullptr) return;
  sub->setWindowTitle(name);
  // Out of the Tab order: Tab from the start button stays on it.
  sub->setFocusPolicy(Qt::NoFocus);
  if (auto* frame = qobject_cast<TFORMDI*>(sub->window())) {
    auto* passer = new FocusPasser(sub, frame);
    sub->installEventFilter(passer);
    splash.installEventFilter(passer);
  }
}

void NameAboutBox(TAboutBox& about) {
  about.Panel1->setAccessibleName(QStringLiteral("Sobre o programa"));
}

void NameHelpWindow(HelpWindow& help) {
  InstallFrameInterfaces();
  ReadAsWindow(help);
  QTextBrowser* browser = help.Browser;
  browser->setAccessibleName(QStringLiteral("Manual"));
  // Tab and Shift+Tab select a link of the page: it is told as the focus, once Qt has told the
  // page's own focus.
  browser->installEventFilter(new LinkTeller(browser));
  // A new page has links of its own, and its title is told with the page's name.
  QObject::connect(browser, &QTextBrowser::sourceChanged, browser, [browser] {
    if (auto* page =
            dynamic_cast<HelpPageAccessible*>(QAccessible::queryAccessibleInterface(browser))) {
      page->ForgetLinks();
    }
    const QString title = browser->documentTitle();
    browser->setAccessibleName(title.isEmpty() ? QStringLiteral("Manual")
                                               : QStringLiteral("Manual: ") + title);
    // A link followed from the keyboard leaves the focus on the page, now another one: it is told
    // as the focus again, with its new name.
    QTimer::singleShot(0, browser, [browser] {
      if (!browser->hasFocus() || !QAccessible::isActive()) return;
      QAccessibleEvent event(browser, QAccessible::Focus);
      QAccessible::updateAccessibility(&event);
    });
  });
}

}  // namespace vorelim
