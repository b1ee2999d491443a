#include "chart/chart_record.h"

#include <algorithm>
#include <optional>

#include "chart/windows1252.h"

namespace vorelim {

FieldLayout LayoutOf(ChartField field) {
  switch (field) {
    case ChartField::Name:
      return {0, kChartNameLength};
    case ChartField::BirthDay:
      return {16, 2};
    case ChartField::BirthMonth:
      return {19, 8};
    case ChartField::BirthYear:
      return {28, 4};
    case ChartField::Personality:
      return {33, 1};
    case ChartField::Control:
      return {35, 1};
    case ChartField::Tendency:
      return {37, 1};
  }
  return {0, 0};
}

std::string_view ChartRecord::Raw(ChartField field) const {
  const FieldLayout layout = LayoutOf(field);
  const std::size_t length = std::min<std::size_t>(bytes_[layout.offset], layout.capacity);
  return {reinterpret_cast<const char*>(bytes_.data() + layout.offset + 1), length};
}

std::string ChartRecord::Text(ChartField field) const {
  return DecodeWindows1252(Raw(field));
}

bool ChartRecord::LengthInRange(ChartField field) const {
  const FieldLayout layout = LayoutOf(field);
  return bytes_[layout.offset] <= layout.capacity;
}

void ChartRecord::SetRaw(ChartField field, std::string_view cp1252) {
  const FieldLayout layout = LayoutOf(field);
  const std::size_t length = std::min(cp1252.size(), layout.capacity);
  std::uint8_t* out = bytes_.data() + layout.offset;
  out[0] = static_cast<std::uint8_t>(length);
  std::copy_n(cp1252.data(), length, out + 1);
  std::fill(out + 1 + length, out + 1 + layout.capacity, std::uint8_t{0});
}

SetTextError ChartRecord::SetText(ChartField field, std::string_view utf8) {
  std::optional<std::string> encoded = EncodeWindows1252(utf8);
  if (!encoded) return SetTextError::NotWindows1252;
  if (encoded->size() > LayoutOf(field).capacity) return SetTextError::TooLong;
  SetRaw(field, *encoded);
  return SetTextError::None;
}

ElementMarks ChartRecord::Elements() const {
  ElementMarks marks;
  std::copy_n(bytes_.data() + kElementsOffset, kElementCount, marks.begin());
  return marks;
}

void ChartRecord::SetElements(const ElementMarks& marks) {
  std::copy(marks.begin(), marks.end(), bytes_.begin() + kElementsOffset);
}

std::uint8_t ChartRecord::Element(int row, int column) const {
  if (row < 1 || row > 9 || column < 0 || column > 2) return 0;
  return bytes_[kElementsOffset + 3 * static_cast<std::size_t>(row - 1) + column];
}

bool ChartRecord::LooksLikeChart() const {
  for (ChartField field :
       {ChartField::Name, ChartField::BirthDay, ChartField::BirthMonth, ChartField::BirthYear}) {
    if (!LengthInRange(field)) return false;
  }
  for (ChartField field : {ChartField::Personality, ChartField::Control, ChartField::Tendency}) {
    const std::size_t offset = LayoutOf(field).offset;
    if (bytes_[offset] != 1 || bytes_[offset + 1] < '1' || bytes_[offset + 1] > '9') return false;
  }
  return true;
}

}  // namespace vorelim
