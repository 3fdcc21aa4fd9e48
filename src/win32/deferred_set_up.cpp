#include "win32/deferred_set_up.h"

#include "win32/win32_picture.h"

namespace win32 {

void PostDeferredSetUp(HWND hwnd) { ::PostMessageW(hwnd, kDeferredSetUpMessage, 0, 0); }

void DecodePictures(const ui::PictureRef& formPicture, const ControlSet& controls) {
  if (const Win32Picture* picture = AsWin32Picture(formPicture)) picture->Decode();
  for (const Control& control : controls.All())
    if (const Win32Picture* picture = AsWin32Picture(control.picture)) picture->Decode();
}

}  // namespace win32
