// Marks of a bench build's start, for the start-up split of bench/run.sh:
// one when the exe's entry point is called, before the C runtime starts, and
// one when wWinMain is called, after the runtime and the static
// initialisers. Each goes out through OutputDebugString, which Wine's debug
// channel +debugstr logs, as "pwmark NAME PID COUNTER" with the performance
// counter, the clock that pwbench times the start with.
//
// Linked only into the bench builds (Paperwisp_marked.exe and the marked
// floors: the program's own objects and this one), with MarkedEntry as the
// entry point and the C runtime's call of wWinMain wrapped
// (bench/CMakeLists.txt).
#include <windows.h>

// The C runtime's entry point of a -municode GUI program (crt2u.o).
extern "C" int WinMainCRTStartup();
// The linker's names for the program's wWinMain and for what the C runtime
// calls instead (--wrap).
extern "C" int WINAPI __real_wWinMain(HINSTANCE instance, HINSTANCE previous, PWSTR commandLine,
                                      int show);
extern "C" int WINAPI __wrap_wWinMain(HINSTANCE instance, HINSTANCE previous, PWSTR commandLine,
                                      int show);

namespace {

// Appends the decimal digits of `value` at `end`; returns the new end.
char* AppendNumber(char* end, unsigned long long value) {
  char digits[24];
  int count = 0;
  do {
    digits[count++] = static_cast<char>('0' + value % 10);
    value /= 10;
  } while (value);
  while (count) *end++ = digits[--count];
  return end;
}

// Written without the C runtime, which has not started at the entry point.
void Mark(const char* name) {
  LARGE_INTEGER now;
  ::QueryPerformanceCounter(&now);
  char text[96] = "pwmark ";
  char* end = text + 7;
  while (*name) *end++ = *name++;
  *end++ = ' ';
  end = AppendNumber(end, ::GetCurrentProcessId());
  *end++ = ' ';
  end = AppendNumber(end, static_cast<unsigned long long>(now.QuadPart));
  *end++ = '\n';
  *end = '\0';
  ::OutputDebugStringA(text);
}

}  // namespace

extern "C" int MarkedEntry() {
  Mark("entry");
  return WinMainCRTStartup();
}

extern "C" int WINAPI __wrap_wWinMain(HINSTANCE instance, HINSTANCE previous, PWSTR commandLine,
                                      int show) {
  Mark("winmain");
  return __real_wWinMain(instance, previous, commandLine, show);
}
