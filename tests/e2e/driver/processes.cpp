// Commands for the processes the driver starts (a test stops only what it
// started, by its own handle), and the modules of any process.
#include <windows.h>
// The process status header needs <windows.h> first.
#include <psapi.h>

#include <algorithm>
#include <cwchar>
#include <map>
#include <string>
#include <vector>

#include "driver/commands.h"
#include "driver/handle.h"
#include "driver/json.h"

namespace pwdriver {

namespace {

std::map<DWORD, UniqueHandle>& Started() {
  static std::map<DWORD, UniqueHandle> started;
  return started;
}

HANDLE StartedProcess(const Args& args) {
  const auto pid = static_cast<DWORD>(IntArg(args, 1));
  const auto it = Started().find(pid);
  if (it == Started().end()) throw CommandError(args[0] + ": not started here: " + args[1]);
  return it->second.get();
}

std::wstring Quoted(const std::wstring& arg) { return L"\"" + arg + L"\""; }

// Starts args[first] with the arguments after it, in its own directory,
// with `environment` (a block, or null for the driver's own).
std::string Start(const Args& args, std::size_t first, wchar_t* environment) {
  const std::wstring path = Widen(StrArg(args, first));
  std::wstring commandLine = Quoted(path);
  for (std::size_t i = first + 1; i < args.size(); ++i)
    commandLine += L" " + Quoted(Widen(args[i]));
  const auto slash = path.find_last_of(L"\\/");
  const std::wstring directory = slash == std::wstring::npos ? L"." : path.substr(0, slash);

  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info{};
  if (!CreateProcessW(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE,
                      environment ? CREATE_UNICODE_ENVIRONMENT : 0, environment, directory.c_str(),
                      &startup, &info)) {
    throw CommandError(args[0] + ": CreateProcess failed with error " +
                       std::to_string(GetLastError()));
  }
  CloseHandle(info.hThread);
  Started()[info.dwProcessId] = UniqueHandle(info.hProcess);
  return std::to_string(info.dwProcessId);
}

}  // namespace

// ping: the driver's own process id; proves the driver is up.
std::string CmdPing(const Args&) { return std::to_string(GetCurrentProcessId()); }

// start PATH [ARG...]: starts a program in its own directory; its process id.
std::string CmdStart(const Args& args) { return Start(args, 1, nullptr); }

// starttraced CHANNELS PATH [ARG...]: starts a program as start does, with
// Wine's debug channels CHANNELS (as WINEDEBUG names them) on; Wine writes
// their output to the standard error that the program inherits, the
// driver's. Its process id.
std::string CmdStartTraced(const Args& args) {
  // The driver's environment with WINEDEBUG replaced.
  std::wstring block = L"WINEDEBUG=" + Widen(StrArg(args, 1));
  block.push_back(L'\0');
  wchar_t* own = GetEnvironmentStringsW();
  for (const wchar_t* entry = own; *entry; entry += wcslen(entry) + 1) {
    if (_wcsnicmp(entry, L"WINEDEBUG=", 10) == 0) continue;
    block.append(entry);
    block.push_back(L'\0');
  }
  FreeEnvironmentStringsW(own);
  block.push_back(L'\0');
  return Start(args, 2, block.data());
}

// wait PID [MS]: waits up to MS (default 0) for the process to end.
std::string CmdWait(const Args& args) {
  const HANDLE process = StartedProcess(args);
  const bool exited =
      WaitForSingleObject(process, static_cast<DWORD>(IntArg(args, 2, 0))) == WAIT_OBJECT_0;
  DWORD code = 0;
  GetExitCodeProcess(process, &code);
  JsonObject result;
  result.Bool("exited", exited);
  if (exited) result.Int("code", code);
  return result.Text();
}

// kill PID: ends a process started here (if it still runs) and forgets it.
std::string CmdKill(const Args& args) {
  const HANDLE process = StartedProcess(args);
  const bool running = WaitForSingleObject(process, 0) == WAIT_TIMEOUT;
  if (running) {
    TerminateProcess(process, 1);
    WaitForSingleObject(process, 5000);
  }
  Started().erase(static_cast<DWORD>(IntArg(args, 1)));
  return running ? "true" : "false";
}

// modules PID: the paths of the DLLs and the exe loaded in process PID, as
// Windows names them (a side-by-side DLL by its folder in winsxs).
std::string CmdModules(const Args& args) {
  const auto pid = static_cast<DWORD>(IntArg(args, 1));
  const UniqueHandle process(OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, pid));
  if (!process) throw CommandError("modules: cannot open process " + args[1]);
  // A 64-bit process lists a 32-bit one's modules this way only (no snapshot).
  std::vector<HMODULE> modules(512);
  DWORD bytes = 0;
  if (!EnumProcessModulesEx(process.get(), modules.data(),
                            static_cast<DWORD>(modules.size() * sizeof(HMODULE)), &bytes,
                            LIST_MODULES_ALL))
    throw CommandError("modules: EnumProcessModulesEx failed with error " +
                       std::to_string(GetLastError()));
  modules.resize(std::min<std::size_t>(modules.size(), bytes / sizeof(HMODULE)));
  std::vector<std::string> paths;
  for (HMODULE module : modules) {
    wchar_t path[MAX_PATH] = L"";
    if (GetModuleFileNameExW(process.get(), module, path, MAX_PATH))
      paths.push_back(JsonString(Narrow(path)));
  }
  return JsonArray(paths);
}

}  // namespace pwdriver
