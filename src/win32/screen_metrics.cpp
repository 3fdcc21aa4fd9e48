#include "win32/screen_metrics.h"

#include "ui/window_geometry.h"
#include "win32/handles.h"

namespace win32 {

namespace {
constexpr int kStandardDpi = 96;
}  // namespace

ScreenMetrics ScreenMetrics::Query() {
  ScreenDc screen;
  int dpiX = screen.Get() ? ::GetDeviceCaps(screen.Get(), LOGPIXELSX) : 0;
  int dpiY = screen.Get() ? ::GetDeviceCaps(screen.Get(), LOGPIXELSY) : 0;
  if (dpiX <= 0) dpiX = kStandardDpi;
  if (dpiY <= 0) dpiY = kStandardDpi;
  return ScreenMetrics(dpiX, dpiY);
}

int ScreenMetrics::ToPixelsX(double twips) const {
  return ui::TwipsToPixels(twips, TwipsPerPixelX());
}
int ScreenMetrics::ToPixelsY(double twips) const {
  return ui::TwipsToPixels(twips, TwipsPerPixelY());
}

RECT ScreenMetrics::ToPixels(double left, double top, double width, double height) const {
  const int x = ToPixelsX(left);
  const int y = ToPixelsY(top);
  return RECT{x, y, x + ToPixelsX(width), y + ToPixelsY(height)};
}

}  // namespace win32
