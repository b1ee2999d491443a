#pragma once
// What the comparison of two charts shows, worked out once from the two records and the two chart
// names: each person's name, birth date and element marks, and one row per level (personality,
// control, tendency) with each person's number and element and the relation of the two elements
// in words, read from the first person to the second. The window, its printout and the copied
// table all show this one composition.

#include <QString>
#include <QStringList>
#include <array>
#include <optional>

#include "chart/chart_record.h"
#include "chart/elements.h"

namespace vorelim {

/// One of the two people compared.
struct ComparedPerson {
  QString name;        // the chart name
  QString birth_date;  // as the chart window writes it: "15/6/1975"
  ElementMarks marks{};
};

/// One level of the comparison.
struct ComparisonRow {
  QString level;     // the meaning of the level's number (MeaningWord)
  QString first;     // the first person's number and element: "7 (METAL)"
  QString second;    // the same for the second person
  QString relation;  // "JOSE domina MARIA"; empty when a number has no element
  std::optional<Relation> kind;
};

/// The whole comparison, first person first.
struct Comparison {
  ComparedPerson first;
  ComparedPerson second;
  std::array<ComparisonRow, 3> rows;
};

/// Composes the comparison of the chart `first` named `first_name` with `second`.
Comparison Compare(const ChartRecord& first, const QString& first_name, const ChartRecord& second,
                   const QString& second_name);

/// The window's title: "Comparação - JOSE e MARIA".
QString ComparisonTitle(const Comparison& comparison);

/// The relation in words, with the two names: "mesmo elemento", "JOSE nutre MARIA",
/// "MARIA nutre JOSE", "JOSE domina MARIA", "MARIA domina JOSE".
QString RelationWords(Relation relation, const QString& first_name, const QString& second_name);

/// The page name of the further text (texts/text_catalogue.h) that tells of `relation`.
QString RelationTextPage(Relation relation);
/// The page name of the further text on the three levels.
QString LevelsTextPage();

/// The table's column headings after the level: the two names and "Relação".
QStringList ComparisonColumns(const Comparison& comparison);
/// The heading of the levels' column, "Nível".
QString LevelHeading();

/// The table as text, one line per row after a line of headings, cells separated by tabs: what
/// "copy the table" puts on the clipboard.
QString ComparisonTableText(const Comparison& comparison);

}  // namespace vorelim
