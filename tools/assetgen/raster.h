// Floating-point pictures and coverage masks: the drawing surface of every
// piece of artwork. Colours are kept as doubles until the very end so that
// gradients and blends do not band before quantisation.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

namespace assetgen {

struct Rgb {
  double r = 0, g = 0, b = 0;
};

struct Rgb8 {
  std::uint8_t r = 0, g = 0, b = 0;
  auto operator<=>(const Rgb8&) const = default;
};

// t = 0 gives a, t = 1 gives b.
Rgb Mix(const Rgb& a, const Rgb& b, double t);
Rgb FromRgb8(const Rgb8& c);
Rgb8 ToRgb8(const Rgb& c);
double Clamp01(double v);
double SmoothStep(double edge0, double edge1, double v);

// A point test in picture coordinates: pixel (x, y) covers [x, x+1) x [y, y+1).
using Region = std::function<bool(double x, double y)>;
// A colour as a function of position (pixel centres are at x + 0.5).
using Shader = std::function<Rgb(double x, double y)>;

// The shader stretched `factor` times, as Magnified stretches a region.
Shader MagnifiedShader(Shader shader, double factor);

// Per-pixel coverage, 0 (outside) to 1 (inside).
class Mask {
 public:
  Mask(int width, int height);
  int Width() const { return width_; }
  int Height() const { return height_; }
  double& At(int x, int y) { return values_[static_cast<std::size_t>(y) * width_ + x]; }
  double At(int x, int y) const { return values_[static_cast<std::size_t>(y) * width_ + x]; }
  // Zero outside the mask, so shifted and blurred masks need no bounds checks.
  double AtOrZero(int x, int y) const;

 private:
  int width_;
  int height_;
  std::vector<double> values_;
};

// Coverage of a region, sampled samples x samples times in every pixel.
Mask Rasterize(int width, int height, const Region& region, int samples = 4);
// Three box-blur passes approximate a Gaussian of about the given radius.
Mask Blur(const Mask& mask, int radius);
Mask Shift(const Mask& mask, int dx, int dy);
Mask Scaled(const Mask& mask, double factor);
// Coverage of a or b, treating the two as independent layers.
Mask Unite(const Mask& a, const Mask& b);

class Image {
 public:
  Image(int width, int height, const Rgb& fill);
  int Width() const { return width_; }
  int Height() const { return height_; }
  Rgb& At(int x, int y) { return pixels_[static_cast<std::size_t>(y) * width_ + x]; }
  const Rgb& At(int x, int y) const { return pixels_[static_cast<std::size_t>(y) * width_ + x]; }
  // Lays paint over the picture wherever the mask covers it.
  void Paint(const Mask& mask, const Shader& shader, double opacity = 1.0);
  void Paint(const Mask& mask, const Rgb& colour, double opacity = 1.0);
  std::vector<Rgb8> ToRgb8() const;

 private:
  int width_;
  int height_;
  std::vector<Rgb> pixels_;
};

}  // namespace assetgen
