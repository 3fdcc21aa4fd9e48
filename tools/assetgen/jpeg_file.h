// Baseline JPEG writer: a restart marker after every row of blocks, JFIF
// 1.02 at 72 dpi.
#pragma once

#include <cstdint>
#include <vector>

#include "raster.h"

namespace assetgen {

// Full-resolution colour unless `halfResolutionColour` (2 x 2 chroma
// subsampling).
std::vector<std::uint8_t> EncodeJpeg(const Image& image, int quality, bool halfResolutionColour);

// A photograph at a scale. The 100 % pictures keep full-resolution colour;
// the larger ones, which are only ever shown reduced or on a dense display,
// keep colour at half resolution (still finer than at 100 %), for size.
std::vector<std::uint8_t> EncodePhotograph(const Image& image, int percent);

}  // namespace assetgen
