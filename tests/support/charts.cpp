#include "support/charts.h"

#include <gtest/gtest.h>

#include "chart/chart_rules.h"

namespace vorelim::test {

ChartRecord ChartFor(std::string_view name, int day, int month, int year) {
  // A current year of 2000 keeps every year from 1 on, so the date is stored as given.
  ChartRecord record = NewChartRecord(name, day, month, std::to_string(year), 0);
  EXPECT_EQ(record.Name(), name) << "cannot store the name";
  return record;
}

ChartRecord ChartOf(const ChartTexts& texts) {
  ChartRecord record;
  const std::pair<ChartField, const std::string&> fields[] = {
      {ChartField::Name, texts.name},
      {ChartField::BirthDay, texts.day},
      {ChartField::BirthMonth, texts.month},
      {ChartField::BirthYear, texts.year},
      {ChartField::Personality, texts.personality},
      {ChartField::Control, texts.control},
      {ChartField::Tendency, texts.tendency},
  };
  for (const auto& [field, text] : fields) {
    EXPECT_EQ(record.SetText(field, text), SetTextError::None) << "cannot store \"" << text << '"';
  }
  return record;
}

ChartTexts TextsOf(const ChartRecord& record) {
  return {record.Name(),        record.BirthDay(), record.BirthMonth(), record.BirthYear(),
          record.Personality(), record.Control(),  record.Tendency()};
}

void PrintTo(const ChartTexts& texts, std::ostream* out) {
  *out << '"' << texts.name << "\" " << texts.day << '/' << texts.month << '/' << texts.year << ' '
       << texts.personality << ' ' << texts.control << ' ' << texts.tendency;
}

std::string BytesOf(const ChartRecord& record) {
  return {record.bytes().begin(), record.bytes().end()};
}

void WriteChart(const std::filesystem::path& file, const ChartRecord& record) {
  WriteFileBytes(file, BytesOf(record));
}

void WriteCharts(std::initializer_list<ChartFile> files) {
  for (const ChartFile& chart : files) WriteChart(chart.file, ChartOf(chart.texts));
}

}  // namespace vorelim::test
