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

// The picture at one scale. Rows and columns are measured in pixels of the
// 100 % picture: a pixel's position there is its centre mapped back, minus
// one half (so at 100 % it is the pixel's own index).
class Canvas {
 public:
  explicit Canvas(int percent)
      : percent(percent),
        scale(percent / 100.0),
        image(ScaledLength(kWidth, percent), ScaledLength(kHeight, percent), kPanel) {}
  double At100(int pixel) const { return (pixel + 0.5) / scale - 0.5; }
  int Reach(int pixels) const { return static_cast<int>(std::lround(pixels * scale)); }

  int percent;
  double scale;
  Image image;
};

void DrawStrip(Canvas& canvas) {
  Image& image = canvas.image;
  for (int y = 0; y < image.Height(); ++y) {
    // The strip's top and bottom lines are one 100 % pixel tall.
    const int row = static_cast<int>(std::floor((y + 0.5) / canvas.scale));
    if (row > kStripHeight) break;
    Rgb colour = Mix({224, 224, 222}, {184, 185, 184},
                     std::clamp(canvas.At100(y), 0.0, kStripHeight - 1.0) / (kStripHeight - 1));
    if (row == 0) colour = {242, 242, 240};
    if (row == kStripHeight - 1) colour = {128, 130, 129};
    if (row == kStripHeight) colour = Mix(kPanel, {255, 255, 255}, 0.35);
    for (int x = 0; x < image.Width(); ++x) image.At(x, y) = colour;
  }
}

void DrawEdgeShadow(Canvas& canvas) {
  Image& image = canvas.image;
  for (int y = 0; y < image.Height(); ++y) {
    for (int x = 0; x < image.Width(); ++x) {
      const double right =
          Clamp01((canvas.At100(x) - (kWidth - kShadowWidth - 1)) / double(kShadowWidth));
      const double bottom =
          Clamp01((canvas.At100(y) - (kHeight - kShadowWidth - 1)) / double(kShadowWidth));
      const double depth = std::pow(std::max(right, bottom), 1.4);
      if (depth > 0) image.At(x, y) = Mix(image.At(x, y), {36, 50, 46}, 0.9 * depth);
    }
  }
}

void DrawName(Canvas& canvas, const std::string& fontFile) {
  // 22 pixels set the capitals 16 pixels tall: from row 80 to the baseline at 96.
  const Typeface face(fontFile, canvas.Reach(22));
  const char* const kName = "Paperwisp";
  Image& image = canvas.image;
  const Mask letters = face.RenderCentred(kName, image.Width(), image.Height(), canvas.Reach(96));
  image.Paint(Blur(Shift(letters, canvas.Reach(1), canvas.Reach(1)), canvas.Reach(1)), {44, 90, 78},
              0.5);
  image.Paint(letters, MagnifiedShader(
                           [](double, double y) {
                             return Mix({20, 54, 148}, {66, 132, 226}, SmoothStep(79, 100, y));
                           },
                           canvas.scale));
}
}  // namespace

std::vector<std::uint8_t> AboutJpeg(const std::string& fontFile, int percent) {
  Canvas canvas(percent);
  DrawStrip(canvas);
  DrawName(canvas, fontFile);
  DrawEdgeShadow(canvas);
  return EncodePhotograph(canvas.image, percent);
}

}  // namespace assetgen
