#include "chartview/transit_grid_accessible.h"

#include "chartview/transit_grid.h"
#include "ui/designed_words.h"
#include "ui/widget_part_accessible.h"

namespace vorelim {
namespace {

// The grid's rows by pairs: a row of names (the year, the months) over a row of numbers.
bool IsHeaderRow(int row) {
  return row % 2 == 0;
}

// The cell that names the year, "Ano 2026", at the grid's top left.
bool IsYearName(int row, int column) {
  return row == 0 && column == 0;
}

// What a name cell reads: the year as "Ano 2026", a month by its full name.
QString HeaderName(const TransitGrid& grid, int column, int row) {
  const QString text = grid.Cell(column, row).trimmed();
  if (text.isEmpty()) return {};
  const int month = MonthAtTransitCell(column, row);
  if (month >= 0) return WithCapitalInitial(MonthWord(month + 1));
  return column == 0 ? QStringLiteral("Ano ") + text : text;
}

class TransitCellAccessible : public WidgetPartAccessible, public QAccessibleTableCellInterface {
 public:
  TransitCellAccessible(TransitGrid* grid, int row, int column)
      : WidgetPartAccessible(grid), row_(row), column_(column) {}

  // QAccessibleInterface
  // A number reads with the name above it, "Março, casa 5"; a name reads in full.
  QString text(QAccessible::Text type) const override {
    if (type != QAccessible::Name || grid() == nullptr) return {};
    if (IsHeaderRow(row_)) return HeaderName(*grid(), column_, row_);
    const QString number = grid()->Cell(column_, row_).trimmed();
    const QString header = HeaderName(*grid(), column_, row_ - 1);
    if (number.isEmpty() || header.isEmpty()) return number;
    return header + QStringLiteral(", casa ") + number;
  }
  QRect rect() const override {
    if (grid() == nullptr) return {};
    const QRect cell = grid()->CellRect(column_, row_);
    return QRect(grid()->mapToGlobal(cell.topLeft()), cell.size());
  }
  QAccessible::Role role() const override {
    return IsHeaderRow(row_) ? QAccessible::ColumnHeader : QAccessible::Cell;
  }
  QAccessible::State state() const override {
    QAccessible::State state;
    state.readOnly = true;
    state.selectable = true;
    state.selected = isSelected();
    state.focusable = true;
    state.focused = isSelected() && grid() != nullptr && grid()->hasFocus();
    state.invisible = grid() == nullptr || !grid()->isVisible();
    return state;
  }
  void* interface_cast(QAccessible::InterfaceType type) override {
    if (type == QAccessible::TableCellInterface)
      return static_cast<QAccessibleTableCellInterface*>(this);
    return nullptr;
  }

  // QAccessibleTableCellInterface
  bool isSelected() const override {
    return grid() != nullptr && grid()->SelectedColumn() == column_ &&
           grid()->SelectedRow() == row_;
  }
  QList<QAccessibleInterface*> columnHeaderCells() const override {
    if (IsHeaderRow(row_) || grid() == nullptr) return {};
    QAccessibleTableInterface* grid_table = table()->tableInterface();
    return {grid_table->cellAt(row_ - 1, column_)};
  }
  // The year heads every row: its months are the year's months. Its own name heads nothing more.
  QList<QAccessibleInterface*> rowHeaderCells() const override {
    if (IsYearName(row_, column_) || grid() == nullptr) return {};
    return {table()->tableInterface()->cellAt(0, 0)};
  }
  int columnIndex() const override { return column_; }
  int rowIndex() const override { return row_; }
  int columnExtent() const override { return 1; }
  int rowExtent() const override { return 1; }
  QAccessibleInterface* table() const override { return parent(); }

 private:
  // The grid, or null once it is gone.
  TransitGrid* grid() const { return static_cast<TransitGrid*>(widget()); }

  int row_;
  int column_;
};

}  // namespace

TransitGridAccessible::TransitGridAccessible(TransitGrid* grid)
    : QAccessibleWidget(grid, QAccessible::Table) {}

TransitGridAccessible::~TransitGridAccessible() {
  for (const QAccessible::Id id : cell_ids_) {
    if (id != 0) QAccessible::deleteAccessibleInterface(id);
  }
}

TransitGrid* TransitGridAccessible::grid() const {
  return static_cast<TransitGrid*>(widget());
}

bool TransitGridAccessible::Shown() const {
  return grid()->isVisible();
}

void* TransitGridAccessible::interface_cast(QAccessible::InterfaceType type) {
  if (type == QAccessible::TableInterface) return static_cast<QAccessibleTableInterface*>(this);
  return QAccessibleWidget::interface_cast(type);
}

int TransitGridAccessible::rowCount() const {
  return Shown() ? kTransitGridRows : 0;
}

QString TransitGridAccessible::rowDescription(int row) const {
  if (row < 0 || row >= rowCount()) return {};
  return HeaderName(*grid(), 0, 0);
}

int TransitGridAccessible::columnCount() const {
  return Shown() ? kTransitGridColumns : 0;
}

QAccessibleInterface* TransitGridAccessible::cellAt(int row, int column) const {
  if (row < 0 || row >= rowCount() || column < 0 || column >= columnCount()) return nullptr;
  QAccessible::Id& id = cell_ids_[static_cast<std::size_t>(row * kTransitGridColumns + column)];
  if (id == 0) {
    id = QAccessible::registerAccessibleInterface(new TransitCellAccessible(grid(), row, column));
  }
  return QAccessible::accessibleInterface(id);
}

int TransitGridAccessible::childCount() const {
  return rowCount() * columnCount();
}

QAccessibleInterface* TransitGridAccessible::child(int index) const {
  if (index < 0 || index >= childCount()) return nullptr;
  return cellAt(index / kTransitGridColumns, index % kTransitGridColumns);
}

int TransitGridAccessible::indexOfChild(const QAccessibleInterface* child) const {
  if (child == nullptr) return -1;
  auto* cell = const_cast<QAccessibleInterface*>(child)->tableCellInterface();
  if (cell == nullptr || cell->table() != this) return -1;
  return cell->rowIndex() * kTransitGridColumns + cell->columnIndex();
}

QAccessibleInterface* TransitGridAccessible::childAt(int x, int y) const {
  int column = 0;
  int row = 0;
  if (!Shown() || !grid()->CellAt(grid()->mapFromGlobal(QPoint(x, y)), column, row)) return nullptr;
  return cellAt(row, column);
}

QAccessibleInterface* TransitGridAccessible::focusChild() const {
  if (!Shown() || !grid()->hasFocus()) return nullptr;
  return cellAt(grid()->SelectedRow(), grid()->SelectedColumn());
}

void TransitGridAccessible::TellCurrentCell(TransitGrid* grid) {
  if (!QAccessible::isActive() || !grid->isVisible()) return;
  auto* face = static_cast<TransitGridAccessible*>(QAccessible::queryAccessibleInterface(grid));
  QAccessibleInterface* cell = face->cellAt(grid->SelectedRow(), grid->SelectedColumn());
  if (cell == nullptr) return;
  QAccessibleEvent event(cell, grid->hasFocus() ? QAccessible::Focus : QAccessible::Selection);
  QAccessible::updateAccessibility(&event);
}

int TransitGridAccessible::selectedCellCount() const {
  return Shown() ? 1 : 0;
}

QList<QAccessibleInterface*> TransitGridAccessible::selectedCells() const {
  if (!Shown()) return {};
  return {cellAt(grid()->SelectedRow(), grid()->SelectedColumn())};
}

}  // namespace vorelim
