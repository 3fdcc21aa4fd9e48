// The six note sheets share one pixel-index map; only their palettes differ.
// The map is drawn in "tones": -1 is the header colour, 0 the body colour,
// 1 the darkest shade, values beyond -1 lighten towards white. Each style's
// palette turns the same tones into its own colours.
#include <algorithm>
#include <array>
#include <cmath>
#include <set>
#include <stdexcept>
#include <string>

#include "artwork.h"
#include "gif_file.h"

namespace assetgen {

namespace {

constexpr int kWidth = 250;
constexpr int kHeight = 267;
constexpr int kSheetRows = 256;  // rows 256 to 266 stay transparent
constexpr int kTransparentIndex = 255;
constexpr int kTransparentPixels = 8474;
constexpr int kHeaderLastRow = 28;
constexpr int kShadowFirstRow = 246;
// The right edge runs straight down to this row, then the lower corner curls outward.
constexpr int kStraightLastRow = 93;
constexpr int kStraightEdge = 226;
constexpr int kCurlTipRow = 237;
constexpr int kCurlTipEdge = 249;
constexpr int kFootFirstRow = 241;
constexpr int kFootEdge = 237;  // right edge below the curl

struct StyleColours {
  Rgb8 header;
  Rgb8 body;
  Rgb8 darkest;
};

StyleColours ColoursOf(NoteStyle style) {
  switch (style) {
    case NoteStyle::Orange:
      return {{250, 200, 117}, {249, 172, 63}, {109, 110, 113}};
    case NoteStyle::Red:
      return {{229, 137, 137}, {219, 90, 90}, {182, 40, 40}};
    case NoteStyle::Yellow:
      return {{233, 229, 134}, {224, 218, 85}, {187, 180, 35}};
    case NoteStyle::Pink:
      return {{240, 127, 215}, {234, 75, 199}, {199, 24, 161}};
    case NoteStyle::Blue:
      return {{140, 178, 227}, {93, 146, 216}, {44, 102, 179}};
    case NoteStyle::Green:
      return {{208, 228, 138}, {190, 218, 91}, {150, 181, 42}};
  }
  throw std::invalid_argument("unknown note style");
}

// Forty-one tones, lightest first: the opaque palette entries in index order.
constexpr std::array<double, 41> kTones = {
    -1.6,  -1.45, -1.3,  -1.15, -1.0, -0.88, -0.76, -0.64, -0.54, -0.45, -0.37, -0.3, -0.24, -0.18,
    -0.13, -0.08, -0.04, 0.0,   0.04, 0.08,  0.12,  0.16,  0.2,   0.24,  0.28,  0.32, 0.36,  0.4,
    0.44,  0.48,  0.52,  0.56,  0.6,  0.65,  0.7,   0.75,  0.8,   0.85,  0.9,   0.95, 1.0};

Rgb ColourOfTone(const StyleColours& style, double tone) {
  const Rgb header = FromRgb8(style.header), body = FromRgb8(style.body);
  if (tone < -1) return Mix(header, {255, 255, 255}, -1 - tone);
  if (tone < 0) return Mix(body, header, -tone);
  return Mix(body, FromRgb8(style.darkest), tone);
}

int NearestTone(double tone) {
  int best = 0;
  for (int i = 1; i < static_cast<int>(kTones.size()); ++i) {
    if (std::abs(kTones[i] - tone) < std::abs(kTones[best] - tone)) best = i;
  }
  return best;
}

// Continuous column of the curling rim: the last opaque pixel of a row is its rounding.
double CurlRim(int row, double exponent) {
  const double t = double(row - kStraightLastRow) / (kCurlTipRow - kStraightLastRow);
  return kStraightEdge + (kCurlTipEdge - kStraightEdge) * std::pow(t, exponent);
}

struct Outline {
  std::array<int, kSheetRows> left{};
  std::array<int, kSheetRows> right{};
  double curlExponent = 0;

  bool Opaque(int x, int y) const {
    return y >= 0 && y < kSheetRows && x >= left[y] && x <= right[y];
  }
  int TransparentPixels() const {
    int opaque = 0;
    for (int y = 0; y < kSheetRows; ++y) opaque += right[y] - left[y] + 1;
    return kWidth * kHeight - opaque;
  }
};

Outline OutlineWithCurl(double exponent) {
  Outline outline;
  outline.curlExponent = exponent;
  for (int y = 0; y < kSheetRows; ++y) {
    outline.left[y] = y == 0 ? 6 : 5;  // the top-left corner is rounded by one pixel
    if (y <= kStraightLastRow) {
      outline.right[y] = kStraightEdge;
    } else if (y < kCurlTipRow) {
      outline.right[y] = static_cast<int>(std::lround(CurlRim(y, exponent)));
    } else if (y <= kCurlTipRow + 1) {
      outline.right[y] = kCurlTipEdge;
    } else if (y < kFootFirstRow) {
      // Below the tip the rim turns back in two long steps.
      outline.right[y] = y == kCurlTipRow + 2 ? 245 : 241;
    } else {
      outline.right[y] = kFootEdge;
    }
  }
  return outline;
}

// The curl's bend is the one free choice of the outline: a steeper bend
// leaves more of the corner transparent. Bisect for the exact count.
Outline MakeOutline() {
  double low = 1.0, high = 4.0;
  for (int step = 0; step < 80; ++step) {
    const double middle = (low + high) / 2;
    Outline outline = OutlineWithCurl(middle);
    const int transparent = outline.TransparentPixels();
    if (transparent == kTransparentPixels) return outline;
    (transparent < kTransparentPixels ? low : high) = middle;
  }
  throw std::runtime_error("note sheet: no curl gives the required transparent area");
}

// Tone of the horizontal bands: header, glued edge, body, bottom shadow.
double BandTone(int x, int y) {
  if (y <= kHeaderLastRow) {
    if (y <= 4) return -1.75 + 0.15 * y;  // light catches the top of the pad
    if (y >= 26) return -1.0 + 0.12 * (y - 25);
    return -1.0;
  }
  if (y == kHeaderLastRow + 1) return 0.32;
  if (y == kHeaderLastRow + 2) return -0.45;
  if (y < kShadowFirstRow) {
    double tone = 0;
    if (y < 46) tone -= 0.32 * std::pow(1 - (y - 31) / 15.0, 2);
    if (y > 175) tone += 0.16 * std::pow((y - 175) / 70.0, 2);
    return tone;
  }
  // The bottom edge darkens downward, and more so towards the lifted corner.
  const double depth = 0.18 + 0.82 * std::pow((y - (kShadowFirstRow - 1)) / 10.0, 1.7);
  return depth * (0.8 + 0.2 * SmoothStep(5, 232, x));
}

// Straight line from the top of the curl to its foot: where the paper bends.
double FoldColumn(double y) {
  return kStraightEdge + 1.0 +
         double(kFootEdge - kStraightEdge) * (y - kStraightLastRow) /
             (kFootFirstRow - kStraightLastRow);
}

double RimColumn(const Outline& outline, int y) {
  if (y > kStraightLastRow && y < kCurlTipRow) return CurlRim(y, outline.curlExponent) + 1;
  return outline.right[y] + 1.0;
}

// The lifted corner: a crease at the fold, a highlight on the rounded
// back of the paper, and a shadow that the lifted part throws on the sheet.
double CurlTone(const Outline& outline, int x, int y) {
  if (y <= kStraightLastRow || y >= kFootFirstRow) return 0;
  const double px = x + 0.5, py = y + 0.5;
  const double lift = SmoothStep(kStraightLastRow, 215, py);
  const double fold = FoldColumn(py);
  if (px < fold) return 0.26 * lift * std::exp(-(fold - px) / 3.5);
  const double u = Clamp01((px - fold) / std::max(1.0, RimColumn(outline, y) - fold));
  const double crease = 0.34 * std::exp(-std::pow(u / 0.14, 2));
  const double highlight = -0.62 * std::exp(-std::pow((u - 0.5) / 0.24, 2));
  const double rim = 0.14 * SmoothStep(0.75, 1.0, u);
  return lift * (crease + highlight + rim);
}

// A darker line along the outside; along the curl the pixel inside the rim
// takes part of it, by how far the true rim reaches into the last pixel.
double EdgeWeight(const Outline& outline, int x, int y) {
  const bool open = !outline.Opaque(x - 1, y) || !outline.Opaque(x + 1, y) ||
                    !outline.Opaque(x, y - 1) || !outline.Opaque(x, y + 1);
  if (open) return 1;
  if (y > kStraightLastRow && y < kCurlTipRow && x == outline.right[y] - 1) {
    return Clamp01(1.5 - (CurlRim(y, outline.curlExponent) - x));
  }
  return 0;
}

double OutlineTone(int y) { return y <= kHeaderLastRow ? 0.12 : 0.56; }

std::vector<std::uint8_t> MakeIndexMap() {
  const Outline outline = MakeOutline();
  std::vector<std::uint8_t> indices(static_cast<std::size_t>(kWidth) * kHeight, kTransparentIndex);
  std::set<int> used;
  for (int y = 0; y < kSheetRows; ++y) {
    for (int x = outline.left[y]; x <= outline.right[y]; ++x) {
      const double inner = BandTone(x, y) + CurlTone(outline, x, y);
      const double edge = std::max(OutlineTone(y), inner);
      const int index = NearestTone(inner + (edge - inner) * EdgeWeight(outline, x, y));
      indices[static_cast<std::size_t>(y) * kWidth + x] = static_cast<std::uint8_t>(index);
      used.insert(index);
    }
  }
  if (used.size() != kTones.size()) {
    std::string unused;
    for (std::size_t i = 0; i < kTones.size(); ++i) {
      if (!used.contains(static_cast<int>(i))) unused += " " + std::to_string(kTones[i]);
    }
    throw std::runtime_error("note sheet: tones never drawn:" + unused);
  }
  return indices;
}

}  // namespace

std::vector<std::uint8_t> NoteSheetGif(NoteStyle style) {
  static const std::vector<std::uint8_t> indexMap = MakeIndexMap();
  const StyleColours colours = ColoursOf(style);
  GifPicture picture;
  picture.width = kWidth;
  picture.height = kHeight;
  picture.indices = indexMap;
  picture.transparentIndex = kTransparentIndex;
  std::set<Rgb8> distinct;
  for (std::size_t i = 0; i < kTones.size(); ++i) {
    picture.palette[i] = ToRgb8(ColourOfTone(colours, kTones[i]));
    distinct.insert(picture.palette[i]);
  }
  if (distinct.size() != kTones.size() || distinct.contains(Rgb8{0, 0, 0})) {
    throw std::runtime_error("note sheet: palette colours collide");
  }
  picture.palette[kTransparentIndex] = {255, 255, 255};
  return EncodeGif(picture);
}

}  // namespace assetgen
