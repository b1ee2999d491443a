#pragma once
// The designed words that several windows and the printout share, each written once: the months,
// what the chart's numbers stand for, the texts around the element star and the faces. Each word
// is kept in one spelling; a window or the printout that shows it in capitals, or with a capital
// initial, derives that spelling from this one.

#include <QString>
#include <array>
#include <string_view>

namespace vorelim {

/// The name of `month` 1..12 in small letters, as the new chart dialog lists it ("janeiro"); the
/// chart menu gives it a capital initial, the printout writes it in capitals. Empty outside 1..12.
QString MonthWord(int month);

/// `word` with its first letter a capital ("março" gives "Março").
QString WithCapitalInitial(const QString& word);

/// What the chart's numbers stand for.
enum class Meaning { Personality, Control, Tendency, Era };

/// "Personalidade", "Controle", "Tendência" and "Era": the chart menu and the screen reader say
/// them so; the chart window's captions and the printout write them in capitals.
QString MeaningWord(Meaning meaning);

/// "Era atual", the era of the transit year: the chart window's caption writes it in capitals.
QString CurrentEraWords();

/// Where the element star is drawn.
enum class Medium { Screen, Paper };

/// The six texts around the element star (UTF-8), in the order the drawing places them: metal,
/// water, wood, fire, earth and the earth's numbers, which stand on a line of their own. The earth
/// label ends in a blank on the screen and in none on paper; the texts are otherwise the same.
std::array<std::string_view, 6> ElementLabels(Medium medium);

/// The faces the windows and the printout were designed with: a rounded face for captions and
/// the printout, the sans face of the dialogs (the program's font) and Arial for the labels.
enum class Face { Rounded, SansSerif, Arial };

/// The family name of the designed `face` ("VAG Rounded Th", "MS Sans Serif", "Arial"); ui/fonts
/// registers the installed faces that stand in for them.
QString FaceName(Face face);

}  // namespace vorelim
