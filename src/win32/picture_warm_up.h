// A window decodes its pictures from a message that it posts to itself when
// it is created. The message arrives only after the window's load handler,
// so the controller window registers its tray icon before the picture
// decoder is even loaded; and the note pictures that it holds are decoded
// before anyone asks for the first note, which is then as quick as the next.
#pragma once

#include <windows.h>

#include "ui/window.h"
#include "win32/controls.h"

namespace win32 {

constexpr UINT kDecodePicturesMessage = WM_APP + 1;

// Queues kDecodePicturesMessage for `hwnd`. A window destroyed before the
// message arrives never receives it.
void PostDecodePictures(HWND hwnd);

// Decodes the window's own picture and those of its controls.
void DecodePictures(const ui::PictureRef& formPicture, const ControlSet& controls);

}  // namespace win32
