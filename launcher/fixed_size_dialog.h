#pragma once
// The launcher's dialogs under the maximise button of Qt's own Wayland title bar.

#include <QDialog>

namespace korvex {

/// Keeps `dialog`, given its fixed size before this call, at that size on Wayland. There Qt draws
/// the title bar itself, with a maximise button on fixed-size dialogs too; a compositor that grants
/// the request (weston does) then requires the dialog to fill the screen and ends the connection,
/// and korvex with it, when the dialog keeps its size. So the dialog takes the compositor's size,
/// asks straight back to be normal and is fixed again once it is. Elsewhere nothing is done.
void KeepFixedSizeOnWayland(QDialog& dialog);

}  // namespace korvex
