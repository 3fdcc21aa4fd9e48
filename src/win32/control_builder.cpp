#include "win32/control_builder.h"

#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "ui/keyboard_route.h"
#include "ui/layout_at_dpi.h"
#include "ui/toolkit.h"
#include "win32/command_ids.h"
#include "win32/common_controls.h"
#include "win32/text.h"

namespace win32 {

namespace {

constexpr int kComboVisibleItems = 12;

struct NativeClass {
  const wchar_t* name;
  DWORD style;
  DWORD exStyle;
};

NativeClass NativeClassOf(const ui::ControlLayout& c) {
  switch (c.kind) {
    case ui::ControlKind::CommandButton:
      return {L"BUTTON", BS_PUSHBUTTON, 0};
    case ui::ControlKind::CheckBox:
      return {L"BUTTON", BS_AUTOCHECKBOX, 0};
    case ui::ControlKind::OptionButton:
      return {L"BUTTON", BS_AUTORADIOBUTTON, 0};
    case ui::ControlKind::TextBox: {
      const DWORD lines = (c.flags & ui::kMultiLine) ? ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL
                                                     : ES_AUTOHSCROLL;
      return {L"EDIT", lines, (c.flags & ui::kNoBorder) ? 0u : DWORD{WS_EX_CLIENTEDGE}};
    }
    case ui::ControlKind::ComboBox:
      return {L"COMBOBOX", CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL, 0};
    case ui::ControlKind::Link:
    case ui::ControlKind::PictureButton:
      // Drawn by the form as it would paint a label or a picture; a button
      // takes the focus and the keyboard, and the system's accessibility
      // knows it.
      return {L"BUTTON", BS_OWNERDRAW, 0};
    case ui::ControlKind::Frame:
      // A transparent child is left out of its parent's clipping, so the form
      // paints the frame's inside and the group box draws only its outline.
      return {L"BUTTON", BS_GROUPBOX, WS_EX_TRANSPARENT};
    default:
      throw std::logic_error("not a native control");
  }
}

RECT RectOf(const ui::WindowLayout& layout, const ui::ControlLayout& c, ui::Dpi dpi) {
  const ui::PixelRect r = ui::ControlRect(layout, c, dpi);
  return RECT{r.left, r.top, r.right, r.bottom};
}

// An auto radio button unchecks the other radio buttons of its group, the
// run of controls from one WS_GROUP to the next in z-order. A run of option
// buttons of one container, created one after another, forms such a group;
// every other control stands alone.
std::set<int> GroupStarts(const ui::WindowLayout& layout) {
  std::set<int> starts;
  const ui::ControlLayout* previous = nullptr;
  for (const auto& c : layout.controls) {
    if (IsWindowless(c.kind)) continue;
    const bool continuesRun = c.kind == ui::ControlKind::OptionButton && previous &&
                              previous->kind == ui::ControlKind::OptionButton &&
                              previous->parent == c.parent;
    if (!continuesRun) starts.insert(c.id);
    previous = &c;
  }
  return starts;
}

HWND CreateNative(const ui::ControlLayout& c, const RECT& rect, DWORD extraStyle,
                  const ControlBuildContext& context) {
  const NativeClass native = NativeClassOf(c);
  // With the manifest, even buttons and text boxes are classes of comctl32
  // version 6.
  common_controls::Initialise();
  DWORD style = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | native.style | extraStyle;
  if (ui::TakesFocus(c.kind) && c.tabIndex >= 0) style |= WS_TABSTOP;
  if (c.flags & ui::kDisabled) style |= WS_DISABLED;
  HWND hwnd = ::CreateWindowExW(
      native.exStyle, native.name, Widen(c.caption).c_str(), style, rect.left, rect.top,
      rect.right - rect.left, rect.bottom - rect.top, context.form,
      reinterpret_cast<HMENU>(static_cast<INT_PTR>(CommandIdOf(c.id))), context.instance, nullptr);
  if (!hwnd)
    throw ui::WindowCreationError(std::string("the control ") + c.name + " could not be created");
  return hwnd;
}

// The height given to a drop-down combo box is that of its open list, which
// follows from its font.
void SizeComboList(const Control& combo, const ControlBuildContext& context) {
  const auto field = ::SendMessageW(combo.hwnd, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0);
  const auto item = ::SendMessageW(combo.hwnd, CB_GETITEMHEIGHT, 0, 0);
  const int height = static_cast<int>(field + kComboVisibleItems * item +
                                      2 * context.dpiService.FrameMetric(SM_CYEDGE, context.dpi));
  ::SetWindowPos(combo.hwnd, nullptr, 0, 0, combo.rect.right - combo.rect.left, height,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Initialise(const Control& control, const ControlBuildContext& context) {
  const ui::ControlLayout& c = *control.layout;
  ::SendMessageW(control.hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(control.font), FALSE);
  switch (c.kind) {
    case ui::ControlKind::CheckBox:
    case ui::ControlKind::OptionButton:
      if (c.flags & ui::kChecked) ::SendMessageW(control.hwnd, BM_SETCHECK, BST_CHECKED, 0);
      break;
    case ui::ControlKind::TextBox:
      // A note holds as much text as the edit control can.
      ::SendMessageW(control.hwnd, EM_SETLIMITTEXT, 0, 0);
      break;
    case ui::ControlKind::ComboBox:
      SizeComboList(control, context);
      if (!c.caption || !*c.caption) break;
      ::SetWindowTextW(control.hwnd, Widen(c.caption).c_str());
      break;
    default:
      break;
  }
}

// Controls created later lie above earlier ones where they overlap (a text
// box over the end of an option's caption). Frames go to the bottom, so that
// the controls inside them lie above their outline.
void ArrangeZOrder(ControlSet& controls) {
  for (Control& control : controls.All())
    if (control.hwnd && control.Kind() != ui::ControlKind::Frame)
      ::SetWindowPos(control.hwnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  for (Control& control : controls.All())
    if (control.Kind() == ui::ControlKind::Frame)
      ::SetWindowPos(control.hwnd, HWND_BOTTOM, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

}  // namespace

ControlSet BuildControls(const ui::WindowLayout& layout, const ControlBuildContext& context) {
  ControlSet controls;
  for (const auto& c : layout.controls) {
    Control control;
    control.layout = &c;
    control.rect = RectOf(layout, c, context.dpi);
    control.caption = c.caption;
    control.enabled = !(c.flags & ui::kDisabled);
    control.backColor = c.backColor;
    if (c.kind != ui::ControlKind::Timer) control.font = context.fonts.Get(c.font, context.dpi);
    if (c.picture) control.picture = context.pictures.Get(c.picture);
    controls.Add(std::move(control));
  }
  return controls;
}

void MakeNativeControls(ControlSet& controls, const ui::WindowLayout& layout,
                        const ControlBuildContext& context) {
  const std::set<int> groupStarts = GroupStarts(layout);
  for (Control& control : controls.All()) {
    if (control.Windowless()) continue;
    const ui::ControlLayout& c = *control.layout;
    control.hwnd = CreateNative(c, control.rect, groupStarts.count(c.id) ? WS_GROUP : 0, context);
    Initialise(control, context);
  }
  ArrangeZOrder(controls);
}

void ScaleControls(ControlSet& controls, const ui::WindowLayout& layout,
                   const ControlBuildContext& context) {
  for (Control& control : controls.All()) {
    const ui::ControlLayout& c = *control.layout;
    control.rect = RectOf(layout, c, context.dpi);
    if (c.kind == ui::ControlKind::Timer) continue;
    control.font = context.fonts.Get(c.font, context.dpi);
    if (!control.hwnd) continue;
    const RECT& r = control.rect;
    ::SetWindowPos(control.hwnd, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                   SWP_NOZORDER | SWP_NOACTIVATE);
    ::SendMessageW(control.hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(control.font), TRUE);
    if (c.kind == ui::ControlKind::ComboBox) SizeComboList(control, context);
  }
}

}  // namespace win32
