#include "chartview/element_description.h"

#include <QStringList>
#include <algorithm>
#include <array>

#include "chartview/chart_picture.h"

namespace vorelim {
namespace {

struct NamedElement {
  Element element;
  const char* name;
};
constexpr std::array<NamedElement, 5> kElementNames = {{{Element::Water, "ÁGUA"},
                                                        {Element::Earth, "TERRA"},
                                                        {Element::Wood, "MADEIRA"},
                                                        {Element::Metal, "METAL"},
                                                        {Element::Fire, "FOGO"}}};

QString RingsText(int rings) {
  if (rings == 0) return QStringLiteral("sem anel");
  if (rings == 1) return QStringLiteral("1 anel, dominante");
  return QStringLiteral("%1 anéis, dominante").arg(rings);
}

}  // namespace

QString ElementName(Element element) {
  for (const NamedElement& entry : kElementNames) {
    if (entry.element == element) return QString::fromUtf8(entry.name);
  }
  return QString();
}

QString ElementDrawingDescription(const ElementMarks& marks) {
  QStringList parts;
  for (const NamedElement& entry : kElementNames) {
    QStringList numbers;
    std::array<bool, 3> ringed{};
    for (int number = 1; number <= 9; ++number) {
      Element element;
      if (!ElementOfNumber(number, element) || element != entry.element) continue;
      numbers << QString::number(number);
      // Numbers of one element share their rings, as the drawing draws them.
      for (int ring = 1; ring <= 3; ++ring) {
        if (MarksRing(marks, number, ring)) ringed[static_cast<std::size_t>(ring - 1)] = true;
      }
    }
    const int rings = static_cast<int>(std::count(ringed.begin(), ringed.end(), true));
    parts << QStringLiteral("%1 %2: %3")
                 .arg(QString::fromUtf8(entry.name), numbers.join(QStringLiteral(", ")),
                      RingsText(rings));
  }
  return parts.join(QStringLiteral(". ")) + QLatin1Char('.');
}

}  // namespace vorelim
