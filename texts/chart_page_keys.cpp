#include "texts/chart_page_keys.h"

#include "chart/transit_texts.h"

namespace vorelim {

QString HousePageKey(const QString& number) {
  return QStringLiteral("c") + number.left(1);
}

QString GridCellNumber(int column, int row, const QString& year_number,
                       const std::array<QString, 12>& month_numbers) {
  const int month = MonthAtTransitCell(column, row);
  return month < 0 ? year_number : month_numbers[month];
}

}  // namespace vorelim
