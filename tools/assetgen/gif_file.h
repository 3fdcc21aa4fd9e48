// GIF89a writer: one frame, a full 256-entry global colour table and a
// transparent index, as the program's picture decoder expects.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "raster.h"

namespace assetgen {

struct GifPicture {
  int width = 0;
  int height = 0;
  std::array<Rgb8, 256> palette{};
  std::vector<std::uint8_t> indices;  // row by row, top row first
  int transparentIndex = 255;
};

std::vector<std::uint8_t> EncodeGif(const GifPicture& picture);

}  // namespace assetgen
