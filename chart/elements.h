#pragma once
// The five elements of the chart numbers and the relation between two elements, read from the
// two cycles: generation (water -> wood -> fire -> earth -> metal -> water) and control (water
// over fire, fire over metal, metal over wood, wood over earth, earth over water), the cycle the
// element marks of a chart follow.

#include <optional>

namespace vorelim {

/// The five elements; each surrounds one point of the chart's star with up to three rings.
enum class Element { Water, Earth, Wood, Metal, Fire };

/// The element of a chart number 1..9 (1 water; 2, 5, 8 earth; 3, 4 wood; 6, 7 metal; 9 fire).
/// Returns false for a number outside 1..9.
bool ElementOfNumber(int number, Element& element);

/// How a first element stands to a second one. Every ordered pair falls in exactly one.
enum class Relation {
  Same,                  // the same element
  FirstNourishesSecond,  // the first generates the second
  SecondNourishesFirst,  // the second generates the first
  FirstDominatesSecond,  // the first controls the second
  SecondDominatesFirst,  // the second controls the first
};

/// The relation of `first` to `second`.
Relation RelationOf(Element first, Element second);

/// The relation of the elements of two chart numbers; nothing when either is outside 1..9.
std::optional<Relation> RelationOfNumbers(int first, int second);

}  // namespace vorelim
