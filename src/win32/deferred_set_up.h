// What a window sets up only after its load handler, from a message that it
// posts to itself when it is created: it makes the native controls that its
// layout defers, hands its icon to the window system (unless it was shown
// before) and decodes its pictures. The controller window thus registers its
// tray icon before any of that work; and the note pictures that it holds are
// decoded before anyone asks for the first note, which is then as quick as
// the next.
#pragma once

#include <windows.h>

#include "ui/window.h"
#include "win32/controls.h"

namespace win32 {

constexpr UINT kDeferredSetUpMessage = WM_APP + 1;

// Queues kDeferredSetUpMessage for `hwnd`. A window destroyed before the
// message arrives never receives it.
void PostDeferredSetUp(HWND hwnd);

// Decodes the window's own picture and those of its controls.
void DecodePictures(const ui::PictureRef& formPicture, const ControlSet& controls);

}  // namespace win32
