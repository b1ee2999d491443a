// The relation of two chart numbers' elements over all 81 pairs. The expected rows were worked out
// by hand from the two cycles (generation: water -> wood -> fire -> earth -> metal -> water;
// control: water over fire, fire over metal, metal over wood, wood over earth, earth over water)
// and the elements of the numbers (1 water; 2, 5, 8 earth; 3, 4 wood; 6, 7 metal; 9 fire).
#include "chart/elements.h"

#include <gtest/gtest.h>

#include <string_view>

namespace vorelim {
namespace {

// One row per first number; the character at column b - 1 is its relation to the second number b:
// '=' same element, 'n' the first nourishes the second, 'N' the second nourishes the first,
// 'd' the first dominates the second, 'D' the second dominates the first.
struct PairRow {
  int first;
  const char* element;
  std::string_view relations;  // second number 1 2 3 4 5 6 7 8 9
};

constexpr PairRow kPairs[] = {
    {1, "water", "=DnnDNNDd"}, {2, "earth", "d=DD=nn=N"}, {3, "wood", "Nd==dDDdn"},
    {4, "wood", "Nd==dDDdn"},  {5, "earth", "d=DD=nn=N"}, {6, "metal", "nNddN==ND"},
    {7, "metal", "nNddN==ND"}, {8, "earth", "d=DD=nn=N"}, {9, "fire", "DnNNnddn="},
};

char Code(Relation relation) {
  switch (relation) {
    case Relation::Same:
      return '=';
    case Relation::FirstNourishesSecond:
      return 'n';
    case Relation::SecondNourishesFirst:
      return 'N';
    case Relation::FirstDominatesSecond:
      return 'd';
    case Relation::SecondDominatesFirst:
      return 'D';
  }
  return '?';
}

TEST(elements_test, relation_of_every_pair_of_numbers) {
  for (const PairRow& row : kPairs) {
    for (int second = 1; second <= 9; ++second) {
      const std::optional<Relation> relation = RelationOfNumbers(row.first, second);
      ASSERT_TRUE(relation.has_value()) << row.first << " and " << second;
      EXPECT_EQ(Code(*relation), row.relations[static_cast<std::size_t>(second - 1)])
          << row.first << " (" << row.element << ") and " << second;
    }
  }
  for (const int outside : {0, 10, -1}) {
    EXPECT_FALSE(RelationOfNumbers(outside, 1).has_value()) << outside;
    EXPECT_FALSE(RelationOfNumbers(9, outside).has_value()) << outside;
  }
}

}  // namespace
}  // namespace vorelim
