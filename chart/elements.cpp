#include "chart/elements.h"

namespace vorelim {
namespace {

constexpr int kElementCount = 5;

// The element each element generates and the one it controls, in the order of enum Element.
constexpr Element kGenerates[kElementCount] = {
    Element::Wood,   // water feeds wood
    Element::Metal,  // earth bears metal
    Element::Fire,   // wood feeds fire
    Element::Water,  // metal carries water
    Element::Earth,  // fire leaves earth (ash)
};
constexpr Element kControls[kElementCount] = {
    Element::Fire,   // water puts out fire
    Element::Water,  // earth dams water
    Element::Earth,  // wood breaks earth
    Element::Wood,   // metal cuts wood
    Element::Metal,  // fire melts metal
};

constexpr int At(Element element) {
  return static_cast<int>(element);
}

constexpr Relation Classify(Element first, Element second) {
  if (first == second) return Relation::Same;
  if (kGenerates[At(first)] == second) return Relation::FirstNourishesSecond;
  if (kGenerates[At(second)] == first) return Relation::SecondNourishesFirst;
  if (kControls[At(first)] == second) return Relation::FirstDominatesSecond;
  return Relation::SecondDominatesFirst;
}

// Two different elements are neighbours in exactly one of the cycles and in exactly one direction,
// so the last branch of Classify is reached only when the second controls the first.
static_assert([] {
  for (int a = 0; a < kElementCount; ++a) {
    for (int b = 0; b < kElementCount; ++b) {
      if (a == b) continue;
      const auto first = static_cast<Element>(a);
      const auto second = static_cast<Element>(b);
      const int ties = (kGenerates[a] == second) + (kGenerates[b] == first) +
                       (kControls[a] == second) + (kControls[b] == first);
      if (ties != 1) return false;
    }
  }
  return true;
}());

}  // namespace

bool ElementOfNumber(int number, Element& element) {
  switch (number) {
    case 1:
      element = Element::Water;
      return true;
    case 2:
    case 5:
    case 8:
      element = Element::Earth;
      return true;
    case 3:
    case 4:
      element = Element::Wood;
      return true;
    case 6:
    case 7:
      element = Element::Metal;
      return true;
    case 9:
      element = Element::Fire;
      return true;
    default:
      return false;
  }
}

Relation RelationOf(Element first, Element second) {
  return Classify(first, second);
}

std::optional<Relation> RelationOfNumbers(int first, int second) {
  Element a;
  Element b;
  if (!ElementOfNumber(first, a) || !ElementOfNumber(second, b)) return std::nullopt;
  return RelationOf(a, b);
}

}  // namespace vorelim
