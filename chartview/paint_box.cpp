#include "chartview/paint_box.h"

#include <QPainter>

namespace vorelim {

PaintBox::PaintBox(QWidget* parent) : QWidget(parent) {
  // Takes no focus and no mouse clicks away from the controls it lies under.
  setFocusPolicy(Qt::NoFocus);
  setAutoFillBackground(false);
}

void PaintBox::paintEvent(QPaintEvent*) {
  QPainter canvas(this);
  canvas.setFont(font());
  canvas.setPen(palette().color(QPalette::WindowText));
  emit paint(canvas);
}

}  // namespace vorelim
