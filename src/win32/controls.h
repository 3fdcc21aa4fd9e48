// The controls of one window: native child windows and the windowless
// labels and pictures that the window paints and hit-tests itself.
#pragma once

#include <windows.h>

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "ui/layout.h"
#include "ui/window.h"
#include "win32/handles.h"

namespace win32 {

struct Control {
  const ui::ControlLayout* layout = nullptr;
  RECT rect{};          // pixels in the window's client area
  HWND hwnd = nullptr;  // native controls only
  HFONT font = nullptr;
  std::string caption;  // what a label shows
  bool enabled = true;  // of a windowless control
  std::uint32_t backColor = ui::kDefaultColor;
  ui::PictureRef picture;
  bool timerEnabled = false;

  ui::ControlKind Kind() const { return layout->kind; }
  bool Windowless() const;
};

bool IsWindowless(ui::ControlKind kind);
// Links and picture buttons: native windows that draw what the form would
// have painted for them.
bool IsOwnerDrawn(ui::ControlKind kind);

// The edit field of a combo box; nullptr for other controls.
HWND ComboEditOf(const Control& control);

class ControlSet {
 public:
  void Add(Control control);  // in creation order

  // Throws std::out_of_range for an id the layout does not have, the
  // toolkit's run-time error for a misspelt control.
  Control& At(int id);
  const Control& At(int id) const;
  // nullptr for an id the layout does not have.
  const Control* Find(int id) const;
  // The control owning `hwnd`, which may also be a part of it (the edit
  // field of a combo box); nullptr for windows that are no control.
  Control* Find(HWND hwnd);
  // The windowless control under `point`, the one created last lying on
  // top; ui::kForm when there is none. Disabled ones let the press through.
  int HitTest(POINT point) const;

  std::vector<Control>& All() { return controls_; }
  const std::vector<Control>& All() const { return controls_; }

  // The native windows died with their form.
  void ForgetWindows();

 private:
  std::vector<Control> controls_;
  std::map<int, std::size_t> index_;
};

}  // namespace win32
