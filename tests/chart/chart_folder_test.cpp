#include "chart/chart_folder.h"

#include <sys/stat.h>

#include <gtest/gtest.h>

#include <cerrno>
#include <map>
#include <string>

#include "support/charts.h"
#include "support/temp_folder.h"

namespace fs = std::filesystem;

namespace vorelim {
namespace {

using test::ChartFor;
using test::TempFolder;
using test::WriteChart;
using test::WriteFileBytes;

TEST(chart_folder_test, reads_each_num_entry_into_a_chart_or_the_reason_it_is_none) {
  TempFolder folder;
  const ChartRecord maria = ChartFor("MARIA", 15, 6, 1975);
  WriteChart("MARIA.NUM", maria);
  WriteChart("ana.num", ChartFor("ana", 2, 2, 1990));
  WriteFileBytes("LONGO.Num", test::BytesOf(maria) + std::string(34, 'x'));
  WriteFileBytes("CURTO.NUM", std::string(10, '\1'));
  WriteFileBytes("VAZIO.NUM", "");
  WriteFileBytes("LIXO.NUM", std::string(66, '\xFF'));
  fs::create_directory("X.NUM");
  ASSERT_EQ(::mkfifo("PIPE.NUM", 0644), 0);
  fs::create_symlink("NADA.NUM", "SOLTO.NUM");
  fs::create_symlink("MARIA.NUM", "ATALHO.NUM");
  fs::create_symlink("X.NUM", "PASTA.NUM");
  WriteChart("JO\xC3O.NUM", ChartFor("JOÃO", 5, 11, 1962));  // Windows-1252 bytes, not UTF-8
  WriteChart("NOTAS.TXT", maria);                            // not a chart file's name
  WriteChart("X.NUM/DENTRO.NUM", maria);                     // inside a folder: not looked at

  struct Read {
    EntryProblem problem;
    std::size_t bytes_read;
  };
  const Read none{EntryProblem::None, 66};
  const std::map<std::string, Read> expected = {
      {"ATALHO.NUM", none},
      {"CURTO.NUM", {EntryProblem::TooShort, 10}},
      {"JO\xC3O.NUM", none},
      {"LIXO.NUM", {EntryProblem::NotChart, 66}},
      {"LONGO.Num", none},
      {"MARIA.NUM", none},
      {"PASTA.NUM", {EntryProblem::Folder, 0}},
      {"PIPE.NUM", {EntryProblem::NotRegularFile, 0}},
      {"SOLTO.NUM", {EntryProblem::BrokenLink, 0}},
      {"VAZIO.NUM", {EntryProblem::TooShort, 0}},
      {"X.NUM", {EntryProblem::Folder, 0}},
      {"ana.num", none},
  };
  const FolderEntries read = ReadChartFolder(folder.path());
  EXPECT_EQ(read.error, 0);
  std::map<std::string, Read> got;
  for (const ChartEntry& entry : read.entries) {
    got[entry.file_name] = {entry.problem, entry.bytes_read};
    if (entry.is_chart()) {
      EXPECT_TRUE(entry.record.LooksLikeChart()) << entry.file_name;
    }
  }
  ASSERT_EQ(got.size(), expected.size());
  for (const auto& [name, want] : expected) {
    ASSERT_TRUE(got.contains(name)) << name;
    EXPECT_EQ(got[name].problem, want.problem) << name;
    EXPECT_EQ(got[name].bytes_read, want.bytes_read) << name;
  }
  // In byte order, so the list does not depend on the order the folder gives.
  EXPECT_EQ(read.entries.front().file_name, "ATALHO.NUM");
  EXPECT_EQ(read.entries.back().file_name, "ana.num");
  EXPECT_EQ(read.entries[5].record, maria);  // MARIA.NUM
}

TEST(chart_folder_test, a_folder_that_cannot_be_listed_gives_its_error) {
  TempFolder folder;
  const FolderEntries read = ReadChartFolder(folder.path() / "nenhuma");
  EXPECT_EQ(read.error, ENOENT);
  EXPECT_TRUE(read.entries.empty());
}

}  // namespace
}  // namespace vorelim
