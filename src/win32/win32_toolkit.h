// The window toolkit on Win32: builds the program's windows from their
// layouts and provides the application-wide services.
#pragma once

#include <windows.h>

#include "ui/toolkit.h"
#include "win32/accessible_properties.h"
#include "win32/brush_cache.h"
#include "win32/font_cache.h"
#include "win32/form_window_class.h"
#include "win32/icon_cache.h"
#include "win32/picture_cache.h"
#include "win32/win32_monitors.h"

namespace win32 {

class Win32Toolkit final : public ui::Toolkit {
 public:
  // Throws std::runtime_error when the windows' class cannot be registered.
  // The pictures' decoder and the accessibility service enter `com` when
  // they start.
  Win32Toolkit(HINSTANCE instance, ComApartment& com);
  Win32Toolkit(const Win32Toolkit&) = delete;
  Win32Toolkit& operator=(const Win32Toolkit&) = delete;

  // ui::Toolkit
  std::unique_ptr<ui::Window> CreateFormWindow(const ui::WindowLayout& layout,
                                               ui::FormEvents& events) override;
  double ScreenWidthTwips() const override;
  double ScreenHeightTwips() const override;
  double TwipsPerPixelX() const override { return systemDpi_.TwipsPerPixel(); }
  double TwipsPerPixelY() const override { return systemDpi_.TwipsPerPixel(); }
  const ui::Monitors& Displays() const override { return monitors_; }
  std::uint32_t MillisecondsSinceInput() const override;
  ui::Handle KeyboardWindow() const override;

  // For the windows.
  HINSTANCE Instance() const { return instance_; }
  // The DPI of the primary monitor when the program started: a new window's
  // until it learns its own.
  ui::Dpi SystemDpi() const { return systemDpi_; }
  FontCache& Fonts() { return fonts_; }
  IconCache& Icons() { return icons_; }
  BrushCache& Brushes() { return brushes_; }
  PictureCache& Pictures() { return pictures_; }
  AccessibleProperties& Accessibility() { return accessibility_; }
  // The user's high-contrast setting, as last read.
  bool HighContrast() const { return highContrast_; }
  // Reads it again, after the system reported a change of settings.
  void ReadHighContrast();
  const FormWindowClass& WindowClass() const { return windowClass_; }
  UINT TaskbarCreatedMessage() const { return taskbarCreated_; }
  // The program runs while any of its windows is loaded, shown or not.
  void WindowLoaded() { ++loadedWindows_; }
  void WindowUnloaded();

 private:
  int ShowMessageBox(const std::string& text, int flags, const std::string& title) override;
  [[noreturn]] void Terminate() override;

  HINSTANCE instance_;
  ui::Dpi systemDpi_;
  Win32Monitors monitors_;
  FormWindowClass windowClass_;
  FontCache fonts_;
  IconCache icons_;
  BrushCache brushes_;
  PictureCache pictures_;
  AccessibleProperties accessibility_;
  bool highContrast_ = false;
  UINT taskbarCreated_;
  int loadedWindows_ = 0;
};

}  // namespace win32
