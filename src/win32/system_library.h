// DLLs that the program loads when it first needs them, and only from the
// system folder: a DLL of the same name left beside the executable (in a
// downloads folder, say) must never run inside the program.
#pragma once

#include <windows.h>

namespace win32 {

// The system DLL `name` (e.g. L"winmm.dll"), or nullptr when it cannot be
// loaded. It stays loaded for the rest of the process.
HMODULE LoadSystemLibrary(const wchar_t* name);

// The function `name` that `module` exports, typed as `Function` (a
// decltype of its declaration in the system headers), or nullptr.
template <typename Function>
Function* FindFunction(HMODULE module, const char* name) {
  // The detour through void (*)() tells the compiler that the cast between
  // function types is meant.
  return reinterpret_cast<Function*>(reinterpret_cast<void (*)()>(::GetProcAddress(module, name)));
}

// Restricts every later DLL search of the process, the system's own included,
// to the system folder. False when the system does not allow it.
bool RestrictDllSearchToSystemFolder();

}  // namespace win32
