#include "chartview/transit_grid.h"

#include <QFont>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionFocusRect>
#include <algorithm>
#include <iterator>

#include "ui/designed_words.h"

namespace vorelim {
namespace {

const QColor kGround(255, 0, 0);
const QColor kText(128, 0, 0);

}  // namespace

TransitGrid::TransitGrid(QWidget* parent) : QWidget(parent) {
  QFont font(FaceName(Face::Rounded));
  font.setBold(true);
  font.setPixelSize(12);  // 9 points at 96 pixels per inch
  setFont(font);
  // In the Tab order: the arrow keys move the current cell and Enter opens its text.
  setFocusPolicy(Qt::StrongFocus);
  setCursor(Qt::DragMoveCursor);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

QString TransitGrid::Cell(int column, int row) const {
  if (column < 0 || column >= kTransitGridColumns || row < 0 || row >= kTransitGridRows) return {};
  return cells_[row][column];
}

void TransitGrid::SetCell(int column, int row, const QString& text) {
  if (column < 0 || column >= kTransitGridColumns || row < 0 || row >= kTransitGridRows) return;
  cells_[row][column] = text;
  update(CellRect(column, row));
}

void TransitGrid::SetCells(const TransitCells& cells) {
  for (int row = 0; row < kTransitGridRows; ++row) {
    for (int column = 0; column < kTransitGridColumns; ++column) {
      cells_[row][column] = QString::fromStdString(cells[row][column]);
    }
  }
  update();
}

QRect TransitGrid::CellRect(int column, int row) const {
  return QRect(column * kCellWidth, row * kCellHeight, kCellWidth, kCellHeight);
}

bool TransitGrid::CellAt(const QPoint& point, int& column, int& row) const {
  if (point.x() < 0 || point.y() < 0) return false;
  const int c = point.x() / kCellWidth;
  const int r = point.y() / kCellHeight;
  if (c >= kTransitGridColumns || r >= kTransitGridRows) return false;
  column = c;
  row = r;
  return true;
}

QSize TransitGrid::sizeHint() const {
  return QSize(kTransitGridColumns * kCellWidth, kTransitGridRows * kCellHeight);
}

void TransitGrid::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), kGround);
  painter.setPen(kText);
  painter.setFont(font());
  const int ascent = painter.fontMetrics().ascent();
  for (int row = 0; row < kTransitGridRows; ++row) {
    for (int column = 0; column < kTransitGridColumns; ++column) {
      const QRect cell = CellRect(column, row);
      if (cells_[row][column].isEmpty()) continue;
      painter.save();
      painter.setClipRect(cell);
      painter.drawText(cell.topLeft() + QPoint(2, 2 + ascent), cells_[row][column]);
      painter.restore();
    }
  }
  if (hasFocus()) {
    // The selected cell is marked only while the grid has the focus, with the platform's focus
    // rectangle, so the red ground stays unbroken otherwise.
    QStyleOptionFocusRect option;
    option.initFrom(this);
    option.rect = CellRect(selected_column_, selected_row_).adjusted(1, 1, -1, -1);
    option.backgroundColor = kGround;
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
  }
}

void TransitGrid::Select(int column, int row) {
  if (column == selected_column_ && row == selected_row_) {
    emit selectCell(column, row);
    return;
  }
  const QRect old_cell = CellRect(selected_column_, selected_row_);
  selected_column_ = column;
  selected_row_ = row;
  emit selectCell(column, row);
  update(old_cell);
  update(CellRect(column, row));
}

void TransitGrid::mousePressEvent(QMouseEvent* event) {
  int column = 0;
  int row = 0;
  if (event->button() == Qt::LeftButton && CellAt(event->position().toPoint(), column, row)) {
    Select(column, row);
  }
  QWidget::mousePressEvent(event);
}

void TransitGrid::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) emit doubleClicked();
  QWidget::mouseDoubleClickEvent(event);
}

bool TransitGrid::event(QEvent* event) {
  // Enter belongs to the grid while it has the focus, before the window's shortcut for "OK".
  if (event->type() == QEvent::ShortcutOverride) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      event->accept();
      return true;
    }
  }
  return QWidget::event(event);
}

void TransitGrid::focusInEvent(QFocusEvent* event) {
  QWidget::focusInEvent(event);
  update(CellRect(selected_column_, selected_row_));
  emit focusEntered();
}

void TransitGrid::focusOutEvent(QFocusEvent* event) {
  QWidget::focusOutEvent(event);
  update(CellRect(selected_column_, selected_row_));
}

void TransitGrid::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    emit doubleClicked();
    return;
  }
  // Where each arrow key moves the current cell, in columns and rows.
  struct Step {
    int key;
    int columns;
    int rows;
  };
  static constexpr Step kArrowSteps[] = {
      {Qt::Key_Left, -1, 0}, {Qt::Key_Right, 1, 0}, {Qt::Key_Up, 0, -1}, {Qt::Key_Down, 0, 1}};
  const auto* step = std::find_if(std::begin(kArrowSteps), std::end(kArrowSteps),
                                  [event](const Step& arrow) { return arrow.key == event->key(); });
  if (step == std::end(kArrowSteps)) {
    QWidget::keyPressEvent(event);
    return;
  }
  const int column = selected_column_ + step->columns;
  const int row = selected_row_ + step->rows;
  if (column >= 0 && column < kTransitGridColumns && row >= 0 && row < kTransitGridRows) {
    Select(column, row);
  }
}

}  // namespace vorelim
