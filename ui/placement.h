#pragma once
// A window's placement table: each control's designed name and its rectangle in its parent. The
// window places its controls from its table, and its tests read the same table.

#include <QRect>
#include <cstddef>
#include <string_view>

namespace vorelim {

/// One row of a placement table: a control's designed name and its place in its parent.
struct Placement {
  const char* name;
  QRect geometry;
};

/// The row of `name` in `table`; a name the table lacks does not compile.
template <std::size_t N>
consteval const Placement& PlacementOf(const Placement (&table)[N], std::string_view name) {
  for (const Placement& row : table) {
    if (std::string_view(row.name) == name) return row;
  }
  throw "no row of that name in the placement table";
}

}  // namespace vorelim
