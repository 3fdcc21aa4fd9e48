// The 16 x 16 close button: a glossy blue tile with a white diagonal cross.
#include <stdexcept>

#include "artwork.h"
#include "gif_file.h"
#include "quantize.h"
#include "shapes.h"

namespace assetgen {

namespace {
constexpr int kSize = 16;
constexpr int kTransparentIndex = 255;
constexpr int kOpaqueColours = 41;

bool IsCorner(int x, int y) { return (x == 0 || x == kSize - 1) && (y == 0 || y == kSize - 1); }

Image DrawGlyph() {
  // The rim colour fills the whole tile first, so the pixels next to the
  // cut-off corners are solid rather than blended with an unknown background.
  Image image(kSize, kSize, {22, 58, 140});
  const Mask face = Rasterize(kSize, kSize, RoundedRect(1, 1, 15, 15, 1.6), 8);
  image.Paint(face, [](double, double y) {
    return Mix({104, 168, 244}, {28, 88, 196}, SmoothStep(1, 15, y));
  });
  const Mask gloss = Rasterize(
      kSize, kSize, Intersection(RoundedRect(1, 1, 15, 15, 1.6), Ellipse({8, 2.5}, 8.5, 5.5)), 8);
  image.Paint(gloss, {255, 255, 255}, 0.28);

  const Region cross =
      Union(Stroke({4.7, 4.7}, {11.3, 11.3}, 2.5), Stroke({11.3, 4.7}, {4.7, 11.3}, 2.5));
  const Mask crossMask = Rasterize(kSize, kSize, cross, 8);
  image.Paint(Blur(Shift(crossMask, 0, 1), 1), {10, 30, 90}, 0.55);
  image.Paint(crossMask, [](double, double y) {
    return Mix({255, 255, 255}, {222, 232, 248}, SmoothStep(4, 12, y));
  });
  return image;
}
}  // namespace

std::vector<std::uint8_t> CloseGlyphGif() {
  const std::vector<Rgb8> rgb = DrawGlyph().ToRgb8();
  std::vector<Rgb8> opaque;
  for (int y = 0; y < kSize; ++y) {
    for (int x = 0; x < kSize; ++x) {
      if (!IsCorner(x, y)) opaque.push_back(rgb[static_cast<std::size_t>(y) * kSize + x]);
    }
  }
  const Quantized reduced = QuantizeExactly(opaque, kOpaqueColours);
  GifPicture picture;
  picture.width = kSize;
  picture.height = kSize;
  picture.transparentIndex = kTransparentIndex;
  for (std::size_t i = 0; i < reduced.palette.size(); ++i) {
    if (reduced.palette[i] == Rgb8{0, 0, 0}) throw std::runtime_error("close glyph: pure black");
    picture.palette[i] = reduced.palette[i];
  }
  picture.palette[kTransparentIndex] = {255, 255, 255};
  std::size_t next = 0;
  for (int y = 0; y < kSize; ++y) {
    for (int x = 0; x < kSize; ++x) {
      picture.indices.push_back(
          IsCorner(x, y) ? kTransparentIndex : static_cast<std::uint8_t>(reduced.indices[next++]));
    }
  }
  return EncodeGif(picture);
}

}  // namespace assetgen
