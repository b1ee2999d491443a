#include "chart/numerology.h"

#include "chart/text_number.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <string>
#include <vector>

namespace vorelim {
namespace {

// "110 100 ..." -> the 27 mark bytes, row 1 first.
ElementMarks ParseMarks(const std::string& rows) {
  ElementMarks marks{};
  std::size_t i = 0;
  for (char c : rows) {
    if (c == ' ') continue;
    marks.at(i++) = static_cast<std::uint8_t>(c - '0');
  }
  EXPECT_EQ(i, marks.size()) << rows;
  return marks;
}

struct WorkedDate {
  int day, month, year;
  int personality, control, tendency;
  const char* elements;
};

const WorkedDate kWorkedDates[] = {
    {2, 2, 1990, 2, 9, 7, "110 100 100 100 000 110 000 000 110"},
    {3, 2, 1990, 2, 9, 7, "110 100 100 100 000 110 000 000 110"},
    {4, 2, 1990, 1, 8, 7, "110 100 100 100 000 100 000 100 110"},
    {4, 4, 1990, 1, 7, 8, "110 100 100 100 000 100 000 100 110"},
    {5, 4, 1990, 1, 6, 9, "110 000 000 100 000 110 000 100 111"},
    {15, 6, 1975, 7, 4, 8, "100 110 110 100 000 110 000 000 100"},
    {31, 12, 1999, 1, 7, 8, "110 100 100 100 000 100 000 100 110"},
    {5, 1, 2000, 1, 7, 8, "110 100 100 100 000 100 000 100 110"},
    {6, 1, 2000, 1, 6, 9, "110 000 000 100 000 110 000 100 111"},
    {1, 1, 1936, 2, 1, 6, "110 100 100 100 000 100 000 100 110"},
    {4, 2, 1936, 1, 8, 7, "110 100 100 100 000 100 000 100 110"},
    {4, 2, 1937, 9, 5, 9, "111 100 100 000 000 110 000 000 110"},
    {8, 10, 1936, 1, 1, 5, "111 100 100 000 000 000 000 110 110"},
    {9, 10, 1936, 1, 9, 6, "110 000 000 100 000 110 000 100 111"},
    {15, 8, 1968, 5, 5, 5, "111 111 111 000 000 000 000 000 000"},
    {7, 12, 1980, 2, 2, 5, "111 111 111 000 000 000 000 000 000"},
    {8, 12, 1980, 2, 1, 6, "110 100 100 100 000 100 000 100 110"},
};

std::vector<int> BytesOf(const ChartRecord& record, std::size_t offset, std::size_t count) {
  return {record.bytes().begin() + offset, record.bytes().begin() + offset + count};
}

std::string DateName(const WorkedDate& d) {
  return std::to_string(d.day) + "/" + std::to_string(d.month) + "/" + std::to_string(d.year);
}

TEST(numerology_test, worked_dates) {
  for (const WorkedDate& d : kWorkedDates) {
    SCOPED_TRACE(DateName(d));
    const int p = PersonalityNumber(d.day, d.month, d.year);
    const int c = ControlNumber(p, d.day, d.month);
    EXPECT_EQ(p, d.personality);
    EXPECT_EQ(c, d.control);
    EXPECT_EQ(TendencyNumber(p, c), d.tendency);
    EXPECT_EQ(MarkElements(d.personality, d.control, d.tendency), ParseMarks(d.elements));
  }
}

TEST(numerology_test, calc_chart_fills_numbers_and_keeps_the_rest) {
  for (const WorkedDate& d : kWorkedDates) {
    SCOPED_TRACE(DateName(d));
    ChartRecord record;
    record.bytes().fill(0xEE);
    record.SetRaw(ChartField::Name, "MARIA");
    const ChartRecord before = record;
    CalcChart(record, d.day, d.month, d.year);
    EXPECT_EQ(record.Personality(), std::to_string(d.personality));
    EXPECT_EQ(record.Control(), std::to_string(d.control));
    EXPECT_EQ(record.Tendency(), std::to_string(d.tendency));
    EXPECT_EQ(record.Elements(), ParseMarks(d.elements));
    EXPECT_TRUE(
        std::equal(record.bytes().begin(), record.bytes().begin() + 33, before.bytes().begin()));
    const std::uint8_t digit = '0';
    EXPECT_EQ(BytesOf(record, 33, 6), (std::vector<int>{1, digit + d.personality, 1,
                                                        digit + d.control, 1, digit + d.tendency}));
  }
}

TEST(numerology_test, cyc_wraps_both_ways) {
  const struct {
    long long x;
    int expected;
  } rows[] = {{1, 1}, {9, 9}, {10, 1}, {0, 9}, {-2, 7}, {-8, 1}, {-9, 9}, {18, 9}, {19, 1}};
  for (const auto& row : rows) EXPECT_EQ(Cyc(row.x), row.expected) << row.x;
  // The extremes: in range, and one step up from each neighbour.
  for (long long x : {LLONG_MIN, LLONG_MIN + 1, LLONG_MAX - 1, static_cast<long long>(INT_MIN)}) {
    EXPECT_EQ(Cyc(x + 1), Cyc(x) % 9 + 1) << x;
  }
  EXPECT_EQ(Cyc(LLONG_MAX), 7);  // 2^63 - 1 has digit sum 88 -> 16 -> 7
}

TEST(numerology_test, personality_repeats_every_nine_years_for_any_year) {
  EXPECT_EQ(PersonalityNumber(15, 6, 1936), 1);
  EXPECT_EQ(PersonalityNumber(15, 6, 1937), 9);
  EXPECT_EQ(PersonalityNumber(15, 6, 1935), 2);
  EXPECT_EQ(PersonalityNumber(15, 6, INT_MAX), 1);
  EXPECT_EQ(PersonalityNumber(15, 6, INT_MIN), 4);
  EXPECT_EQ(PersonalityNumber(3, 2, INT_MIN), 5);
  for (int year : {INT_MIN, -1000, -1, 0, 1, 1936, 2026, INT_MAX - 9}) {
    const int p = PersonalityNumber(15, 6, year);
    EXPECT_EQ(PersonalityNumber(15, 6, year + 9), p) << year;
    EXPECT_EQ(PersonalityNumber(15, 6, year + 1), Cyc(p - 1)) << year;
    EXPECT_EQ(PersonalityNumber(1, 1, year + 1), p) << year;  // January is still the year before
  }
}

// The solar month table: From and To of each solar month and its control numbers for the
// personality columns 1-4-7, 2-5-8 and 3-6-9.
struct SolarMonthRow {
  int from_day, from_month, to_day, to_month;
  int control[3];
};
const SolarMonthRow kSolarMonthRows[] = {
    {4, 2, 5, 3, {8, 2, 5}},   {6, 3, 4, 4, {7, 1, 4}},  {5, 4, 5, 5, {6, 9, 3}},
    {6, 5, 5, 6, {5, 8, 2}},   {6, 6, 7, 7, {4, 7, 1}},  {8, 7, 7, 8, {3, 6, 9}},
    {8, 8, 7, 9, {2, 5, 8}},   {8, 9, 8, 10, {1, 4, 7}}, {9, 10, 7, 11, {9, 3, 6}},
    {8, 11, 7, 12, {8, 2, 5}}, {8, 12, 5, 1, {7, 1, 4}}, {6, 1, 3, 2, {6, 9, 3}},
};

TEST(numerology_test, control_number_at_every_solar_month_boundary) {
  for (int row = 0; row < 12; ++row) {
    const SolarMonthRow& m = kSolarMonthRows[row];
    const SolarMonthRow& previous = kSolarMonthRows[(row + 11) % 12];
    for (int column = 0; column < 3; ++column) {
      for (int personality = column + 1; personality <= 9; personality += 3) {
        SCOPED_TRACE("solar month " + std::to_string(row + 1) + ", personality " +
                     std::to_string(personality));
        EXPECT_EQ(ControlNumber(personality, m.from_day, m.from_month), m.control[column]);
        EXPECT_EQ(ControlNumber(personality, m.to_day, m.to_month), m.control[column]);
        EXPECT_EQ(ControlNumber(personality, m.from_day - 1, m.from_month),
                  previous.control[column]);
      }
    }
  }
}

TEST(numerology_test, control_number_reads_only_day_numbers) {
  EXPECT_EQ(ControlNumber(1, 31, 4), 6);  // 31 April: solar month 3
  EXPECT_EQ(ControlNumber(1, 0, 3), 8);   // day 0 of March: solar month 1
  EXPECT_EQ(ControlNumber(1, 30, 2), 8);  // 30 February: after the 3rd
  EXPECT_EQ(ControlNumber(1, -5, 2), 6);  // negative day: before the 4th
  EXPECT_EQ(ControlNumber(1, 99, 12), 7);
  for (int month : {0, 13, -1, INT_MIN, INT_MAX}) {
    EXPECT_EQ(ControlNumber(1, 15, month), 0) << month;
  }
  // Any personality is read cyclically: 10 is in the column of 1, 0 in the column of 9.
  EXPECT_EQ(ControlNumber(10, 15, 6), ControlNumber(1, 15, 6));
  EXPECT_EQ(ControlNumber(0, 15, 6), ControlNumber(9, 15, 6));
  EXPECT_EQ(ControlNumber(INT_MIN, 15, 6), ControlNumber(INT_MIN % 9 + 9, 15, 6));
}

TEST(numerology_test, tendency_number) {
  for (int n = 1; n <= 9; ++n) {
    EXPECT_EQ(TendencyNumber(n, n), 5) << n;
    EXPECT_EQ(TendencyNumber(n, 0), 0) << n;
  }
  EXPECT_EQ(TendencyNumber(7, 4), 8);
  EXPECT_EQ(TendencyNumber(1, 9), 6);
  EXPECT_EQ(TendencyNumber(9, 1), 4);
  EXPECT_GE(TendencyNumber(INT_MIN, INT_MAX), 1);
}

TEST(numerology_test, mark_groups_of_each_number) {
  const struct {
    int number;
    const char* elements;
  } rows[] = {
      {1, "100 000 000 000 000 000 000 100 100"}, {2, "100 100 100 000 000 000 000 000 000"},
      {3, "000 100 100 000 000 100 000 000 000"}, {4, "000 100 100 000 000 100 000 000 000"},
      {5, "100 100 100 000 000 000 000 000 000"}, {6, "000 000 000 100 000 100 000 000 100"},
      {7, "000 000 000 100 000 100 000 000 100"}, {8, "100 100 100 000 000 000 000 000 000"},
      {9, "100 000 000 000 000 100 000 000 100"},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(MarkElements(row.number, 0, 0), ParseMarks(row.elements)) << row.number;
    EXPECT_EQ(MarkElements(0, 0, row.number), ParseMarks(row.elements)) << row.number;
  }
  EXPECT_EQ(MarkElements(0, 0, 0), ElementMarks{});
  EXPECT_EQ(MarkElements(-1, -9, INT_MIN), ElementMarks{});  // text starts with '-'
  EXPECT_EQ(MarkElements(12, 0, 0), MarkElements(1, 0, 0));  // first character '1'
}

TEST(numerology_test, marks_fill_rows_from_the_left_and_never_rows_5_and_7) {
  for (int p = 1; p <= 9; ++p) {
    for (int c = 1; c <= 9; ++c) {
      for (int t = 1; t <= 9; ++t) {
        const ElementMarks marks = MarkElements(p, c, t);
        int total = 0;
        for (int row = 0; row < 9; ++row) {
          const std::uint8_t* r = &marks[3 * row];
          EXPECT_TRUE(r[0] >= r[1] && r[1] >= r[2] && r[0] <= 1) << p << c << t;
          total += r[0] + r[1] + r[2];
        }
        EXPECT_EQ(marks[12] + marks[18], 0) << p << c << t;
        EXPECT_EQ(total, 9) << p << c << t;
      }
    }
  }
}

TEST(numerology_test, era_number) {
  for (int year = 1990; year <= 1998; ++year) EXPECT_EQ(EraNumber("2", year, 1990), "2") << year;
  EXPECT_EQ(EraNumber("2", 1999, 1990), "3");
  EXPECT_EQ(EraNumber("2", 2026, 1990), "6");
  EXPECT_EQ(EraNumber("9", 1999, 1990), "1");
  EXPECT_EQ(EraNumber("24", 1990, 1990), "2");  // only the first character counts
  // A chart that failed to load has an empty personality: its value is 0, never a stray byte.
  EXPECT_EQ(EraNumber("", 1990, 1990), "9");
  EXPECT_EQ(EraNumber("\xff", 1999, 1990), "1");
  EXPECT_EQ(EraNumber("1", INT_MAX, INT_MIN), "6");
  EXPECT_EQ(EraNumber("1", INT_MIN, INT_MAX), "4");
}

TEST(numerology_test, year_transits) {
  const struct {
    const char *transit, *day, *month, *birth;
    std::array<std::string, 3> expected;
  } rows[] = {
      {"2026", "2", "2", "1990", {"5", "6", "7"}},
      {"2026", "4", "2", "1990", {"4", "5", "6"}},
      {"1991", "15", "6", "1990", {"5", "6", "7"}},
      {"1990", "15", "6", "1990", {"4", "5", "6"}},
      {"1990", "31", "1", "1990", {"5", "6", "7"}},
      {"20261", "2", "2", "19901", {"5", "6", "7"}},  // each text read from 4 characters
      {"9999", "1", "1", "1", {"4", "5", "6"}},
      {"", "", "", "", {"4", "5", "6"}},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(YearTransits(row.transit, row.day, row.month, row.birth), row.expected)
        << row.transit << " " << row.day << "/" << row.month << "/" << row.birth;
  }
}

TEST(numerology_test, month_transits_examples) {
  EXPECT_EQ(MonthTransits(2026, "2"), (std::array<int, 12>{7, 8, 9, 1, 2, 3, 4, 5, 6, 7, 8, 9}));
  EXPECT_EQ(MonthTransits(1990, "1"), (std::array<int, 12>{6, 7, 8, 9, 1, 2, 3, 4, 5, 6, 7, 8}));
}

// The month houses follow from the chart numbers of day 12 of each month.
TEST(numerology_test, month_transits_match_the_chart_numbers_of_day_12) {
  const auto check = [](int year, const std::string& personality) {
    const std::array<int, 12> houses = MonthTransits(year, personality);
    for (int month = 1; month <= 12; ++month) {
      const int c = ControlNumber(PersonalityNumber(12, month, year), 12, month);
      ASSERT_EQ(houses[month - 1], TendencyNumber(FirstDigitValue(personality), c))
          << year << " " << personality << " month " << month;
    }
  };
  for (const char* personality : {"1", "2", "3", "4", "5", "6", "7", "8", "9", "", "x"}) {
    for (int year = -100; year <= 3100; year += 7) check(year, personality);
    for (int year : {INT_MIN, INT_MIN + 1, INT_MAX - 1, INT_MAX}) check(year, personality);
  }
}

}  // namespace
}  // namespace vorelim
