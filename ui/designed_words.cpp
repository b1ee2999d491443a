#include "ui/designed_words.h"

namespace vorelim {

QString MonthWord(int month) {
  static constexpr std::array<std::string_view, 12> kMonths = {
      "janeiro", "fevereiro", "março",    "abril",   "maio",     "junho",
      "julho",   "agosto",    "setembro", "outubro", "novembro", "dezembro"};
  if (month < 1 || month > 12) return {};
  const std::string_view name = kMonths[static_cast<std::size_t>(month - 1)];
  return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

QString WithCapitalInitial(const QString& word) {
  if (word.isEmpty()) return word;
  return word.left(1).toUpper() + word.mid(1);
}

QString MeaningWord(Meaning meaning) {
  switch (meaning) {
    case Meaning::Personality:
      return QStringLiteral("Personalidade");
    case Meaning::Control:
      return QStringLiteral("Controle");
    case Meaning::Tendency:
      return QStringLiteral("Tendência");
    case Meaning::Era:
      return QStringLiteral("Era");
  }
  return {};
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
  switch (face) {
    case Face::Rounded:
      return QStringLiteral("VAG Rounded Th");
    case Face::SansSerif:
      return QStringLiteral("MS Sans Serif");
    case Face::Arial:
      return QStringLiteral("Arial");
  }
  return {};
}

}  // namespace vorelim
