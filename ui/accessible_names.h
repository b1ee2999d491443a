#pragma once
// What every window does for screen readers: its menus carry their titles as accessible names
// (Qt names a menu's entry on the bar from its title but leaves the popup that opens nameless),
// and a top-level window built on a plain QWidget reads as a window.

#include <QtGlobal>

QT_BEGIN_NAMESPACE
class QWidget;
QT_END_NAMESPACE

namespace vorelim {

/// Gives every menu under `window` that has no accessible name yet its title, without the "&" of
/// its shortcut letter.
void NameMenus(QWidget& window);

/// Makes every top-level window of `window`'s class, a class built directly on QWidget (the texts
/// window, the help window), read as a window, as dialogs and main windows do, instead of as a
/// client area. Call it before the window is first shown.
void ReadAsWindow(QWidget& window);

}  // namespace vorelim
