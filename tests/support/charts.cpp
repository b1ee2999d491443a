#include "support/charts.h"

#include <fstream>
#include <iterator>

#include <gtest/gtest.h>

#include "chart/numerology.h"

namespace vorelim::test {

ChartRecord ChartFor(std::string_view name, int day, int month, int year) {
  ChartRecord record = ChartOf({.name = std::string(name),
                                .day = std::to_string(day),
                                .month = std::to_string(month),
                                .year = std::to_string(year),
                                .personality = "",
                                .control = "",
                                .tendency = ""});
  CalcChart(record, day, month, year);
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

std::string BytesOf(const ChartRecord& record) {
  return {record.bytes().begin(), record.bytes().end()};
}

std::string ReadFileBytes(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteFileBytes(const std::filesystem::path& file, std::string_view bytes) {
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  out.close();
  EXPECT_TRUE(out.good()) << "cannot write " << file;
}

void WriteChart(const std::filesystem::path& file, const ChartRecord& record) {
  WriteFileBytes(file, BytesOf(record));
}

std::set<std::string> FilesIn(const std::filesystem::path& folder) {
  std::set<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    names.insert(entry.path().filename().string());
  }
  return names;
}

}  // namespace vorelim::test
