#include "win32/common_controls.h"

#include "win32/system_library.h"

namespace win32::common_controls {

namespace {

struct Functions {
  decltype(&::InitCommonControlsEx) initCommonControlsEx = nullptr;
  decltype(&::SetWindowSubclass) setWindowSubclass = nullptr;
  decltype(&::DefSubclassProc) defSubclassProc = nullptr;
  decltype(&::RemoveWindowSubclass) removeWindowSubclass = nullptr;
  decltype(&::LoadIconWithScaleDown) loadIconWithScaleDown = nullptr;
};

// A name without a path goes through the activation context's redirection
// first, which picks version 6; the DLL search, restricted to the system
// folder, only applies where no context redirects the name.
Functions Load() {
  Functions f;
  const HMODULE comctl32 = ::LoadLibraryW(L"comctl32.dll");
  if (!comctl32) return f;
  f.initCommonControlsEx =
      FindFunction<decltype(::InitCommonControlsEx)>(comctl32, "InitCommonControlsEx");
  f.setWindowSubclass = FindFunction<decltype(::SetWindowSubclass)>(comctl32, "SetWindowSubclass");
  f.defSubclassProc = FindFunction<decltype(::DefSubclassProc)>(comctl32, "DefSubclassProc");
  f.removeWindowSubclass =
      FindFunction<decltype(::RemoveWindowSubclass)>(comctl32, "RemoveWindowSubclass");
  f.loadIconWithScaleDown =
      FindFunction<decltype(::LoadIconWithScaleDown)>(comctl32, "LoadIconWithScaleDown");
  return f;
}

const Functions& Library() {
  static const Functions functions = Load();
  return functions;
}

}  // namespace

void Initialise() {
  static bool initialised = false;
  if (initialised) return;
  initialised = true;
  INITCOMMONCONTROLSEX classes{sizeof classes, ICC_WIN95_CLASSES};
  if (const auto initCommonControlsEx = Library().initCommonControlsEx)
    initCommonControlsEx(&classes);
}

BOOL SetWindowSubclass(HWND window, SUBCLASSPROC procedure, UINT_PTR id, DWORD_PTR data) {
  const auto setWindowSubclass = Library().setWindowSubclass;
  return setWindowSubclass && setWindowSubclass(window, procedure, id, data);
}

// Reached only for a window that SetWindowSubclass subclassed, so the
// library is there.
LRESULT DefSubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return Library().defSubclassProc(window, message, wParam, lParam);
}

BOOL RemoveWindowSubclass(HWND window, SUBCLASSPROC procedure, UINT_PTR id) {
  const auto removeWindowSubclass = Library().removeWindowSubclass;
  return removeWindowSubclass && removeWindowSubclass(window, procedure, id);
}

HRESULT LoadIconWithScaleDown(HINSTANCE instance, const wchar_t* name, int width, int height,
                              HICON* icon) {
  const auto loadIconWithScaleDown = Library().loadIconWithScaleDown;
  return loadIconWithScaleDown ? loadIconWithScaleDown(instance, name, width, height, icon)
                               : E_NOTIMPL;
}

}  // namespace win32::common_controls
