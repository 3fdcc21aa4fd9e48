#include "win32/control_subclass.h"

#include <exception>

#include "win32/common_controls.h"
#include "win32/fatal_error.h"

namespace win32 {

namespace {

constexpr UINT_PTR kSubclassId = 1;

bool IsOwnerDrawn(HWND control) {
  return (::GetWindowLongPtrW(control, GWL_STYLE) & BS_TYPEMASK) == BS_OWNERDRAW;
}

LRESULT CALLBACK Procedure(HWND control, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                           DWORD_PTR data) {
  auto& listener = *reinterpret_cast<ControlListener*>(data);
  if (Halted()) return common_controls::DefSubclassProc(control, message, wParam, lParam);
  // As in the form's own window procedure, an exception must not unwind
  // through the window system's frames.
  try {
    switch (message) {
      case WM_ERASEBKGND:
        if (IsOwnerDrawn(control)) return 1;
        break;
      case WM_MOUSEMOVE: {
        // The control first, as the event may destroy it.
        const LRESULT result = common_controls::DefSubclassProc(control, message, wParam, lParam);
        listener.OnControlMouseMove(control, wParam, lParam);
        return result;
      }
      case WM_GETOBJECT:
        listener.OnAccessibilityQuery();
        break;
      case WM_NCDESTROY:
        common_controls::RemoveWindowSubclass(control, &Procedure, kSubclassId);
        break;
      default:
        break;
    }
  } catch (const std::exception& error) {
    ExitWithError(error.what());
  } catch (...) {
    ExitWithError("An unexpected error occurred.");
  }
  return common_controls::DefSubclassProc(control, message, wParam, lParam);
}

}  // namespace

bool ListenToControl(HWND control, ControlListener& listener) {
  return common_controls::SetWindowSubclass(control, &Procedure, kSubclassId,
                                            reinterpret_cast<DWORD_PTR>(&listener));
}

}  // namespace win32
