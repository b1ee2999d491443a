#pragma once
// The transit grid as screen readers see it: a table of 4 rows and 8 columns. Its rows of names
// (the year, the months) are the column headers of the numbers below them, and a number reads with
// its name: "Março, casa 5"; the blanks that centre the texts are left out. The year's name, top
// left, is the row header of every other cell, so moving to another row tells the year. The grid
// has cells only while it is shown; hidden, it is an empty table, so no year's transits are read
// before "OK" shows them.

#include <QAccessibleWidget>
#include <array>

#include "chart/transit_texts.h"

namespace vorelim {

class TransitGrid;

class TransitGridAccessible : public QAccessibleWidget, public QAccessibleTableInterface {
 public:
  explicit TransitGridAccessible(TransitGrid* grid);
  ~TransitGridAccessible() override;

  TransitGrid* grid() const;

  // QAccessibleInterface
  void* interface_cast(QAccessible::InterfaceType type) override;
  int childCount() const override;
  QAccessibleInterface* child(int index) const override;
  int indexOfChild(const QAccessibleInterface* child) const override;
  QAccessibleInterface* childAt(int x, int y) const override;
  QAccessibleInterface* focusChild() const override;

  /// Tells screen readers the grid's current cell: as the focus while the grid has it.
  static void TellCurrentCell(TransitGrid* grid);

  // QAccessibleTableInterface
  QAccessibleInterface* caption() const override { return nullptr; }
  QAccessibleInterface* summary() const override { return nullptr; }
  QAccessibleInterface* cellAt(int row, int column) const override;
  int rowCount() const override;
  int columnCount() const override;
  /// Every row reads as the year's: "Ano 2026".
  QString rowDescription(int row) const override;
  QString columnDescription(int) const override { return {}; }
  int selectedCellCount() const override;
  int selectedColumnCount() const override { return 0; }
  int selectedRowCount() const override { return 0; }
  QList<QAccessibleInterface*> selectedCells() const override;
  QList<int> selectedColumns() const override { return {}; }
  QList<int> selectedRows() const override { return {}; }
  bool isColumnSelected(int) const override { return false; }
  bool isRowSelected(int) const override { return false; }
  bool selectRow(int) override { return false; }
  bool selectColumn(int) override { return false; }
  bool unselectRow(int) override { return false; }
  bool unselectColumn(int) override { return false; }
  void modelChange(QAccessibleTableModelChangeEvent*) override {}

 private:
  bool Shown() const;

  // The cells' interfaces, made when first asked for and registered with Qt's accessibility
  // cache; 0 until then.
  mutable std::array<QAccessible::Id, kTransitGridRows * kTransitGridColumns> cell_ids_{};
};

}  // namespace vorelim
