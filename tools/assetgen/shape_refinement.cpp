#include "shape_refinement.h"

#include <algorithm>
#include <stdexcept>

namespace assetgen {

void AgreeWith100Percent(Shape& larger, const Mask& coverage, const Shape& actual) {
  const int k = actual.width > 0 ? larger.width / actual.width : 0;
  if (k < 1 || larger.width != k * actual.width || larger.height != k * actual.height)
    throw std::runtime_error("shape: not a whole multiple of the 100 % picture");
  const int half = (k * k + 1) / 2;  // opaque pixels that make a block opaque
  for (int y = 0; y < actual.height; ++y) {
    for (int x = 0; x < actual.width; ++x) {
      // The block's pixels by index, most covered first.
      std::vector<std::size_t> block;
      for (int dy = 0; dy < k; ++dy)
        for (int dx = 0; dx < k; ++dx)
          block.push_back(static_cast<std::size_t>(k * y + dy) * larger.width + k * x + dx);
      std::stable_sort(block.begin(), block.end(), [&](std::size_t a, std::size_t b) {
        return coverage.At(static_cast<int>(a % larger.width), static_cast<int>(a / larger.width)) >
               coverage.At(static_cast<int>(b % larger.width), static_cast<int>(b / larger.width));
      });
      const bool opaque = !actual.transparent[static_cast<std::size_t>(y) * actual.width + x];
      const auto opaquePixels = std::count_if(
          block.begin(), block.end(), [&](std::size_t i) { return !larger.transparent[i]; });
      if (opaque == (opaquePixels >= half)) continue;
      for (std::size_t i = 0; i < block.size(); ++i) {
        if (opaque && i < static_cast<std::size_t>(half)) larger.transparent[block[i]] = false;
        if (!opaque && i + 1 >= static_cast<std::size_t>(half)) larger.transparent[block[i]] = true;
      }
    }
  }
}

}  // namespace assetgen
