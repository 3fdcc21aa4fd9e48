// A window built from a layout, and the events it delivers to its form.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "ui/dpi.h"
#include "ui/monitors.h"

namespace ui {

using Handle = std::uintptr_t;  // HWND, HICON, HCURSOR, HINSTANCE

// A decoded picture. Pictures are shared: a note takes the very picture
// object that a style picture control of the controller window holds.
class Picture {
 public:
  virtual ~Picture() = default;
  virtual int ResourceId() const = 0;
};
using PictureRef = std::shared_ptr<const Picture>;

enum class WindowState { Normal = 0, Minimized = 1, Maximized = 2 };

// Why a window is being unloaded. The numbers are part of the forms' contract:
// the close rules compare against them.
enum UnloadMode : int {
  kFormControlMenu = 0,  // close box or window menu
  kFormCode = 1,         // the program unloads it
  kAppWindows = 2,       // Windows shuts down or the user logs off
};

enum MouseButton : int { kLeftButton = 1, kRightButton = 2, kMiddleButton = 4 };

// Control id 0 denotes the form itself in every event.
constexpr int kForm = 0;

// Implemented by each form. All events arrive on the UI thread, one at a time.
// An event handler may unload its window, and may even destroy the form that
// owns it; the toolkit does not touch either afterwards.
class FormEvents {
 public:
  virtual ~FormEvents() = default;
  virtual void Load() {}
  virtual void QueryUnload(int& cancel, int unloadMode) { (void)cancel, (void)unloadMode; }
  virtual void Unload() {}
  virtual void Resize() {}
  virtual void Paint() {}
  // Control clicks and menu item clicks (ids share one space per window).
  virtual void Click(int id) { (void)id; }
  virtual void DblClick(int id) { (void)id; }
  // Coordinates are in the window's scale unit (twips or pixels).
  virtual void MouseDown(int id, int button, int shift, double x, double y) {
    (void)id, (void)button, (void)shift, (void)x, (void)y;
  }
  virtual void MouseMove(int id, int button, int shift, double x, double y) {
    (void)id, (void)button, (void)shift, (void)x, (void)y;
  }
  // The pointer rests over control `id` (kForm: the window's own surface)
  // and the window system asks which pointer to show, as it does before
  // every move of the mouse there: true when the form has set one; false
  // leaves the pointer of the window's class.
  virtual bool SetPointer(int id) {
    (void)id;
    return false;
  }
  virtual void Timer(int id) { (void)id; }
  // The window's DPI changed (it moved to a monitor of another scale, or its
  // monitor's scale changed): what is chosen in pixels, icons among it, is
  // chosen afresh.
  virtual void DpiChanged() {}
  // News of the system, which every loaded window hears, shown or hidden.
  // The shell's taskbar was (re)created: tray icons must be registered again.
  virtual void TaskbarCreated() {}
  // The user or a time server set the system clock, or the time zone or its
  // daylight-saving rules changed.
  virtual void ClockChanged() {}
  // The computer woke up from sleep or hibernation; one wake-up may be told
  // twice. Timers do not catch up on the ticks they missed meanwhile.
  virtual void Resumed() {}
};

// One loaded window. Geometry is in twips at the window's own DPI; texts are
// UTF-8.
class Window {
 public:
  virtual ~Window() = default;

  // False once the window has been unloaded.
  virtual bool Loaded() const = 0;
  virtual Handle Hwnd() const = 0;
  // The window's icon at the size of the shell's small icons at the DPI of
  // the taskbar: the one the notification area shows. 0 when it has none.
  virtual Handle IconHandle() const = 0;

  virtual void Show() = 0;  // modeless
  // Shows the window where it is in the z-order and leaves the keyboard
  // with the window that has it.
  virtual void ShowWithoutActivation() = 0;
  virtual void Hide() = 0;
  virtual bool Visible() const = 0;
  // Unload from code: QueryUnload (mode kFormCode; may cancel), Unload, then
  // the native window is destroyed. Calling it while an unload of this window
  // is already under way finishes that unload without asking again.
  virtual void Unload() = 0;
  // Asks the form to close for `unloadMode`, as the window system or the
  // session does: QueryUnload (may cancel), then the unload as above.
  virtual void Close(int unloadMode) = 0;

  virtual WindowState State() const = 0;
  virtual void SetState(WindowState state) = 0;
  virtual int ScaleMode() const = 0;  // 1 twips, 3 pixels
  // The DPI of the monitor the window is on, at which it converts its twips.
  virtual Dpi DotsPerInch() const = 0;

  virtual double Left() const = 0;
  virtual double Top() const = 0;
  virtual double Width() const = 0;
  virtual double Height() const = 0;
  virtual void SetHeight(double twips) = 0;
  // The outer rectangle in screen pixels, and a move of it that keeps its
  // size, z-order and activation: what the desktop's monitors are measured in.
  virtual PixelRect Bounds() const = 0;
  virtual void MoveTo(int x, int y) = 0;
  // The same for a move onto a monitor of `dpi`: the rectangle the window
  // takes there (its twips at that DPI), its top-left corner where it is
  // now, and the move that puts that corner at (x, y). Sized for its monitor
  // before it is placed, a window fits where room was found for it.
  virtual PixelRect BoundsAt(Dpi dpi) const = 0;
  virtual void MoveOnto(int x, int y, Dpi dpi) = 0;
  // Where the user closes the window, in pixels relative to its top-left
  // corner: its caption's close button, or its layout's close control; the
  // whole window when it has neither.
  virtual PixelRect CloseControl() const = 0;

  // Caption of the window (id kForm) or of a control; text of a text box or
  // the edit part of a combo box.
  virtual std::string Text(int id) const = 0;
  virtual void SetText(int id, const std::string& text) = 0;
  // Check box: 0/1. Option button: 1 selected, 0 not.
  virtual int Value(int id) const = 0;
  virtual void SetValue(int id, int value) = 0;
  virtual bool Enabled(int id) const = 0;
  virtual void SetEnabled(int id, bool enabled) = 0;
  virtual void SetFocus(int id) = 0;
  virtual void SetBackColor(int id, std::uint32_t color) = 0;
  virtual std::uint32_t BackColor(int id) const = 0;
  // Picture of a picture control, or of the window itself (id kForm).
  virtual PictureRef GetPicture(int id) const = 0;
  virtual void SetPicture(int id, PictureRef picture) = 0;
  virtual void AddItem(int comboId, const std::string& item) = 0;
  virtual int ItemCount(int comboId) const = 0;
  virtual std::string Item(int comboId, int index) const = 0;
  virtual bool TimerEnabled(int timerId) const = 0;
  virtual void SetTimerEnabled(int timerId, bool enabled) = 0;

  virtual bool Checked(int menuId) const = 0;
  virtual void SetChecked(int menuId, bool checked) = 0;
  virtual std::string MenuCaption(int menuId) const = 0;
  virtual void SetMenuCaption(int menuId, const std::string& caption) = 0;
  // Shows a submenu as a popup at the mouse position. Returns after the
  // chosen item's Click has run (or the menu was dismissed).
  virtual void PopupMenu(int menuId) = 0;
};

}  // namespace ui
