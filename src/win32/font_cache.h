// Fonts of the controls, created once per distinct face, height and style,
// and shared by every window at the same DPI (each note would otherwise
// create three of its own).
#pragma once

#include <windows.h>

#include <compare>
#include <map>
#include <string>

#include "ui/dpi.h"
#include "ui/layout.h"
#include "win32/handles.h"

namespace win32 {

class FontCache {
 public:
  // The font for `wanted` at `dpi` (see ui::FontAt).
  HFONT Get(const ui::FontSpec& wanted, ui::Dpi dpi);

 private:
  struct Key {
    std::wstring face;
    int height;  // the size at the DPI
    bool bold;
    bool underline;
    auto operator<=>(const Key&) const = default;
  };

  std::map<Key, UniqueFont> fonts_;
};

}  // namespace win32
