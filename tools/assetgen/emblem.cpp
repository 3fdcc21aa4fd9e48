// The About window's 48 x 48 emblem: a tilted sheet of paper with a folded
// corner, resting on the window's green panel.
#include <algorithm>
#include <cmath>
#include <numeric>
#include <stdexcept>
#include <utility>

#include "artwork.h"
#include "gif_file.h"
#include "quantize.h"
#include "shape_refinement.h"
#include "shapes.h"

namespace assetgen {

namespace {
constexpr int kSize = 48;
constexpr int kTransparentIndex = 48;
constexpr int kTransparentPixels = 664;
constexpr int kOpaqueColours = 127;
constexpr int kLargerOpaqueColours = 254;
constexpr Rgb8 kTransparentColour{192, 192, 192};
// Edge pixels blend into the colour the emblem sits on in the About window.
constexpr Rgb kPanel{159, 201, 184};
constexpr Point kCentre{23.5, 22.5};
constexpr double kTilt = -12;
constexpr double kLeft = 8.5, kRight = 38.5, kTop = 3.5, kBottom = 41.5, kFold = 9;

Region Tilted(Region region) { return Rotated(std::move(region), kCentre, kTilt); }

Region SheetShape(double inset) {
  return Tilted(Polygon({{kLeft + inset, kTop + inset},
                         {kRight - inset, kTop + inset},
                         {kRight - inset, kBottom - kFold},
                         {kRight - kFold, kBottom - inset},
                         {kLeft + inset, kBottom - inset}}));
}

struct Drawing {
  explicit Drawing(int size) : image(size, size, kPanel), coverage(size, size) {}
  Image image;
  Mask coverage;
};

Drawing Draw(int percent) {
  const double scale = percent / 100.0;
  const int size = ScaledLength(kSize, percent);
  const auto cover = [&](Region region) {
    return Rasterize(size, size, Magnified(std::move(region), scale), 8);
  };
  const auto shade = [&](Shader shader) { return MagnifiedShader(std::move(shader), scale); };
  const auto reach = [&](int pixels) { return static_cast<int>(std::lround(pixels * scale)); };
  Drawing d(size);
  const Mask sheet = cover(SheetShape(0));
  const Mask shadow = Scaled(Blur(Shift(sheet, reach(2), reach(2)), reach(1)), 0.5);
  d.image.Paint(shadow, {40, 78, 66});
  d.image.Paint(sheet, {168, 158, 136});
  d.image.Paint(cover(SheetShape(1)), shade([](double x, double y) {
                  return Mix({255, 253, 244}, {240, 232, 210}, Clamp01((x + y - 10) / 70));
                }));
  const Region header = Tilted(Polygon({{kLeft + 1, kTop + 1},
                                        {kRight - 1, kTop + 1},
                                        {kRight - 1, kTop + 8},
                                        {kLeft + 1, kTop + 8}}));
  d.image.Paint(cover(header), shade([](double x, double) {
                  return Mix({252, 226, 140}, {246, 200, 120}, Clamp01((x - 8) / 32));
                }));
  const double lineEnds[] = {kRight - 5, kRight - 8, kRight - 5, kRight - 12, kRight - 14};
  for (int line = 0; line < 5; ++line) {
    const double y = kTop + 13 + 4.6 * line;
    const Region stroke = Tilted(Stroke({kLeft + 5, y}, {lineEnds[line], y}, 1.5));
    d.image.Paint(cover(stroke), {126, 160, 214});
  }
  // The folded-back corner, a shade darker, with a soft shadow under it.
  const Region flap = Tilted(Polygon(
      {{kRight, kBottom - kFold}, {kRight - kFold, kBottom - kFold}, {kRight - kFold, kBottom}}));
  const Mask flapMask = cover(flap);
  d.image.Paint(Blur(Shift(flapMask, -reach(1), -reach(1)), reach(1)), {120, 110, 90}, 0.35);
  d.image.Paint(flapMask, {168, 158, 136});
  d.image.Paint(cover(Tilted(Polygon({{kRight - 1.7, kBottom - kFold + 1},
                                      {kRight - kFold + 1, kBottom - kFold + 1},
                                      {kRight - kFold + 1, kBottom - 1.7}}))),
                shade([](double x, double y) {
                  return Mix({236, 226, 198}, {214, 202, 172}, Clamp01((x + y - 66) / 12));
                }));
  d.coverage = Unite(sheet, shadow);
  return d;
}

// At 100 % the faintest pixels become transparent, exactly as many as the
// layout needs.
std::vector<bool> FaintestPixels(const Mask& coverage) {
  const int count = coverage.Width() * coverage.Height();
  const auto at = [&](int i) { return coverage.At(i % coverage.Width(), i / coverage.Width()); };
  std::vector<int> order(count);
  std::iota(order.begin(), order.end(), 0);
  std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return at(a) < at(b); });
  const double cutoff = at(order[kTransparentPixels]);
  if (cutoff <= 0.0 || cutoff > 0.6)
    throw std::runtime_error("emblem: the sheet does not fit the transparent area");
  std::vector<bool> transparent(count, false);
  for (int i = 0; i < kTransparentPixels; ++i) transparent[order[i]] = true;
  return transparent;
}

// Larger scales keep every pixel at least as covered as the faintest opaque
// pixel at 100 %, and then agree with the 100 % outline wherever it falls
// inside a pixel there.
std::vector<bool> LargerShape(const Mask& coverage, int percent) {
  static const Shape actual = [] {
    const Mask reference = Draw(100).coverage;
    return Shape{kSize, kSize, FaintestPixels(reference)};
  }();
  static const double cutoff = [] {
    const Mask reference = Draw(100).coverage;
    double faintest = 1;
    for (int i = 0; i < kSize * kSize; ++i) {
      if (!actual.transparent[i]) faintest = std::min(faintest, reference.At(i % kSize, i / kSize));
    }
    return faintest;
  }();
  Shape shape{coverage.Width(), coverage.Height(), {}};
  for (int y = 0; y < coverage.Height(); ++y) {
    for (int x = 0; x < coverage.Width(); ++x)
      shape.transparent.push_back(coverage.At(x, y) < cutoff);
  }
  if (percent % 100 == 0) AgreeWith100Percent(shape, coverage, actual);
  return shape.transparent;
}

}  // namespace

std::vector<std::uint8_t> EmblemGif(int percent) {
  const Drawing drawing = Draw(percent);
  const int size = drawing.image.Width();
  const std::vector<bool> transparent =
      percent == 100 ? FaintestPixels(drawing.coverage) : LargerShape(drawing.coverage, percent);
  const int opaqueColours = percent == 100 ? kOpaqueColours : kLargerOpaqueColours;

  const std::vector<Rgb8> rgb = drawing.image.ToRgb8();
  std::vector<Rgb8> opaque;
  for (int i = 0; i < size * size; ++i) {
    if (!transparent[i]) opaque.push_back(rgb[i]);
  }
  const Quantized reduced =
      percent == 100 ? QuantizeExactly(opaque, opaqueColours) : Quantize(opaque, opaqueColours);
  // Opaque colours take the entries around the transparent one.
  const auto entry = [](int colour) { return colour < kTransparentIndex ? colour : colour + 1; };
  GifPicture picture;
  picture.width = size;
  picture.height = size;
  picture.transparentIndex = kTransparentIndex;
  for (std::size_t i = 0; i < reduced.palette.size(); ++i)
    picture.palette[entry(static_cast<int>(i))] = reduced.palette[i];
  picture.palette[kTransparentIndex] = kTransparentColour;
  std::size_t next = 0;
  for (int i = 0; i < size * size; ++i) {
    picture.indices.push_back(static_cast<std::uint8_t>(
        transparent[i] ? kTransparentIndex : entry(reduced.indices[next++])));
  }
  return EncodeGif(picture);
}

}  // namespace assetgen
