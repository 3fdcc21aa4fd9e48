// The three window icons. Their edges are hard (a 1-bit mask), so every
// shape carries a dark rim that reads on light and dark taskbars alike.
#include <algorithm>
#include <cmath>
#include <numbers>
#include <utility>

#include "artwork.h"
#include "shapes.h"

namespace assetgen {

namespace {

// An icon of `size` pixels drawn from a design `design` units across.
struct Canvas {
  Canvas(int size, int design)
      : size(size),
        scale(double(size) / design),
        image(size, size, {90, 60, 30}),
        coverage(size, size) {}
  Mask Cover(Region region) const {
    return Rasterize(size, size, Magnified(std::move(region), scale), 8);
  }
  // How much a rim of the given design width must grow, in design units, to
  // stay one pixel wide: small sizes keep the outline that makes them
  // readable.
  double Widen(double rim) const { return std::max(0.0, 1 / scale - rim); }
  // A ruled line: below the design size on the middle of a pixel row, and
  // at least one pixel wide.
  Region Rule(double fromX, double toX, double y, double width) const {
    if (scale < 1) y = (std::floor(y * scale) + 0.5) / scale;
    return Stroke({fromX, y}, {toX, y}, std::max(width, 1 / scale));
  }
  // Paints a shape and counts it as part of the icon's opaque area.
  void Solid(const Region& region, const Rgb& colour) {
    const Mask mask = Cover(region);
    image.Paint(mask, colour);
    coverage = Unite(coverage, mask);
  }
  void Detail(const Region& region, const Rgb& colour, double opacity = 1) {
    image.Paint(Cover(region), colour, opacity);
  }
  void Detail(const Region& region, const Shader& shader) {
    image.Paint(Cover(region), MagnifiedShader(shader, scale));
  }

  int size;
  double scale;
  Image image;
  Mask coverage;
};

Shader Vertical(Rgb top, Rgb bottom, double from, double to) {
  return [=](double, double y) { return Mix(top, bottom, Clamp01((y - from) / (to - from))); };
}

// An orange note sheet with a header band, ruled lines and a folded corner.
Canvas DrawApplicationNote(int size) {
  Canvas c(size, 48);
  const Rgb rim{118, 70, 18};
  const double d = c.Widen(1.5), slant = d * (1 - std::numbers::sqrt2);
  c.Solid(Polygon({{5, 4}, {43, 4}, {43, 33}, {31, 45}, {5, 45}}), rim);
  const Region paper = Polygon({{6.5 + d, 5.5 + d},
                                {41.5 - d, 5.5 + d},
                                {41.5 - d, 32.4 + slant},
                                {30.4 + slant, 43.5 - d},
                                {6.5 + d, 43.5 - d}});
  c.Detail(paper, Vertical({250, 178, 72}, {236, 148, 40}, 14, 44));
  c.Detail(Intersection(paper, [](double, double y) { return y < 14; }),
           Vertical({254, 222, 160}, {250, 200, 117}, 5, 14));
  c.Detail(Intersection(paper, [](double, double y) { return y >= 14 && y < 15.5; }),
           {196, 116, 28});
  for (double y : {21.0, 27.0, 33.0}) c.Detail(c.Rule(11, 37, y, 1.7), {206, 122, 34});
  c.Detail(c.Rule(11, 25, 39, 1.7), {206, 122, 34});
  c.Detail(Polygon({{43, 33}, {31, 33}, {31, 45}}), rim);
  c.Detail(Polygon({{40.2, 34.5}, {32.5, 34.5}, {32.5, 42.2}}),
           Vertical({255, 236, 196}, {246, 204, 136}, 34, 42));
  return c;
}

// A red pin holding a stack of three notes: blue, green and yellow.
Canvas DrawController(int size) {
  Canvas c(size, 48);
  const Point pivot{24, 26};
  const double d = c.Widen(1.5);
  const auto inside = [d](double left, double top, double right, double bottom) {
    return RoundedRect(left + d, top + d, right - d, bottom - d, 1.5);
  };
  c.Solid(Rotated(RoundedRect(11, 6, 43, 38, 2), pivot, 17), {34, 66, 128});
  c.Detail(Rotated(inside(12.5, 7.5, 41.5, 36.5), pivot, 17), {100, 152, 220});
  c.Solid(Rotated(RoundedRect(4, 8, 36, 40, 2), pivot, -13), {84, 112, 30});
  c.Detail(Rotated(inside(5.5, 9.5, 34.5, 38.5), pivot, -13), {186, 216, 92});
  c.Solid(RoundedRect(9, 13, 40, 45, 2), {136, 104, 16});
  const Region front = inside(10.5, 14.5, 38.5, 43.5);
  c.Detail(front, Vertical({252, 232, 120}, {240, 208, 70}, 20, 44));
  c.Detail(Intersection(front, [](double, double y) { return y < 20; }), {253, 242, 178});
  for (double y : {26.0, 31.5, 37.0}) c.Detail(c.Rule(15, 34, y, 1.8), {196, 160, 40});
  // The pin: a needle into the paper and a round head catching the light.
  c.Detail(Stroke({25.5, 15}, {27.5, 21}, 2.2), {120, 120, 130});
  c.Solid(Circle({24, 11}, 8), {112, 12, 14});
  c.Detail(Circle({24, 11}, 6.6), [](double x, double y) {
    return Mix({255, 120, 104}, {186, 22, 26}, Clamp01(std::hypot(x - 21.5, y - 8.5) / 9));
  });
  c.Detail(Ellipse({21.6, 8.4}, 2.4, 1.7), {255, 228, 220});
  return c;
}

// A white sheet of paper, tilted, with blue lines and a folded corner.
Canvas DrawSmallSheet(int size) {
  Canvas c(size, 32);
  const Point pivot{16, 16};
  const auto tilt = [pivot](Region r) { return Rotated(std::move(r), pivot, -12); };
  const Rgb rim{70, 84, 120};
  const double d = c.Widen(1.3), slant = d * (1 - std::numbers::sqrt2);
  const double line = std::max(1.5, 1 / c.scale);
  c.Solid(tilt(Polygon({{6, 2.5}, {26, 2.5}, {26, 22.5}, {19, 29.5}, {6, 29.5}})), rim);
  c.Detail(tilt(Polygon({{7.3 + d, 3.8 + d},
                         {24.7 - d, 3.8 + d},
                         {24.7 - d, 21.9 + slant},
                         {18.4 + slant, 28.2 - d},
                         {7.3 + d, 28.2 - d}})),
           Vertical({255, 255, 255}, {232, 236, 244}, 3, 29));
  for (double y : {9.0, 13.5, 18.0}) c.Detail(tilt(Stroke({10, y}, {22, y}, line)), {96, 140, 214});
  c.Detail(tilt(Stroke({10, 22.5}, {16.5, 22.5}, line)), {96, 140, 214});
  c.Detail(tilt(Polygon({{26, 22.5}, {19, 22.5}, {19, 29.5}})), rim);
  c.Detail(tilt(Polygon({{24, 23.7}, {20.2, 23.7}, {20.2, 27.5}})), {206, 214, 232});
  return c;
}

IconPicture ToIcon(const Canvas& canvas) { return MakeIconPicture(canvas.image, canvas.coverage); }

}  // namespace

IconPicture ApplicationNoteIcon(int size) { return ToIcon(DrawApplicationNote(size)); }
IconPicture ControllerIcon(int size) { return ToIcon(DrawController(size)); }
IconPicture SmallSheetIcon(int size) { return ToIcon(DrawSmallSheet(size)); }

}  // namespace assetgen
