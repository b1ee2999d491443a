#include "chart/chart_folder.h"

#include <sys/stat.h>

#include <gtest/gtest.h>

#include <cerrno>
#include <string>
#include <tuple>
#include <vector>

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

  // In byte order, so the list does not depend on the order the folder gives.
  using Read = std::tuple<std::string, EntryProblem, std::size_t>;  // name, problem, bytes read
  const EntryProblem none = EntryProblem::None;
  const std::vector<Read> expected = {
      {"ATALHO.NUM", none, 66},
      {"CURTO.NUM", EntryProblem::TooShort, 10},
      {"JO\xC3O.NUM", none, 66},
      {"LIXO.NUM", EntryProblem::NotChart, 66},
      {"LONGO.Num", none, 66},
      {"MARIA.NUM", none, 66},
      {"PASTA.NUM", EntryProblem::Folder, 0},
      {"PIPE.NUM", EntryProblem::NotRegularFile, 0},
      {"SOLTO.NUM", EntryProblem::BrokenLink, 0},
      {"VAZIO.NUM", EntryProblem::TooShort, 0},
      {"X.NUM", EntryProblem::Folder, 0},
      {"ana.num", none, 66},
  };
  const FolderEntries read = ReadChartFolder(folder.path());
  EXPECT_EQ(read.error, 0);
  std::vector<Read> got;
  for (const ChartEntry& entry : read.entries) {
    got.emplace_back(entry.file_name, entry.problem, entry.bytes_read);
    EXPECT_TRUE(!entry.is_chart() || entry.record.LooksLikeChart()) << entry.file_name;
  }
  EXPECT_EQ(got, expected);
  EXPECT_EQ(read.entries.at(5).record, maria);  // MARIA.NUM

  // A folder that cannot be listed gives its error.
  const FolderEntries missing = ReadChartFolder(folder.path() / "nenhuma");
  EXPECT_EQ(missing.error, ENOENT);
  EXPECT_TRUE(missing.entries.empty());
}

}  // namespace
}  // namespace vorelim
