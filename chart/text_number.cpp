#include "chart/text_number.h"

#include <climits>

namespace vorelim {

int ReadTextNumber(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  long long value = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    value = value * 10 + (text[i] - '0');
    // Once past INT_MAX the result is fixed; keep scanning nothing more.
    if (value > INT_MAX) return INT_MAX;
  }
  return static_cast<int>(value);
}

int FirstDigitValue(std::string_view text) {
  if (text.empty() || text[0] < '0' || text[0] > '9') return 0;
  return text[0] - '0';
}

}  // namespace vorelim
