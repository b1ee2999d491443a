#include "texts/chart_page_keys.h"

namespace vorelim {

QString HousePageKey(const QString& number) {
  return QStringLiteral("c") + number.left(1);
}

QString GridCellNumber(int column, int row, const QString& year_number,
                       const std::array<QString, 12>& month_numbers) {
  if (column < 2 || column > 7) return year_number;
  if (row == 0 || row == 1) return month_numbers[column - 2];
  if (row == 2 || row == 3) return month_numbers[column - 2 + 6];
  return year_number;
}

}  // namespace vorelim
