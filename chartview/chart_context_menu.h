#pragma once
// The chart window's context menu, for those who cannot double-click: it opens on the Menu key,
// Shift+F10 or the right mouse button and lists every text the window's double-clicks open, each
// with the number or house it stands for. Choosing an entry opens the page its double-click opens.

#include <QString>
#include <vector>

QT_BEGIN_NAMESPACE
class QPoint;
QT_END_NAMESPACE

class TVemapa;

namespace vorelim {

struct ChartMenuEntry {
  QString caption;            // as the menu shows it, with its shortcut letter
  QString page_key;           // the page of the texts window it opens
  bool enabled = true;        // false when the number it stands for is empty
  bool starts_group = false;  // a separator comes before it
};

/// The entries for the window's present state: the personality, the control and the tendency
/// with the numbers their panels show; while the transits are shown, also the era, the year and
/// each month with its house.
std::vector<ChartMenuEntry> ChartMenuEntries(const TVemapa& chart);

/// Prepares the window for its context menu: the Shift+F10 key, and the year box leaving the
/// right button and the Menu key to the window instead of offering its own editing menu.
void InstallChartContextMenu(TVemapa& chart);

/// Fills the window's context menu (TVemapa::PopupMenu1) with the entries and opens it at
/// `global_position`. Opened from the keyboard, its first enabled entry is the current one.
void PopUpChartContextMenu(TVemapa& chart, const QPoint& global_position, bool from_keyboard);

}  // namespace vorelim
