#pragma once
// Fixed-size windows that survive the maximise button of Qt's own Wayland title bar.

class QWidget;

namespace desktop {

/// Keeps the top-level `window` at its size on Wayland whenever that size is fixed (equal minimum
/// and maximum) as the window asks to be maximised, and does the same for each modal window that
/// later comes over it, and over those in turn: Qt's own dialogs and message boxes, which the
/// program does not make itself.
///
/// There Qt draws the title bar itself, with a maximise button on fixed-size windows too; a
/// compositor that grants the request (weston does) requires the window to fill the screen, and a
/// window held at its fixed size breaks the protocol: the connection ends and the program with it.
/// So when such a window asks to be maximised, its size limit is lifted, it takes the size the
/// compositor gives, asks at once to be normal again and takes its fixed size back once it is.
/// Elsewhere the window manager draws the title bar and honours the fixed size; nothing is done.
/// Only the window and the native windows behind it are watched. A second call for the same window
/// does nothing.
void KeepFixedSizeWindows(QWidget& window);

}  // namespace desktop
