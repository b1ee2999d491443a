#pragma once
// The 32 texts of the transit grid for one transit year: the year and its number in column 0, the
// month names and numbers in columns 2..7 (January..June in rows 0-1, July..December in rows 2-3).
// Blanks are part of the texts: they centre the values in the 64-px cells of the grid. The layout
// is stated once, by TransitMonthCell; the grid texts and the chart window's page keys follow it.

#include <array>
#include <string>
#include <string_view>

namespace vorelim {

inline constexpr int kTransitGridColumns = 8;
inline constexpr int kTransitGridRows = 4;

/// Where a month's two cells lie: its name in (column, label_row), its number in the row below.
struct TransitMonthPlace {
  int column = 0;
  int label_row = 0;
};
/// The place of month 0..11 (January first) in the grid.
TransitMonthPlace TransitMonthCell(int month);
/// The month 0..11 whose name or number lies in cell (column, row); -1 for every other cell.
int MonthAtTransitCell(int column, int row);

/// Cell texts indexed [row][column]; cells not written stay empty.
using TransitCells = std::array<std::array<std::string, kTransitGridColumns>, kTransitGridRows>;

/// The grid contents for a transit year text (up to 4 characters), the year number text and the
/// twelve month number texts, January first.
TransitCells TransitCellTexts(std::string_view transit_year, std::string_view year_number,
                              const std::array<std::string, 12>& month_numbers);

}  // namespace vorelim
