// The About window's 48 x 48 emblem: a tilted sheet of paper with a folded
// corner, resting on the window's green panel.
#include <algorithm>
#include <numeric>
#include <stdexcept>

#include "artwork.h"
#include "gif_file.h"
#include "quantize.h"
#include "shapes.h"

namespace assetgen {

namespace {
constexpr int kSize = 48;
constexpr int kTransparentIndex = 48;
constexpr int kTransparentPixels = 664;
constexpr int kOpaqueColours = 127;
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
  Image image{kSize, kSize, kPanel};
  Mask coverage{kSize, kSize};
};

Drawing Draw() {
  Drawing d;
  const Mask sheet = Rasterize(kSize, kSize, SheetShape(0), 8);
  const Mask shadow = Scaled(Blur(Shift(sheet, 2, 2), 1), 0.5);
  d.image.Paint(shadow, {40, 78, 66});
  d.image.Paint(sheet, {168, 158, 136});
  d.image.Paint(Rasterize(kSize, kSize, SheetShape(1), 8), [](double x, double y) {
    return Mix({255, 253, 244}, {240, 232, 210}, Clamp01((x + y - 10) / 70));
  });
  const Region header = Tilted(Polygon({{kLeft + 1, kTop + 1},
                                        {kRight - 1, kTop + 1},
                                        {kRight - 1, kTop + 8},
                                        {kLeft + 1, kTop + 8}}));
  d.image.Paint(Rasterize(kSize, kSize, header, 8), [](double x, double) {
    return Mix({252, 226, 140}, {246, 200, 120}, Clamp01((x - 8) / 32));
  });
  const double lineEnds[] = {kRight - 5, kRight - 8, kRight - 5, kRight - 12, kRight - 14};
  for (int line = 0; line < 5; ++line) {
    const double y = kTop + 13 + 4.6 * line;
    const Region stroke = Tilted(Stroke({kLeft + 5, y}, {lineEnds[line], y}, 1.5));
    d.image.Paint(Rasterize(kSize, kSize, stroke, 8), {126, 160, 214});
  }
  // The folded-back corner, a shade darker, with a soft shadow under it.
  const Region flap = Tilted(Polygon(
      {{kRight, kBottom - kFold}, {kRight - kFold, kBottom - kFold}, {kRight - kFold, kBottom}}));
  const Mask flapMask = Rasterize(kSize, kSize, flap, 8);
  d.image.Paint(Blur(Shift(flapMask, -1, -1), 1), {120, 110, 90}, 0.35);
  d.image.Paint(flapMask, {168, 158, 136});
  d.image.Paint(Rasterize(kSize, kSize,
                          Tilted(Polygon({{kRight - 1.7, kBottom - kFold + 1},
                                          {kRight - kFold + 1, kBottom - kFold + 1},
                                          {kRight - kFold + 1, kBottom - 1.7}})),
                          8),
                [](double x, double y) {
                  return Mix({236, 226, 198}, {214, 202, 172}, Clamp01((x + y - 66) / 12));
                });
  d.coverage = Unite(sheet, shadow);
  return d;
}
}  // namespace

std::vector<std::uint8_t> EmblemGif() {
  const Drawing drawing = Draw();
  // The faintest pixels become transparent, exactly as many as the layout needs.
  std::vector<int> order(kSize * kSize);
  std::iota(order.begin(), order.end(), 0);
  std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
    return drawing.coverage.At(a % kSize, a / kSize) < drawing.coverage.At(b % kSize, b / kSize);
  });
  const double cutoff =
      drawing.coverage.At(order[kTransparentPixels] % kSize, order[kTransparentPixels] / kSize);
  if (cutoff <= 0.0 || cutoff > 0.6)
    throw std::runtime_error("emblem: the sheet does not fit the transparent area");
  std::vector<bool> transparent(kSize * kSize, false);
  for (int i = 0; i < kTransparentPixels; ++i) transparent[order[i]] = true;

  const std::vector<Rgb8> rgb = drawing.image.ToRgb8();
  std::vector<Rgb8> opaque;
  for (int i = 0; i < kSize * kSize; ++i) {
    if (!transparent[i]) opaque.push_back(rgb[i]);
  }
  const Quantized reduced = QuantizeExactly(opaque, kOpaqueColours);
  // Opaque colours take the entries around the transparent one.
  const auto entry = [](int colour) { return colour < kTransparentIndex ? colour : colour + 1; };
  GifPicture picture;
  picture.width = kSize;
  picture.height = kSize;
  picture.transparentIndex = kTransparentIndex;
  for (int i = 0; i < kOpaqueColours; ++i) picture.palette[entry(i)] = reduced.palette[i];
  picture.palette[kTransparentIndex] = kTransparentColour;
  std::size_t next = 0;
  for (int i = 0; i < kSize * kSize; ++i) {
    picture.indices.push_back(static_cast<std::uint8_t>(
        transparent[i] ? kTransparentIndex : entry(reduced.indices[next++])));
  }
  return EncodeGif(picture);
}

}  // namespace assetgen
