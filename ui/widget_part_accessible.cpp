#include "ui/widget_part_accessible.h"

#include <QWindow>

namespace vorelim {

WidgetPartAccessible::WidgetPartAccessible(QWidget* widget) : widget_(widget) {}

bool WidgetPartAccessible::isValid() const {
  return !widget_.isNull();
}

QObject* WidgetPartAccessible::object() const {
  return nullptr;
}

QWindow* WidgetPartAccessible::window() const {
  return widget_.isNull() ? nullptr : widget_->window()->windowHandle();
}

QAccessibleInterface* WidgetPartAccessible::parent() const {
  return QAccessible::queryAccessibleInterface(widget_.data());
}

QAccessibleInterface* WidgetPartAccessible::childAt(int, int) const {
  return nullptr;
}

QAccessibleInterface* WidgetPartAccessible::child(int) const {
  return nullptr;
}

int WidgetPartAccessible::childCount() const {
  return 0;
}

int WidgetPartAccessible::indexOfChild(const QAccessibleInterface*) const {
  return -1;
}

void WidgetPartAccessible::setText(QAccessible::Text, const QString&) {}

}  // namespace vorelim
