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

/// Names the window's controls and menus.
void NameChartWindow(TVemapa& chart);

}  // namespace vorelim
