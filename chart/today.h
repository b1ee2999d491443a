#pragma once
// Today's date, read in one place so that the rules that depend on the current year and month can
// be tested for any date.

#include <optional>

namespace vorelim {

struct CalendarDate {
  int year;
  int month;  // 1..12
  int day;    // 1..31
};

/// Today's date from the local calendar, or the date a test fixed.
CalendarDate Today();

/// Fixes the date that Today() returns; nothing restores the real calendar.
void SetTodayForTesting(std::optional<CalendarDate> date);

}  // namespace vorelim
