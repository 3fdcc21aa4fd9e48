// Builds a window's controls from its layout: native child windows for the
// controls that take the keyboard, records for the windowless ones.
#pragma once

#include <windows.h>

#include "ui/layout.h"
#include "win32/controls.h"
#include "win32/font_cache.h"
#include "win32/picture_cache.h"
#include "win32/screen_metrics.h"

namespace win32 {

struct ControlBuildContext {
  HWND form;
  HINSTANCE instance;
  const ScreenMetrics& metrics;
  FontCache& fonts;
  PictureCache& pictures;
};

// Throws std::runtime_error when a native control cannot be created.
ControlSet BuildControls(const ui::WindowLayout& layout, const ControlBuildContext& context);

}  // namespace win32
