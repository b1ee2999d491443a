// The form of the nineteen embedded texts and of the comparison's further texts, and the page keys
// that select the nineteen.
#include "texts/text_catalogue.h"

#include <gtest/gtest.h>

namespace vorelim {
namespace {

// Each text by its page name, with the number of lines stored for it: a text replaced, cut or
// doubled in the resources changes its count.
struct StoredText {
  const char* page_name;
  int stored_lines;
};

// The nineteen pages in notebook order: the introduction, the numbers 1 to 9, the houses 1 to 9.
constexpr StoredText kPages[] = {
    {"Default", 35}, {"agua", 30},   {"terra2", 30}, {"madeira3", 32}, {"madeira4", 26},
    {"terra5", 28},  {"metal6", 33}, {"metal7", 32}, {"terra8", 32},   {"fogo", 32},
    {"c1", 29},      {"c2", 30},     {"c3", 30},     {"c4", 31},       {"c5", 35},
    {"c6", 31},      {"c7", 32},     {"c8", 35},     {"c9", 30},
};

// The comparison's texts: the five relations, then the three levels.
constexpr StoredText kFurther[] = {
    {"rel_mesmo", 26},  {"rel_nutre", 25},    {"rel_nutrido", 24},
    {"rel_domina", 24}, {"rel_dominado", 25}, {"niveis", 26},
};

// The entry of a page name, among the nineteen or the further texts.
const TextEntry& EntryNamed(const char* page_name) {
  const QString name = QString::fromUtf8(page_name);
  if (const TextEntry* further = FurtherText(name)) return *further;
  for (const TextEntry& entry : TextCatalogue()) {
    if (entry.page_name == name) return entry;
  }
  return TextCatalogue().at(0);
}

// The introduction has no key; number n is keyed "n" and house n "cn". A house's caption is its
// heading; a number's caption is its element, then the number.
TEST(text_catalogue_test, has_nineteen_entries_in_index_order) {
  const QList<TextEntry>& entries = TextCatalogue();
  ASSERT_EQ(entries.size(), 19);
  for (int i = 0; i < entries.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(entries[i].index, i);
    EXPECT_EQ(entries[i].page_name, QString::fromUtf8(kPages[i].page_name));
  }
  EXPECT_EQ(entries[0].page_key, QString());
  EXPECT_EQ(entries[0].heading, QStringLiteral("O VORELIM"));
  EXPECT_EQ(entries[0].caption, QStringLiteral("FAÇA SEU MAPA"));
  for (int n = 1; n <= 9; ++n) {
    SCOPED_TRACE(n);
    const TextEntry& number = entries[n];
    EXPECT_EQ(number.page_key, QString::number(n));
    EXPECT_EQ(number.caption, number.heading.mid(3) + QLatin1Char(' ') + QString::number(n));
    const TextEntry& house = entries[9 + n];
    EXPECT_EQ(house.page_key, QStringLiteral("c%1").arg(n));
    EXPECT_EQ(house.heading, QStringLiteral("CASA %1").arg(n));
    EXPECT_EQ(house.caption, house.heading);
  }
}

class text_form_test : public ::testing::TestWithParam<StoredText> {};

// Heading first (after one empty line for terra2 only), an empty line after it, paragraphs
// separated by single empty lines, at most two empty lines at the end, lines of at most 87
// characters, the exact number of stored lines.
TEST_P(text_form_test, keeps_the_stored_form) {
  const StoredText& expected = GetParam();
  const TextEntry& entry = EntryNamed(expected.page_name);
  ASSERT_EQ(entry.page_name, QString::fromUtf8(expected.page_name));
  const QStringList& lines = entry.lines;

  EXPECT_EQ(lines.size(), expected.stored_lines);
  const bool leading_empty = entry.page_name == QStringLiteral("terra2");
  const int heading_at = leading_empty ? 1 : 0;
  ASSERT_GT(lines.size(), heading_at + 2);
  if (leading_empty) {
    EXPECT_TRUE(lines[0].isEmpty());
  }
  EXPECT_EQ(lines[heading_at], entry.heading);
  EXPECT_TRUE(lines[heading_at + 1].isEmpty()) << "no empty line after the heading";
  EXPECT_FALSE(lines[heading_at + 2].trimmed().isEmpty()) << "text must start after one empty line";

  int last_text = lines.size() - 1;
  while (last_text > 0 && lines[last_text].isEmpty()) --last_text;
  EXPECT_LE(lines.size() - 1 - last_text, 2) << "more than two empty lines at the end";

  int paragraphs = 0;
  for (int i = 0; i < lines.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_LE(lines[i].size(), 87) << lines[i].toStdString();
    EXPECT_FALSE(lines[i].contains(QLatin1Char('\t')) || lines[i].contains(QLatin1Char('\r')));
    EXPECT_EQ(lines[i], lines[i].trimmed()) << "blanks around a line";
    if (i > heading_at + 1 && i <= last_text) {
      if (lines[i].isEmpty()) {
        EXPECT_FALSE(lines[i - 1].isEmpty()) << "paragraph break doubled";
      } else if (lines[i - 1].isEmpty()) {
        ++paragraphs;
      }
    }
  }
  EXPECT_GE(paragraphs, 3) << "a text of a few real paragraphs";
}

std::string PageNameOf(const ::testing::TestParamInfo<StoredText>& info) {
  return info.param.page_name;
}
INSTANTIATE_TEST_SUITE_P(all_texts, text_form_test, ::testing::ValuesIn(kPages), PageNameOf);
INSTANTIATE_TEST_SUITE_P(further_texts, text_form_test, ::testing::ValuesIn(kFurther), PageNameOf);

TEST(text_catalogue_test, number_texts_name_their_element) {
  const char* elements[] = {"ÁGUA",  "TERRA", "MADEIRA", "MADEIRA", "TERRA",
                            "METAL", "METAL", "TERRA",   "FOGO"};
  for (int number = 1; number <= 9; ++number) {
    const TextEntry& entry = TextCatalogue().at(number);
    EXPECT_TRUE(entry.heading.endsWith(QString::fromUtf8(elements[number - 1])))
        << entry.heading.toStdString();
    EXPECT_TRUE(entry.heading.startsWith(QStringLiteral("%1: ").arg(number)));
  }
}

TEST(text_catalogue_test, introduction_lists_seven_points_with_the_double_click_hint) {
  const QString text = TextCatalogue().at(0).lines.join(QLatin1Char(' '));
  for (int point = 1; point <= 7; ++point) {
    const qsizetype at = text.indexOf(QStringLiteral(" %1. ").arg(point));
    ASSERT_GE(at, 0) << "point " << point;
    const qsizetype next = point < 7 ? text.indexOf(QStringLiteral(" %1. ").arg(point + 1)) : -1;
    const QString body = text.mid(at, next < 0 ? -1 : next - at);
    EXPECT_TRUE(body.contains(QStringLiteral("duplo clique"))) << "point " << point;
  }
}

struct KeyRow {
  const char* name;
  const char* key;
  int index;
};

TEST(text_catalogue_test, page_keys_are_compared_exactly) {
  const KeyRow rows[] = {
      {"number 1", "1", 1},     {"number 9", "9", 9},
      {"house 1", "c1", 10},    {"house 9", "c9", 18},
      {"zero", "0", 0},         {"empty", "", 0},
      {"ten", "10", 0},         {"capital house", "C1", 0},
      {"house ten", "c10", 0},  {"leading zero", "01", 0},
      {"blank after", "1 ", 0}, {"blank before", " 1", 0},
      {"page name", "agua", 0}, {"introduction name", "Default", 0},
      {"bare c", "c", 0},       {"house zero", "c0", 0},
  };
  for (const KeyRow& row : rows) {
    EXPECT_EQ(PageIndexForKey(QString::fromUtf8(row.key)), row.index) << row.name;
  }
}

TEST(text_catalogue_test, split_stored_lines) {
  EXPECT_EQ(SplitStoredLines(QStringLiteral("a\n\nb\n")), (QStringList{"a", "", "b"}));
  EXPECT_EQ(SplitStoredLines(QStringLiteral("a\r\nb")), (QStringList{"a", "b"}));
  EXPECT_EQ(SplitStoredLines(QStringLiteral("\na\n\n")), (QStringList{"", "a", ""}));
  EXPECT_TRUE(SplitStoredLines(QString()).isEmpty());
}

}  // namespace
}  // namespace vorelim
