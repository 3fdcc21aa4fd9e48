// Decodes a GIF with giflib, keeping the structural facts the checks need.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "asset_files.h"

namespace asset_tests {

using Colour = std::array<std::uint8_t, 3>;

struct DecodedGif {
  std::string signature;
  int width = 0;
  int height = 0;
  int frames = 0;
  int frameLeft = 0;
  int frameTop = 0;
  int frameWidth = 0;
  int frameHeight = 0;
  bool interlaced = false;
  bool localPalette = false;
  std::vector<Colour> palette;  // the global colour table
  int transparentIndex = -1;    // -1 when the frame has none
  std::vector<std::uint8_t> indices;

  std::uint8_t IndexAt(int x, int y) const {
    return indices[static_cast<std::size_t>(y) * width + x];
  }
};

DecodedGif DecodeGif(const Bytes& file);

}  // namespace asset_tests
