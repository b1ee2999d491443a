#include "texts/text_catalogue.h"

#include <QFile>
#include <cstddef>

namespace vorelim {
namespace {

struct CatalogueRow {
  const char* page_name;
  const char* page_key;
  const char* heading;
  const char* caption;
};

// Page names, keys, headings and window captions, in notebook order.
constexpr CatalogueRow kRows[] = {
    {"Default", "", "O VORELIM", "FAÇA SEU MAPA"},
    {"agua", "1", "1: ÁGUA", "ÁGUA 1"},
    {"terra2", "2", "2: TERRA", "TERRA 2"},
    {"madeira3", "3", "3: MADEIRA", "MADEIRA 3"},
    {"madeira4", "4", "4: MADEIRA", "MADEIRA 4"},
    {"terra5", "5", "5: TERRA", "TERRA 5"},
    {"metal6", "6", "6: METAL", "METAL 6"},
    {"metal7", "7", "7: METAL", "METAL 7"},
    {"terra8", "8", "8: TERRA", "TERRA 8"},
    {"fogo", "9", "9: FOGO", "FOGO 9"},
    {"c1", "c1", "CASA 1", "CASA 1"},
    {"c2", "c2", "CASA 2", "CASA 2"},
    {"c3", "c3", "CASA 3", "CASA 3"},
    {"c4", "c4", "CASA 4", "CASA 4"},
    {"c5", "c5", "CASA 5", "CASA 5"},
    {"c6", "c6", "CASA 6", "CASA 6"},
    {"c7", "c7", "CASA 7", "CASA 7"},
    {"c8", "c8", "CASA 8", "CASA 8"},
    {"c9", "c9", "CASA 9", "CASA 9"},
};

// The further texts, in the order of the relations (chart/elements.h), then the levels.
constexpr CatalogueRow kFurtherRows[] = {
    {"rel_mesmo", "", "MESMO ELEMENTO", "MESMO ELEMENTO"},
    {"rel_nutre", "", "NUTRIR", "NUTRIR"},
    {"rel_nutrido", "", "SER NUTRIDO", "SER NUTRIDO"},
    {"rel_domina", "", "DOMINAR", "DOMINAR"},
    {"rel_dominado", "", "SER DOMINADO", "SER DOMINADO"},
    {"niveis", "", "OS TRÊS NÍVEIS", "OS TRÊS NÍVEIS"},
};

template <std::size_t N>
QList<TextEntry> LoadCatalogue(const CatalogueRow (&rows)[N]) {
  QList<TextEntry> entries;
  int index = 0;
  for (const CatalogueRow& row : rows) {
    TextEntry entry;
    entry.index = index++;
    entry.page_name = QString::fromUtf8(row.page_name);
    entry.page_key = QString::fromUtf8(row.page_key);
    entry.heading = QString::fromUtf8(row.heading);
    entry.caption = QString::fromUtf8(row.caption);
    // The texts are compiled into the program; a missing resource is a build fault, and the page
    // then shows its heading alone rather than nothing.
    QFile file(QStringLiteral(":/texts/%1.txt").arg(entry.page_name));
    if (file.open(QIODevice::ReadOnly)) {
      entry.lines = SplitStoredLines(QString::fromUtf8(file.readAll()));
    } else {
      entry.lines = QStringList{entry.heading};
    }
    entries.append(entry);
  }
  return entries;
}

}  // namespace

QStringList SplitStoredLines(const QString& text) {
  QStringList lines = text.split(QLatin1Char('\n'));
  if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
  for (QString& line : lines) {
    if (line.endsWith(QLatin1Char('\r'))) line.chop(1);
  }
  return lines;
}

const QList<TextEntry>& TextCatalogue() {
  static const QList<TextEntry> entries = LoadCatalogue(kRows);
  return entries;
}

const QList<TextEntry>& FurtherTexts() {
  static const QList<TextEntry> entries = LoadCatalogue(kFurtherRows);
  return entries;
}

const TextEntry* FurtherText(const QString& page_name) {
  for (const TextEntry& entry : FurtherTexts()) {
    if (entry.page_name == page_name) return &entry;
  }
  return nullptr;
}

int PageIndexForKey(const QString& key) {
  for (const TextEntry& entry : TextCatalogue()) {
    if (!entry.page_key.isEmpty() && entry.page_key == key) return entry.index;
  }
  return 0;
}

}  // namespace vorelim
