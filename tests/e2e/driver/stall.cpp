// A program that stops, as on a computer that sleeps: the thread of one of its
// windows is suspended, and later resumed. No timer of the thread ticks
// meanwhile, and none catches up afterwards beyond a single tick.
#include <map>
#include <string>
#include <utility>

#include "driver/commands.h"
#include "driver/handle.h"
#include "driver/json.h"

namespace pwdriver {

namespace {

std::map<DWORD, UniqueHandle>& Suspended() {
  static std::map<DWORD, UniqueHandle> suspended;
  return suspended;
}

}  // namespace

// suspend HWND: suspends the thread that owns the window; its thread id.
std::string CmdSuspend(const Args& args) {
  const DWORD thread = GetWindowThreadProcessId(WindowArg(args, 1), nullptr);
  if (Suspended().count(thread)) throw CommandError("suspend: already suspended");
  UniqueHandle handle(OpenThread(THREAD_SUSPEND_RESUME, FALSE, thread));
  if (!handle || SuspendThread(handle.get()) == static_cast<DWORD>(-1))
    throw CommandError("suspend: failed with error " + std::to_string(GetLastError()));
  Suspended()[thread] = std::move(handle);
  return std::to_string(thread);
}

// resume THREAD: resumes a thread suspended here.
std::string CmdResume(const Args& args) {
  const auto it = Suspended().find(static_cast<DWORD>(IntArg(args, 1)));
  if (it == Suspended().end()) throw CommandError("resume: not suspended here: " + args[1]);
  const bool resumed = ResumeThread(it->second.get()) != static_cast<DWORD>(-1);
  Suspended().erase(it);
  if (!resumed) throw CommandError("resume: failed with error " + std::to_string(GetLastError()));
  return "true";
}

// localtime: the wall clock as the programs in the prefix read it.
std::string CmdLocalTime(const Args&) {
  SYSTEMTIME now{};
  GetLocalTime(&now);
  return JsonObject()
      .Int("hour", now.wHour)
      .Int("minute", now.wMinute)
      .Int("second", now.wSecond)
      .Int("ms", now.wMilliseconds)
      .Text();
}

}  // namespace pwdriver
