// Commands about the notification area: whether an icon is registered, and
// the tips the shell shows for its icons.
#include <windows.h>
// The shell and common-control headers need <windows.h> first.
#include <commctrl.h>
#include <shellapi.h>

#include <cstdint>
#include <vector>

#include "driver/commands.h"
#include "driver/handle.h"
#include "driver/json.h"
#include "driver/window_text.h"

namespace pwdriver {

namespace {

constexpr int kTipChars = 1024;

struct ToolTip {
  HWND owner;
  UINT_PTR id;
  std::string text;
};

BOOL CALLBACK CollectTooltipWindows(HWND hwnd, LPARAM param) {
  if (ClassOf(hwnd) == "tooltips_class32") {
    reinterpret_cast<std::vector<HWND>*>(param)->push_back(hwnd);
  }
  return TRUE;
}

bool Is32BitOn64(HANDLE process) {
  BOOL wow64 = FALSE;
  return IsWow64Process(process, &wow64) && wow64;
}

// The tools of a tooltip window live in its process, and the tooltip
// messages carry pointers, so the requests are built in that process, in the
// driver's layout of the records: only a process of the driver's bitness (the
// shell's, whose tray tips the tests read) is asked. One of the other bitness
// would read them in its own layout and write the tip wherever that puts the
// text pointer.
std::vector<ToolTip> ReadTools(HWND tooltip) {
  std::vector<ToolTip> tools;
  const UniqueHandle process(OpenProcess(
      PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE | PROCESS_QUERY_INFORMATION, FALSE,
      ProcessOf(tooltip)));
  if (!process || Is32BitOn64(process.get()) != Is32BitOn64(GetCurrentProcess())) return tools;
  const RemoteMemory memory(process.get(), sizeof(TTTOOLINFOW) + kTipChars * sizeof(wchar_t));
  if (!memory.Address()) return tools;
  auto* remoteInfo = static_cast<TTTOOLINFOW*>(memory.Address());
  auto* remoteText =
      reinterpret_cast<wchar_t*>(static_cast<char*>(memory.Address()) + sizeof(TTTOOLINFOW));

  DWORD_PTR count = 0;
  SendMessageTimeoutW(tooltip, TTM_GETTOOLCOUNT, 0, 0, kSendFlags, kSendTimeoutMs, &count);
  for (WPARAM i = 0; i < count; ++i) {
    TTTOOLINFOW info{};
    info.cbSize = sizeof info;
    DWORD_PTR found = 0;
    if (!memory.Write(0, &info, sizeof info) ||
        !SendMessageTimeoutW(tooltip, TTM_ENUMTOOLSW, i, reinterpret_cast<LPARAM>(remoteInfo),
                             kSendFlags, kSendTimeoutMs, &found) ||
        !found || !memory.Read(0, &info, sizeof info)) {
      continue;
    }
    info.lpszText = remoteText;
    std::vector<wchar_t> text(kTipChars, L'\0');
    if (!memory.Write(0, &info, sizeof info) || !memory.Write(sizeof info, text.data(), 2) ||
        !SendMessageTimeoutW(tooltip, TTM_GETTEXTW, kTipChars, reinterpret_cast<LPARAM>(remoteInfo),
                             kSendFlags, kSendTimeoutMs, nullptr) ||
        !memory.Read(sizeof info, text.data(), text.size() * sizeof(wchar_t))) {
      continue;
    }
    text.back() = L'\0';
    tools.push_back({info.hwnd, info.uId, Narrow(text.data())});
  }
  return tools;
}

}  // namespace

// tray HWND UID: whether the icon (HWND, UID) is registered. Changing nothing
// about an icon succeeds exactly when the shell knows it.
std::string CmdTray(const Args& args) {
  NOTIFYICONDATAW data{};
  data.cbSize = NOTIFYICONDATAW_V1_SIZE;
  data.hWnd = reinterpret_cast<HWND>(static_cast<std::intptr_t>(IntArg(args, 1)));
  data.uID = static_cast<UINT>(IntArg(args, 2));
  data.uFlags = 0;
  return Shell_NotifyIconW(NIM_MODIFY, &data) ? "true" : "false";
}

// trayremove HWND UID: removes the icon (HWND, UID) from the notification
// area, as a taskbar that restarts forgets it; true if it was there.
std::string CmdTrayRemove(const Args& args) {
  NOTIFYICONDATAW data{};
  data.cbSize = NOTIFYICONDATAW_V1_SIZE;
  data.hWnd = reinterpret_cast<HWND>(static_cast<std::intptr_t>(IntArg(args, 1)));
  data.uID = static_cast<UINT>(IntArg(args, 2));
  return Shell_NotifyIconW(NIM_DELETE, &data) ? "true" : "false";
}

// tooltips: every tool of every tooltip window of the driver's bitness (the
// tray's tips among them).
std::string CmdTooltips(const Args&) {
  std::vector<HWND> windows;
  EnumWindows(CollectTooltipWindows, reinterpret_cast<LPARAM>(&windows));
  std::vector<std::string> items;
  for (HWND tooltip : windows) {
    for (const ToolTip& tool : ReadTools(tooltip)) {
      items.push_back(JsonObject()
                          .Int("tooltip", reinterpret_cast<std::intptr_t>(tooltip))
                          .Int("pid", ProcessOf(tooltip))
                          .Int("owner", reinterpret_cast<std::intptr_t>(tool.owner))
                          .Int("id", static_cast<std::int64_t>(tool.id))
                          .Str("text", tool.text)
                          .Text());
    }
  }
  return JsonArray(items);
}

}  // namespace pwdriver
