#pragma once
// The transit grid of the chart window: 8 x 4 read-only cells of 64 x 24 px on a red ground, with
// maroon bold texts and no lines, border or scroll bars. The user selects one cell with the mouse
// or, once Tab or a click gave the grid the focus, with the arrow keys; the current cell is then
// framed. The window reacts to the selection and to a double-click (or Enter) through the signals.

#include <QString>
#include <QWidget>

#include "chart/transit_texts.h"

namespace vorelim {

class TransitGrid : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kCellWidth = 64;
  static constexpr int kCellHeight = 24;

  explicit TransitGrid(QWidget* parent = nullptr);

  /// The text of a cell; empty outside the grid.
  QString Cell(int column, int row) const;
  /// Writes one cell; ignored outside the grid.
  void SetCell(int column, int row, const QString& text);
  /// Writes all 32 cells.
  void SetCells(const TransitCells& cells);

  int SelectedColumn() const { return selected_column_; }
  int SelectedRow() const { return selected_row_; }

  /// The cell under a point of the widget, or false when the point lies beyond the last cell.
  bool CellAt(const QPoint& point, int& column, int& row) const;
  /// The rectangle of a cell in widget coordinates.
  QRect CellRect(int column, int row) const;

  QSize sizeHint() const override;

 signals:
  /// A cell became the selected one, by mouse or keyboard.
  void selectCell(int column, int row);
  /// The grid was double-clicked, anywhere on it, or Enter was pressed on it: either opens the
  /// selected cell's text.
  void doubleClicked();
  /// The grid took the keyboard focus.
  void focusEntered();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  bool event(QEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void Select(int column, int row);

  QString cells_[kTransitGridRows][kTransitGridColumns];
  int selected_column_ = 0;
  int selected_row_ = 0;
};

}  // namespace vorelim
