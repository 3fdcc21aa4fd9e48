// Builds a window's controls from its layout at the window's DPI: records
// for all of them, and native child windows for those that take the
// keyboard.
#pragma once

#include <windows.h>

#include "ui/dpi.h"
#include "ui/layout.h"
#include "win32/controls.h"
#include "win32/dpi_service.h"
#include "win32/font_cache.h"
#include "win32/picture_cache.h"

namespace win32 {

struct ControlBuildContext {
  HWND form;
  HINSTANCE instance;
  ui::Dpi dpi;
  const DpiService& dpiService;
  FontCache& fonts;
  PictureCache& pictures;
};

// The controls' records at the context's DPI (places, fonts, pictures,
// timers), without their native windows.
ControlSet BuildControls(const ui::WindowLayout& layout, const ControlBuildContext& context);

// Makes the native windows of `controls`, built from `layout`. Throws
// std::runtime_error when one cannot be created.
void MakeNativeControls(ControlSet& controls, const ui::WindowLayout& layout,
                        const ControlBuildContext& context);

// Places and fonts the controls afresh at the context's DPI, for a window
// whose DPI changed.
void ScaleControls(ControlSet& controls, const ui::WindowLayout& layout,
                   const ControlBuildContext& context);

}  // namespace win32
