#pragma once
// Where windows and their controls are placed: a window's placement table (each control's designed
// name and its rectangle in its parent; the window places its controls from its table, and its
// tests read the same table), and where a window first appears on the screen.

#include <QRect>
#include <cstddef>
#include <string_view>

QT_BEGIN_NAMESPACE
class QWidget;
QT_END_NAMESPACE

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

/// Moves the top-level `window` so that its frame (title bar and borders included, once the window
/// system has told them) is centred in the available area of its own screen: the screen without
/// the desktop's panels. A window not yet shown is on its owner's screen; without an owner, on
/// the screen Qt gives it, else the primary screen.
void CentreOnScreen(QWidget& window);

}  // namespace vorelim
