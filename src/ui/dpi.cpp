#include "ui/dpi.h"

#include <cmath>

namespace ui {

namespace {
constexpr double kTwipsPerInch = 1440.0;
constexpr double kTwipsPerStandardPixel = kTwipsPerInch / Dpi::kStandard;
}  // namespace

// Multiplied first: exact at every DPI for the whole twips of the layouts,
// so a layout's halves round the same way at every scale.
int Dpi::ToPixels(double twips) const {
  return static_cast<int>(std::lround(twips * value_ / kTwipsPerInch));
}

int Dpi::Scale(int pixels) const { return ToPixels(pixels * kTwipsPerStandardPixel); }

}  // namespace ui
