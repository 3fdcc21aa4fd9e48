// 8-bit Windows icon images. The same image bytes go three ways: inside a
// one-image .ico file, as an RT_ICON resource, and described by an
// RT_GROUP_ICON directory that names the icon resources by id.
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
struct IconGroupEntry {
  const IconPicture* icon;
  std::uint16_t iconId;
};
// A directory of the images of one icon, in the given order.
std::vector<std::uint8_t> IconGroupBytes(const std::vector<IconGroupEntry>& entries);

}  // namespace assetgen
