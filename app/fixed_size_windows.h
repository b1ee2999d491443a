#pragma once
// Fixed-size windows that survive the maximise button of Qt's own Wayland title bar.

#include <QApplication>

namespace vorelim {

/// Keeps every fixed-size top-level window of `app` at its size on Wayland: the new chart dialog,
/// the about box and the message boxes, the program's and Qt's. There Qt draws the title bar
/// itself, with a maximise button on fixed-size windows too; a compositor that grants the request
/// (weston does) requires the window to fill the screen, and a window held at its fixed size breaks
/// the protocol: the connection ends and the program with it. So when such a window asks to be
/// maximised, its size limit is lifted, it takes the size the compositor gives, asks at once to be
/// normal again and takes its fixed size back once it is. Elsewhere the window manager draws the
/// title bar and honours the fixed size; nothing is done.
void KeepFixedSizeWindows(QApplication& app);

}  // namespace vorelim
