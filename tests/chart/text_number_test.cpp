#include "chart/text_number.h"

#include <gtest/gtest.h>

#include <climits>
#include <string_view>

namespace vorelim {
namespace {

struct NumberRow {
  const char* name;
  std::string_view text;
  int expected;
};

TEST(text_number_test, reads_leading_digits_after_blanks) {
  const NumberRow rows[] = {
      {"empty", "", 0},
      {"blanks only", "   ", 0},
      {"plain", "1990", 1990},
      {"leading blanks", "  12", 12},
      {"leading tab", "\t5", 5},
      {"stops at letter", "12abc", 12},
      {"stops at blank", "12 34", 12},
      {"leading zeros", "007", 7},
      {"no digits", "abc", 0},
      {"minus is not a digit", "-5", 0},
      {"high byte",
       "\xff"
       "12",
       0},
      {"int max", "2147483647", INT_MAX},
      {"just past int max", "2147483648", INT_MAX},
      {"far past int max", "99999999999999999999999999", INT_MAX},
  };
  for (const NumberRow& row : rows) {
    EXPECT_EQ(ReadTextNumber(row.text), row.expected) << row.name;
  }
}

TEST(text_number_test, first_digit_value_is_zero_for_non_digits) {
  const NumberRow rows[] = {
      {"empty", "", 0},      {"digit", "7", 7},     {"two digits", "79", 7},
      {"zero", "0", 0},      {"letter", "x", 0},    {"blank first", " 7", 0},
      {"below '0'", "/", 0}, {"above '9'", ":", 0}, {"high byte", "\xe9", 0},
  };
  for (const NumberRow& row : rows) {
    EXPECT_EQ(FirstDigitValue(row.text), row.expected) << row.name;
  }
}

}  // namespace
}  // namespace vorelim
