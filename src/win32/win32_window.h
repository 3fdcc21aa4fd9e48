// A window of the program, built from its layout: the native window with its
// native controls, plus the labels and pictures it paints itself, all at the
// DPI of the monitor it is on. Its events go to the form that owns it, which
// may destroy it from inside any of them.
#pragma once

#include <windows.h>

#include <memory>
#include <optional>
#include <string>

#include "ui/dpi.h"
#include "ui/layout.h"
#include "ui/life_cycle_window.h"
#include "ui/window_geometry.h"
#include "win32/control_builder.h"
#include "win32/control_subclass.h"
#include "win32/controls.h"
#include "win32/form_painter.h"
#include "win32/handles.h"
#include "win32/keyboard_navigation.h"
#include "win32/menu_bar.h"
#include "win32/tool_tips.h"

namespace win32 {

class Win32Toolkit;

class Win32Window final : public ui::LifeCycleWindow, private ControlListener {
 public:
  // Creates the window hidden. Throws std::runtime_error when the window or
  // one of its controls cannot be created.
  Win32Window(Win32Toolkit& toolkit, const ui::WindowLayout& layout, ui::FormEvents& events);
  ~Win32Window() override;
  Win32Window(const Win32Window&) = delete;
  Win32Window& operator=(const Win32Window&) = delete;

  // Entry points of the window procedure.
  void Attach(HWND hwnd) { hwnd_ = hwnd; }
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  // For the keyboard hook, in every message loop: Tab, arrow and access keys
  // of this window.
  bool HandleNavigationKey(const MSG& msg) { return navigator_ && navigator_->Handle(msg); }

  // ui::Window
  ui::Handle Hwnd() const override { return reinterpret_cast<ui::Handle>(hwnd_); }
  ui::Handle IconHandle() const override;
  void Show() override;
  void ShowWithoutActivation() override;
  void Hide() override;
  bool Visible() const override;
  ui::WindowState State() const override;
  void SetState(ui::WindowState state) override;
  int ScaleMode() const override { return static_cast<int>(layout_.scaleMode); }
  ui::Dpi DotsPerInch() const override { return dpi_; }
  double Left() const override;
  double Top() const override;
  double Width() const override;
  double Height() const override;
  void SetHeight(double twips) override;
  ui::PixelRect Bounds() const override;
  ui::PixelRect CloseControl() const override;
  void MoveTo(int x, int y) override;
  ui::PixelRect BoundsAt(ui::Dpi dpi) const override;
  void MoveOnto(int x, int y, ui::Dpi dpi) override;
  std::string Text(int id) const override;
  void SetText(int id, const std::string& text) override;
  int Value(int id) const override;
  void SetValue(int id, int value) override;
  bool Enabled(int id) const override;
  void SetEnabled(int id, bool enabled) override;
  void SetFocus(int id) override;
  void SetBackColor(int id, std::uint32_t color) override;
  std::uint32_t BackColor(int id) const override;
  ui::PictureRef GetPicture(int id) const override;
  void SetPicture(int id, ui::PictureRef picture) override;
  void AddItem(int comboId, const std::string& item) override;
  int ItemCount(int comboId) const override;
  std::string Item(int comboId, int index) const override;
  bool TimerEnabled(int timerId) const override;
  void SetTimerEnabled(int timerId, bool enabled) override;
  bool Checked(int menuId) const override;
  void SetChecked(int menuId, bool checked) override;
  std::string MenuCaption(int menuId) const override;
  void SetMenuCaption(int menuId, const std::string& caption) override;
  void PopupMenu(int menuId) override;

 private:
  // Set-up after the native window exists.
  void Build();
  void MakeNativeControls();
  void GiveIconToWindow();
  HICON CaptionIcon() const;
  void AddToolTips();
  void SetUpKeyboard();
  void AdoptOwnDpi();
  // The corner (x, y), in pixels at the window's DPI, kept in twips.
  void RememberCorner(int x, int y);
  // Gives the native window the place and size derived from the twips.
  void ApplyPlace();
  ui::FrameInsets FrameAt(ui::Dpi dpi) const;
  void ListenToControls();
  // Destroys the native window, if any, and stops counting it as loaded.
  void Destroy();
  void DestroyNative() override { Destroy(); }

  // Messages.
  void OnClose();
  void OnNcDestroy();
  void OnPaint();
  void OnSize();
  bool OnActivate(WPARAM wParam);
  void OnCommand(WPARAM wParam, LPARAM lParam);
  void OnControlClicked(Control& control);
  void OnTimer(WPARAM timerId);
  void OnButtonDown(int button, WPARAM wParam, LPARAM lParam);
  void OnButtonUp(int button, WPARAM wParam, LPARAM lParam);
  void OnDoubleClick(LPARAM lParam);
  void OnMouseMove(WPARAM wParam, LPARAM lParam);
  bool OnSetCursor(HWND under, WORD hitTest);
  HBRUSH OnControlColor(HDC dc, HWND child);
  void OnDrawItem(const DRAWITEMSTRUCT& item);
  void OnSystemColorsChanged();
  void OnTaskbarCreated();
  void OnTimeChange();
  LRESULT OnPowerBroadcast(WPARAM event);
  void OnPlaceChanged(const WINDOWPOS& place);
  void OnDpiChanged(ui::Dpi dpi, const RECT& suggested);
  void OnGetDpiScaledSize(ui::Dpi dpi, SIZE& size) const;
  void AfterDpiChange();
  void OnDestroy();

  // ControlListener
  void OnControlMouseMove(HWND control, WPARAM wParam, LPARAM lParam) override;
  void OnAccessibilityQuery() override;

  ControlBuildContext BuildContext();
  double ToScaleX(int pixels) const;
  double ToScaleY(int pixels) const;
  // Clears the other option buttons of the option's container.
  void ClearOtherOptions(const Control& option);
  void SaveFocus();
  bool RestoreFocus();
  COLORREF FormBackColor() const;
  // What the window paints under its controls, and the key it keeps off.
  FormSurface Surface() const;
  // Repaints the form's own surface in `area` (nullptr: all of it), and the
  // owner-drawn controls that show it.
  void Repaint(const RECT* area);

  Win32Toolkit& toolkit_;
  const ui::WindowLayout& layout_;

  HWND hwnd_ = nullptr;
  MenuBar menus_;
  // The window's place and size as it keeps them: its top-left corner and
  // its client area in twips at its DPI. The native window's pixels are
  // derived from them; the user's moves and sizings are taken back in.
  ui::Dpi dpi_;
  double left_ = 0, top_ = 0;
  ui::TwipsSize client_;
  bool userSizing_ = false;  // inside the system's move and size loop
  ControlSet controls_;
  bool nativeControlsMade_ = false;
  bool iconGiven_ = false;
  ui::PictureRef picture_;
  std::unique_ptr<ToolTips> toolTips_;
  std::unique_ptr<KeyboardNavigator> navigator_;
  std::uint32_t backColor_;

  bool counted_ = false;     // in the toolkit's count of loaded windows
  bool annotated_ = false;   // names and roles given to assistive technology
  bool destroying_ = false;  // WM_DESTROY has come: nothing is given any more
  // The window state asked for while hidden; it takes effect when shown.
  std::optional<ui::WindowState> pendingState_;
  HWND lastFocus_ = nullptr;
  // The windowless control (or the form) that took a press: it receives the
  // mouse until the buttons are released, and a left press released over it
  // is its click.
  std::optional<int> mouseOwner_;
  std::optional<int> leftPress_;
};

}  // namespace win32
