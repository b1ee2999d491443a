#include "ui/contrast.h"

#include <algorithm>
#include <cmath>

namespace vorelim {
namespace {

double RelativeLuminance(const QColor& colour) {
  const auto linear = [](float channel) {
    const double v = channel;
    return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
  };
  const QColor rgb = colour.toRgb();
  return 0.2126 * linear(rgb.redF()) + 0.7152 * linear(rgb.greenF()) + 0.0722 * linear(rgb.blueF());
}

QColor Mixed(const QColor& from, const QColor& to, double share) {
  const auto channel = [share](int a, int b) {
    return static_cast<int>(std::lround(a + (b - a) * share));
  };
  return QColor(channel(from.red(), to.red()), channel(from.green(), to.green()),
                channel(from.blue(), to.blue()));
}

}  // namespace

double ContrastRatio(const QColor& first, const QColor& second) {
  const double a = RelativeLuminance(first);
  const double b = RelativeLuminance(second);
  return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

QColor LegibleOn(const QColor& ink, const QColor& ground) {
  if (ContrastRatio(ink, ground) >= kLegibleContrast) return ink;
  // White or black, whichever stands out more from the ground, is always legible on it (at
  // least 4.58:1), so some share of it is enough.
  const QColor extreme = ContrastRatio(Qt::white, ground) >= ContrastRatio(Qt::black, ground)
                             ? QColor(Qt::white)
                             : QColor(Qt::black);
  constexpr int kSteps = 100;
  for (int step = 1; step < kSteps; ++step) {
    const QColor mixed = Mixed(ink.toRgb(), extreme, double(step) / kSteps);
    if (ContrastRatio(mixed, ground) >= kLegibleContrast) return mixed;
  }
  return extreme;
}

}  // namespace vorelim
