// Twips and pixels. The program is not DPI-aware, so the system reports (and
// scales to) its logical dots per inch and twips keep their relation to the
// unscaled pictures.
#pragma once

#include <windows.h>

namespace win32 {

class ScreenMetrics {
 public:
  // Reads the logical dots per inch of the screen.
  static ScreenMetrics Query();

  double TwipsPerPixelX() const { return 1440.0 / dpiX_; }
  double TwipsPerPixelY() const { return 1440.0 / dpiY_; }
  int DpiY() const { return dpiY_; }

  // Fractional twips round to the nearest pixel.
  int ToPixelsX(double twips) const;
  int ToPixelsY(double twips) const;
  // A rectangle given as left, top, width, height in twips.
  RECT ToPixels(double left, double top, double width, double height) const;

 private:
  ScreenMetrics(int dpiX, int dpiY) : dpiX_(dpiX), dpiY_(dpiY) {}

  int dpiX_;
  int dpiY_;
};

}  // namespace win32
