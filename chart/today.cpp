#include "chart/today.h"

#include <ctime>

namespace vorelim {
namespace {
std::optional<CalendarDate> fixed_today;
}

CalendarDate Today() {
  if (fixed_today) return *fixed_today;
  std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
}

void SetTodayForTesting(std::optional<CalendarDate> date) {
  fixed_today = date;
}

}  // namespace vorelim
