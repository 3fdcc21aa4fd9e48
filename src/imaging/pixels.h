// A decoded picture as the program draws it.
#pragma once

#include <cstdint>
#include <vector>

namespace imaging {

// Rows from top to bottom, each pixel 0xAARRGGBB; every pixel is either
// opaque (alpha 255) or fully transparent (alpha 0, colour bits 0).
struct Pixels {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> argb;
};

constexpr std::uint32_t kOpaque = 0xFF000000u;

}  // namespace imaging
