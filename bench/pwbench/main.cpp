// pwbench: the timing side of bench/run.sh, run inside the Wine prefix next
// to the program it measures, so that no pipe to the host lies inside a
// measured interval. One command per run; the result is one JSON line.
//
//   startup RUNS EXE TITLE [EXE TITLE...]
//                             RUNS rounds, each starting every EXE in turn:
//                             time until its window TITLE exists, and until
//                             that window has a tray icon (id 1); then the
//                             icon is removed and EXE ended. With each start
//                             its process id and the performance counter
//                             just before it was created, which the marks of
//                             the bench builds (bench/start_marks.cpp) are
//                             measured from
//   first-note RUNS EXE TITLE [DELAY]
//                             RUNS times: start EXE and, as soon as its window
//                             TITLE has a tray icon (or DELAY ms later), a tray
//                             double click; time until the note is shown and
//                             painted
//   notes PID FORM1 COUNT     COUNT tray double clicks, one after another;
//                             time of each until its note is shown and painted
//   cycles PID FORM1 COUNT    COUNT times: a note by double click, then closed
//   close-notes PID           close every note of PID
//   memory PID                working set and private bytes of PID
#include <windows.h>
// The process status header needs <windows.h> first.
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "target.h"

namespace {

using pwbench::NowMs;
using pwbench::WaitFor;
using pwbench::WindowsOf;

constexpr UINT kTrayIconId = 1;
constexpr LPARAM kLeftDoubleClick = WM_LBUTTONDBLCLK;
constexpr double kTimeoutMs = 30000;
const std::wstring kNoteTitle = L"My Note";

[[noreturn]] void Fail(const char* what) {
  std::printf("{\"error\":\"%s\"}\n", what);
  std::exit(1);
}

HWND HandleArg(const wchar_t* text) {
  return reinterpret_cast<HWND>(static_cast<INT_PTR>(_wcstoi64(text, nullptr, 0)));
}

template <typename Value>
std::string Join(const std::vector<Value>& values) {
  std::string list;
  for (double v : values) list += (list.empty() ? "" : ",") + std::to_string(v);
  return "[" + list + "]";
}

// The shell's callback for a double click on the icon.
void TrayDoubleClick(HWND form1) {
  PostMessageW(form1, WM_MOUSEMOVE, kTrayIconId, kLeftDoubleClick);
}

// The note that `pid` shows and that is not among `before`, once there is
// one; nullptr when none comes in time.
HWND WaitForNoteWindow(DWORD pid, const std::vector<HWND>& before) {
  HWND note = nullptr;
  WaitFor(
      [&] {
        for (HWND w : WindowsOf(pid, kNoteTitle, true))
          if (std::find(before.begin(), before.end(), w) == before.end()) note = w;
        return note != nullptr;
      },
      kTimeoutMs);
  return note;
}

// Waits until `pid` shows a new note and has painted it: UpdateWindow on
// another process's window returns once that process has painted what was
// still unpainted.
bool WaitForNewNote(DWORD pid, const std::vector<HWND>& before) {
  HWND note = WaitForNoteWindow(pid, before);
  if (note) UpdateWindow(note);
  return note != nullptr;
}

// Lets the program finish what the last action started (handlers, repaints).
void Settle(HWND form1) {
  DWORD_PTR result;
  SendMessageTimeoutW(form1, WM_NULL, 0, 0, SMTO_NORMAL, 5000, &result);
  Sleep(100);
}

// A program started and running up to its tray icon.
struct Started {
  PROCESS_INFORMATION process{};
  LONGLONG createdCounter = 0;  // the performance counter right before
  HWND hwnd = nullptr;          // its window with the tray icon
  double windowMs = 0;          // until the window existed
  double iconMs = 0;            // until its tray icon was registered
  bool registered = false;
};

Started StartUntilIcon(const std::wstring& exe, const std::wstring& title) {
  std::wstring directory = exe.substr(0, exe.find_last_of(L"\\/"));
  std::wstring commandLine = L"\"" + exe + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  Started started;
  started.createdCounter = pwbench::Counter();
  const double begin = NowMs();
  if (!CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      directory.c_str(), &startup, &started.process))
    Fail(("CreateProcess failed with error " + std::to_string(GetLastError())).c_str());
  started.registered = WaitFor(
      [&] {
        if (!started.hwnd) {
          const std::vector<HWND> found = WindowsOf(started.process.dwProcessId, title, false);
          if (found.empty()) return false;
          started.hwnd = found.front();
          started.windowMs = NowMs() - begin;
        }
        return pwbench::TrayIconRegistered(started.hwnd, kTrayIconId);
      },
      kTimeoutMs);
  started.iconMs = NowMs() - begin;
  return started;
}

void Stop(const Started& started) {
  if (started.hwnd) pwbench::RemoveTrayIcon(started.hwnd, kTrayIconId);
  TerminateProcess(started.process.hProcess, 0);
  WaitForSingleObject(started.process.hProcess, 10000);
  CloseHandle(started.process.hThread);
  CloseHandle(started.process.hProcess);
}

struct StartTimes {
  double windowMs;  // until the window exists
  double iconMs;    // until its tray icon is registered
  DWORD pid;
  LONGLONG createdCounter;
};

StartTimes StartOnce(const std::wstring& exe, const std::wstring& title) {
  const Started started = StartUntilIcon(exe, title);
  Stop(started);
  if (!started.registered) Fail("no tray icon");
  return {started.windowMs, started.iconMs, started.process.dwProcessId, started.createdCounter};
}

// Interleaved, so that a slow spell of the machine hits every program alike.
int Startup(int runs, int programs, wchar_t** exeAndTitle) {
  std::vector<std::vector<double>> icon(programs), window(programs);
  std::vector<std::vector<DWORD>> pids(programs);
  std::vector<std::vector<LONGLONG>> counters(programs);
  for (int run = 0; run < runs; ++run) {
    for (int p = 0; p < programs; ++p) {
      const StartTimes t = StartOnce(exeAndTitle[2 * p], exeAndTitle[2 * p + 1]);
      icon[p].push_back(t.iconMs);
      window[p].push_back(t.windowMs);
      pids[p].push_back(t.pid);
      counters[p].push_back(t.createdCounter);
      Sleep(200);
    }
  }
  std::string iconLists, windowLists, pidLists, counterLists;
  for (int p = 0; p < programs; ++p) {
    iconLists += (p ? "," : "") + Join(icon[p]);
    windowLists += (p ? "," : "") + Join(window[p]);
    pidLists += (p ? "," : "") + Join(pids[p]);
    counterLists += (p ? "," : "") + Join(counters[p]);
  }
  std::printf(
      "{\"ms\":[%s],\"window_ms\":[%s],\"pid\":[%s],\"created_counter\":[%s],"
      "\"counter_frequency\":%lld}\n",
      iconLists.c_str(), windowLists.c_str(), pidLists.c_str(), counterLists.c_str(),
      pwbench::CounterFrequency());
  return 0;
}

// The first note asked for the moment the tray icon is there, with no pause
// for anything the program still does after registering it, or `delayMs`
// after, once the process is no longer young.
int FirstNote(int runs, const std::wstring& exe, const std::wstring& title, int delayMs) {
  std::vector<double> times;
  for (int run = 0; run < runs; ++run) {
    const Started started = StartUntilIcon(exe, title);
    bool shown = false;
    if (started.registered) {
      if (delayMs) Sleep(delayMs);
      const double begin = NowMs();
      TrayDoubleClick(started.hwnd);
      shown = WaitForNewNote(started.process.dwProcessId, {});
      times.push_back(NowMs() - begin);
    }
    Stop(started);
    if (!started.registered) Fail("no tray icon");
    if (!shown) Fail("no note shown");
    Sleep(200);
  }
  std::printf("{\"ms\":%s}\n", Join(times).c_str());
  return 0;
}

int Notes(DWORD pid, HWND form1, int count) {
  std::vector<double> times;
  for (int i = 0; i < count; ++i) {
    Settle(form1);
    const std::vector<HWND> before = WindowsOf(pid, kNoteTitle, true);
    const double begin = NowMs();
    TrayDoubleClick(form1);
    if (!WaitForNewNote(pid, before)) Fail("no note shown");
    times.push_back(NowMs() - begin);
  }
  Settle(form1);
  std::printf("{\"ms\":%s}\n", Join(times).c_str());
  return 0;
}

int Cycles(DWORD pid, HWND form1, int count) {
  const double begin = NowMs();
  for (int i = 0; i < count; ++i) {
    const std::vector<HWND> before = WindowsOf(pid, kNoteTitle, false);
    TrayDoubleClick(form1);
    HWND note = WaitForNoteWindow(pid, before);
    if (!note) Fail("no note shown");
    PostMessageW(note, WM_CLOSE, 0, 0);
    if (!WaitFor([&] { return !IsWindow(note); }, kTimeoutMs)) Fail("note did not close");
  }
  const double total = NowMs() - begin;
  Settle(form1);
  std::printf("{\"total_ms\":%f,\"per_cycle_ms\":%f}\n", total, total / count);
  return 0;
}

int CloseNotes(DWORD pid) {
  for (HWND note : WindowsOf(pid, kNoteTitle, false)) PostMessageW(note, WM_CLOSE, 0, 0);
  if (!WaitFor([&] { return WindowsOf(pid, kNoteTitle, false).empty(); }, kTimeoutMs))
    Fail("notes did not close");
  std::printf("{\"closed\":true}\n");
  return 0;
}

int Memory(DWORD pid) {
  HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, pid);
  if (!process) Fail("OpenProcess failed");
  PROCESS_MEMORY_COUNTERS_EX counters{};
  const BOOL ok = GetProcessMemoryInfo(
      process, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters), sizeof counters);
  CloseHandle(process);
  if (!ok) Fail("GetProcessMemoryInfo failed");
  std::printf("{\"working_set\":%llu,\"private\":%llu}\n",
              static_cast<unsigned long long>(counters.WorkingSetSize),
              static_cast<unsigned long long>(counters.PrivateUsage));
  return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  const std::wstring command = argc > 1 ? argv[1] : L"";
  if (command == L"startup" && argc >= 5 && argc % 2 == 1)
    return Startup(_wtoi(argv[2]), (argc - 3) / 2, argv + 3);
  if (command == L"first-note" && (argc == 5 || argc == 6))
    return FirstNote(_wtoi(argv[2]), argv[3], argv[4], argc == 6 ? _wtoi(argv[5]) : 0);
  if (command == L"notes" && argc == 5)
    return Notes(_wtoi(argv[2]), HandleArg(argv[3]), _wtoi(argv[4]));
  if (command == L"cycles" && argc == 5)
    return Cycles(_wtoi(argv[2]), HandleArg(argv[3]), _wtoi(argv[4]));
  if (command == L"close-notes" && argc == 3) return CloseNotes(_wtoi(argv[2]));
  if (command == L"memory" && argc == 3) return Memory(_wtoi(argv[2]));
  std::fprintf(stderr, "usage: see the head of bench/pwbench/main.cpp\n");
  return 2;
}
