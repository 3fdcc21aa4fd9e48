#include "win32/focus_cues.h"

namespace win32 {

namespace {

bool KeyboardCuesAlwaysShown() {
  BOOL always = FALSE;
  return ::SystemParametersInfoW(SPI_GETKEYBOARDCUES, 0, &always, 0) && always;
}

}  // namespace

void InitializeFocusCues(HWND topLevel) {
  ::SendMessageW(topLevel, WM_CHANGEUISTATE, MAKEWPARAM(UIS_INITIALIZE, UISF_HIDEFOCUS), 0);
}

void ShowFocusCues(HWND topLevel) {
  ::SendMessageW(topLevel, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
}

// The control's own state is asked as well as the flag of the drawing
// request: not every version of the button control passes it on.
bool ShowsFocusCue(const DRAWITEMSTRUCT& item) {
  if (!(item.itemState & ODS_FOCUS)) return false;
  if (KeyboardCuesAlwaysShown()) return true;
  const bool hidden = (item.itemState & ODS_NOFOCUSRECT) ||
                      (::SendMessageW(item.hwndItem, WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS);
  return !hidden;
}

}  // namespace win32
