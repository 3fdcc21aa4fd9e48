// The alarm alert's background: a red twin-bell alarm clock with a white
// dial on green, and a wake-up line near the bottom.
#include <cmath>
#include <numbers>
#include <string>

#include "artwork.h"
#include "jpeg_file.h"
#include "lettering.h"
#include "shapes.h"

namespace assetgen {

namespace {
constexpr int kWidth = 256;
constexpr int kHeight = 300;
constexpr Point kClock{128, 108};
constexpr double kBodyRadius = 60;
constexpr double kDialRadius = 47;
constexpr int kQuality = 92;

constexpr Rgb kDarkRed{104, 12, 16};
constexpr Rgb kInk{44, 44, 58};

Mask Cover(const Region& region) { return Rasterize(kWidth, kHeight, region, 4); }

// A point at the given clock angle (degrees from twelve, clockwise) and distance from the centre.
Point OnClock(double degrees, double distance) {
  const double a = degrees * std::numbers::pi / 180;
  return {kClock.x + distance * std::sin(a), kClock.y - distance * std::cos(a)};
}

void DrawBackground(Image& image) {
  for (int y = 0; y < kHeight; ++y) {
    for (int x = 0; x < kWidth; ++x) {
      const Rgb base = Mix({86, 168, 96}, {34, 108, 56}, y / double(kHeight - 1));
      const double dx = x + 0.5 - kClock.x, dy = y + 0.5 - kClock.y;
      const double glow = std::exp(-(dx * dx + dy * dy) / (2 * 80.0 * 80.0));
      image.At(x, y) = Mix(base, {168, 222, 150}, 0.55 * glow);
    }
  }
  const Mask floorShadow = Blur(Cover(Ellipse({kClock.x, 182}, 56, 8)), 3);
  image.Paint(floorShadow, {16, 60, 30}, 0.55);
}

// Bells lean outward over the top; a hammer stands between them.
void DrawBells(Image& image) {
  for (double side : {-1.0, 1.0}) {
    const double angle = 40 * side;
    const Point centre = OnClock(angle, 62);
    const Region dome = Rotated(
        Intersection(Circle(centre, 22), [centre](double, double y) { return y < centre.y + 5; }),
        centre, angle);
    image.Paint(Cover(dome), kDarkRed);
    const Region inner = Rotated(
        Intersection(Circle(centre, 20), [centre](double, double y) { return y < centre.y + 3.5; }),
        centre, angle);
    image.Paint(Cover(inner), [centre](double x, double y) {
      const double d = std::hypot(x - (centre.x - 6), y - (centre.y - 10));
      return Mix({250, 110, 96}, {176, 22, 26}, SmoothStep(0, 24, d));
    });
    image.Paint(Cover(Stroke(OnClock(angle, 44), OnClock(angle, 60), 5)), kDarkRed);
  }
  image.Paint(Cover(Stroke(OnClock(0, 56), OnClock(0, 74), 4)), {150, 150, 160});
  image.Paint(Cover(Ellipse(OnClock(0, 76), 9, 5)), {170, 170, 180});
  image.Paint(Cover(Ellipse(OnClock(0, 77), 6, 2.5)), {226, 226, 232});
}

void DrawLegs(Image& image) {
  for (double angle : {145.0, 215.0}) {
    image.Paint(Cover(Stroke(OnClock(angle, 50), OnClock(angle, 72), 8)), kDarkRed);
    image.Paint(Cover(Stroke(OnClock(angle, 52), OnClock(angle, 70), 4)), {190, 36, 34});
  }
}

void DrawBody(Image& image) {
  image.Paint(Cover(Circle(kClock, kBodyRadius)), kDarkRed);
  image.Paint(Cover(Circle(kClock, kBodyRadius - 2)), [](double x, double y) {
    const double d = std::hypot(x - (kClock.x - 22), y - (kClock.y - 26));
    return Mix({246, 82, 70}, {160, 18, 24}, SmoothStep(0, 88, d));
  });
  const Region gleam = Difference(Circle(kClock, kBodyRadius - 4),
                                  Circle({kClock.x + 5, kClock.y + 6}, kBodyRadius - 4));
  image.Paint(Blur(Cover(gleam), 1), {255, 255, 255}, 0.45);
}

void DrawDial(Image& image, const std::string& fontFile) {
  image.Paint(Cover(Circle(kClock, kDialRadius + 2)), {120, 16, 20});
  image.Paint(Cover(Circle(kClock, kDialRadius)), [](double x, double y) {
    const double d = std::hypot(x - kClock.x, y - (kClock.y + 6));
    return Mix({255, 255, 252}, {214, 214, 220}, SmoothStep(30, 52, d));
  });
  for (int hour = 0; hour < 12; ++hour) {
    const bool quarter = hour % 3 == 0;
    image.Paint(Cover(Stroke(OnClock(hour * 30, quarter ? 36 : 39), OnClock(hour * 30, 43),
                             quarter ? 3 : 1.6)),
                kInk);
  }
  const Typeface face(fontFile, 11);
  const struct {
    const char* text;
    double angle;
  } numbers[] = {{"12", 0}, {"3", 90}, {"6", 180}, {"9", 270}};
  for (const auto& number : numbers) {
    const Point at = OnClock(number.angle, 28);
    const TextExtent extent = face.Measure(number.text);
    const Mask digits = face.Render(number.text, kWidth, kHeight,
                                    static_cast<int>(std::lround(at.x - extent.width / 2.0)),
                                    static_cast<int>(std::lround(at.y + extent.ascent / 2.0)));
    image.Paint(digits, kInk);
  }
  // Seven o'clock: time to get up.
  image.Paint(
      Blur(Cover(Union(Stroke(kClock, OnClock(210, 24), 4.5), Stroke(kClock, OnClock(0, 36), 3))),
           1),
      {120, 120, 130}, 0.35);
  image.Paint(Cover(Stroke(kClock, OnClock(210, 24), 4.5)), kInk);
  image.Paint(Cover(Stroke(kClock, OnClock(0, 36), 3)), kInk);
  image.Paint(Cover(Stroke(OnClock(130, -8), OnClock(130, 40), 1.2)), {200, 30, 30});
  image.Paint(Cover(Circle(kClock, 4)), {200, 30, 30});
  image.Paint(Cover(Circle(kClock, 1.6)), {250, 220, 210});
}

void DrawWakeUpLine(Image& image, const std::string& fontFile) {
  const Typeface face(fontFile, 21);
  const char* const kLine = "Time to wake up!";
  const Mask letters = face.RenderCentred(kLine, kWidth, kHeight, 262);
  image.Paint(Blur(Shift(letters, 1, 2), 1), {10, 50, 24}, 0.7);
  image.Paint(letters, [](double, double y) {
    return Mix({255, 255, 255}, {236, 246, 210}, SmoothStep(246, 264, y));
  });
}
}  // namespace

std::vector<std::uint8_t> AlertJpeg(const std::string& fontFile) {
  Image image(kWidth, kHeight, {0, 0, 0});
  DrawBackground(image);
  DrawLegs(image);
  DrawBells(image);
  DrawBody(image);
  DrawDial(image, fontFile);
  DrawWakeUpLine(image, fontFile);
  return EncodeJpeg(image, kQuality);
}

}  // namespace assetgen
