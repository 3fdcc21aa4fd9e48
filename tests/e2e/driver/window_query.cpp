// Commands that look at windows: what another process could find out about
// Paperwisp's windows without touching them.
#include <cstdint>
#include <map>
#include <vector>

#include "driver/commands.h"
#include "driver/json.h"
#include "driver/window_text.h"

namespace pwdriver {

namespace {

std::int64_t HandleValue(HWND hwnd) { return reinterpret_cast<std::intptr_t>(hwnd); }

std::string RectJson(const RECT& r) {
  return JsonArray({std::to_string(r.left), std::to_string(r.top), std::to_string(r.right),
                    std::to_string(r.bottom)});
}

std::string Summary(HWND hwnd) {
  return JsonObject()
      .Int("hwnd", HandleValue(hwnd))
      .Str("class", ClassOf(hwnd))
      .Str("title", CaptionOf(hwnd))
      .Int("pid", ProcessOf(hwnd))
      .Bool("visible", IsWindowVisible(hwnd))
      .Text();
}

// A window gets a taskbar button when it is a visible top-level window that
// is either forced onto the taskbar or neither owned nor a tool window.
bool HasTaskbarButton(HWND hwnd, LONG exStyle) {
  if (!IsWindowVisible(hwnd) || GetAncestor(hwnd, GA_PARENT) != GetDesktopWindow()) return false;
  if (exStyle & WS_EX_APPWINDOW) return true;
  return !(exStyle & WS_EX_TOOLWINDOW) && !GetWindow(hwnd, GW_OWNER);
}

std::string LayeredJson(HWND hwnd, LONG exStyle) {
  COLORREF key = 0;
  BYTE alpha = 0;
  DWORD flags = 0;
  if (!(exStyle & WS_EX_LAYERED) || !GetLayeredWindowAttributes(hwnd, &key, &alpha, &flags)) {
    return "null";
  }
  return JsonObject().Int("colorKey", key).Int("alpha", alpha).Int("flags", flags).Text();
}

struct ListFilter {
  std::map<std::string, std::string> fields;  // class, title, pid, visible
  std::vector<HWND> found;

  bool Matches(HWND hwnd) const {
    for (const auto& [key, value] : fields) {
      if (key == "class" && ClassOf(hwnd) != value) return false;
      if (key == "title" && CaptionOf(hwnd) != value) return false;
      if (key == "pid" && std::to_string(ProcessOf(hwnd)) != value) return false;
      if (key == "visible" && (IsWindowVisible(hwnd) ? "1" : "0") != value) return false;
    }
    return true;
  }
};

BOOL CALLBACK CollectMatching(HWND hwnd, LPARAM param) {
  auto* filter = reinterpret_cast<ListFilter*>(param);
  if (filter->Matches(hwnd)) filter->found.push_back(hwnd);
  return TRUE;
}

BOOL CALLBACK CollectAll(HWND hwnd, LPARAM param) {
  reinterpret_cast<std::vector<HWND>*>(param)->push_back(hwnd);
  return TRUE;
}

}  // namespace

// list [class=NAME] [title=TEXT] [pid=N] [visible=0|1]: top-level windows.
std::string CmdList(const Args& args) {
  ListFilter filter;
  for (std::size_t i = 1; i < args.size(); ++i) {
    const auto eq = args[i].find('=');
    const std::string key = args[i].substr(0, eq);
    if (eq == std::string::npos ||
        (key != "class" && key != "title" && key != "pid" && key != "visible")) {
      throw CommandError("list: bad filter " + args[i]);
    }
    filter.fields[key] = args[i].substr(eq + 1);
  }
  EnumWindows(CollectMatching, reinterpret_cast<LPARAM>(&filter));
  std::vector<std::string> items;
  for (HWND hwnd : filter.found) items.push_back(Summary(hwnd));
  return JsonArray(items);
}

// info HWND: everything about one window; {"exists":false} once it is gone.
std::string CmdInfo(const Args& args) {
  const HWND hwnd = reinterpret_cast<HWND>(static_cast<std::intptr_t>(IntArg(args, 1)));
  if (!IsWindow(hwnd)) return JsonObject().Bool("exists", false).Text();
  const LONG style = GetWindowLongW(hwnd, GWL_STYLE);
  const LONG exStyle = GetWindowLongW(hwnd, GWL_EXSTYLE);
  RECT window{}, client{};
  GetWindowRect(hwnd, &window);
  GetClientRect(hwnd, &client);
  POINT origin{0, 0};
  ClientToScreen(hwnd, &origin);
  DWORD pid = 0;
  const DWORD tid = GetWindowThreadProcessId(hwnd, &pid);
  return JsonObject()
      .Bool("exists", true)
      .Int("hwnd", HandleValue(hwnd))
      .Str("class", ClassOf(hwnd))
      .Str("title", CaptionOf(hwnd))
      .Int("pid", pid)
      .Int("tid", tid)
      .Bool("visible", IsWindowVisible(hwnd))
      .Bool("enabled", IsWindowEnabled(hwnd))
      .Bool("iconic", IsIconic(hwnd))
      .Bool("zoomed", IsZoomed(hwnd))
      .Int("style", static_cast<DWORD>(style))
      .Int("exStyle", static_cast<DWORD>(exStyle))
      .Bool("topmost", (exStyle & WS_EX_TOPMOST) != 0)
      .Bool("taskbar", HasTaskbarButton(hwnd, exStyle))
      .Raw("layered", LayeredJson(hwnd, exStyle))
      .Raw("rect", RectJson(window))
      .Raw("client",
           RectJson({origin.x, origin.y, origin.x + client.right, origin.y + client.bottom}))
      .Int("owner", HandleValue(GetWindow(hwnd, GW_OWNER)))
      .Int("parent", HandleValue(GetAncestor(hwnd, GA_PARENT)))
      .Text();
}

// children HWND: every descendant window, in the order the system lists them.
std::string CmdChildren(const Args& args) {
  std::vector<HWND> found;
  EnumChildWindows(WindowArg(args, 1), CollectAll, reinterpret_cast<LPARAM>(&found));
  std::vector<std::string> items;
  for (HWND child : found) {
    RECT r{};
    GetWindowRect(child, &r);
    items.push_back(JsonObject()
                        .Int("hwnd", HandleValue(child))
                        .Str("class", ClassOf(child))
                        .Str("text", TextOf(child))
                        .Int("id", GetDlgCtrlID(child))
                        .Bool("visible", IsWindowVisible(child))
                        .Bool("enabled", IsWindowEnabled(child))
                        .Int("style", static_cast<DWORD>(GetWindowLongW(child, GWL_STYLE)))
                        .Raw("rect", RectJson(r))
                        .Text());
  }
  return JsonArray(items);
}

// text HWND: the window's text as its own process reports it.
std::string CmdText(const Args& args) { return JsonString(TextOf(WindowArg(args, 1))); }

// comboitems HWND: the list of a combo box (wide reads; the 8-bit one is
// garbled across processes under Wine).
std::string CmdComboItems(const Args& args) {
  const HWND combo = WindowArg(args, 1);
  DWORD_PTR count = 0;
  if (!SendMessageTimeoutW(combo, CB_GETCOUNT, 0, 0, kSendFlags, kSendTimeoutMs, &count) ||
      static_cast<LRESULT>(count) == CB_ERR) {
    throw CommandError("comboitems: CB_GETCOUNT failed");
  }
  std::vector<std::string> items;
  for (WPARAM i = 0; i < count; ++i) {
    DWORD_PTR length = 0;
    SendMessageTimeoutW(combo, CB_GETLBTEXTLEN, i, 0, kSendFlags, kSendTimeoutMs, &length);
    std::wstring item(static_cast<std::size_t>(length) + 1, L'\0');
    DWORD_PTR copied = 0;
    SendMessageTimeoutW(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(item.data()), kSendFlags,
                        kSendTimeoutMs, &copied);
    item.resize(static_cast<LRESULT>(copied) == CB_ERR ? 0 : copied);
    items.push_back(JsonString(Narrow(item)));
  }
  return JsonArray(items);
}

std::string CmdForeground(const Args&) {
  return std::to_string(HandleValue(GetForegroundWindow()));
}

// focus: the foreground window, and the active window and the window with
// the keyboard focus of the thread that owns it (any process's).
std::string CmdFocus(const Args&) {
  const HWND foreground = GetForegroundWindow();
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  if (foreground) GetGUIThreadInfo(GetWindowThreadProcessId(foreground, nullptr), &info);
  return JsonObject()
      .Int("foreground", HandleValue(foreground))
      .Int("active", HandleValue(info.hwndActive))
      .Int("focus", HandleValue(info.hwndFocus))
      .Text();
}

// windowat X Y: the window under a screen point, and its top-level window.
std::string CmdWindowAt(const Args& args) {
  const POINT p{static_cast<LONG>(IntArg(args, 1)), static_cast<LONG>(IntArg(args, 2))};
  const HWND hwnd = WindowFromPoint(p);
  return JsonObject()
      .Int("hwnd", HandleValue(hwnd))
      .Int("root", HandleValue(hwnd ? GetAncestor(hwnd, GA_ROOT) : nullptr))
      .Text();
}

// screen: the size of the screen in pixels, its work area (screen less
// taskbars) and its logical dots per inch.
std::string CmdScreen(const Args&) {
  const HDC dc = GetDC(nullptr);
  const int dpi = GetDeviceCaps(dc, LOGPIXELSX);
  ReleaseDC(nullptr, dc);
  RECT work{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  return JsonObject()
      .Int("width", GetSystemMetrics(SM_CXSCREEN))
      .Int("height", GetSystemMetrics(SM_CYSCREEN))
      .Raw("workArea", RectJson(work))
      .Int("dpi", dpi)
      .Text();
}

}  // namespace pwdriver
