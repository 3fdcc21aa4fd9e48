/* The control of the planted-DLL test: loads the DLLs named on its command
   line the plain way, as a program that does not restrict the DLL search
   would. Exits with 0 when every one of them loaded. */
#include <windows.h>

int wmain(int argc, wchar_t** argv) {
  for (int i = 1; i < argc; ++i)
    if (!LoadLibraryW(argv[i])) return 1;
  return 0;
}
