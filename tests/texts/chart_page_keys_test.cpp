// Page keys of the chart window's double-clicks on the era number and the transit grid.
#include "texts/chart_page_keys.h"

#include <gtest/gtest.h>

namespace vorelim {
namespace {

// Month numbers chosen all different from each other and from the year number 5, so a wrong
// month or row cannot pass.
const std::array<QString, 12> kMonths = {"1", "2", "3", "4", "6", "7",
                                         "8", "9", "1", "2", "3", "4"};

struct CellRow {
  const char* name;
  int column;
  int row;
  const char* key;
};

TEST(chart_page_keys_test, selected_cell_chooses_the_house) {
  const std::array<QString, 12> months = {"9", "8", "7", "6", "4", "3",
                                          "2", "1", "9", "8", "7", "6"};
  const CellRow rows[] = {
      {"year cell", 0, 0, "c5"},       {"year number cell", 0, 1, "c5"},
      {"column 1 row 0", 1, 0, "c5"},  {"column 1 row 3", 1, 3, "c5"},
      {"column 0 row 2", 0, 2, "c5"},  {"column 0 row 3", 0, 3, "c5"},
      {"JAN label", 2, 0, "c9"},       {"January number", 2, 1, "c9"},
      {"MAR label", 4, 0, "c7"},       {"March number", 4, 1, "c7"},
      {"JUN number", 7, 1, "c3"},      {"JUL label", 2, 2, "c2"},
      {"July number", 2, 3, "c2"},     {"OUT label", 5, 2, "c8"},
      {"December number", 7, 3, "c6"}, {"outside, column 8", 8, 1, "c5"},
      {"outside, row 4", 3, 4, "c5"},  {"outside, negative", -1, -1, "c5"},
  };
  for (const CellRow& row : rows) {
    EXPECT_EQ(GridPageKey(row.column, row.row, QStringLiteral("5"), months),
              QString::fromUtf8(row.key))
        << row.name;
  }
}

TEST(chart_page_keys_test, every_month_of_a_table_is_reached_once) {
  for (int month = 0; month < 12; ++month) {
    const int column = 2 + month % 6;
    const int first_row = month < 6 ? 0 : 2;
    SCOPED_TRACE(month);
    EXPECT_EQ(GridCellNumber(column, first_row, QStringLiteral("5"), kMonths), kMonths[month]);
    EXPECT_EQ(GridCellNumber(column, first_row + 1, QStringLiteral("5"), kMonths), kMonths[month]);
  }
}

TEST(chart_page_keys_test, house_key_takes_the_first_character) {
  EXPECT_EQ(HousePageKey(QStringLiteral("4")), QStringLiteral("c4"));
  EXPECT_EQ(HousePageKey(QStringLiteral("12")), QStringLiteral("c1"));
  EXPECT_EQ(HousePageKey(QString()), QStringLiteral("c"));
}

}  // namespace
}  // namespace vorelim
