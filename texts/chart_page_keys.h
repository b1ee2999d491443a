#pragma once
// The page keys that the chart window's double-clicks open: the numbers as their panels show
// them, the era number as a house, and the house of the transit grid's selected cell.

#include <QString>
#include <array>

namespace vorelim {

/// "c" followed by the first character of `number` (the house of that number); "c" alone when
/// the number is empty, which selects the introduction.
QString HousePageKey(const QString& number);

/// The number that a selected cell of the transit grid stands for: a month's name or number cell
/// (MonthAtTransitCell) stands for that month's number, every other cell (column 0 or 1, or outside
/// the grid) for the year number.
QString GridCellNumber(int column, int row, const QString& year_number,
                       const std::array<QString, 12>& month_numbers);

/// The page key of a double-click on the transit grid with the cell (column, row) selected.
inline QString GridPageKey(int column, int row, const QString& year_number,
                           const std::array<QString, 12>& month_numbers) {
  return HousePageKey(GridCellNumber(column, row, year_number, month_numbers));
}

}  // namespace vorelim
