#pragma once
// The program's icon on each of its top-level windows.

#include <QGuiApplication>
#include <QIcon>
#include <QWidget>

namespace vorelim {

/// Gives the top-level `window` the program's icon, which start-up makes the application's before
/// any window exists. Set on the window itself rather than left to the application's, so the
/// platform is handed it with every window (a Wayland compositor as an X11 window manager).
inline void CarryProgramIcon(QWidget& window) {
  window.setWindowIcon(QGuiApplication::windowIcon());
}

}  // namespace vorelim
