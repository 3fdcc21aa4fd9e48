// A taskbar that refuses every icon. Shell_NotifyIcon hands its request to
// the first top-level window of class "Shell_TrayWnd" with WM_COPYDATA and
// returns that window's answer; a topmost window of that class is found
// before the real one, and it answers FALSE. It runs on a thread of its own,
// so that it answers while the driver waits for its next command.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "driver/commands.h"
#include "driver/handle.h"
#include "driver/json.h"

namespace pwdriver {

namespace {

constexpr wchar_t kTrayClass[] = L"Shell_TrayWnd";
constexpr DWORD kThreadWaitMs = 5000;

// (The compiler's thread model here has no std::mutex.)
class Locked {
 public:
  explicit Locked(SRWLOCK& lock) : lock_(lock) { AcquireSRWLockExclusive(&lock_); }
  ~Locked() { ReleaseSRWLockExclusive(&lock_); }
  Locked(const Locked&) = delete;
  Locked& operator=(const Locked&) = delete;

 private:
  SRWLOCK& lock_;
};

class RefusingTaskbar {
 public:
  struct Request {
    DWORD message;  // NIM_ADD, NIM_MODIFY, ...
    DWORD ms;       // since the taskbar started
  };

  // Creates the window; nullptr if it could not be created.
  static std::unique_ptr<RefusingTaskbar> Start() {
    auto taskbar = std::unique_ptr<RefusingTaskbar>(new RefusingTaskbar);
    taskbar->ready_.reset(CreateEventW(nullptr, TRUE, FALSE, nullptr));
    taskbar->thread_.reset(CreateThread(nullptr, 0, &Run, taskbar.get(), 0, nullptr));
    if (!taskbar->thread_) return nullptr;
    WaitForSingleObject(taskbar->ready_.get(), kThreadWaitMs);
    if (!taskbar->hwnd_) return nullptr;
    return taskbar;
  }

  ~RefusingTaskbar() { Stop(); }

  // Destroys the window and waits for its thread to end.
  void Stop() {
    if (hwnd_) PostMessageW(hwnd_, WM_CLOSE, 0, 0);
    if (thread_) WaitForSingleObject(thread_.get(), kThreadWaitMs);
    hwnd_ = nullptr;
  }

  HWND Hwnd() const { return hwnd_; }

  std::vector<Request> Requests() {
    const Locked locked(lock_);
    return requests_;
  }

 private:
  RefusingTaskbar() : started_(GetTickCount()) {}

  static DWORD WINAPI Run(void* param) {
    auto* self = static_cast<RefusingTaskbar*>(param);
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = &Procedure;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = kTrayClass;
    RegisterClassExW(&windowClass);
    self->hwnd_ = CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, kTrayClass, L"", WS_POPUP, 0, 0,
                                  0, 0, nullptr, nullptr, instance, self);
    if (self->hwnd_) {
      SetWindowPos(self->hwnd_, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
    SetEvent(self->ready_.get());
    MSG msg{};
    while (self->hwnd_ && GetMessageW(&msg, nullptr, 0, 0) > 0) DispatchMessageW(&msg);
    UnregisterClassW(kTrayClass, instance);
    return 0;
  }

  static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
      auto* created = reinterpret_cast<const CREATESTRUCTW*>(lParam);
      SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(created->lpCreateParams));
    }
    auto* self = reinterpret_cast<RefusingTaskbar*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    switch (message) {
      case WM_COPYDATA: {
        const auto* data = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
        if (self && data) {
          const Locked locked(self->lock_);
          self->requests_.push_back(
              {static_cast<DWORD>(data->dwData), GetTickCount() - self->started_});
        }
        return FALSE;
      }
      case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
      default:
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
  }

  DWORD started_;
  UniqueHandle ready_;
  UniqueHandle thread_;
  HWND hwnd_ = nullptr;
  SRWLOCK lock_ = SRWLOCK_INIT;  // guards requests_
  std::vector<Request> requests_;
};

std::unique_ptr<RefusingTaskbar>& Running() {
  static std::unique_ptr<RefusingTaskbar> running;
  return running;
}

std::string RequestsJson(RefusingTaskbar& taskbar) {
  std::vector<std::string> items;
  for (const RefusingTaskbar::Request& request : taskbar.Requests())
    items.push_back(JsonObject().Int("message", request.message).Int("ms", request.ms).Text());
  return JsonArray(items);
}

}  // namespace

// refusingtaskbar start: puts the refusing taskbar in front of the real one.
// {hwnd, first: Shell_NotifyIcon's own search now finds it}.
// refusingtaskbar requests: the requests it has refused so far, in order, as
// [{message: NIM_*, ms: since it started}].
// refusingtaskbar stop: removes it; the requests it refused.
std::string CmdRefusingTaskbar(const Args& args) {
  const std::string action = StrArg(args, 1);
  if (action == "start") {
    if (Running()) throw CommandError("refusingtaskbar: already started");
    Running() = RefusingTaskbar::Start();
    if (!Running()) throw CommandError("refusingtaskbar: the window could not be created");
    const HWND hwnd = Running()->Hwnd();
    return JsonObject()
        .Int("hwnd", reinterpret_cast<std::intptr_t>(hwnd))
        .Bool("first", FindWindowExW(nullptr, nullptr, kTrayClass, nullptr) == hwnd)
        .Text();
  }
  if (!Running()) throw CommandError("refusingtaskbar: not started");
  if (action == "requests") return RequestsJson(*Running());
  if (action == "stop") {
    const std::unique_ptr<RefusingTaskbar> taskbar = std::move(Running());
    taskbar->Stop();
    return RequestsJson(*taskbar);
  }
  throw CommandError("refusingtaskbar: bad action " + action);
}

}  // namespace pwdriver
