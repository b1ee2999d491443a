#include "chart/transit_texts.h"

#include <gtest/gtest.h>

namespace vorelim {
namespace {

const std::array<std::string, 12> kMonths = {"1", "2", "3", "4", "5", "6",
                                             "7", "8", "9", "1", "2", "3"};

TEST(transit_texts_test, year_cells_have_their_blanks) {
  const TransitCells cells = TransitCellTexts("2026", "5", kMonths);
  EXPECT_EQ(cells[0][0], "      2026  ");
  EXPECT_EQ(cells[1][0], "         5  ");
}

TEST(transit_texts_test, every_month_cell) {
  struct Row {
    int row, column;
    const char* text;
  };
  const Row rows[] = {
      {0, 2, "      JAN"},   {0, 3, "      FEV"},   {0, 4, "      MAR"},   {0, 5, "      ABR"},
      {0, 6, "      MAI"},   {0, 7, "      JUN"},   {1, 2, "         1"},  {1, 3, "         2"},
      {1, 4, "          3"}, {1, 5, "          4"}, {1, 6, "          5"}, {1, 7, "         6"},
      {2, 2, "      JUL"},   {2, 3, "      AGO"},   {2, 4, "      SET"},   {2, 5, "      OUT"},
      {2, 6, "      NOV"},   {2, 7, "      DEZ"},   {3, 2, "         7"},  {3, 3, "          8"},
      {3, 4, "         9"},  {3, 5, "          1"}, {3, 6, "          2"}, {3, 7, "         3"},
  };
  const TransitCells cells = TransitCellTexts("1999", "8", kMonths);
  for (const Row& r : rows) {
    EXPECT_EQ(cells[r.row][r.column], r.text) << "row " << r.row << " column " << r.column;
  }
}

TEST(transit_texts_test, column_one_and_lower_left_stay_empty) {
  const TransitCells cells = TransitCellTexts("2026", "5", kMonths);
  for (int row = 0; row < kTransitGridRows; ++row) EXPECT_EQ(cells[row][1], "") << row;
  for (int row = 2; row < kTransitGridRows; ++row) EXPECT_EQ(cells[row][0], "") << row;
}

TEST(transit_texts_test, short_year_keeps_its_own_length) {
  const TransitCells cells = TransitCellTexts("962", "", kMonths);
  EXPECT_EQ(cells[0][0], "      962  ");
  EXPECT_EQ(cells[1][0], "           ");
}

}  // namespace
}  // namespace vorelim
