#include "win32/form_window_class.h"

#include <exception>
#include <stdexcept>

#include "win32/fatal_error.h"
#include "win32/win32_window.h"

namespace win32 {

namespace {
constexpr const wchar_t* kClassName = L"PaperwispForm";
}

FormWindowClass::FormWindowClass(HINSTANCE instance) : instance_(instance) {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  // Double clicks are events of the forms. No background brush: the window
  // paints its whole surface itself.
  windowClass.style = CS_DBLCLKS;
  windowClass.lpfnWndProc = &FormWindowClass::Procedure;
  windowClass.hInstance = instance;
  windowClass.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
  windowClass.lpszClassName = kClassName;
  atom_ = ::RegisterClassExW(&windowClass);
  if (!atom_) throw std::runtime_error("The window class could not be registered.");
}

FormWindowClass::~FormWindowClass() { ::UnregisterClassW(kClassName, instance_); }

const wchar_t* FormWindowClass::Name() const { return kClassName; }

Win32Window* FormWindowClass::WindowOf(HWND hwnd) const {
  if (static_cast<ATOM>(::GetClassLongPtrW(hwnd, GCW_ATOM)) != atom_) return nullptr;
  return reinterpret_cast<Win32Window*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
}

LRESULT CALLBACK FormWindowClass::Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* created = reinterpret_cast<const CREATESTRUCTW*>(lParam);
    auto* window = static_cast<Win32Window*>(created->lpCreateParams);
    ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(window));
    window->Attach(hwnd);
  }
  auto* window = reinterpret_cast<Win32Window*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (!window || Halted()) return ::DefWindowProcW(hwnd, message, wParam, lParam);
  // An exception must not unwind through the window system's frames. Like a
  // run-time error in a handler, it ends the program with a message.
  try {
    return window->HandleMessage(message, wParam, lParam);
  } catch (const std::exception& error) {
    ExitWithError(error.what());
  } catch (...) {
    ExitWithError("An unexpected error occurred.");
  }
}

}  // namespace win32
