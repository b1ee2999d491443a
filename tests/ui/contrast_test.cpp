// The contrast of a text with its ground, against values worked out by hand from the WCAG 2
// formula, and links made legible under a theme without losing their hue.
#include "ui/contrast.h"

#include <gtest/gtest.h>

namespace {

using vorelim::ContrastRatio;
using vorelim::LegibleOn;

TEST(contrast_test, ratios_and_legible_inks) {
  EXPECT_NEAR(ContrastRatio(Qt::black, Qt::white), 21.0, 1e-9);
  EXPECT_NEAR(ContrastRatio(Qt::white, Qt::black), 21.0, 1e-9);
  EXPECT_NEAR(ContrastRatio(QColor("#777777"), Qt::white), 4.48, 0.01);
  EXPECT_NEAR(ContrastRatio(QColor("#0986d3"), QColor("#3d3d3d")), 2.78, 0.01);

  // Each row: the ink, the ground, and whether the ink is legible there as it is.
  const struct {
    const char* ink;
    const char* ground;
    bool kept;
  } rows[] = {
      {"#0000ff", "#ffffff", true},   // Qt's light palette: its links stay as they are
      {"#ffff00", "#000000", true},   // high contrast
      {"#0986d3", "#3d3d3d", false},  // qt6ct's "darker": lighter
      {"#ffff00", "#ffffff", false},  // yellow links on white: darker
      {"#777777", "#777777", false},  // no contrast at all
  };
  for (const auto& row : rows) {
    const QColor ink(row.ink);
    const QColor legible = LegibleOn(ink, QColor(row.ground));
    EXPECT_GE(ContrastRatio(legible, QColor(row.ground)), vorelim::kLegibleContrast) << row.ink;
    EXPECT_EQ(legible == ink, row.kept) << row.ink << " on " << row.ground;
    if (!row.kept && ink.saturation() > 0) {
      // Only as much white or black as it takes: the link is still coloured.
      EXPECT_NE(legible.saturation(), 0) << row.ink;
      EXPECT_NEAR(legible.hue(), ink.hue(), 3) << row.ink;
    }
  }
}

}  // namespace
