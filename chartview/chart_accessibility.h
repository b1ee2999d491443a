#pragma once
// The chart window for screen readers, in Portuguese: names for its controls and menus, each
// value panel read with its meaning ("Personalidade: 7"), the element drawing as a picture whose
// description names every element with its numbers and rings, and the transit grid as a table.

#include <QString>

#include "chart/chart_record.h"
#include "chartview/element_description.h"

class TVemapa;

namespace vorelim {

/// Makes the interfaces of the chart window, its value panels, its drawing and its grid the ones
/// of this file, for the whole program. Called before the window's first control is made: Qt
/// makes a control's interface as soon as the control announces its first text, and keeps it.
void InstallChartWindowInterfaces();

/// What the window tells as "OK" shows the transits: "Ano 2026, casa 2. Era atual: 3".
QString TransitsNews(const TVemapa& chart);

/// Names the window's controls and menus, tells the year box's value as it changes and, with an
/// object of its own, the year's house as "OK" shows the transits.
void NameChartWindow(TVemapa& chart);

}  // namespace vorelim
