// Pictures come from the program's RCDATA resources, each with its larger
// renderings (resource_ids.h). A picture that several windows show (the note
// sheet of every note) is one object, shared for as long as any window holds
// it, and decoded once.
#pragma once

#include <windows.h>

#include <map>
#include <memory>

#include "ui/window.h"
#include "win32/gdiplus_library.h"

namespace win32 {

class PictureCache {
 public:
  PictureCache(HINSTANCE instance, ComApartment& com) : instance_(instance), gdiplus_(com) {}

  // nullptr when the resource is missing: the holder then simply shows
  // nothing. The picture is decoded on its first use.
  ui::PictureRef Get(int resourceId);

 private:
  HINSTANCE instance_;
  GdiplusLibrary gdiplus_;  // for the photographs
  std::map<int, std::weak_ptr<const ui::Picture>> pictures_;
};

}  // namespace win32
