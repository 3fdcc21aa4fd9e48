// The toolkit's interface speaks UTF-8; the window system speaks UTF-16.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace win32 {

std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view wide);

// The text of any window (caption, edit contents) as UTF-8.
std::string WindowText(HWND hwnd);

}  // namespace win32
