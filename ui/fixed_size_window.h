#pragma once
// A fixed-size top-level window that survives the maximise button of Qt's own Wayland title bar.

#include <QWidget>

namespace vorelim {

/// Keeps the top-level `window`, given a fixed size before this call, at that size on Wayland.
/// There Qt draws the title bar itself, with a maximise button on every window, fixed-size ones
/// too; a compositor that grants the request (weston does) requires the window to fill the screen,
/// and a window held at its fixed size breaks the protocol: the connection ends and the program
/// with it. So when the window asks to be maximised, its size limit is lifted, it takes the size
/// the compositor gives, asks at once to be normal again and takes its fixed size back once it is.
/// Elsewhere the window manager draws the title bar and honours the fixed size; nothing is done.
void KeepFixedSize(QWidget& window);

}  // namespace vorelim
