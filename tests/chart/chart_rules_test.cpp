// The transit and new-chart rules as tables: the year rule of the new chart dialog, the record it
// makes, and the transits of a year box text with the clamp to the birth year.

#include "chart/chart_rules.h"

#include "chart/numerology.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

#include "support/charts.h"

namespace vorelim {
namespace {

TEST(chart_rules_test, birth_year_from_text) {
  const struct {
    const char* row;
    const char* text;
    int two_digit_current_year;
    int year;
  } rows[] = {
      {"four digits", "1975", 26, 1975},
      {"zero in 2000", "0", 0, 1990},
      {"negative in 2000", "-5", 0, 1990},
      {"blanks around", " 75\t", 26, 75},
      {"plus sign", "+80", 26, 80},
      {"blank inside", "1 9", 26, 1990},
      {"blank only", " ", 26, 1990},
      {"sign alone", "+", 26, 1990},
      {"two signs", "+-5", 26, 1990},
      {"minus zero", "-0", 26, 1990},
      {"hexadecimal", "0x1", 26, 1990},
      {"no-break space before",
       "\xC2\xA0"
       "75",
       26, 1990},
      {"full-width digits", "\xEF\xBC\x91\xEF\xBC\x92", 26, 1990},
      {"beyond int", "2147483648", 26, 1990},
      {"equal to the two digits", "26", 26, 26},
      {"one below the two digits", "25", 26, 1990},
      {"current year 2000 keeps 1", "1", 0, 1},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(BirthYearFromText(row.text, row.two_digit_current_year), row.year) << row.row;
  }
}

TEST(chart_rules_test, new_chart_record_stores_the_date_after_the_year_rule) {
  const ChartRecord chart = NewChartRecord("JOÃO", 2, 2, "abc", 26);
  // 2 February 1990, worked by hand: the solar year 1989 gives personality 2, the solar month
  // control 9, and the house of 2 with 9 in the centre tendency 7 (MarkElements has tests of its
  // own).
  EXPECT_EQ(test::TextsOf(chart), (test::ChartTexts{"JOÃO", "2", "2", "1990", "2", "9", "7"}));
  EXPECT_EQ(chart.Elements(), MarkElements(2, 9, 7));
  EXPECT_TRUE(chart.LooksLikeChart());
}

TEST(chart_rules_test, transits_for_year) {
  const ChartRecord maria = test::ChartFor("MARIA", 15, 6, 1975);
  const struct {
    const char* row;
    ChartRecord chart;
    const char* box;
    const char* year_text;
    bool clamped;
    int year;
  } rows[] = {
      {"a later year", maria, "2026", "2026", false, 2026},
      {"the birth year", maria, "1975", "1975", false, 1975},
      {"an earlier year gives the birth year", maria, "1850", "1975", true, 1975},
      {"only the first 4 characters", maria, "20305", "2030", false, 2030},
      {"digits then letters read as their digits", maria, "19x", "1975", true, 1975},
      {"an accented character is never cut", ChartRecord{}, "2é026", "2é02", false, 2},
      {"an empty chart starts at year 0", ChartRecord{}, "", "", false, 0},
  };
  for (const auto& row : rows) {
    const ChartTransits transits = TransitsForYear(row.chart, row.box);
    EXPECT_EQ(transits.year_text, row.year_text) << row.row;
    EXPECT_EQ(transits.clamped_to_birth_year, row.clamped) << row.row;
    EXPECT_EQ(transits.year, row.year) << row.row;
    for (const std::string& number : transits.month_numbers) {
      EXPECT_EQ(number.size(), 1u) << row.row;
    }
    EXPECT_EQ(transits.era.size(), 1u) << row.row;
    EXPECT_EQ(transits.year_number.size(), 1u) << row.row;
  }
  // A clamped year has the birth year's numbers.
  const ChartTransits earlier = TransitsForYear(maria, "1850");
  const ChartTransits at_birth = TransitsForYear(maria, "1975");
  EXPECT_EQ(earlier.era, at_birth.era);
  EXPECT_EQ(earlier.year_number, at_birth.year_number);
  EXPECT_EQ(earlier.month_numbers, at_birth.month_numbers);
}

}  // namespace
}  // namespace vorelim
