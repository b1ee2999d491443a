#include "ui/placement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace vorelim {

void CentreOnScreen(QWidget& window) {
  const QWidget* owner = window.parentWidget();
  QScreen* screen =
      window.windowHandle() == nullptr && owner != nullptr ? owner->screen() : window.screen();
  if (screen == nullptr) screen = QGuiApplication::primaryScreen();
  if (screen == nullptr) return;
  const QRect area = screen->availableGeometry();
  const QSize frame = window.frameGeometry().size();
  window.move(area.x() + (area.width() - frame.width()) / 2,
              area.y() + (area.height() - frame.height()) / 2);
}

}  // namespace vorelim
