// Fuzz target: any bytes of any length as a chart file. The reader takes the first 66 bytes (a
// short file fills only the start of the record); then every accessor runs, and the chart
// window's texts, transits and element drawing are computed from the record through the functions
// the window calls when it loads the chart and when "OK" is pressed.
//
// Bytes past the 66th are ignored by the reader; the target uses them as the transit year typed
// in the window (4 bytes), the drawing surface's size (2 bytes) and a raw year for the
// calculation (4 bytes), so one input covers a file and what the user does with it.

#include <QImage>
#include <QPainter>
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <string>
#include <string_view>

#include "chart/chart_file.h"
#include "chart/chart_record.h"
#include "chart/chart_rules.h"
#include "chart/numerology.h"
#include "chart/text_number.h"
#include "chart/transit_texts.h"
#include "chart/windows1252.h"
#include "chartview/chart_geometry.h"
#include "chartview/chart_picture.h"
#include "fuzz_check.h"
#include "scratch_files.h"
#include "utf8_check.h"

namespace {

using vorelim::ChartField;
using vorelim::ChartRecord;

constexpr std::array<ChartField, 7> kFields = {
    ChartField::Name,        ChartField::BirthDay, ChartField::BirthMonth, ChartField::BirthYear,
    ChartField::Personality, ChartField::Control,  ChartField::Tendency};

bool IsUndefinedWindows1252(unsigned char byte) {
  return byte == 0x81 || byte == 0x8D || byte == 0x8F || byte == 0x90 || byte == 0x9D;
}

bool IsHouse(const std::string& text) {
  return text.size() == 1 && text[0] >= '1' && text[0] <= '9';
}

ChartRecord ReadThroughFile(const std::uint8_t* data, std::size_t size, const ChartRecord& before) {
  // One folder per process for the file the reader opens.
  const std::filesystem::path& folder = vorelim::fuzz::ScratchFolder("vorelim-fuzz");
  const std::filesystem::path file = folder / "FUZZ.NUM";
  vorelim::fuzz::WriteWholeFile(file, {reinterpret_cast<const char*>(data), size});

  ChartRecord record = before;
  const vorelim::ReadResult by_name = vorelim::ReadChartFile("FUZZ", record, folder);
  const std::size_t taken = std::min(size, vorelim::kChartRecordSize);
  FUZZ_CHECK(by_name.bytes_read == taken);
  FUZZ_CHECK(by_name.status == (size >= vorelim::kChartRecordSize ? vorelim::ReadStatus::Whole
                                                                  : vorelim::ReadStatus::Short));
  // The file's bytes fill the start of the record; the rest keeps what it held.
  FUZZ_CHECK(taken == 0 || std::memcmp(record.bytes().data(), data, taken) == 0);
  FUZZ_CHECK(std::equal(record.bytes().begin() + taken, record.bytes().end(),
                        before.bytes().begin() + taken));

  ChartRecord by_path = before;
  FUZZ_CHECK(vorelim::ReadChartPath(file, by_path).bytes_read == taken);
  FUZZ_CHECK(by_path == record);
  return record;
}

void CheckAccessors(const ChartRecord& record) {
  for (ChartField field : kFields) {
    const vorelim::FieldLayout layout = vorelim::LayoutOf(field);
    const std::string_view raw = record.Raw(field);
    FUZZ_CHECK(raw.size() <= layout.capacity);
    FUZZ_CHECK(raw.data() ==
               reinterpret_cast<const char*>(record.bytes().data()) + layout.offset + 1);
    FUZZ_CHECK(record.LengthInRange(field) == (record.bytes()[layout.offset] <= layout.capacity));
    const std::string text = record.Text(field);
    FUZZ_CHECK(vorelim::fuzz::IsValidUtf8(text));

    // Storing the shown text again gives back the stored bytes, unless they hold one of the five
    // bytes the code page leaves undefined (shown as U+FFFD, which has no byte).
    const bool undefined = std::any_of(raw.begin(), raw.end(), [](char c) {
      return IsUndefinedWindows1252(static_cast<unsigned char>(c));
    });
    ChartRecord copy = record;
    const vorelim::SetTextError error = copy.SetText(field, text);
    if (undefined) {
      FUZZ_CHECK(error == vorelim::SetTextError::NotWindows1252);
      FUZZ_CHECK(copy == record);
    } else {
      FUZZ_CHECK(error == vorelim::SetTextError::None);
      FUZZ_CHECK(copy.Raw(field) == raw);
    }
  }
  const vorelim::ElementMarks marks = record.Elements();
  for (int row = 1; row <= 9; ++row) {
    for (int column = 0; column < 3; ++column) {
      FUZZ_CHECK(record.Element(row, column) == marks[3 * (row - 1) + column]);
    }
  }
  FUZZ_CHECK(record.Element(0, 0) == 0 && record.Element(10, 0) == 0 && record.Element(1, 3) == 0 &&
             record.Element(1, -1) == 0);
  if (record.LooksLikeChart()) {
    for (ChartField field : {ChartField::Personality, ChartField::Control, ChartField::Tendency}) {
      FUZZ_CHECK(IsHouse(record.Text(field)));
    }
  }
}

// What the chart window computes on "OK" and the printout prints: the transits of the year in its
// box (the era number, the year's and the months' houses) and the grid texts.
void CheckTransits(const ChartRecord& record, const std::string& year_box) {
  const int born = vorelim::ReadTextNumber(record.BirthYear());
  FUZZ_CHECK(born >= 0 && born <= 9999);
  const int typed = vorelim::ReadTextNumber(year_box);
  FUZZ_CHECK(typed >= 0 && typed <= 9999);
  const vorelim::ChartTransits transits = vorelim::TransitsForYear(record, year_box);
  FUZZ_CHECK(transits.clamped_to_birth_year == (typed < born));
  FUZZ_CHECK(transits.year_text == (typed < born ? record.BirthYear() : year_box));
  FUZZ_CHECK(transits.year == std::max(typed, born));
  FUZZ_CHECK(IsHouse(transits.era));
  const std::array<std::string, 3> years = vorelim::YearTransits(
      transits.year_text, record.BirthDay(), record.BirthMonth(), record.BirthYear());
  for (const std::string& house : years) FUZZ_CHECK(IsHouse(house));
  FUZZ_CHECK(years[1][0] == (years[0][0] == '9' ? '1' : years[0][0] + 1));
  FUZZ_CHECK(transits.year_number == years[1]);
  for (const std::string& house : transits.month_numbers) FUZZ_CHECK(IsHouse(house));
  const vorelim::TransitCells cells =
      vorelim::TransitCellTexts(transits.year_text, transits.year_number, transits.month_numbers);
  FUZZ_CHECK(cells[0][0].find(transits.year_text) != std::string::npos);
  FUZZ_CHECK(cells[1][0].find(transits.year_number) != std::string::npos);
  for (int month = 0; month < 12; ++month) {
    const std::string& cell = cells[month < 6 ? 1 : 3][2 + month % 6];
    FUZZ_CHECK(!cell.empty() && cell.back() == transits.month_numbers[month][0]);
  }
  FUZZ_CHECK(vorelim::FirstDigitValue(record.Personality()) >= 0 &&
             vorelim::FirstDigitValue(record.Personality()) <= 9);
}

// The calculation is valid for any int year, whatever the record's number texts hold.
void CheckAnyYear(const ChartRecord& record, int transit_year, int birth_year) {
  FUZZ_CHECK(IsHouse(vorelim::EraNumber(record.Personality(), transit_year, birth_year)));
  for (int house : vorelim::MonthTransits(transit_year, record.Personality())) {
    FUZZ_CHECK(house >= 1 && house <= 9);
  }
  FUZZ_CHECK(vorelim::Cyc(transit_year) >= 1 && vorelim::Cyc(transit_year) <= 9);
}

// The largest surface the input can ask for (bytes 0..255 give 1..511 pixels), allocated once:
// each input paints into its top-left w × h corner, clipped to it, as onto a surface of that size.
constexpr int kLargestSide = 511;

void Draw(const ChartRecord& record, int w, int h) {
  static QImage surface(kLargestSide, kLargestSide, QImage::Format_RGB32);
  QPainter painter(&surface);
  painter.setClipRect(0, 0, w, h);
  painter.fillRect(0, 0, w, h, Qt::white);
  vorelim::DrawRingsAndStar(painter, record.Elements(), w, h, 1);
  painter.end();
  for (int number = 1; number <= 9; ++number) {
    vorelim::Element element;
    FUZZ_CHECK(vorelim::ElementOfNumber(number, element));
    for (int ring = 1; ring <= 3; ++ring) {
      const vorelim::PixelRect rect = vorelim::RingRect(element, ring, w, h);
      FUZZ_CHECK(rect.x1 <= rect.x2 && rect.y1 <= rect.y2);
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // A record that already holds something, as when a window loads a second file.
  ChartRecord before;
  for (std::size_t i = 0; i < before.bytes().size(); ++i) {
    before.bytes()[i] = static_cast<std::uint8_t>(0xA5 ^ i);
  }
  const ChartRecord record = ReadThroughFile(data, size, before);
  CheckAccessors(record);

  const std::uint8_t* extra = data + std::min(size, vorelim::kChartRecordSize);
  std::size_t extra_size = size > vorelim::kChartRecordSize ? size - vorelim::kChartRecordSize : 0;
  const auto take = [&](std::size_t count) {
    const std::size_t n = std::min(count, extra_size);
    std::string bytes(reinterpret_cast<const char*>(extra), n);
    extra += n;
    extra_size -= n;
    return bytes;
  };
  // The year box holds at most 4 characters; without extra bytes, the current year.
  std::string year_text = take(4);
  if (year_text.empty()) year_text = "2026";
  CheckTransits(record, year_text);

  const std::string size_bytes = take(2);
  const int w = size_bytes.size() > 0 ? 1 + static_cast<unsigned char>(size_bytes[0]) * 2 : 361;
  const int h = size_bytes.size() > 1 ? 1 + static_cast<unsigned char>(size_bytes[1]) * 2 : 281;
  Draw(record, w, h);

  const std::string year_bytes = take(8);
  if (year_bytes.size() == 8) {
    std::int32_t years[2];
    std::memcpy(years, year_bytes.data(), sizeof years);
    CheckAnyYear(record, years[0], years[1]);
  }
  return 0;
}
