// The dots per inch of the monitor a window is on. Layouts are in twips
// (1/1440 inch), so a window turns them into pixels at its own DPI: a pixel is
// 1440 / dpi twips, 15 at 96 dpi (100 %), 10 at 144 dpi (150 %).
#pragma once

namespace ui {

class Dpi {
 public:
  // 100 %: the scale the pictures are drawn for.
  static constexpr int kStandard = 96;

  constexpr Dpi() = default;
  // A value the system cannot have (0 or less) reads as the standard DPI.
  constexpr explicit Dpi(int dotsPerInch) : value_(dotsPerInch > 0 ? dotsPerInch : kStandard) {}

  constexpr int Value() const { return value_; }
  constexpr double TwipsPerPixel() const { return 1440.0 / value_; }

  // Whole pixels; a fraction rounds to the nearest, a half away from zero.
  int ToPixels(double twips) const;
  double ToTwips(double pixels) const { return pixels * TwipsPerPixel(); }
  // A length of `pixels` at 100 % (a picture's width, say) at this DPI,
  // rounded as twips are: what that many pixels' worth of twips becomes.
  int Scale(int pixels) const;

  constexpr bool operator==(const Dpi&) const = default;

 private:
  int value_ = kStandard;
};

}  // namespace ui
