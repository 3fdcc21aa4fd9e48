// Native ids of controls, menu items and timers. Layout ids are offset so
// that they never meet the ids the system itself reports through WM_COMMAND
// (IDOK, IDCANCEL and the like, all small numbers).
#pragma once

namespace win32 {

constexpr int kCommandIdBase = 0x1000;

constexpr int CommandIdOf(int layoutId) { return kCommandIdBase + layoutId; }
constexpr int LayoutIdOf(int commandId) { return commandId - kCommandIdBase; }
constexpr bool IsLayoutCommand(int commandId) { return commandId > kCommandIdBase; }

}  // namespace win32
