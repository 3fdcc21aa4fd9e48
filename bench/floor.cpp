// The floor of the start-up benchmark: the least a tray program can do
// before its icon appears. It creates one hidden window and registers a tray
// icon for it, the way Paperwisp's controller window does, then waits in its
// message loop. Built the same way as Paperwisp.exe (statically, GUI), so the
// difference between the two is the program's own start-up work.
//
// Built a second time with FLOOR_LOADS_DLLS and Paperwisp's manifest
// (floor_dlls.exe), it first loads the system DLLs that Paperwisp.exe links
// besides user32 and shell32, in the same versions, which splits that
// difference into the loader's share and the rest.
#include <windows.h>
// The shell header needs <windows.h> first.
#include <shellapi.h>

#include <cstring>

namespace {

#ifdef FLOOR_LOADS_DLLS
// What Paperwisp.exe imports beyond the floor's own kernel32, user32,
// shell32 and msvcrt (bench/run.sh lists its imports).
constexpr const wchar_t* kPaperwispDlls[] = {L"gdi32.dll"};
#endif

constexpr UINT kCallbackMessage = WM_MOUSEMOVE;
constexpr UINT kIconId = 1;

LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
#ifdef FLOOR_LOADS_DLLS
  for (const wchar_t* dll : kPaperwispDlls)
    if (!LoadLibraryW(dll)) return 1;
#endif
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = WindowProc;
  windowClass.hInstance = instance;
  windowClass.lpszClassName = L"PaperwispBenchFloor";
  if (!RegisterClassW(&windowClass)) return 1;
  HWND hwnd = CreateWindowExW(0, windowClass.lpszClassName, L"Floor", WS_OVERLAPPEDWINDOW,
                              CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr,
                              nullptr, instance, nullptr);
  if (!hwnd) return 1;

  NOTIFYICONDATAA icon{};
  icon.cbSize = NOTIFYICONDATAA_V1_SIZE;
  icon.hWnd = hwnd;
  icon.uID = kIconId;
  icon.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
  icon.uCallbackMessage = kCallbackMessage;
  icon.hIcon = LoadIconW(nullptr, reinterpret_cast<LPCWSTR>(IDI_APPLICATION));
  std::strcpy(icon.szTip, "Floor");
  Shell_NotifyIconA(NIM_ADD, &icon);

  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  Shell_NotifyIconA(NIM_DELETE, &icon);
  return 0;
}
