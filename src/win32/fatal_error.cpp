#include "win32/fatal_error.h"

#include <windows.h>

#include <utility>

#include "win32/text.h"

namespace win32 {

namespace {
bool halted = false;
std::function<void()> cleanup;
}  // namespace

void ExitWithError(const std::string& message) {
  halted = true;
  if (cleanup) std::exchange(cleanup, nullptr)();
  ::MessageBoxW(nullptr, Widen(message).c_str(), L"Paperwisp",
                MB_OK | MB_ICONERROR | MB_TASKMODAL | MB_SETFOREGROUND);
  ::ExitProcess(1);
}

bool Halted() { return halted; }

FatalErrorCleanup::FatalErrorCleanup(std::function<void()> work) { cleanup = std::move(work); }

FatalErrorCleanup::~FatalErrorCleanup() { cleanup = nullptr; }

}  // namespace win32
