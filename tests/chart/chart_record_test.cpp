#include "chart/chart_record.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace vorelim {
namespace {

std::vector<int> BytesAt(const ChartRecord& record, std::size_t offset, std::size_t count) {
  return {record.bytes().begin() + offset, record.bytes().begin() + offset + count};
}

TEST(chart_record_test, fields_are_packed_without_gaps) {
  struct Row {
    ChartField field;
    std::size_t offset, capacity;
  } rows[] = {
      {ChartField::Name, 0, 15},        {ChartField::BirthDay, 16, 2},
      {ChartField::BirthMonth, 19, 8},  {ChartField::BirthYear, 28, 4},
      {ChartField::Personality, 33, 1}, {ChartField::Control, 35, 1},
      {ChartField::Tendency, 37, 1},
  };
  std::size_t next = 0;
  for (const Row& row : rows) {
    const FieldLayout layout = LayoutOf(row.field);
    EXPECT_EQ(layout.offset, row.offset);
    EXPECT_EQ(layout.capacity, row.capacity);
    EXPECT_EQ(layout.offset, next);
    next = layout.offset + layout.capacity + 1;
  }
  EXPECT_EQ(next, kElementsOffset);
  EXPECT_EQ(kElementsOffset + kElementCount, kChartRecordSize);
}

TEST(chart_record_test, birth_date_bytes_of_2_february_1990) {
  ChartRecord record;
  ASSERT_EQ(record.SetText(ChartField::BirthDay, "2"), SetTextError::None);
  ASSERT_EQ(record.SetText(ChartField::BirthMonth, "2"), SetTextError::None);
  ASSERT_EQ(record.SetText(ChartField::BirthYear, "1990"), SetTextError::None);
  EXPECT_EQ(BytesAt(record, 16, 2), (std::vector<int>{0x01, 0x32}));
  EXPECT_EQ(BytesAt(record, 19, 2), (std::vector<int>{0x01, 0x32}));
  EXPECT_EQ(BytesAt(record, 28, 5), (std::vector<int>{0x04, 0x31, 0x39, 0x39, 0x30}));
}

TEST(chart_record_test, name_of_fifteen_characters_fills_sixteen_bytes) {
  ChartRecord record;
  ASSERT_EQ(record.SetText(ChartField::Name, "ABCDEFGHIJKLMNO"), SetTextError::None);
  EXPECT_EQ(record.bytes()[0], 15);
  EXPECT_EQ(std::string(record.bytes().begin() + 1, record.bytes().begin() + 16),
            "ABCDEFGHIJKLMNO");
  EXPECT_EQ(record.bytes()[16], 0);  // BirthDay untouched
  EXPECT_EQ(record.Name(), "ABCDEFGHIJKLMNO");
}

TEST(chart_record_test, text_is_stored_as_windows1252) {
  ChartRecord record;
  ASSERT_EQ(record.SetText(ChartField::Name, "JOÃO"), SetTextError::None);
  EXPECT_EQ(BytesAt(record, 0, 5), (std::vector<int>{4, 'J', 'O', 0xC3, 'O'}));
  EXPECT_EQ(record.Name(), "JOÃO");
  EXPECT_EQ(record.Raw(ChartField::Name), "JO\xc3O");
}

TEST(chart_record_test, refused_text_changes_nothing) {
  ChartRecord record;
  ASSERT_EQ(record.SetText(ChartField::Name, "MARIA"), SetTextError::None);
  const ChartRecord before = record;
  EXPECT_EQ(record.SetText(ChartField::Name, "ABCDEFGHIJKLMNOP"), SetTextError::TooLong);
  EXPECT_EQ(record.SetText(ChartField::Name, "ΩMEGA"), SetTextError::NotWindows1252);
  EXPECT_EQ(record.SetText(ChartField::BirthDay, "123"), SetTextError::TooLong);
  EXPECT_EQ(record.SetText(ChartField::Name, "\xc3"), SetTextError::NotWindows1252);
  EXPECT_EQ(record, before);
  // Fifteen accented letters fit: the capacity counts characters of the code page, not UTF-8.
  EXPECT_EQ(record.SetText(ChartField::Name, "ÃÃÃÃÃÃÃÃÃÃÃÃÃÃÃ"), SetTextError::None);
}

TEST(chart_record_test, writers_zero_the_bytes_past_the_length) {
  ChartRecord record;
  record.bytes().fill(0xAA);
  record.SetRaw(ChartField::BirthMonth, "12");
  EXPECT_EQ(BytesAt(record, 19, 9), (std::vector<int>{2, '1', '2', 0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(record.bytes()[18], 0xAA);           // the field before
  EXPECT_EQ(record.bytes()[28], 0xAA);           // the field after
  record.SetRaw(ChartField::BirthDay, "12345");  // cut to the capacity
  EXPECT_EQ(BytesAt(record, 16, 3), (std::vector<int>{2, '1', '2'}));
}

TEST(chart_record_test, reader_clamps_length_byte_to_capacity) {
  ChartRecord record;
  record.bytes().fill('x');
  record.bytes()[0] = 200;    // Name claims 200 characters
  record.bytes()[33] = 0xFF;  // Personality claims 255
  EXPECT_EQ(record.Raw(ChartField::Name).size(), 15u);
  EXPECT_EQ(record.Raw(ChartField::Personality), "x");
  EXPECT_FALSE(record.LengthInRange(ChartField::Name));
  record.bytes()[0] = 15;
  EXPECT_TRUE(record.LengthInRange(ChartField::Name));
}

TEST(chart_record_test, elements_rows_and_columns) {
  ChartRecord record;
  ElementMarks marks{};
  marks[0] = 1;          // row 1, column 0
  marks[3 * 8 + 2] = 1;  // row 9, column 2
  record.SetElements(marks);
  EXPECT_EQ(record.bytes()[39], 1);
  EXPECT_EQ(record.bytes()[65], 1);
  EXPECT_EQ(record.Element(1, 0), 1);
  EXPECT_EQ(record.Element(9, 2), 1);
  EXPECT_EQ(record.Element(9, 1), 0);
  EXPECT_EQ(record.Elements(), marks);
  // Out-of-range rows and columns read as unmarked instead of reaching past the table.
  EXPECT_EQ(record.Element(0, 0), 0);
  EXPECT_EQ(record.Element(10, 0), 0);
  EXPECT_EQ(record.Element(1, 3), 0);
  EXPECT_EQ(record.Element(1, -1), 0);
}

TEST(chart_record_test, looks_like_chart) {
  ChartRecord chart;
  chart.SetRaw(ChartField::Name, "ANA");
  chart.SetRaw(ChartField::Personality, "7");
  chart.SetRaw(ChartField::Control, "4");
  chart.SetRaw(ChartField::Tendency, "8");
  EXPECT_TRUE(chart.LooksLikeChart());
  EXPECT_FALSE(ChartRecord().LooksLikeChart());

  struct Row {
    const char* name;
    std::size_t offset;
    std::uint8_t value;
  } rows[] = {
      {"name too long", 0, 16},         {"year too long", 28, 5},     {"personality 0", 34, '0'},
      {"control not a digit", 36, 'a'}, {"tendency length 2", 37, 2}, {"tendency empty", 37, 0},
  };
  for (const Row& row : rows) {
    ChartRecord bad = chart;
    bad.bytes()[row.offset] = row.value;
    EXPECT_FALSE(bad.LooksLikeChart()) << row.name;
  }
}

}  // namespace
}  // namespace vorelim
