// The window toolkit on Win32: builds the program's windows from their
// layouts and provides the application-wide services.
#pragma once

#include <windows.h>

#include "ui/toolkit.h"
#include "win32/accessible_properties.h"
#include "win32/brush_cache.h"
#include "win32/dpi_service.h"
#include "win32/font_cache.h"
#include "win32/form_window_class.h"
#include "win32/handles.h"
#include "win32/icon_cache.h"
#include "win32/picture_cache.h"
#include "win32/win32_monitors.h"

namespace win32 {

class Win32Toolkit final : public ui::Toolkit {
 public:
  // Throws std::runtime_error when the windows' class or the message boxes'
  // owner cannot be made.
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
  double TwipsPerPixelX() const override { return dpi_.SystemDpi().TwipsPerPixel(); }
  double TwipsPerPixelY() const override { return dpi_.SystemDpi().TwipsPerPixel(); }
  const ui::Monitors& Displays() const override { return monitors_; }
  std::uint32_t MillisecondsSinceInput() const override;
  ui::Handle KeyboardWindow() const override;

  // For the windows.
  HINSTANCE Instance() const { return instance_; }
  // Every DPI the windows need to know.
  const DpiService& Dpi() const { return dpi_; }
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
  // The hidden topmost window that owns the message boxes and carries the
  // desktop pass's timer. Made on first use, and by the program right after
  // its tray icon is up: a box often tells that the desktop has run out of
  // handles, when no window could be made. nullptr when none can be made.
  HWND BoxOwner();

  void WindowLoaded() { ++loadedWindows_; }
  void WindowUnloaded();

 private:
  int ShowMessageBox(const std::string& text, int flags, const std::string& title) override;
  [[noreturn]] void Terminate() override;
  // A short one-shot timer of the owner window: the burst of messages that
  // one change of the desktop brings is over when it fires.
  void ScheduleDesktopPass() override;
  static void CALLBACK DesktopPassDue(HWND owner, UINT message, UINT_PTR timer, DWORD time);

  HINSTANCE instance_;
  DpiService dpi_;
  Win32Monitors monitors_;
  FormWindowClass windowClass_;
  UniqueWindow boxOwner_;  // see BoxOwner
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
