#pragma once
// The two rules the windows apply: the transits of a chart for the year typed in the chart
// window's year box ("OK", the printout), and a new chart record from the new chart dialog's
// fields ("OK" of the dialog). Each is written here once; the windows, the printout, the fuzz
// target and the tests call them. Standard library only.

#include <array>
#include <string>
#include <string_view>

#include "chart/chart_record.h"

namespace vorelim {

/// The year a new chart gets when its year text is no usable year.
inline constexpr int kDefaultBirthYear = 1990;

/// The year typed in the year box after the rules for bad or two-digit years: a text that is not
/// an integer (blanks around it allowed, as in " 75"), a year below 1 or a year below
/// `two_digit_current_year` (the current year modulo 100) becomes 1990.
int BirthYearFromText(std::string_view text, int two_digit_current_year);

/// A new chart as the new chart dialog writes it: the name (UTF-8), the day and month chosen, the
/// year after BirthYearFromText, and the numbers and element marks worked out from that date.
/// The name must have passed CheckChartName; a name the record cannot hold leaves it empty.
ChartRecord NewChartRecord(std::string_view name, int day, int month, std::string_view year_text,
                           int two_digit_current_year);

/// The transits of a chart for one year box text.
struct ChartTransits {
  /// The year shown and printed: the first 4 characters of the box, or the chart's birth year
  /// text when the box holds an earlier year (the time numbers start at the birth year).
  std::string year_text;
  /// True when `year_text` is the birth year that replaced an earlier year.
  bool clamped_to_birth_year = false;
  /// The number of `year_text`, as the calculation uses it.
  int year = 0;
  /// The era number, the house of the year and the houses of the twelve months (January first),
  /// one character each.
  std::string era;
  std::string year_number;
  std::array<std::string, 12> month_numbers;
};

/// The transits of `record` for the year box text `year_box_text`.
ChartTransits TransitsForYear(const ChartRecord& record, std::string_view year_box_text);

}  // namespace vorelim
