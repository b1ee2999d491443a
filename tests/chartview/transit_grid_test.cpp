#include "chartview/transit_grid.h"

#include <QImage>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace vorelim {
namespace {

TEST(transit_grid_test, cells_read_back_and_ignore_outside) {
  TransitGrid grid;
  grid.SetCell(7, 3, QStringLiteral("x"));
  grid.SetCell(8, 0, QStringLiteral("outside"));
  grid.SetCell(0, -1, QStringLiteral("outside"));
  EXPECT_EQ(grid.Cell(7, 3), QStringLiteral("x"));
  EXPECT_EQ(grid.Cell(8, 0), QString());
  EXPECT_EQ(grid.sizeHint(), QSize(512, 96));
  EXPECT_EQ(grid.focusPolicy(), Qt::StrongFocus);  // reached by Tab and by a click
  EXPECT_EQ(grid.cursor().shape(), Qt::DragMoveCursor);
  EXPECT_TRUE(grid.font().bold());
}

TEST(transit_grid_test, red_everywhere_with_clipped_maroon_text) {
  TransitGrid grid;
  grid.resize(700, 103);
  // A long text must not spill into the next cell.
  grid.SetCell(0, 0, QStringLiteral("WWWWWWWWWWWWWWWWWWWW"));
  grid.SetCell(2, 1, QStringLiteral("      JAN"));
  const QImage image = grid.grab().toImage();
  const QRgb red = qRgb(255, 0, 0);
  EXPECT_EQ(image.pixel(690, 100), red);  // beyond the last column and row
  EXPECT_EQ(image.pixel(0, 0), red);      // no border, no grid line
  EXPECT_EQ(image.pixel(64, 30), red);
  bool maroon_in_first = false;
  for (int y = 0; y < 24; ++y) {
    for (int x = 0; x < 64; ++x) maroon_in_first |= image.pixel(x, y) != red;
    // Nothing of the long text in the cell to its right.
    for (int x = 64; x < 128; ++x) ASSERT_EQ(image.pixel(x, y), red) << x << "," << y;
  }
  EXPECT_TRUE(maroon_in_first);
  // The text starts 2 px in: the first two columns and rows of a cell stay red.
  for (int i = 0; i < 24; ++i) {
    EXPECT_EQ(image.pixel(0, i), red);
    EXPECT_EQ(image.pixel(1, i), red);
  }
  for (int x = 0; x < 64; ++x) EXPECT_EQ(image.pixel(x, 1), red);
}

TEST(transit_grid_test, click_or_arrows_select_one_cell_and_double_click_or_enter_signal) {
  TransitGrid grid;
  grid.resize(700, 103);
  grid.show();
  QSignalSpy selected(&grid, &TransitGrid::selectCell);
  QSignalSpy double_clicked(&grid, &TransitGrid::doubleClicked);
  EXPECT_EQ(grid.SelectedColumn(), 0);
  EXPECT_EQ(grid.SelectedRow(), 0);

  QTest::mouseClick(&grid, Qt::LeftButton, {}, QPoint(64 * 4 + 10, 24 * 3 + 5));
  ASSERT_EQ(selected.count(), 1);
  EXPECT_EQ(selected.at(0).at(0).toInt(), 4);
  EXPECT_EQ(selected.at(0).at(1).toInt(), 3);
  EXPECT_EQ(grid.SelectedColumn(), 4);
  EXPECT_EQ(grid.SelectedRow(), 3);

  // Beyond the last cell nothing changes.
  QTest::mouseClick(&grid, Qt::LeftButton, {}, QPoint(600, 10));
  EXPECT_EQ(selected.count(), 1);
  EXPECT_EQ(grid.SelectedColumn(), 4);

  QTest::mouseDClick(&grid, Qt::LeftButton, {}, QPoint(64 * 2 + 3, 24 + 3));
  EXPECT_EQ(double_clicked.count(), 1);
  EXPECT_EQ(grid.SelectedColumn(), 2);
  EXPECT_EQ(grid.SelectedRow(), 1);

  QTest::keyClick(&grid, Qt::Key_Right);
  EXPECT_EQ(grid.SelectedColumn(), 3);
  QTest::keyClick(&grid, Qt::Key_Up);
  QTest::keyClick(&grid, Qt::Key_Up);  // stops at row 0
  EXPECT_EQ(grid.SelectedRow(), 0);
  // Enter opens the current cell's text, as a double-click does.
  QTest::keyClick(&grid, Qt::Key_Return);
  EXPECT_EQ(double_clicked.count(), 2);
}

}  // namespace
}  // namespace vorelim
