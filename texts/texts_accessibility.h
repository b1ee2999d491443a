#pragma once
// The texts window for screen readers, in Portuguese: it reads as a window, its pages are named
// after the texts they hold, each text box reads as the text of its page, and the buttons' panels
// are named too.

#include <QString>

class TForm2;

namespace vorelim {

/// Names the notebook, every page, its panel of buttons and its text box.
void NameTextsWindow(TForm2& window);

/// Names page `index` of the window, its panel of buttons and its text box after `caption`.
void NameTextsPage(TForm2& window, int index, const QString& caption);

}  // namespace vorelim
