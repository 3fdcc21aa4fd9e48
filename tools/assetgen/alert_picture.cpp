// The alarm alert's background: a red twin-bell alarm clock with a white
// dial on green, and a wake-up line near the bottom.
#include <cmath>
#include <numbers>
#include <string>
#include <utility>

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

constexpr Rgb kDarkRed{104, 12, 16};
constexpr Rgb kInk{44, 44, 58};

// The picture at one scale; shapes and shaders are given in pixels of the
// 100 % picture.
struct Canvas {
  explicit Canvas(int percent)
      : scale(percent / 100.0),
        image(ScaledLength(kWidth, percent), ScaledLength(kHeight, percent), {0, 0, 0}) {}
  Mask Cover(Region region) const {
    return Rasterize(image.Width(), image.Height(), Magnified(std::move(region), scale), 4);
  }
  void Paint(const Mask& mask, Shader shader, double opacity = 1.0) {
    image.Paint(mask, MagnifiedShader(std::move(shader), scale), opacity);
  }
  void Paint(const Mask& mask, const Rgb& colour, double opacity = 1.0) {
    image.Paint(mask, colour, opacity);
  }
  int Reach(double pixels) const { return static_cast<int>(std::lround(pixels * scale)); }

  double scale;
  Image image;
};

// A point at the given clock angle (degrees from twelve, clockwise) and distance from the centre.
Point OnClock(double degrees, double distance) {
  const double a = degrees * std::numbers::pi / 180;
  return {kClock.x + distance * std::sin(a), kClock.y - distance * std::cos(a)};
}

void DrawBackground(Canvas& canvas) {
  Image& image = canvas.image;
  for (int y = 0; y < image.Height(); ++y) {
    for (int x = 0; x < image.Width(); ++x) {
      // The centre of the pixel, and its row as a 100 % index.
      const double cx = (x + 0.5) / canvas.scale, cy = (y + 0.5) / canvas.scale;
      const Rgb base = Mix({86, 168, 96}, {34, 108, 56}, (cy - 0.5) / double(kHeight - 1));
      const double dx = cx - kClock.x, dy = cy - kClock.y;
      const double glow = std::exp(-(dx * dx + dy * dy) / (2 * 80.0 * 80.0));
      image.At(x, y) = Mix(base, {168, 222, 150}, 0.55 * glow);
    }
  }
  const Mask floorShadow = Blur(canvas.Cover(Ellipse({kClock.x, 182}, 56, 8)), canvas.Reach(3));
  canvas.Paint(floorShadow, {16, 60, 30}, 0.55);
}

// Bells lean outward over the top; a hammer stands between them.
void DrawBells(Canvas& canvas) {
  for (double side : {-1.0, 1.0}) {
    const double angle = 40 * side;
    const Point centre = OnClock(angle, 62);
    const Region dome = Rotated(
        Intersection(Circle(centre, 22), [centre](double, double y) { return y < centre.y + 5; }),
        centre, angle);
    canvas.Paint(canvas.Cover(dome), kDarkRed);
    const Region inner = Rotated(
        Intersection(Circle(centre, 20), [centre](double, double y) { return y < centre.y + 3.5; }),
        centre, angle);
    canvas.Paint(canvas.Cover(inner), [centre](double x, double y) {
      const double d = std::hypot(x - (centre.x - 6), y - (centre.y - 10));
      return Mix({250, 110, 96}, {176, 22, 26}, SmoothStep(0, 24, d));
    });
    canvas.Paint(canvas.Cover(Stroke(OnClock(angle, 44), OnClock(angle, 60), 5)), kDarkRed);
  }
  canvas.Paint(canvas.Cover(Stroke(OnClock(0, 56), OnClock(0, 74), 4)), {150, 150, 160});
  canvas.Paint(canvas.Cover(Ellipse(OnClock(0, 76), 9, 5)), {170, 170, 180});
  canvas.Paint(canvas.Cover(Ellipse(OnClock(0, 77), 6, 2.5)), {226, 226, 232});
}

void DrawLegs(Canvas& canvas) {
  for (double angle : {145.0, 215.0}) {
    canvas.Paint(canvas.Cover(Stroke(OnClock(angle, 50), OnClock(angle, 72), 8)), kDarkRed);
    canvas.Paint(canvas.Cover(Stroke(OnClock(angle, 52), OnClock(angle, 70), 4)), {190, 36, 34});
  }
}

void DrawBody(Canvas& canvas) {
  canvas.Paint(canvas.Cover(Circle(kClock, kBodyRadius)), kDarkRed);
  canvas.Paint(canvas.Cover(Circle(kClock, kBodyRadius - 2)), [](double x, double y) {
    const double d = std::hypot(x - (kClock.x - 22), y - (kClock.y - 26));
    return Mix({246, 82, 70}, {160, 18, 24}, SmoothStep(0, 88, d));
  });
  const Region gleam = Difference(Circle(kClock, kBodyRadius - 4),
                                  Circle({kClock.x + 5, kClock.y + 6}, kBodyRadius - 4));
  canvas.Paint(Blur(canvas.Cover(gleam), canvas.Reach(1)), {255, 255, 255}, 0.45);
}

void DrawDial(Canvas& canvas, const std::string& fontFile) {
  canvas.Paint(canvas.Cover(Circle(kClock, kDialRadius + 2)), {120, 16, 20});
  canvas.Paint(canvas.Cover(Circle(kClock, kDialRadius)), [](double x, double y) {
    const double d = std::hypot(x - kClock.x, y - (kClock.y + 6));
    return Mix({255, 255, 252}, {214, 214, 220}, SmoothStep(30, 52, d));
  });
  for (int hour = 0; hour < 12; ++hour) {
    const bool quarter = hour % 3 == 0;
    canvas.Paint(canvas.Cover(Stroke(OnClock(hour * 30, quarter ? 36 : 39), OnClock(hour * 30, 43),
                                     quarter ? 3 : 1.6)),
                 kInk);
  }
  const Typeface face(fontFile, canvas.Reach(11));
  const struct {
    const char* text;
    double angle;
  } numbers[] = {{"12", 0}, {"3", 90}, {"6", 180}, {"9", 270}};
  for (const auto& number : numbers) {
    const Point at = OnClock(number.angle, 28);
    const TextExtent extent = face.Measure(number.text);
    const Mask digits =
        face.Render(number.text, canvas.image.Width(), canvas.image.Height(),
                    static_cast<int>(std::lround(at.x * canvas.scale - extent.width / 2.0)),
                    static_cast<int>(std::lround(at.y * canvas.scale + extent.ascent / 2.0)));
    canvas.Paint(digits, kInk);
  }
  // Seven o'clock: time to get up.
  canvas.Paint(Blur(canvas.Cover(Union(Stroke(kClock, OnClock(210, 24), 4.5),
                                       Stroke(kClock, OnClock(0, 36), 3))),
                    canvas.Reach(1)),
               {120, 120, 130}, 0.35);
  canvas.Paint(canvas.Cover(Stroke(kClock, OnClock(210, 24), 4.5)), kInk);
  canvas.Paint(canvas.Cover(Stroke(kClock, OnClock(0, 36), 3)), kInk);
  canvas.Paint(canvas.Cover(Stroke(OnClock(130, -8), OnClock(130, 40), 1.2)), {200, 30, 30});
  canvas.Paint(canvas.Cover(Circle(kClock, 4)), {200, 30, 30});
  canvas.Paint(canvas.Cover(Circle(kClock, 1.6)), {250, 220, 210});
}

void DrawWakeUpLine(Canvas& canvas, const std::string& fontFile) {
  const Typeface face(fontFile, canvas.Reach(21));
  const char* const kLine = "Time to wake up!";
  const Mask letters =
      face.RenderCentred(kLine, canvas.image.Width(), canvas.image.Height(), canvas.Reach(262));
  canvas.Paint(Blur(Shift(letters, canvas.Reach(1), canvas.Reach(2)), canvas.Reach(1)),
               {10, 50, 24}, 0.7);
  canvas.Paint(letters, [](double, double y) {
    return Mix({255, 255, 255}, {236, 246, 210}, SmoothStep(246, 264, y));
  });
}
}  // namespace

std::vector<std::uint8_t> AlertJpeg(const std::string& fontFile, int percent) {
  Canvas canvas(percent);
  DrawBackground(canvas);
  DrawLegs(canvas);
  DrawBells(canvas);
  DrawBody(canvas);
  DrawDial(canvas, fontFile);
  DrawWakeUpLine(canvas, fontFile);
  return EncodePhotograph(canvas.image, percent);
}

}  // namespace assetgen
