#pragma once
// Reading the decimal texts that travel between the calculation, the chart record and the windows.

#include <string_view>

namespace vorelim {

/// Reads a text as a number: skips leading blanks, takes the decimal digits up to the first
/// character that is not a digit, and gives 0 when there is none. Values beyond the range of int
/// saturate at INT_MAX instead of overflowing.
int ReadTextNumber(std::string_view text);

/// The value of the first character of a number text ("7" -> 7): 0 when the text is empty or its
/// first character is not a decimal digit.
int FirstDigitValue(std::string_view text);

}  // namespace vorelim
