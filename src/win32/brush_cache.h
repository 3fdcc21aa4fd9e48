// Solid brushes, one per colour, shared by every window for the program's
// life: the colours are few (the note styles and the system's), and a note
// should cost no GDI object of its own.
#pragma once

#include <windows.h>

#include <map>

#include "win32/handles.h"

namespace win32 {

class BrushCache {
 public:
  // nullptr when the system has no brush left to give.
  HBRUSH Get(COLORREF color);

 private:
  std::map<COLORREF, UniqueBrush> brushes_;
};

}  // namespace win32
