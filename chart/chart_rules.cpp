#include "chart/chart_rules.h"

#include <charconv>

#include "chart/numerology.h"
#include "chart/text_number.h"

namespace vorelim {
namespace {

bool IsAsciiSpace(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// The whole text as an int, blanks around it allowed and a sign in front; false for anything
// else, an empty text and a value outside int.
bool ParseWholeInt(std::string_view text, int& value) {
  while (!text.empty() && IsAsciiSpace(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsAsciiSpace(text.back())) text.remove_suffix(1);
  if (text.size() > 1 && text.front() == '+' && text[1] != '-') text.remove_prefix(1);
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  return !text.empty() && error == std::errc() && end == text.data() + text.size();
}

// The first `count` characters of a UTF-8 text; a character is never cut in two.
std::string_view FirstCharacters(std::string_view utf8, std::size_t count) {
  std::size_t end = 0;
  for (std::size_t taken = 0; end < utf8.size() && taken < count; ++taken) {
    ++end;
    while (end < utf8.size() && (static_cast<unsigned char>(utf8[end]) & 0xC0) == 0x80) ++end;
  }
  return utf8.substr(0, end);
}

std::string FirstCharacter(std::string_view text) {
  return std::string(text.substr(0, 1));
}

}  // namespace

int BirthYearFromText(std::string_view text, int two_digit_current_year) {
  int year = 0;
  if (!ParseWholeInt(text, year) || year < 1 || year < two_digit_current_year) {
    return kDefaultBirthYear;
  }
  return year;
}

ChartRecord NewChartRecord(std::string_view name, int day, int month, std::string_view year_text,
                           int two_digit_current_year) {
  const int year = BirthYearFromText(year_text, two_digit_current_year);
  ChartRecord record;
  CalcChart(record, day, month, year);
  record.SetText(ChartField::Name, name);
  record.SetRaw(ChartField::BirthDay, std::to_string(day));
  record.SetRaw(ChartField::BirthMonth, std::to_string(month));
  record.SetRaw(ChartField::BirthYear, std::to_string(year));
  return record;
}

ChartTransits TransitsForYear(const ChartRecord& record, std::string_view year_box_text) {
  const std::string personality = record.Personality();
  const std::string birth_year = record.BirthYear();
  const int born = ReadTextNumber(birth_year);

  ChartTransits transits;
  transits.year_text = std::string(FirstCharacters(year_box_text, 4));
  transits.year = ReadTextNumber(transits.year_text);
  if (transits.year < born) {
    transits.year = born;
    transits.year_text = birth_year;
    transits.clamped_to_birth_year = true;
  }
  transits.era = FirstCharacter(EraNumber(personality, transits.year, born));
  transits.year_number = FirstCharacter(
      YearTransits(transits.year_text, record.BirthDay(), record.BirthMonth(), birth_year)[1]);
  const std::array<int, 12> months = MonthTransits(transits.year, personality);
  for (std::size_t i = 0; i < months.size(); ++i) {
    transits.month_numbers[i] = FirstCharacter(std::to_string(months[i]));
  }
  return transits;
}

}  // namespace vorelim
