// The six note sheets share one pixel-index map; only their palettes differ.
// The map is drawn in "tones": -1 is the header colour, 0 the body colour,
// 1 the darkest shade, values beyond -1 lighten towards white. Each style's
// palette turns the same tones into its own colours.
#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <set>
#include <stdexcept>
#include <string>

#include "artwork.h"
#include "gif_file.h"
#include "shape_refinement.h"

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

// Continuous column of the curling rim at a row, in pixels of the 100 %
// sheet: the last opaque pixel of a row there is its rounding.
double CurlRim(double row, double exponent) {
  const double t = (row - kStraightLastRow) / (kCurlTipRow - kStraightLastRow);
  return kStraightEdge + (kCurlTipEdge - kStraightEdge) * std::pow(t, exponent);
}

struct Outline {
  std::array<int, kSheetRows> left{};
  std::array<int, kSheetRows> right{};
  double curlExponent = 0;

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

// One pixel of the sheet at some scale, in the coordinates of the 100 %
// sheet: its centre, the continuous row and column it stands for (the
// pixel's index at 100 %), and the 100 % pixel it lies in. The bands and
// steps of the design follow the 100 % pixels, so that every scale reduces
// to the same picture; the curl's rim and shading are continuous and gain
// detail with the scale.
struct Spot {
  double centreX, centreY;
  double column, row;
  int x, y;
};

// The spot of a point given in 100 % coordinates.
Spot SpotAtPoint(double centreX, double centreY) {
  Spot spot;
  spot.centreX = centreX;
  spot.centreY = centreY;
  spot.column = spot.centreX - 0.5;
  spot.row = spot.centreY - 0.5;
  spot.x = static_cast<int>(std::floor(spot.centreX));
  spot.y = static_cast<int>(std::floor(spot.centreY));
  return spot;
}

Spot SpotAt(int pixelX, int pixelY, double scale) {
  return SpotAtPoint((pixelX + 0.5) / scale, (pixelY + 0.5) / scale);
}

bool InCurl(const Spot& spot) { return spot.y > kStraightLastRow && spot.y < kCurlTipRow; }

// The column just right of the sheet's edge in the spot's row.
double RimColumn(const Outline& outline, const Spot& spot) {
  if (InCurl(spot)) return CurlRim(spot.row, outline.curlExponent) + 1;
  return outline.right[spot.y] + 1.0;
}

bool Covers(const Outline& outline, const Spot& spot) {
  if (spot.y < 0 || spot.y >= kSheetRows || spot.centreX < outline.left[spot.y]) return false;
  // At 100 % this is the rounded rim of the outline, column for column.
  if (InCurl(spot)) return spot.centreX <= CurlRim(spot.row, outline.curlExponent) + 1;
  return spot.centreX < outline.right[spot.y] + 1;
}

// The lifted corner: a crease at the fold, a highlight on the rounded
// back of the paper, and a shadow that the lifted part throws on the sheet.
double CurlTone(const Outline& outline, const Spot& spot) {
  if (spot.y <= kStraightLastRow || spot.y >= kFootFirstRow) return 0;
  const double px = spot.centreX, py = spot.centreY;
  const double lift = SmoothStep(kStraightLastRow, 215, py);
  const double fold = FoldColumn(py);
  if (px < fold) return 0.26 * lift * std::exp(-(fold - px) / 3.5);
  const double u = Clamp01((px - fold) / std::max(1.0, RimColumn(outline, spot) - fold));
  const double crease = 0.34 * std::exp(-std::pow(u / 0.14, 2));
  const double highlight = -0.62 * std::exp(-std::pow((u - 0.5) / 0.24, 2));
  const double rim = 0.14 * SmoothStep(0.75, 1.0, u);
  return lift * (crease + highlight + rim);
}

class Sheet {
 public:
  Sheet(const Outline& outline, int percent)
      : outline_(outline),
        scale_(percent / 100.0),
        width_(ScaledLength(kWidth, percent)),
        height_(ScaledLength(kHeight, percent)),
        // The darker edge line is one 100 % pixel wide at every scale.
        edgeReach_(std::max(1, percent / 100)),
        shape_(DrawnShape(outline, percent)) {
    if (percent != 100 && percent % 100 == 0)
      AgreeWith100Percent(shape_, Coverage(outline, percent), DrawnShape(outline, 100));
  }

  int Width() const { return width_; }
  int Height() const { return height_; }

  bool Opaque(int x, int y) const {
    return x >= 0 && y >= 0 && x < width_ && y < height_ &&
           !shape_.transparent[static_cast<std::size_t>(y) * width_ + x];
  }

  // Tone index of an opaque pixel.
  int ToneAt(int x, int y) const {
    const Spot spot = SpotAt(x, y, scale_);
    const double inner = BandTone(spot.x, spot.y) + CurlTone(outline_, spot);
    const double edge = std::max(OutlineTone(spot.y), inner);
    return NearestTone(inner + (edge - inner) * EdgeWeight(x, y, spot));
  }

 private:
  static double OutlineTone(int y) { return y <= kHeaderLastRow ? 0.12 : 0.56; }

  // A darker line along the outside; along the curl the pixels inside the
  // rim take part of it, by how far the true rim reaches into them.
  double EdgeWeight(int x, int y, const Spot& spot) const {
    for (int reach = 1; reach <= edgeReach_; ++reach) {
      if (!Opaque(x - reach, y) || !Opaque(x + reach, y) || !Opaque(x, y - reach) ||
          !Opaque(x, y + reach))
        return 1;
    }
    if (!InCurl(spot)) return 0;
    return Clamp01(1.5 - (CurlRim(spot.row, outline_.curlExponent) - spot.column));
  }

  // The outline sampled at each pixel's centre.
  static Shape DrawnShape(const Outline& outline, int percent) {
    const double scale = percent / 100.0;
    Shape shape{ScaledLength(kWidth, percent), ScaledLength(kHeight, percent), {}};
    for (int y = 0; y < shape.height; ++y) {
      for (int x = 0; x < shape.width; ++x)
        shape.transparent.push_back(!Covers(outline, SpotAt(x, y, scale)));
    }
    return shape;
  }

  // How much of each pixel the outline covers, from 4 x 4 samples.
  static Mask Coverage(const Outline& outline, int percent) {
    const double scale = percent / 100.0;
    Mask coverage(ScaledLength(kWidth, percent), ScaledLength(kHeight, percent));
    for (int y = 0; y < coverage.Height(); ++y) {
      for (int x = 0; x < coverage.Width(); ++x) {
        int inside = 0;
        for (int sy = 0; sy < 4; ++sy) {
          for (int sx = 0; sx < 4; ++sx)
            inside += Covers(
                outline, SpotAtPoint((x + (sx + 0.5) / 4) / scale, (y + (sy + 0.5) / 4) / scale));
        }
        coverage.At(x, y) = inside / 16.0;
      }
    }
    return coverage;
  }

  const Outline& outline_;
  double scale_;
  int width_;
  int height_;
  int edgeReach_;
  Shape shape_;
};

struct IndexMap {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> indices;
};

IndexMap MakeIndexMap(int percent) {
  static const Outline outline = MakeOutline();
  const Sheet sheet(outline, percent);
  IndexMap map{sheet.Width(), sheet.Height(), {}};
  map.indices.assign(static_cast<std::size_t>(map.width) * map.height, kTransparentIndex);
  std::set<int> used;
  for (int y = 0; y < map.height; ++y) {
    for (int x = 0; x < map.width; ++x) {
      if (!sheet.Opaque(x, y)) continue;
      const int index = sheet.ToneAt(x, y);
      map.indices[static_cast<std::size_t>(y) * map.width + x] = static_cast<std::uint8_t>(index);
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
  return map;
}

}  // namespace

std::vector<std::uint8_t> NoteSheetGif(NoteStyle style, int percent) {
  // The six styles share each scale's map.
  static std::map<int, IndexMap> maps;
  auto found = maps.find(percent);
  if (found == maps.end()) found = maps.emplace(percent, MakeIndexMap(percent)).first;
  const IndexMap& map = found->second;
  const StyleColours colours = ColoursOf(style);
  GifPicture picture;
  picture.width = map.width;
  picture.height = map.height;
  picture.indices = map.indices;
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
