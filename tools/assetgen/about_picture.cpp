// The About window's background: a grey title strip over a light green
// panel, a dark shadow along the right and bottom edges, and the product
// name in blue lettering.
#include <algorithm>
#include <cmath>

#include "artwork.h"
#include "jpeg_file.h"
#include "lettering.h"

namespace assetgen {

namespace {
constexpr int kWidth = 452;
constexpr int kHeight = 309;
constexpr int kStripHeight = 32;
constexpr int kShadowWidth = 8;
constexpr Rgb kPanel{159, 201, 184};
constexpr int kQuality = 92;

void DrawStrip(Image& image) {
  for (int y = 0; y < kStripHeight; ++y) {
    Rgb colour = Mix({224, 224, 222}, {184, 185, 184}, y / double(kStripHeight - 1));
    if (y == 0) colour = {242, 242, 240};
    if (y == kStripHeight - 1) colour = {128, 130, 129};
    for (int x = 0; x < kWidth; ++x) image.At(x, y) = colour;
  }
  for (int x = 0; x < kWidth; ++x) image.At(x, kStripHeight) = Mix(kPanel, {255, 255, 255}, 0.35);
}

void DrawEdgeShadow(Image& image) {
  for (int y = 0; y < kHeight; ++y) {
    for (int x = 0; x < kWidth; ++x) {
      const double right = Clamp01((x - (kWidth - kShadowWidth - 1)) / double(kShadowWidth));
      const double bottom = Clamp01((y - (kHeight - kShadowWidth - 1)) / double(kShadowWidth));
      const double depth = std::pow(std::max(right, bottom), 1.4);
      if (depth > 0) image.At(x, y) = Mix(image.At(x, y), {36, 50, 46}, 0.9 * depth);
    }
  }
}

void DrawName(Image& image, const std::string& fontFile) {
  // 22 pixels set the capitals 16 pixels tall: from row 80 to the baseline at 96.
  const Typeface face(fontFile, 22);
  const char* const kName = "Paperwisp";
  const Mask letters = face.RenderCentred(kName, kWidth, kHeight, 96);
  image.Paint(Blur(Shift(letters, 1, 1), 1), {44, 90, 78}, 0.5);
  image.Paint(letters, [](double, double y) {
    return Mix({20, 54, 148}, {66, 132, 226}, SmoothStep(79, 100, y));
  });
}
}  // namespace

std::vector<std::uint8_t> AboutJpeg(const std::string& fontFile) {
  Image image(kWidth, kHeight, kPanel);
  DrawStrip(image);
  DrawName(image, fontFile);
  DrawEdgeShadow(image);
  return EncodeJpeg(image, kQuality);
}

}  // namespace assetgen
