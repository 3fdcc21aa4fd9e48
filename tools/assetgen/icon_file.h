// 8-bit Windows icons with one image each. The same image bytes go three
// ways: inside a .ico file, as an RT_ICON resource, and described by an
// RT_GROUP_ICON directory that names the icon resource by id.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "raster.h"

namespace assetgen {

struct IconPicture {
  int size = 0;  // width and height in pixels
  std::array<Rgb8, 256> palette{};
  std::vector<std::uint8_t> indices;  // top row first
  std::vector<bool> transparent;      // the AND mask, top row first
};

// Keeps pixels whose coverage reaches one half, draws the rest transparent
// (palette index 0, black, so the XOR image leaves the screen untouched).
IconPicture MakeIconPicture(const Image& image, const Mask& coverage);

// BITMAPINFOHEADER, colour table, XOR image, AND mask.
std::vector<std::uint8_t> IconImageBytes(const IconPicture& icon);
std::vector<std::uint8_t> IconFileBytes(const IconPicture& icon);
std::vector<std::uint8_t> IconGroupBytes(const IconPicture& icon, std::uint16_t iconId);

}  // namespace assetgen
