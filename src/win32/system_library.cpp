#include "win32/system_library.h"

namespace win32 {

HMODULE LoadSystemLibrary(const wchar_t* name) {
  return ::LoadLibraryExW(name, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
}

bool RestrictDllSearchToSystemFolder() {
  // The second call also takes the current directory out of the searches
  // that do not follow the default directories (an altered search path).
  return ::SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32) && ::SetDllDirectoryW(L"");
}

}  // namespace win32
