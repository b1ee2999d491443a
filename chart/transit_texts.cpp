#include "chart/transit_texts.h"

namespace vorelim {
namespace {

constexpr const char* kMonthLabels[12] = {"JAN", "FEV", "MAR", "ABR", "MAI", "JUN",
                                          "JUL", "AGO", "SET", "OUT", "NOV", "DEZ"};

// Blanks before each month's number, January first. The 9s and 10s are not a pattern; they are
// the designed grid, cell by cell.
constexpr int kMonthNumberIndent[12] = {9, 9, 10, 10, 10, 9, 9, 10, 9, 10, 10, 9};

std::string Blanks(int count) {
  return std::string(static_cast<std::size_t>(count), ' ');
}

}  // namespace

TransitMonthPlace TransitMonthCell(int month) {
  return {2 + month % 6, month < 6 ? 0 : 2};
}

int MonthAtTransitCell(int column, int row) {
  for (int month = 0; month < 12; ++month) {
    const TransitMonthPlace place = TransitMonthCell(month);
    if (column == place.column && (row == place.label_row || row == place.label_row + 1)) {
      return month;
    }
  }
  return -1;
}

TransitCells TransitCellTexts(std::string_view transit_year, std::string_view year_number,
                              const std::array<std::string, 12>& month_numbers) {
  TransitCells cells;
  cells[0][0] = Blanks(6) + std::string(transit_year) + Blanks(2);
  cells[1][0] = Blanks(9) + std::string(year_number) + Blanks(2);
  for (int month = 0; month < 12; ++month) {
    const auto [column, label_row] = TransitMonthCell(month);
    cells[label_row][column] = Blanks(6) + kMonthLabels[month];
    cells[label_row + 1][column] = Blanks(kMonthNumberIndent[month]) + month_numbers[month];
  }
  return cells;
}

}  // namespace vorelim
