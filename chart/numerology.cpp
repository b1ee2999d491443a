#include "chart/numerology.h"

#include <algorithm>

#include "chart/text_number.h"

namespace vorelim {
namespace {

// One row of the solar month table: the solar month starts on (from_day, from_month) and ends on
// (to_day, to_month).
struct SolarMonth {
  int from_month, from_day, to_month, to_day;
};

constexpr SolarMonth kSolarMonths[12] = {
    {2, 4, 3, 5}, {3, 6, 4, 4},  {4, 5, 5, 5},   {5, 6, 6, 5},   {6, 6, 7, 7},  {7, 8, 8, 7},
    {8, 8, 9, 7}, {9, 8, 10, 8}, {10, 9, 11, 7}, {11, 8, 12, 7}, {12, 8, 1, 5}, {1, 6, 2, 3},
};

// Control number of solar month 1 for the personality columns 1-4-7, 2-5-8 and 3-6-9; each later
// solar month is one step lower.
constexpr int kFirstControl[3] = {8, 2, 5};

// Every calendar month holds the end of one solar month and the start of the next, and the start
// day is always the end day plus one, so a date of month m lies in solar month kEndingIn[m] when
// its day is at most kEndDay[m], and in the following solar month otherwise. Built from the table
// so that the table stays the one statement of the rule.
struct MonthSplit {
  int end_day[13];
  int ending_row[13];  // 0-based row of the solar month that ends in this calendar month
};

constexpr MonthSplit MakeMonthSplit() {
  MonthSplit split{};
  for (int row = 0; row < 12; ++row) {
    split.end_day[kSolarMonths[row].to_month] = kSolarMonths[row].to_day;
    split.ending_row[kSolarMonths[row].to_month] = row;
  }
  return split;
}

constexpr MonthSplit kMonthSplit = MakeMonthSplit();

static_assert([] {
  for (int row = 0; row < 12; ++row) {
    const SolarMonth& next = kSolarMonths[(row + 1) % 12];
    if (next.from_month != kSolarMonths[row].to_month) return false;
    if (next.from_day != kSolarMonths[row].to_day + 1) return false;
  }
  return true;
}());

// Column of the solar month table for a personality: 0 for 1, 4, 7; 1 for 2, 5, 8; 2 for 3, 6, 9.
// Any int is accepted, read cyclically like the numbers themselves.
constexpr int ColumnOf(int personality) {
  const int r = personality % 3;  // -2..2, so nothing overflows
  return ((r - 1) % 3 + 3) % 3;
}

inline bool BeforeSolarYear(long long day, long long month) {
  return (month == 1 && day <= 31) || (month == 2 && day <= 3);
}

// The first decimal digit of a number, as MarkElements reads it from the number's text; 0 for
// zero and for negative numbers, whose text starts with '-'.
constexpr int LeadingDigit(int number) {
  if (number <= 0) return 0;
  while (number >= 10) number /= 10;
  return number;
}

// Rows (1..9) marked by each leading digit 1..9: the number's own element, the element it
// overcomes and the element that overcomes it.
constexpr int kMarkRows[10][3] = {
    {0, 0, 0},  // 0 marks nothing
    {1, 9, 8},  // 1 water
    {2, 3, 1},  // 2 earth
    {3, 2, 6},  // 3 wood
    {3, 2, 6},  // 4 wood
    {2, 3, 1},  // 5 earth
    {6, 4, 9},  // 6 metal
    {6, 4, 9},  // 7 metal
    {2, 3, 1},  // 8 earth
    {9, 1, 6},  // 9 fire
};

// The marks of three numbers: each number's group adds one mark to each of its rows, and a row
// holds its marks as ones from the left.
constexpr ElementMarks ComputeMarks(int personality, int control, int tendency) {
  int marks_per_row[10] = {};
  for (int number : {personality, control, tendency}) {
    const int digit = LeadingDigit(number);
    if (digit == 0) continue;
    for (int row : kMarkRows[digit]) ++marks_per_row[row];
  }
  ElementMarks elements{};
  for (int row = 1; row <= 9; ++row) {
    for (int k = 0; k < marks_per_row[row]; ++k) elements[3 * (row - 1) + k] = 1;
  }
  return elements;
}

// The marks of every combination of numbers 0..9, so that making a chart copies one entry instead
// of counting marks (27 KB).
struct MarkTable {
  ElementMarks marks[10][10][10];
};

constexpr MarkTable MakeMarkTable() {
  MarkTable table{};
  for (int p = 0; p < 10; ++p) {
    for (int c = 0; c < 10; ++c) {
      for (int t = 0; t < 10; ++t) table.marks[p][c][t] = ComputeMarks(p, c, t);
    }
  }
  return table;
}

constexpr MarkTable kMarkTable = MakeMarkTable();

// Stores a number 0..9 as a one-character short string at the field's offset.
inline void SetDigit(ChartRecord& record, std::size_t offset, int value) {
  record.bytes()[offset] = 1;
  record.bytes()[offset + 1] = static_cast<std::uint8_t>('0' + value);
}

// 1..9 repeated: kCycle[i] = cyc(i + 1), long enough for twelve months from any house 1..9.
constexpr std::array<int, 28> kCycle = [] {
  std::array<int, 28> cycle{};
  for (int i = 0; i < 28; ++i) cycle[i] = i % 9 + 1;
  return cycle;
}();

std::string DigitText(int value) {
  return std::string(1, static_cast<char>('0' + value));
}

// Floor division by 9, for negative numerators too.
inline long long FloorDiv9(long long n) {
  return n >= 0 ? n / 9 : -((-n + 8) / 9);
}

}  // namespace

int Cyc(long long x) {
  // x % 9 lies in -8..8, so nothing below can overflow, even for the extreme values of x.
  const long long r = x % 9;
  return static_cast<int>(((r - 1) % 9 + 9) % 9 + 1);
}

int PersonalityNumber(int day, int month, int year) {
  int p = Cyc(1937LL - year);
  if (BeforeSolarYear(day, month)) p = Cyc(p + 1);
  return p;
}

int ControlNumber(int personality, int day, int month) {
  if (month < 1 || month > 12) return 0;
  int row = kMonthSplit.ending_row[month];
  if (day > kMonthSplit.end_day[month]) row = (row + 1) % 12;
  return Cyc(static_cast<long long>(kFirstControl[ColumnOf(personality)]) - row);
}

int TendencyNumber(int personality, int control) {
  if (control == 0) return 0;
  return Cyc(static_cast<long long>(personality) - control + 5);
}

std::array<std::uint8_t, 27> MarkElements(int personality, int control, int tendency) {
  const auto in_table = [](int n) { return n >= 0 && n <= 9; };
  if (in_table(personality) && in_table(control) && in_table(tendency)) {
    return kMarkTable.marks[personality][control][tendency];
  }
  return ComputeMarks(personality, control, tendency);
}

void CalcChart(ChartRecord& record, int day, int month, int year) {
  const int personality = PersonalityNumber(day, month, year);
  const int control = ControlNumber(personality, day, month);
  const int tendency = TendencyNumber(personality, control);
  SetDigit(record, LayoutOf(ChartField::Personality).offset, personality);
  SetDigit(record, LayoutOf(ChartField::Control).offset, control);
  SetDigit(record, LayoutOf(ChartField::Tendency).offset, tendency);
  record.SetElements(MarkElements(personality, control, tendency));
}

std::string EraNumber(std::string_view personality, int transit_year, int birth_year) {
  const long long years = static_cast<long long>(transit_year) - birth_year;
  return DigitText(Cyc(FirstDigitValue(personality) + FloorDiv9(years)));
}

std::array<std::string, 3> YearTransits(std::string_view transit_year, std::string_view day,
                                        std::string_view month, std::string_view birth_year) {
  const auto read = [](std::string_view text) {
    return static_cast<long long>(ReadTextNumber(text.substr(0, 4)));
  };
  const long long t = read(transit_year);
  const long long b = read(birth_year);
  // House 5 in the birth year, one step up each year; one more for a birth before 4 February.
  const long long base = 5 + (t - b) + (BeforeSolarYear(read(day), read(month)) ? 1 : 0);
  return {DigitText(Cyc(base - 1)), DigitText(Cyc(base)), DigitText(Cyc(base + 1))};
}

std::array<int, 12> MonthTransits(int transit_year, std::string_view personality) {
  // On day 12 of month i the date lies in the solar month that starts in month i. From February on
  // that is solar month i - 1 of the solar year starting in the transit year; each solar month
  // lowers the control by one and so raises the house by one. January belongs to the last solar
  // month of the previous solar year, which comes out one house below February.
  const int february_personality = PersonalityNumber(12, 2, transit_year);
  const int february_control = kFirstControl[ColumnOf(february_personality)];
  const int february_house = TendencyNumber(FirstDigitValue(personality), february_control);
  // January is cyc(february_house - 1), that is kCycle[february_house + 7].
  std::array<int, 12> houses;
  std::copy_n(kCycle.begin() + february_house + 7, 12, houses.begin());
  return houses;
}

}  // namespace vorelim
