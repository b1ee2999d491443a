#pragma once
// Charts and today's date for tests: the records the tests open and their bytes on disk.

#include <filesystem>
#include <initializer_list>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>

#include "chart/chart_record.h"
#include "chart/today.h"
#include "support/files.h"

namespace vorelim::test {

/// A chart as the new chart dialog makes it: the name, the birth date's texts and the numbers and
/// element marks worked out from the date.
ChartRecord ChartFor(std::string_view name, int day, int month, int year);

/// The texts of a chart set one by one, numbers included, without working anything out: for
/// charts that no birth date gives. The defaults are a consistent chart (15/6/1975 gives 7, 4, 8).
struct ChartTexts {
  std::string name = "MARIA";
  std::string day = "15";
  std::string month = "6";
  std::string year = "1975";
  std::string personality = "7";
  std::string control = "4";
  std::string tendency = "8";

  bool operator==(const ChartTexts&) const = default;
};
ChartRecord ChartOf(const ChartTexts& texts);
/// The seven texts of a record, to compare a chart as a whole.
ChartTexts TextsOf(const ChartRecord& record);
/// Prints the texts in a failed comparison: name, date and the three numbers.
void PrintTo(const ChartTexts& texts, std::ostream* out);

/// A chart file to write: its name (as bytes) and the chart's texts.
struct ChartFile {
  std::filesystem::path file;
  ChartTexts texts;
};
/// Writes each chart of a table to its file, as WriteChart does.
void WriteCharts(std::initializer_list<ChartFile> files);

/// The 66 bytes of a record, as a chart file holds them.
std::string BytesOf(const ChartRecord& record);

/// Writes a record's bytes to `file`, whatever the name stored in it: for charts that the chart
/// file writer would place or refuse differently.
void WriteChart(const std::filesystem::path& file, const ChartRecord& record);

/// Fixes today's date while the object lives; the real calendar comes back afterwards.
class FixedToday {
 public:
  explicit FixedToday(CalendarDate date) { SetTodayForTesting(date); }
  ~FixedToday() { SetTodayForTesting(std::nullopt); }
  FixedToday(const FixedToday&) = delete;
  FixedToday& operator=(const FixedToday&) = delete;
};

}  // namespace vorelim::test
