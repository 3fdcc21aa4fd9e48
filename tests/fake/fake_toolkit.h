// A recording fake of the toolkit: windows keep their control state in
// memory, every visible effect is logged, and tests fire events by hand.
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "fake/fake_monitors.h"
#include "ui/keyboard_route.h"
#include "ui/layout_at_dpi.h"
#include "ui/life_cycle_window.h"
#include "ui/toolkit.h"
#include "ui/window_geometry.h"

namespace fake {

class FakeToolkit;

class FakePicture : public ui::Picture {
 public:
  explicit FakePicture(int resourceId) : id_(resourceId) {}
  int ResourceId() const override { return id_; }

 private:
  int id_;
};

struct ControlState {
  const ui::ControlLayout* layout = nullptr;
  std::string text;
  int value = 0;
  bool enabled = true;
  std::uint32_t backColor = ui::kDefaultColor;
  ui::PictureRef picture;
  std::vector<std::string> items;
  bool timerEnabled = false;
};

struct MenuState {
  const ui::MenuLayout* layout = nullptr;
  std::string caption;
  bool checked = false;
};

class FakeWindow : public ui::LifeCycleWindow {
 public:
  FakeWindow(FakeToolkit& toolkit, const ui::WindowLayout& layout, ui::FormEvents& events,
             ui::Handle hwnd);
  ~FakeWindow() override;

  ui::FormEvents& Events() { return LifeCycleWindow::Events(); }
  const ui::WindowLayout& Layout() const { return layout_; }
  int FocusedControl() const { return focus_; }
  // The user presses `key` while the window has the keyboard.
  void PressKey(ui::NavigationKey key);
  int IdOf(const std::string& controlOrMenuName) const;

  // ui::Window
  ui::Handle Hwnd() const override { return hwnd_; }
  ui::Handle IconHandle() const override { return iconHandle_ ? iconHandle_ : hwnd_ + 1; }
  // The icon the toolkit chooses after a change of DPI.
  void SetIconHandle(ui::Handle icon) { iconHandle_ = icon; }
  void Show() override;
  void ShowWithoutActivation() override;
  void Hide() override;
  bool Visible() const override { return visible_; }
  ui::WindowState State() const override { return state_; }
  void SetState(ui::WindowState state) override;
  int ScaleMode() const override { return scaleMode_; }
  void SetScaleMode(int mode) { scaleMode_ = mode; }
  ui::Dpi DotsPerInch() const override;
  double Left() const override { return left_; }
  double Top() const override { return top_; }
  double Width() const override;
  double Height() const override;
  void SetHeight(double twips) override;
  ui::PixelRect Bounds() const override;
  void MoveTo(int x, int y) override;
  ui::PixelRect CloseControl() const override;
  ui::PixelRect BoundsAt(ui::Dpi dpi) const override;
  // Onto a monitor of another DPI, the system then tells the window its DPI.
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

  // At the window's DPI, as the Win32 toolkit converts the twips: a
  // control's rectangle in the client area, and the font it is given.
  ui::PixelRect ControlPixels(int id) const;
  ui::FontAtDpi ControlFont(int id) const;
  // The window system moved the window to a monitor of `dpi` and suggests
  // `suggested` for it (WM_DPICHANGED); the window takes the suggested place
  // at its own size there.
  void ChangeDpi(ui::Dpi dpi, const ui::PixelRect& suggested);

 private:
  ControlState& Control(int id);
  const ControlState& Control(int id) const;
  MenuState& Menu(int id);
  const MenuState& Menu(int id) const;
  void Log(const std::string& entry) const;
  void DestroyNative() override;

  FakeToolkit& toolkit_;
  const ui::WindowLayout& layout_;
  ui::Handle hwnd_;
  ui::Handle iconHandle_ = 0;
  bool visible_ = false;
  ui::WindowState state_ = ui::WindowState::Normal;
  int scaleMode_;
  std::optional<ui::Dpi> dpi_;  // its own, where it differs from the screen's
  // As the Win32 window keeps them: the top-left corner and the client area
  // in twips at its DPI.
  double left_ = 0, top_ = 0;
  ui::TwipsSize client_;
  std::string caption_;
  ui::PictureRef picture_;
  int focus_ = 0;
  std::map<int, ControlState> controls_;
  std::map<int, MenuState> menus_;
};

struct MsgBoxCall {
  std::string text;
  int flags;
  std::string title;
};

class FakeToolkit : public ui::Toolkit {
 public:
  std::unique_ptr<ui::Window> CreateFormWindow(const ui::WindowLayout& layout,
                                               ui::FormEvents& events) override;
  double ScreenWidthTwips() const override { return screenWidthPixels * twipsPerPixel; }
  double ScreenHeightTwips() const override { return screenHeightPixels * twipsPerPixel; }
  double TwipsPerPixelX() const override { return twipsPerPixel; }
  double TwipsPerPixelY() const override { return twipsPerPixel; }
  // The DPI of the screen's twips per pixel: where new windows open.
  ui::Dpi ScreenDpi() const;
  // `monitors`, or while it is empty one monitor of the screen's size at
  // `monitorDpi`.
  const ui::Monitors& Displays() const override;
  std::uint32_t MillisecondsSinceInput() const override { return millisecondsSinceInput; }
  ui::Handle KeyboardWindow() const override { return keyboardWindow; }

  // Live (not destroyed) windows created from the layout called `name`, in
  // creation order; Find returns the last one, or nullptr.
  std::vector<FakeWindow*> All(const std::string& name) const;
  FakeWindow* Find(const std::string& name) const;

  // News of the system, told as the window system tells it: to every
  // loaded window, shown or hidden (for instance &ui::FormEvents::Resumed).
  void Broadcast(void (ui::FormEvents::*event)());
  // The message loop runs the desktop pass the toolkit scheduled, if any.
  void RunScheduledPass();
  // How often the monitors were enumerated.
  int MonitorEnumerations() const { return displays_.enumerations; }

  // Settings and records open to tests.
  double screenWidthPixels = 1024, screenHeightPixels = 768, twipsPerPixel = 15;
  std::vector<ui::Monitor> monitors;
  // The DPI of the monitor new windows open on, once the user has changed
  // its scale since the program started; until then the screen's.
  std::optional<int> monitorDpi;
  bool ended = false;
  int passesScheduled = 0;
  // The user's last input, and the window that has the keyboard (0: none).
  std::uint32_t millisecondsSinceInput = 60'000;
  ui::Handle keyboardWindow = 0;
  bool failWindowCreation = false;  // as when the desktop is out of handles
  std::vector<MsgBoxCall> msgBoxes;
  std::function<void(const MsgBoxCall&)> onMsgBox;  // runs while the box is "open"
  // Menu item chosen by the next PopupMenu call (0: the menu is dismissed),
  // after `onPopup` has run while the menu is "open".
  int nextPopupChoice = 0;
  std::function<void()> onPopup;
  std::vector<int> popups;  // menu ids shown as popups
  // One line per visible effect, in order ("Show Form2", "Hide Form3", ...).
  std::vector<std::string> log;

 private:
  friend class FakeWindow;
  int ShowMessageBox(const std::string& text, int flags, const std::string& title) override;
  void Terminate() override;
  void ScheduleDesktopPass() override;

  // The loop that keys arrive in: the program's own, or the system's modal
  // loops that its calls run, innermost last.
  ui::MessageLoop CurrentLoop() const {
    return loops_.empty() ? ui::MessageLoop::Main : loops_.back();
  }
  void RunModalLoop(ui::MessageLoop loop, const std::function<void()>& body);

  std::vector<FakeWindow*> windows_;
  std::vector<ui::MessageLoop> loops_;
  bool passPending_ = false;
  mutable FakeMonitors displays_;
  ui::Handle nextHandle_ = 0x1000;
};

}  // namespace fake
