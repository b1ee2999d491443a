#include "chart/chart_search.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "chart/chart_folder.h"
#include "support/charts.h"
#include "support/temp_folder.h"

namespace vorelim {
namespace {

using test::TempFolder;
using test::WriteCharts;

TEST(chart_search_test, each_word_narrows_by_name_date_or_number) {
  TempFolder folder;
  // Each row: the file; the name, the date, the personality, control and tendency.
  WriteCharts({
      {"MARIA.NUM", {}},  // 15/6/1975, p7 c4 t8
      {"MARIASILVA.NUM", {"MARIASILVA", "2", "2", "1990", "2", "9", "7"}},
      {"JOÃO.NUM", {"JOÃO", "5", "11", "1962", "5", "4", "1"}},
      // The name in Windows-1252, as a chart copied from an old system is named.
      {"JOS\xC9.NUM", {"JOSÉ", "15", "5", "2005", "7", "3", "1"}},
      {"Ana Luísa.num", {"Ana Luísa", "1", "1", "1915", "3", "3", "6"}},
      // A file renamed by hand: found by either name.
      {"RENOMEADO.NUM", {"PEDRO", "31", "12", "1999", "9", "1", "1"}},
  });
  const std::set<std::string> all = {"MARIA.NUM",   "MARIASILVA.NUM", "JOÃO.NUM",
                                     "JOS\xC9.NUM", "Ana Luísa.num",  "RENOMEADO.NUM"};
  const struct {
    const char* row;
    const char* query;
    std::set<std::string> shown;
  } rows[] = {
      {"no words: every chart", "  ", all},
      {"part of a name, letter case ignored", "silva", {"MARIASILVA.NUM"}},
      {"accents ignored", "joao", {"JOÃO.NUM"}},
      {"accents typed", "JOÃO", {"JOÃO.NUM"}},
      {"name of a file that is not UTF-8", "josé", {"JOS\xC9.NUM"}},
      {"a name with a blank, word by word", "luisa ana", {"Ana Luísa.num"}},
      {"every word narrows", "maria 1975", {"MARIA.NUM"}},
      {"a word that nothing has", "maria zzz", {}},
      {"day and month", "15/6", {"MARIA.NUM"}},
      {"leading zeros", "15/06/1975", {"MARIA.NUM"}},
      {"month and year", "6/1975", {"MARIA.NUM"}},
      {"year", "1975", {"MARIA.NUM"}},
      {"day: whole numbers only", "15", {"MARIA.NUM", "JOS\xC9.NUM"}},
      {"a number inside another is no match", "197", {}},
      {"5 is day 5 or month 5, not 15", "5", {"JOÃO.NUM", "JOS\xC9.NUM"}},
      {"dashes for slashes", "15-6", {"MARIA.NUM"}},
      {"date still being typed", "15/", {"MARIA.NUM", "JOS\xC9.NUM"}},
      {"separators alone narrow nothing", "/", all},
      {"personality", "p7", {"MARIA.NUM", "JOS\xC9.NUM"}},
      {"control, upper case", "C4", {"MARIA.NUM", "JOÃO.NUM"}},
      {"tendency", "t1", {"JOÃO.NUM", "JOS\xC9.NUM", "RENOMEADO.NUM"}},
      {"name in the record", "pedro", {"RENOMEADO.NUM"}},
      {"name in the file's name", "renomeado", {"RENOMEADO.NUM"}},
      {"the extension is no part of the name", "num", {}},
  };
  const FolderEntries read = ReadChartFolder(folder.path());
  ASSERT_EQ(read.entries.size(), all.size());
  for (const auto& row : rows) {
    const ChartQuery query(row.query);
    std::set<std::string> shown;
    for (const ChartEntry& entry : read.entries) {
      ASSERT_TRUE(entry.is_chart()) << entry.file_name;
      if (query.Matches(SearchFieldsOf(entry.record, entry.file_name))) {
        shown.insert(entry.file_name);
      }
    }
    EXPECT_EQ(shown, row.shown) << row.row << ": \"" << row.query << '"';
  }
}

TEST(chart_search_test, folds_case_and_accents_of_latin_letters_only) {
  EXPECT_EQ(FoldForSearch("JOÃO ÇÉÜ Æß ŒŠŽŸ"), "joao ceu aess oeszy");
  // Letters of other scripts and bytes that are not UTF-8 stay as they are.
  EXPECT_EQ(FoldForSearch("ΑΒ \xC3"), "ΑΒ \xC3");
}

}  // namespace
}  // namespace vorelim
