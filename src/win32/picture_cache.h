// Pictures are decoded from the program's RCDATA resources. A picture that
// several windows show (the note sheet of every note) is decoded once and
// shared for as long as any window holds it.
#pragma once

#include <windows.h>

#include <map>
#include <memory>

#include "ui/window.h"

namespace win32 {

class PictureCache {
 public:
  explicit PictureCache(HINSTANCE instance) : instance_(instance) {}

  // nullptr when the resource is missing or is no picture: the holder then
  // simply shows nothing.
  ui::PictureRef Get(int resourceId);

 private:
  HINSTANCE instance_;
  std::map<int, std::weak_ptr<const ui::Picture>> pictures_;
};

}  // namespace win32
