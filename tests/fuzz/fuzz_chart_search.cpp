// Fuzz target: a folder entry and the search words. The input is split at its first two zero
// bytes into a query, a file name and the file's bytes. The file is written under that name
// (with "/" made "_" and ".NUM" added) into a folder of its own and read back as the register
// reads a folder; then the query is run against the chart.
//
// Properties: the folder gives exactly that entry, a chart or the right reason (too short, not a
// chart); a query of no words takes every chart, and repeating a query's words changes nothing;
// the personality word "pN" takes a chart exactly when its personality is N; the folded name of
// valid UTF-8 is valid UTF-8 and folding it again changes nothing.

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <string>
#include <string_view>

#include "chart/chart_folder.h"
#include "chart/chart_search.h"
#include "fuzz_check.h"
#include "scratch_files.h"
#include "utf8_check.h"

namespace {

std::string_view Take(std::string_view& input) {
  const std::size_t zero = input.find('\0');
  const std::string_view part = input.substr(0, zero);
  input.remove_prefix(zero == std::string_view::npos ? input.size() : zero + 1);
  return part;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view input(reinterpret_cast<const char*>(data), size);
  const std::string_view query_text = Take(input);
  std::string file_name(Take(input).substr(0, 200));
  for (char& c : file_name) {
    if (c == '/') c = '_';
  }
  file_name += ".NUM";
  const std::string_view bytes = input;

  // One folder per process, holding only this input's file.
  const std::filesystem::path& folder = vorelim::fuzz::ScratchFolder("vorelim-fuzz-search");
  vorelim::fuzz::WriteWholeFile(folder / file_name, bytes);

  const vorelim::FolderEntries read = vorelim::ReadChartFolder(folder);
  std::filesystem::remove(folder / file_name);
  FUZZ_CHECK(read.error == 0);
  FUZZ_CHECK(read.entries.size() == 1);
  const vorelim::ChartEntry& entry = read.entries.front();
  FUZZ_CHECK(entry.file_name == file_name);
  if (bytes.size() < vorelim::kChartRecordSize) {
    FUZZ_CHECK(entry.problem == vorelim::EntryProblem::TooShort);
    FUZZ_CHECK(entry.bytes_read == bytes.size());
  } else {
    FUZZ_CHECK(entry.bytes_read == vorelim::kChartRecordSize);
    FUZZ_CHECK(std::memcmp(entry.record.bytes().data(), bytes.data(), vorelim::kChartRecordSize) ==
               0);
    FUZZ_CHECK(entry.is_chart() == entry.record.LooksLikeChart());
  }

  const vorelim::SearchFields fields = vorelim::SearchFieldsOf(entry.record, entry.file_name);
  const vorelim::ChartQuery query(query_text);
  const bool taken = query.Matches(fields);
  FUZZ_CHECK(vorelim::ChartQuery().Matches(fields));
  const std::string twice = std::string(query_text) + " " + std::string(query_text);
  FUZZ_CHECK(vorelim::ChartQuery(twice).Matches(fields) == taken);
  for (char digit = '1'; digit <= '9'; ++digit) {
    const char word[] = {'p', digit, '\0'};
    FUZZ_CHECK(vorelim::ChartQuery(word).Matches(fields) == (fields.personality == digit));
  }

  const std::string folded = vorelim::FoldForSearch(query_text);
  FUZZ_CHECK(vorelim::FoldForSearch(folded) == folded);
  if (vorelim::fuzz::IsValidUtf8(query_text)) FUZZ_CHECK(vorelim::fuzz::IsValidUtf8(folded));
  return 0;
}
