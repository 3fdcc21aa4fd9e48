// The 16 x 16 close button: a glossy blue tile with a white diagonal cross.
#include <cmath>
#include <stdexcept>

#include "artwork.h"
#include "gif_file.h"
#include "quantize.h"
#include "shape_refinement.h"
#include "shapes.h"

namespace assetgen {

namespace {
constexpr int kSize = 16;
constexpr int kTransparentIndex = 255;
constexpr int kOpaqueColours = 41;
constexpr int kLargerOpaqueColours = 128;

// The tile's outline, in 100 % pixels, which larger scales follow.
Region Tile() { return RoundedRect(0, 0, kSize, kSize, 1.5); }

struct Glyph {
  Image image;
  Shape shape;
};

// At 100 % the four corner pixels are transparent, and nothing else.
Shape CornersOnly() {
  Shape shape{kSize, kSize, {}};
  for (int y = 0; y < kSize; ++y) {
    for (int x = 0; x < kSize; ++x)
      shape.transparent.push_back((x == 0 || x == kSize - 1) && (y == 0 || y == kSize - 1));
  }
  return shape;
}

Glyph DrawGlyph(int percent) {
  const double scale = percent / 100.0;
  const int size = ScaledLength(kSize, percent);
  const auto cover = [&](Region region) {
    return Rasterize(size, size, Magnified(std::move(region), scale), 8);
  };
  const auto reach = [&](int pixels) { return static_cast<int>(std::lround(pixels * scale)); };
  // The rim colour fills the whole tile first, so the pixels next to the
  // cut-off corners are solid rather than blended with an unknown background.
  Glyph glyph{Image(size, size, {22, 58, 140}), {}};
  Image& image = glyph.image;
  const Mask face = cover(RoundedRect(1, 1, 15, 15, 1.6));
  image.Paint(face, MagnifiedShader(
                        [](double, double y) {
                          return Mix({104, 168, 244}, {28, 88, 196}, SmoothStep(1, 15, y));
                        },
                        scale));
  const Mask gloss =
      cover(Intersection(RoundedRect(1, 1, 15, 15, 1.6), Ellipse({8, 2.5}, 8.5, 5.5)));
  image.Paint(gloss, {255, 255, 255}, 0.28);

  const Region cross =
      Union(Stroke({4.7, 4.7}, {11.3, 11.3}, 2.5), Stroke({11.3, 4.7}, {4.7, 11.3}, 2.5));
  const Mask crossMask = cover(cross);
  image.Paint(Blur(Shift(crossMask, 0, reach(1)), reach(1)), {10, 30, 90}, 0.55);
  image.Paint(crossMask, MagnifiedShader(
                             [](double, double y) {
                               return Mix({255, 255, 255}, {222, 232, 248}, SmoothStep(4, 12, y));
                             },
                             scale));

  const Mask tile = cover(Tile());
  glyph.shape = {size, size, {}};
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) glyph.shape.transparent.push_back(tile.At(x, y) < 0.5);
  }
  if (percent == 100)
    glyph.shape = CornersOnly();
  else if (percent % 100 == 0)
    AgreeWith100Percent(glyph.shape, tile, CornersOnly());
  return glyph;
}
}  // namespace

std::vector<std::uint8_t> CloseGlyphGif(int percent) {
  const Glyph glyph = DrawGlyph(percent);
  const int size = glyph.image.Width();
  const std::vector<Rgb8> rgb = glyph.image.ToRgb8();
  std::vector<Rgb8> opaque;
  for (std::size_t i = 0; i < rgb.size(); ++i) {
    if (!glyph.shape.transparent[i]) opaque.push_back(rgb[i]);
  }
  const Quantized reduced = percent == 100 ? QuantizeExactly(opaque, kOpaqueColours)
                                           : Quantize(opaque, kLargerOpaqueColours);
  GifPicture picture;
  picture.width = size;
  picture.height = size;
  picture.transparentIndex = kTransparentIndex;
  for (std::size_t i = 0; i < reduced.palette.size(); ++i) {
    if (reduced.palette[i] == Rgb8{0, 0, 0}) throw std::runtime_error("close glyph: pure black");
    picture.palette[i] = reduced.palette[i];
  }
  picture.palette[kTransparentIndex] = {255, 255, 255};
  std::size_t next = 0;
  for (std::size_t i = 0; i < rgb.size(); ++i) {
    picture.indices.push_back(glyph.shape.transparent[i]
                                  ? kTransparentIndex
                                  : static_cast<std::uint8_t>(reduced.indices[next++]));
  }
  return EncodeGif(picture);
}

}  // namespace assetgen
