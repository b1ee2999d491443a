#pragma once
// A paint box: a windowless drawing area with no background of its own (its parent shows through)
// whose picture is drawn by its owner on every paint, through the paint signal.

#include <QWidget>

QT_BEGIN_NAMESPACE
class QPainter;
QT_END_NAMESPACE

namespace vorelim {

class PaintBox : public QWidget {
  Q_OBJECT

 public:
  explicit PaintBox(QWidget* parent = nullptr);

 signals:
  /// Emitted at every paint with a painter on the box whose font is the box's font and whose pen
  /// is the window-text colour; the receiver draws the whole picture.
  void paint(QPainter& canvas);

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace vorelim
