#pragma once
// Where a window first appears.

#include <QtGlobal>

QT_BEGIN_NAMESPACE
class QWidget;
QT_END_NAMESPACE

namespace vorelim {

/// Moves the top-level `window` so that its frame (title bar and borders included, once the window
/// system has told them) is centred in the available area of its own screen: the screen without
/// the desktop's panels. A window not yet shown is on its owner's screen; without an owner, on
/// the screen Qt gives it, else the primary screen.
void CentreOnScreen(QWidget& window);

}  // namespace vorelim
