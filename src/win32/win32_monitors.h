// The desktop's monitors as the window system reports them.
#pragma once

#include <windows.h>

#include "ui/monitors.h"

namespace win32 {

class Win32Monitors final : public ui::Monitors {
 public:
  // Until the program is aware of each monitor's DPI, the system reports one
  // logical DPI for all of them: `dpi`.
  explicit Win32Monitors(int dpi) : dpi_(dpi) {}

  std::vector<ui::Monitor> All() const override;
  ui::Monitor Primary() const override;
  ui::Monitor NearestTo(const ui::PixelRect& rect) const override;

 private:
  // A monitor removed a moment ago has no information any more: the primary
  // screen stands in for it.
  ui::Monitor Describe(HMONITOR monitor) const;
  static BOOL CALLBACK Collect(HMONITOR monitor, HDC, LPRECT, LPARAM found);

  int dpi_;
};

}  // namespace win32
