// A window that is not there: it ignores every call and reads as empty. It
// stands in where no window may or can be loaded.
#pragma once

#include "ui/layout.h"
#include "ui/window.h"

namespace ui {

class InertWindow final : public Window {
 public:
  // One shared instance: it has no state.
  static InertWindow& Instance();

  bool Loaded() const override { return false; }
  Handle Hwnd() const override { return 0; }
  Handle IconHandle() const override { return 0; }
  void Show() override {}
  void ShowWithoutActivation() override {}
  void Hide() override {}
  bool Visible() const override { return false; }
  void Unload() override {}
  void Close(int) override {}
  WindowState State() const override { return WindowState::Normal; }
  void SetState(WindowState) override {}
  int ScaleMode() const override { return static_cast<int>(ui::ScaleMode::Twips); }
  Dpi DotsPerInch() const override { return Dpi(); }
  double Left() const override { return 0; }
  double Top() const override { return 0; }
  double Width() const override { return 0; }
  double Height() const override { return 0; }
  void SetHeight(double) override {}
  PixelRect Bounds() const override { return {}; }
  void MoveTo(int, int) override {}
  PixelRect CloseControl() const override { return {}; }
  PixelRect BoundsAt(Dpi) const override { return {}; }
  void MoveOnto(int, int, Dpi) override {}
  std::string Text(int) const override { return {}; }
  void SetText(int, const std::string&) override {}
  int Value(int) const override { return 0; }
  void SetValue(int, int) override {}
  bool Enabled(int) const override { return false; }
  void SetEnabled(int, bool) override {}
  void SetFocus(int) override {}
  void SetBackColor(int, std::uint32_t) override {}
  std::uint32_t BackColor(int) const override { return 0; }
  PictureRef GetPicture(int) const override { return nullptr; }
  void SetPicture(int, PictureRef) override {}
  void AddItem(int, const std::string&) override {}
  int ItemCount(int) const override { return 0; }
  std::string Item(int, int) const override { return {}; }
  bool TimerEnabled(int) const override { return false; }
  void SetTimerEnabled(int, bool) override {}
  bool Checked(int) const override { return false; }
  void SetChecked(int, bool) override {}
  std::string MenuCaption(int) const override { return {}; }
  void SetMenuCaption(int, const std::string&) override {}
  void PopupMenu(int) override {}
};

}  // namespace ui
