#include "chart/chart_search.h"

#include <algorithm>

#include "chart/chart_file.h"
#include "chart/windows1252.h"

namespace vorelim {
namespace {

// The folded form of U+00C0..U+00FF, index 0 for U+00C0; empty where the character stays
// (the signs of multiplication and division).
constexpr std::string_view kLatin1Folds[64] = {
    "a", "a", "a", "a", "a", "a", "ae", "c", "e", "e", "e", "e", "i", "i", "i",  "i",   // C0..CF
    "d", "n", "o", "o", "o", "o", "o",  "",  "o", "u", "u", "u", "u", "y", "th", "ss",  // D0..DF
    "a", "a", "a", "a", "a", "a", "ae", "c", "e", "e", "e", "e", "i", "i", "i",  "i",   // E0..EF
    "d", "n", "o", "o", "o", "o", "o",  "",  "o", "u", "u", "u", "u", "y", "th", "y",   // F0..FF
};

// The folded form of a code point of two or more UTF-8 bytes; empty when it stays.
std::string_view FoldOf(char32_t cp) {
  if (cp >= 0xC0 && cp <= 0xFF) return kLatin1Folds[cp - 0xC0];
  switch (cp) {
    case 0x0152:  // OE
    case 0x0153:
      return "oe";
    case 0x0160:  // S caron
    case 0x0161:
      return "s";
    case 0x017D:  // Z caron
    case 0x017E:
      return "z";
    case 0x0178:  // Y diaeresis
      return "y";
    default:
      return {};
  }
}

char32_t CodePointOf(std::string_view sequence) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(sequence[i]); };
  switch (sequence.size()) {
    case 2:
      return ((byte(0) & 0x1Fu) << 6) | (byte(1) & 0x3Fu);
    case 3:
      return ((byte(0) & 0x0Fu) << 12) | ((byte(1) & 0x3Fu) << 6) | (byte(2) & 0x3Fu);
    default:
      return 0;
  }
}

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}
bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v';
}
bool IsDateSeparator(char c) {
  return c == '/' || c == '-' || c == '.';
}

// A number text without its leading zeros ("05" -> "5", "0" stays); any other text as it is.
std::string_view WithoutLeadingZeros(std::string_view text) {
  if (text.empty() || !std::all_of(text.begin(), text.end(), IsDigit)) return text;
  const std::size_t first = text.find_first_not_of('0');
  return first == std::string_view::npos ? text.substr(text.size() - 1) : text.substr(first);
}

// The "/d/m/y/" form of a date word: its parts without leading zeros, between slashes; nothing
// (an empty text) when the word is not made of digits and separators or has an empty part.
std::string DateForm(std::string_view word) {
  if (!std::all_of(word.begin(), word.end(),
                   [](char c) { return IsDigit(c) || IsDateSeparator(c); }) ||
      !std::any_of(word.begin(), word.end(), IsDigit)) {
    return {};
  }
  // Separators at either end are a date still being typed ("15/").
  while (!word.empty() && IsDateSeparator(word.front())) word.remove_prefix(1);
  while (!word.empty() && IsDateSeparator(word.back())) word.remove_suffix(1);
  std::string form = "/";
  std::size_t start = 0;
  while (start <= word.size()) {
    std::size_t end = start;
    while (end < word.size() && !IsDateSeparator(word[end])) ++end;
    if (end == start) return {};  // "15//1975"
    const std::string_view part = WithoutLeadingZeros(word.substr(start, end - start));
    form.append(part.data(), part.size());
    form += '/';
    start = end + 1;
  }
  return form;
}

char DigitOf(std::string_view field) {
  return field.size() == 1 && field[0] >= '1' && field[0] <= '9' ? field[0] : 0;
}

}  // namespace

std::string FoldForSearch(std::string_view utf8) {
  std::string folded;
  folded.reserve(utf8.size());
  for (std::size_t at = 0; at < utf8.size();) {
    const char c = utf8[at];
    if (static_cast<unsigned char>(c) < 0x80) {
      folded += c >= 'A' && c <= 'Z' ? static_cast<char>(c + ('a' - 'A')) : c;
      ++at;
      continue;
    }
    const std::size_t length = Utf8SequenceLength(utf8.substr(at));
    if (length == 0) {  // a byte that starts no character stays as it is
      folded += c;
      ++at;
      continue;
    }
    const std::string_view sequence = utf8.substr(at, length);
    const std::string_view fold = FoldOf(CodePointOf(sequence));
    const std::string_view out = fold.empty() ? sequence : fold;
    folded.append(out.data(), out.size());
    at += length;
  }
  return folded;
}

SearchFields SearchFieldsOf(const ChartRecord& record, std::string_view file_name) {
  SearchFields fields;
  fields.names = FoldForSearch(record.Name());
  fields.names += '\n';
  fields.names += FoldForSearch(ChartNameFromPath(file_name));
  fields.date.push_back('/');
  for (ChartField part : {ChartField::BirthDay, ChartField::BirthMonth, ChartField::BirthYear}) {
    fields.date += FoldForSearch(WithoutLeadingZeros(record.Text(part)));
    fields.date += '/';
  }
  fields.personality = DigitOf(record.Raw(ChartField::Personality));
  fields.control = DigitOf(record.Raw(ChartField::Control));
  fields.tendency = DigitOf(record.Raw(ChartField::Tendency));
  return fields;
}

ChartQuery::ChartQuery(std::string_view utf8) {
  std::size_t at = 0;
  while (at < utf8.size()) {
    while (at < utf8.size() && IsBlank(utf8[at])) ++at;
    std::size_t end = at;
    while (end < utf8.size() && !IsBlank(utf8[end])) ++end;
    const std::string_view word = utf8.substr(at, end - at);
    at = end;
    if (word.empty()) continue;
    if (word.size() == 2 && word[1] >= '1' && word[1] <= '9') {
      const char letter = static_cast<char>(word[0] | 0x20);
      const Kind kind = letter == 'p'   ? Kind::Personality
                        : letter == 'c' ? Kind::Control
                        : letter == 't' ? Kind::Tendency
                                        : Kind::Name;
      if (kind != Kind::Name) {
        words_.push_back({kind, std::string(1, word[1])});
        continue;
      }
    }
    if (std::all_of(word.begin(), word.end(),
                    [](char c) { return IsDigit(c) || IsDateSeparator(c); })) {
      std::string date = DateForm(word);
      // Separators alone narrow nothing.
      if (!date.empty()) words_.push_back({Kind::Date, std::move(date)});
      continue;
    }
    words_.push_back({Kind::Name, FoldForSearch(word)});
  }
}

bool ChartQuery::Matches(const SearchFields& chart) const {
  for (const Word& word : words_) {
    bool match = false;
    switch (word.kind) {
      case Kind::Name:
        match = chart.names.find(word.text) != std::string::npos;
        break;
      case Kind::Date:
        match = chart.date.find(word.text) != std::string::npos;
        break;
      case Kind::Personality:
        match = chart.personality == word.text[0];
        break;
      case Kind::Control:
        match = chart.control == word.text[0];
        break;
      case Kind::Tendency:
        match = chart.tendency == word.text[0];
        break;
    }
    if (!match) return false;
  }
  return true;
}

}  // namespace vorelim
