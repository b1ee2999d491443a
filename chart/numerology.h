#pragma once
// The numerology of the nine-cell square: the chart numbers of a birth date and the time numbers of
// a transit year. Pure functions, constant time, valid for any int year.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "chart/chart_record.h"

namespace vorelim {

/// Cyclic number 1..9: ((x - 1) mod 9) + 1 with a non-negative modulo.
int Cyc(long long x);

/// Personality number of the solar year of a birth date.
int PersonalityNumber(int day, int month, int year);
/// Control number of the solar month; 0 for a month outside 1..12.
int ControlNumber(int personality, int day, int month);
/// The house of the personality when the control stands in the centre; 0 when control is 0.
int TendencyNumber(int personality, int control);
/// The 27 element marks of the three numbers.
std::array<std::uint8_t, 27> MarkElements(int personality, int control, int tendency);
/// Fills Personality, Control, Tendency and Elements; the other fields stay untouched.
void CalcChart(ChartRecord& record, int day, int month, int year);

/// Era number text: cyc(first digit of personality + (T - B) div 9).
std::string EraNumber(std::string_view personality, int transit_year, int birth_year);
/// The person's house in the years T - 1, T and T + 1, as one-digit texts.
std::array<std::string, 3> YearTransits(std::string_view transit_year, std::string_view day,
                                        std::string_view month, std::string_view birth_year);
/// The person's house in each month of the transit year, January first.
std::array<int, 12> MonthTransits(int transit_year, std::string_view personality);

}  // namespace vorelim
