#include "win32/fatal_error.h"

#include <windows.h>

#include <utility>

#include "win32/text.h"
#include "win32/topmost_owner.h"

namespace win32 {

namespace {
// Plain values, so that nothing of this runs before the program's first line.
bool halted = false;
std::function<void()>* cleanup = nullptr;  // the living FatalErrorCleanup's
}  // namespace

void ExitWithError(const std::string& message) {
  halted = true;
  if (std::function<void()>* work = std::exchange(cleanup, nullptr)) (*work)();
  // Above the notes, like every box of the program; without an owner should
  // the desktop have no window to spare.
  ::MessageBoxW(CreateTopmostOwner(::GetModuleHandleW(nullptr)), Widen(message).c_str(),
                L"Paperwisp", MB_OK | MB_ICONERROR | MB_TASKMODAL | MB_SETFOREGROUND);
  ::ExitProcess(1);
}

bool Halted() { return halted; }

FatalErrorCleanup::FatalErrorCleanup(std::function<void()> work) : work_(std::move(work)) {
  cleanup = &work_;
}

FatalErrorCleanup::~FatalErrorCleanup() {
  if (cleanup == &work_) cleanup = nullptr;
}

}  // namespace win32
