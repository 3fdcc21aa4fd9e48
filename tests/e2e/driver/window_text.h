// Reading what another process's windows show.
#pragma once

#include <windows.h>

#include <string>

namespace pwdriver {

// Milliseconds a message to another process may take before the driver gives
// up on it (a hung or busy program must not hang the test).
constexpr UINT kSendTimeoutMs = 3000;
// How the driver sends: the timeout alone bounds a hang. Wine counts a thread
// as hung when it has not asked for a message for 5 s and is not waiting for
// one right now, which an idle shell or program woken by something else
// briefly is; SMTO_ABORTIFHUNG would then fail at once without asking.
constexpr UINT kSendFlags = SMTO_NORMAL;

std::string ClassOf(HWND hwnd);
// WM_GETTEXT, which reaches the control's own text (edit boxes keep theirs).
// Empty for a window that is gone by the time it answers.
std::string TextOf(HWND hwnd);
// The caption the window system holds for the window; never waits for the
// window's program, so a busy program cannot stall a window search.
std::string CaptionOf(HWND hwnd);
DWORD ProcessOf(HWND hwnd);

}  // namespace pwdriver
