#include "win32/fatal_error.h"

#include <windows.h>

#include "win32/text.h"

namespace win32 {

void ExitWithError(const std::string& message) {
  ::MessageBoxW(nullptr, Widen(message).c_str(), L"Paperwisp",
                MB_OK | MB_ICONERROR | MB_TASKMODAL | MB_SETFOREGROUND);
  ::ExitProcess(1);
}

}  // namespace win32
