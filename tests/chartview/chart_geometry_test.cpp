#include "chartview/chart_geometry.h"

#include <string>

#include <gtest/gtest.h>

namespace vorelim {
namespace {

constexpr int kW = 361;
constexpr int kH = 281;

struct RingRow {
  const char* name;
  Element element;
  int ring;
  PixelRect expected;
};

// Every ring at the paint box's designed size, in pixels.
const RingRow kRingRows[] = {
    {"water1", Element::Water, 1, {67, 219, 112, 245}},
    {"water2", Element::Water, 2, {56, 210, 124, 254}},
    {"water3", Element::Water, 3, {45, 204, 135, 263}},
    {"earth1", Element::Earth, 1, {293, 87, 338, 122}},
    {"earth2", Element::Earth, 2, {282, 79, 349, 131}},
    {"earth3", Element::Earth, 3, {270, 72, 361, 140}},
    {"wood1", Element::Wood, 1, {22, 87, 67, 122}},
    {"wood2", Element::Wood, 2, {11, 79, 78, 131}},
    {"wood3", Element::Wood, 3, {5, 72, 90, 140}},
    {"metal1", Element::Metal, 1, {248, 219, 293, 245}},
    {"metal2", Element::Metal, 2, {236, 215, 304, 254}},
    {"metal3", Element::Metal, 3, {225, 206, 315, 263}},
    {"fire1", Element::Fire, 1, {157, 26, 203, 52}},
    {"fire2", Element::Fire, 2, {146, 17, 214, 61}},
    {"fire3", Element::Fire, 3, {135, 10, 225, 68}},
};

class ring_rect_test : public testing::TestWithParam<RingRow> {};

TEST_P(ring_rect_test, matches_designed_pixels) {
  const RingRow& row = GetParam();
  const PixelRect r = RingRect(row.element, row.ring, kW, kH);
  EXPECT_EQ(r, row.expected) << r.x1 << "," << r.y1 << "," << r.x2 << "," << r.y2;
}

INSTANTIATE_TEST_SUITE_P(DesignedSize, ring_rect_test, testing::ValuesIn(kRingRows),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(chart_geometry_test, star_points_in_polygon_order) {
  const std::array<PixelPoint, 5> expected = {
      {{180, 35}, {270, 228}, {45, 105}, {315, 105}, {90, 228}}};
  EXPECT_EQ(StarPoints(kW, kH), expected);
}

TEST(chart_geometry_test, screen_labels) {
  struct Row {
    std::string text;
    PixelPoint at;
  };
  const Row expected[] = {{"METAL 6, 7", {270, 228}}, {"ÁGUA 1", {90, 228}},
                          {"MADEIRA 3, 4", {22, 87}}, {"FOGO 9", {180, 17}},
                          {"TERRA ", {315, 105}},     {"2, 5, 8", {315, 122}}};
  const std::array<PlacedText, 6> labels = ScreenLabels(kW, kH);
  for (std::size_t i = 0; i < labels.size(); ++i) {
    EXPECT_EQ(std::string(labels[i].text), expected[i].text) << i;
    EXPECT_EQ(labels[i].at, expected[i].at) << expected[i].text;
  }
}

TEST(chart_geometry_test, element_of_each_number) {
  const Element expected[9] = {Element::Water, Element::Earth, Element::Wood,
                               Element::Wood,  Element::Earth, Element::Metal,
                               Element::Metal, Element::Earth, Element::Fire};
  for (int n = 1; n <= 9; ++n) {
    Element e = Element::Fire;
    ASSERT_TRUE(ElementOfNumber(n, e)) << n;
    EXPECT_EQ(e, expected[n - 1]) << n;
  }
  Element e = Element::Water;
  EXPECT_FALSE(ElementOfNumber(0, e));
  EXPECT_FALSE(ElementOfNumber(10, e));
  EXPECT_EQ(RingRect(Element::Water, 0, kW, kH), PixelRect{});
  EXPECT_EQ(RingRect(Element::Water, 4, kW, kH), PixelRect{});
}

TEST(chart_geometry_test, fraction_multiplies_first_without_overflow) {
  EXPECT_EQ(Fraction(7, 361, 16), 157);  // 7 * 361 / 16, not 7 * (361 / 16) = 154
  EXPECT_EQ(Fraction(120, 100'000'000, 128), 93'750'000);
}

// The printout at the printable area of an A4 sheet at 600 pixels per inch, both orientations.
struct PageRow {
  const char* name;
  int w, h;
  std::array<PixelPoint, 6> labels;
  PixelPoint title;
  std::array<int, 8> line_y;
  int line_x;
  std::array<PixelPoint, 5> star;
  PixelRect water3, earth3, metal2;
};

const PageRow kPages[] = {
    {"landscape",
     6716,
     4660,
     {{{5037, 3786}, {1259, 3786}, {419, 1601}, {3567, 582}, {5876, 1747}, {5876, 1893}}},
     {209, 145},
     {291, 436, 582, 728, 873, 1019, 1165, 1310},
     209,
     {{{3358, 582}, {5037, 3786}, {839, 1747}, {5876, 1747}, {1679, 3786}}},
     {839, 3385, 2518, 4368},
     {5037, 1201, 6716, 2330},
     {4407, 3567, 5666, 4223}},
    {"portrait",
     4660,
     6716,
     {{{3495, 5456}, {873, 5456}, {291, 2308}, {2475, 839}, {4077, 2518}, {4077, 2728}}},
     {145, 209},
     {419, 629, 839, 1049, 1259, 1469, 1679, 1888},
     145,
     {{{2330, 839}, {3495, 5456}, {582, 2518}, {4077, 2518}, {1165, 5456}}},
     {582, 4879, 1747, 6296},
     {3495, 1731, 4660, 3358},
     {3058, 5141, 3931, 6086}},
};

class printout_geometry_test : public testing::TestWithParam<PageRow> {};

TEST_P(printout_geometry_test, places_everything_at_its_fraction) {
  const PageRow& page = GetParam();
  const char* texts[6] = {"METAL 6, 7", "ÁGUA 1", "MADEIRA 3, 4", "FOGO 9", "TERRA", "2, 5, 8"};
  const std::array<PlacedText, 6> labels = PrintoutLabels(page.w, page.h);
  for (std::size_t i = 0; i < labels.size(); ++i) {
    EXPECT_EQ(std::string(labels[i].text), texts[i]);
    EXPECT_EQ(labels[i].at, page.labels[i]) << texts[i];
  }
  EXPECT_EQ(PrintoutTitlePosition(page.w, page.h), page.title);
  const std::array<PixelPoint, 8> lines = PrintoutDataLinePositions(page.w, page.h);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    EXPECT_EQ(lines[i], (PixelPoint{page.line_x, page.line_y[i]})) << "line " << i;
  }
  EXPECT_EQ(StarPoints(page.w, page.h), page.star);
  EXPECT_EQ(RingRect(Element::Water, 3, page.w, page.h), page.water3);
  EXPECT_EQ(RingRect(Element::Earth, 3, page.w, page.h), page.earth3);
  EXPECT_EQ(RingRect(Element::Metal, 2, page.w, page.h), page.metal2);
}

INSTANTIATE_TEST_SUITE_P(A4, printout_geometry_test, testing::ValuesIn(kPages),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace vorelim
