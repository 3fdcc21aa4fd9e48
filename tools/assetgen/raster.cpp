#include "raster.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace assetgen {

Rgb Mix(const Rgb& a, const Rgb& b, double t) {
  return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

Rgb FromRgb8(const Rgb8& c) { return {double(c.r), double(c.g), double(c.b)}; }

Rgb8 ToRgb8(const Rgb& c) {
  const auto channel = [](double v) {
    return static_cast<std::uint8_t>(std::lround(std::clamp(v, 0.0, 255.0)));
  };
  return {channel(c.r), channel(c.g), channel(c.b)};
}

double Clamp01(double v) { return std::clamp(v, 0.0, 1.0); }

double SmoothStep(double edge0, double edge1, double v) {
  const double t = Clamp01((v - edge0) / (edge1 - edge0));
  return t * t * (3 - 2 * t);
}

Shader MagnifiedShader(Shader shader, double factor) {
  return [shader = std::move(shader), factor](double x, double y) {
    return shader(x / factor, y / factor);
  };
}

Mask::Mask(int width, int height)
    : width_(width), height_(height), values_(static_cast<std::size_t>(width) * height, 0.0) {}

double Mask::AtOrZero(int x, int y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return 0.0;
  return At(x, y);
}

Mask Rasterize(int width, int height, const Region& region, int samples) {
  Mask mask(width, height);
  const double step = 1.0 / samples;
  const double share = 1.0 / (samples * samples);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      int inside = 0;
      for (int sy = 0; sy < samples; ++sy) {
        for (int sx = 0; sx < samples; ++sx) {
          if (region(x + (sx + 0.5) * step, y + (sy + 0.5) * step)) ++inside;
        }
      }
      mask.At(x, y) = inside * share;
    }
  }
  return mask;
}

namespace {
Mask BoxBlurPass(const Mask& source, int radius, bool horizontal) {
  Mask result(source.Width(), source.Height());
  const double share = 1.0 / (2 * radius + 1);
  for (int y = 0; y < source.Height(); ++y) {
    for (int x = 0; x < source.Width(); ++x) {
      double sum = 0;
      for (int k = -radius; k <= radius; ++k) {
        sum += horizontal ? source.AtOrZero(x + k, y) : source.AtOrZero(x, y + k);
      }
      result.At(x, y) = sum * share;
    }
  }
  return result;
}
}  // namespace

Mask Blur(const Mask& mask, int radius) {
  Mask result = mask;
  for (int pass = 0; pass < 3; ++pass) {
    result = BoxBlurPass(BoxBlurPass(result, radius, true), radius, false);
  }
  return result;
}

Mask Shift(const Mask& mask, int dx, int dy) {
  Mask result(mask.Width(), mask.Height());
  for (int y = 0; y < mask.Height(); ++y) {
    for (int x = 0; x < mask.Width(); ++x) result.At(x, y) = mask.AtOrZero(x - dx, y - dy);
  }
  return result;
}

Mask Scaled(const Mask& mask, double factor) {
  Mask result = mask;
  for (int y = 0; y < mask.Height(); ++y) {
    for (int x = 0; x < mask.Width(); ++x) result.At(x, y) *= factor;
  }
  return result;
}

Mask Unite(const Mask& a, const Mask& b) {
  Mask result(a.Width(), a.Height());
  for (int y = 0; y < a.Height(); ++y) {
    for (int x = 0; x < a.Width(); ++x) {
      result.At(x, y) = 1 - (1 - a.At(x, y)) * (1 - b.At(x, y));
    }
  }
  return result;
}

Image::Image(int width, int height, const Rgb& fill)
    : width_(width), height_(height), pixels_(static_cast<std::size_t>(width) * height, fill) {}

void Image::Paint(const Mask& mask, const Shader& shader, double opacity) {
  for (int y = 0; y < height_; ++y) {
    for (int x = 0; x < width_; ++x) {
      const double cover = mask.At(x, y) * opacity;
      if (cover <= 0) continue;
      At(x, y) = Mix(At(x, y), shader(x + 0.5, y + 0.5), std::min(cover, 1.0));
    }
  }
}

void Image::Paint(const Mask& mask, const Rgb& colour, double opacity) {
  Paint(
      mask, [&colour](double, double) { return colour; }, opacity);
}

std::vector<Rgb8> Image::ToRgb8() const {
  std::vector<Rgb8> result;
  result.reserve(pixels_.size());
  for (const Rgb& c : pixels_) result.push_back(assetgen::ToRgb8(c));
  return result;
}

}  // namespace assetgen
