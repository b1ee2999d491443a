#pragma once
// The light colours the windows were designed on. Where the design fixes the ink (the chart's
// black labels and red star, the texts' black letters, the about box's and the new chart
// dialog's black labels), the ground under it is one of these whatever colour theme the desktop
// has: the chart and the texts are paper. Where the ground comes from the desktop's palette, so
// does the ink. The colours are those of Qt's own light palette, so under a light theme nothing
// changes.

#include <QPalette>
#include <initializer_list>

namespace vorelim {

/// Every role of the light palette, in each colour group.
const QPalette& PaperPalette();

/// `palette` with `roles` taken from the paper palette, in every colour group.
QPalette WithPaper(QPalette palette, std::initializer_list<QPalette::ColorRole> roles);

}  // namespace vorelim
