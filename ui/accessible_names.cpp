#include "ui/accessible_names.h"

#include <QAccessibleWidget>
#include <QAction>
#include <QMenu>
#include <QSet>
#include <QWidget>

namespace vorelim {
namespace {

// The classes of the windows that read as windows.
QSet<QString>& WindowClasses() {
  static QSet<QString> classes;
  return classes;
}

QAccessibleInterface* WindowInterface(const QString& class_name, QObject* object) {
  if (object == nullptr || !object->isWidgetType() || !WindowClasses().contains(class_name))
    return nullptr;
  auto* widget = static_cast<QWidget*>(object);
  if (!widget->isWindow()) return nullptr;
  return new QAccessibleWidget(widget, QAccessible::Window);
}

}  // namespace

void NameMenus(QWidget& window) {
  for (QMenu* menu : window.findChildren<QMenu*>()) {
    if (!menu->accessibleName().isEmpty() || menu->title().isEmpty()) continue;
    // The menu's action shows the title without its "&" where there is room for no shortcut.
    menu->setAccessibleName(menu->menuAction()->iconText());
  }
}

void ReadAsWindow(QWidget& window) {
  // Qt adds a factory once, however often it is asked.
  QAccessible::installFactory(WindowInterface);
  WindowClasses().insert(QString::fromLatin1(window.metaObject()->className()));
}

}  // namespace vorelim
