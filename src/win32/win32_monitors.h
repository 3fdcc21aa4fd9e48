// The desktop's monitors as the window system reports them.
#pragma once

#include <windows.h>

#include "ui/monitors.h"
#include "win32/dpi_service.h"

namespace win32 {

class Win32Monitors final : public ui::Monitors {
 public:
  explicit Win32Monitors(const DpiService& dpi) : dpi_(dpi) {}

  std::vector<ui::Monitor> All() const override;
  ui::Monitor Primary() const override;
  ui::Monitor NearestTo(const ui::PixelRect& rect) const override;

 private:
  // A monitor removed a moment ago has no information any more: the primary
  // screen stands in for it.
  ui::Monitor Describe(HMONITOR monitor) const;
  static BOOL CALLBACK Collect(HMONITOR monitor, HDC, LPRECT, LPARAM found);

  const DpiService& dpi_;
};

}  // namespace win32
