#include "ui/designed_words.h"

#include <cstddef>

namespace vorelim {
namespace {

QString FromUtf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

QString MonthWord(int month) {
  static constexpr std::array<std::string_view, 12> kMonths = {
      "janeiro", "fevereiro", "março",    "abril",   "maio",     "junho",
      "julho",   "agosto",    "setembro", "outubro", "novembro", "dezembro"};
  if (month < 1 || month > 12) return {};
  return FromUtf8(kMonths[static_cast<std::size_t>(month - 1)]);
}

QString WithCapitalInitial(const QString& word) {
  if (word.isEmpty()) return word;
  return word.left(1).toUpper() + word.mid(1);
}

QString MeaningWord(Meaning meaning) {
  // In the order of Meaning.
  static constexpr std::array<std::string_view, 4> kMeanings = {"Personalidade", "Controle",
                                                                "Tendência", "Era"};
  return FromUtf8(kMeanings.at(static_cast<std::size_t>(meaning)));
}

QString CurrentEraWords() {
  return MeaningWord(Meaning::Era) + QStringLiteral(" atual");
}

std::array<std::string_view, 6> ElementLabels(Medium medium) {
  // As the screen draws them; "TERRA " keeps its trailing blank there, and paper drops it.
  std::array<std::string_view, 6> labels = {"METAL 6, 7", "ÁGUA 1", "MADEIRA 3, 4",
                                            "FOGO 9",     "TERRA ", "2, 5, 8"};
  if (medium == Medium::Paper) labels[4].remove_suffix(1);
  return labels;
}

QString FaceName(Face face) {
  // In the order of Face.
  static constexpr std::array<std::string_view, 3> kFaces = {"VAG Rounded Th", "MS Sans Serif",
                                                             "Arial"};
  return FromUtf8(kFaces.at(static_cast<std::size_t>(face)));
}

}  // namespace vorelim
