// Colour reduction for the palette formats (GIF, 8-bit icons).
#pragma once

#include <vector>

#include "raster.h"

namespace assetgen {

struct Quantized {
  std::vector<Rgb8> palette;  // distinct colours, each used by at least one pixel
  std::vector<int> indices;   // one palette index per input pixel
};

// Median cut down to at most `limit` colours; fewer when the pixels have fewer.
Quantized Quantize(const std::vector<Rgb8>& pixels, int limit);
// As Quantize, but the palette must come out with exactly `count` colours.
Quantized QuantizeExactly(const std::vector<Rgb8>& pixels, int count);

}  // namespace assetgen
