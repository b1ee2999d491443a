#pragma once
// The register's search words: a query is split at blanks into words, and a chart shows when
// every word matches it. A word matches
//   - a number written "p7", "c4" or "t8" (personality, control, tendency), letter case ignored;
//   - a date or a part of one, whole numbers between the slashes: "15/6", "1975", "6/1975" and
//     "15/6/1975" all match 15/6/1975, "5" and "197" do not; leading zeros do not count
//     ("05/06" is "5/6"), and "-" or "." may stand for "/";
//   - otherwise a part of the name, ignoring letter case and accents ("joao" finds JOÃO).
// The name is the record's and the one in the file's name, which are the same for every chart
// the program writes.

#include <string>
#include <string_view>
#include <vector>

#include "chart/chart_record.h"

namespace vorelim {

/// UTF-8 text in lower case and without accents, for comparing names: "JOÃO" gives "joao", "Æ"
/// "ae", "ß" "ss". Characters outside Latin-1 and Windows-1252 stay as they are, and so do bytes
/// that are not UTF-8.
std::string FoldForSearch(std::string_view utf8);

/// What the words look at in one chart, worked out once when the chart is read.
struct SearchFields {
  std::string names;  // the folded name of the record, a line break, the folded file's chart name
  std::string date;   // "/15/6/1975/": the birth date between slashes, without leading zeros
  char personality = 0;  // the stored digits ('1' to '9'), 0 when a field holds none
  char control = 0;
  char tendency = 0;
};

/// The search fields of a chart read from the file `file_name` (bytes).
SearchFields SearchFieldsOf(const ChartRecord& record, std::string_view file_name);

class ChartQuery {
 public:
  /// The words of `utf8`; blanks (spaces, tabs, line breaks) separate them.
  explicit ChartQuery(std::string_view utf8 = {});

  /// True when every word matches the chart; a query of no words matches every chart.
  bool Matches(const SearchFields& chart) const;
  bool empty() const { return words_.empty(); }

 private:
  enum class Kind { Name, Date, Personality, Control, Tendency };
  struct Word {
    Kind kind;
    std::string text;  // folded name part, "/d/m/" form of a date, or the digit
  };
  std::vector<Word> words_;
};

}  // namespace vorelim
