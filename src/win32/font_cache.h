// Fonts of the controls, created once per distinct face, size and style and
// shared by every window (each note would otherwise create three of its own).
#pragma once

#include <windows.h>

#include <compare>
#include <map>
#include <string>

#include "ui/layout.h"
#include "win32/handles.h"

namespace win32 {

class FontCache {
 public:
  explicit FontCache(int dpiY) : dpiY_(dpiY) {}

  // The font for `wanted`; a face of nullptr is the default dialog font,
  // "MS Sans Serif".
  HFONT Get(const ui::FontSpec& wanted);

 private:
  struct Key {
    std::wstring face;
    int height;
    bool bold;
    bool underline;
    auto operator<=>(const Key&) const = default;
  };

  int dpiY_;
  std::map<Key, UniqueFont> fonts_;
};

}  // namespace win32
