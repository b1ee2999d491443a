#include "compare/comparison.h"

#include "chart/text_number.h"
#include "chartview/element_description.h"
#include "ui/designed_words.h"

namespace vorelim {
namespace {

// The three levels, with the record's field of each.
struct Level {
  Meaning meaning;
  std::string (ChartRecord::*number)() const;
};
constexpr Level kLevels[3] = {
    {Meaning::Personality, &ChartRecord::Personality},
    {Meaning::Control, &ChartRecord::Control},
    {Meaning::Tendency, &ChartRecord::Tendency},
};

ComparedPerson PersonOf(const ChartRecord& record, const QString& name) {
  // The birth date as the chart window's first value panel shows it.
  const QString date = QString::fromStdString(record.BirthDate());
  return {name, date, record.Elements()};
}

// "7 (METAL)"; the number text alone when it names no element (a record made by hand).
QString NumberCell(const std::string& text, std::optional<Element>& element) {
  const QString number = QString::fromStdString(text);
  Element found;
  if (!ElementOfNumber(ReadTextNumber(text), found)) return number;
  element = found;
  return number + QStringLiteral(" (") + ElementName(found) + QLatin1Char(')');
}

}  // namespace

Comparison Compare(const ChartRecord& first, const QString& first_name, const ChartRecord& second,
                   const QString& second_name) {
  Comparison comparison;
  comparison.first = PersonOf(first, first_name);
  comparison.second = PersonOf(second, second_name);
  for (std::size_t i = 0; i < comparison.rows.size(); ++i) {
    ComparisonRow& row = comparison.rows[i];
    row.level = MeaningWord(kLevels[i].meaning);
    std::optional<Element> a;
    std::optional<Element> b;
    row.first = NumberCell((first.*kLevels[i].number)(), a);
    row.second = NumberCell((second.*kLevels[i].number)(), b);
    if (a && b) {
      row.kind = RelationOf(*a, *b);
      row.relation = RelationWords(*row.kind, first_name, second_name);
    }
  }
  return comparison;
}

QString ComparisonTitle(const Comparison& comparison) {
  return QStringLiteral("Comparação - ") + comparison.first.name + QStringLiteral(" e ") +
         comparison.second.name;
}

QString RelationWords(Relation relation, const QString& first_name, const QString& second_name) {
  switch (relation) {
    case Relation::Same:
      return QStringLiteral("mesmo elemento");
    case Relation::FirstNourishesSecond:
      return first_name + QStringLiteral(" nutre ") + second_name;
    case Relation::SecondNourishesFirst:
      return second_name + QStringLiteral(" nutre ") + first_name;
    case Relation::FirstDominatesSecond:
      return first_name + QStringLiteral(" domina ") + second_name;
    case Relation::SecondDominatesFirst:
      return second_name + QStringLiteral(" domina ") + first_name;
  }
  return QString();
}

QString RelationTextPage(Relation relation) {
  switch (relation) {
    case Relation::Same:
      return QStringLiteral("rel_mesmo");
    case Relation::FirstNourishesSecond:
      return QStringLiteral("rel_nutre");
    case Relation::SecondNourishesFirst:
      return QStringLiteral("rel_nutrido");
    case Relation::FirstDominatesSecond:
      return QStringLiteral("rel_domina");
    case Relation::SecondDominatesFirst:
      return QStringLiteral("rel_dominado");
  }
  return QString();
}

QString LevelsTextPage() {
  return QStringLiteral("niveis");
}

QStringList ComparisonColumns(const Comparison& comparison) {
  return {comparison.first.name, comparison.second.name, QStringLiteral("Relação")};
}

QString LevelHeading() {
  return QStringLiteral("Nível");
}

QString ComparisonTableText(const Comparison& comparison) {
  const QChar tab = QLatin1Char('\t');
  QString text = LevelHeading() + tab + ComparisonColumns(comparison).join(tab) + QLatin1Char('\n');
  for (const ComparisonRow& row : comparison.rows) {
    text += row.level + tab + row.first + tab + row.second + tab + row.relation + QLatin1Char('\n');
  }
  return text;
}

}  // namespace vorelim
