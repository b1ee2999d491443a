// The relation of two chart numbers' elements over all 81 pairs, worked out by hand from the two
// cycles (generation: water -> wood -> fire -> earth -> metal -> water; control: water over fire,
// fire over metal, metal over wood, wood over earth, earth over water) and the numbers' elements
// (1 water; 2, 5, 8 earth; 3, 4 wood; 6, 7 metal; 9 fire).
#include "chart/elements.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string_view>

namespace vorelim {
namespace {

// Row a, column b: the relation of a to b. '=' same element, 'n' a nourishes b, 'N' b nourishes
// a, 'd' a dominates b, 'D' b dominates a.
constexpr std::string_view kGrid[9] = {
    // 123456789
    "=DnnDNNDd",  // 1 water
    "d=DD=nn=N",  // 2 earth
    "Nd==dDDdn",  // 3 wood
    "Nd==dDDdn",  // 4 wood
    "d=DD=nn=N",  // 5 earth
    "nNddN==ND",  // 6 metal
    "nNddN==ND",  // 7 metal
    "d=DD=nn=N",  // 8 earth
    "DnNNnddn=",  // 9 fire
};

TEST(elements_test, relation_of_every_pair_of_numbers) {
  constexpr std::pair<char, Relation> kCodes[] = {{'=', Relation::Same},
                                                  {'n', Relation::FirstNourishesSecond},
                                                  {'N', Relation::SecondNourishesFirst},
                                                  {'d', Relation::FirstDominatesSecond},
                                                  {'D', Relation::SecondDominatesFirst}};
  for (int first = 1; first <= 9; ++first) {
    for (int second = 1; second <= 9; ++second) {
      const char code = kGrid[first - 1][static_cast<std::size_t>(second - 1)];
      const auto expected = std::find_if(std::begin(kCodes), std::end(kCodes),
                                         [code](const auto& pair) { return pair.first == code; });
      EXPECT_EQ(RelationOfNumbers(first, second), expected->second) << first << " and " << second;
    }
  }
  for (const int outside : {0, 10, -1}) {
    EXPECT_FALSE(RelationOfNumbers(outside, 1).has_value()) << outside;
    EXPECT_FALSE(RelationOfNumbers(9, outside).has_value()) << outside;
  }
}

}  // namespace
}  // namespace vorelim
