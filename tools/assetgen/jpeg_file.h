// Baseline JPEG writer: full-resolution colour (no chroma subsampling),
// a restart marker after every row of blocks, JFIF 1.02 at 72 dpi.
#pragma once

#include <cstdint>
#include <vector>

#include "raster.h"

namespace assetgen {

std::vector<std::uint8_t> EncodeJpeg(const Image& image, int quality);

}  // namespace assetgen
