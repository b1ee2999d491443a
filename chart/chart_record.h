#pragma once
// The 66-byte chart record: short strings (a length byte, then Windows-1252 characters) followed by
// the 9 x 3 element marks. The bytes are the file format; accessors convert to and from UTF-8.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace vorelim {

inline constexpr std::size_t kChartRecordSize = 66;
/// The most characters a chart name has: the capacity of the record's name field, and so the
/// length of the dialog's name box and of a name taken from a file's name.
inline constexpr std::size_t kChartNameLength = 15;
inline constexpr std::size_t kElementsOffset = 39;
inline constexpr std::size_t kElementCount = 27;

/// The short-string fields of a chart record, in file order.
enum class ChartField { Name, BirthDay, BirthMonth, BirthYear, Personality, Control, Tendency };

/// Where a short-string field lives: offset of its length byte and its capacity in characters.
struct FieldLayout {
  std::size_t offset;
  std::size_t capacity;
};

/// Layout of each field: Name 0/15, BirthDay 16/2, BirthMonth 19/8, BirthYear 28/4,
/// Personality 33/1, Control 35/1, Tendency 37/1.
FieldLayout LayoutOf(ChartField field);

using ElementMarks = std::array<std::uint8_t, kElementCount>;

/// Why a text could not be stored in a field.
enum class SetTextError { None, TooLong, NotWindows1252 };

class ChartRecord {
 public:
  /// A record of zero bytes: every field empty, no marks.
  ChartRecord() = default;
  explicit ChartRecord(const std::array<std::uint8_t, kChartRecordSize>& bytes) : bytes_(bytes) {}

  const std::array<std::uint8_t, kChartRecordSize>& bytes() const { return bytes_; }
  std::array<std::uint8_t, kChartRecordSize>& bytes() { return bytes_; }

  /// The stored Windows-1252 characters of a field. A length byte above the capacity is clamped
  /// to it, so a reader never looks past the field.
  std::string_view Raw(ChartField field) const;
  /// The field as UTF-8 text.
  std::string Text(ChartField field) const;
  /// True when the field's length byte is within its capacity.
  bool LengthInRange(ChartField field) const;

  /// Stores Windows-1252 bytes, cut to the capacity; bytes past the length become zero.
  void SetRaw(ChartField field, std::string_view cp1252);
  /// Stores UTF-8 text. Refuses (and changes nothing) when the text is longer than the capacity
  /// or has a character outside Windows-1252.
  SetTextError SetText(ChartField field, std::string_view utf8);

  std::string Name() const { return Text(ChartField::Name); }
  std::string BirthDay() const { return Text(ChartField::BirthDay); }
  std::string BirthMonth() const { return Text(ChartField::BirthMonth); }
  std::string BirthYear() const { return Text(ChartField::BirthYear); }
  std::string Personality() const { return Text(ChartField::Personality); }
  std::string Control() const { return Text(ChartField::Control); }
  std::string Tendency() const { return Text(ChartField::Tendency); }
  /// The birth date as the chart window, its printout, the register and the comparison write it:
  /// day/month/year as stored ("15/6/1975").
  std::string BirthDate() const { return BirthDay() + "/" + BirthMonth() + "/" + BirthYear(); }

  /// The 27 mark bytes, row 1 first (row r at index 3 * (r - 1)).
  ElementMarks Elements() const;
  void SetElements(const ElementMarks& marks);
  /// The mark byte of row 1..9, column 0..2.
  std::uint8_t Element(int row, int column) const;

  /// True when the record holds what the program writes: every length within capacity and the
  /// three numbers one digit from 1 to 9. Used to warn about files that are not charts.
  bool LooksLikeChart() const;

  friend bool operator==(const ChartRecord&, const ChartRecord&) = default;

 private:
  std::array<std::uint8_t, kChartRecordSize> bytes_{};
};

}  // namespace vorelim
