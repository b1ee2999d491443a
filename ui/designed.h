#pragma once
// Controls under their designed names and at their designed places. Every window's controls and
// menu items carry the design's names as object names, which is how the menus are merged and how
// tests find them.

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QRect>
#include <QString>

#include "ui/placement.h"

namespace vorelim {

/// Gives `object` its designed name; returns it.
template <typename Object>
Object* Named(Object* object, const char* name) {
  object->setObjectName(QString::fromLatin1(name));
  return object;
}

/// Gives `widget` its designed name and puts it at `geometry` in its parent; returns it.
template <typename Widget>
Widget* Placed(Widget* widget, const char* name, const QRect& geometry) {
  Named(widget, name)->setGeometry(geometry);
  return widget;
}

/// Gives `widget` the designed name and place of a row of its window's placement table; returns
/// it.
template <typename Widget>
Widget* Placed(Widget* widget, const Placement& placement) {
  return Placed(widget, placement.name, placement.geometry);
}

/// Appends to `menu` an item with its designed name, caption and shortcut that calls `slot`.
template <typename Receiver>
QAction* AddMenuItem(QMenu* menu, const char* name, const QString& caption,
                     const QKeySequence& shortcut, Receiver* receiver, void (Receiver::*slot)()) {
  QAction* action = Named(menu->addAction(caption), name);
  action->setShortcut(shortcut);
  QObject::connect(action, &QAction::triggered, receiver, slot);
  return action;
}

}  // namespace vorelim
