#include "win32/colors.h"

#include "ui/color_key.h"
#include "ui/layout.h"

namespace win32 {

COLORREF ResolveColor(std::uint32_t color, COLORREF fallback) {
  if (color == ui::kDefaultColor) return fallback;
  return static_cast<COLORREF>(ui::ToRgb(color, SystemColor));
}

std::uint32_t SystemColor(int index) { return ::GetSysColor(index); }

std::optional<COLORREF> ColorKeyOf(HWND window) {
  if (!window || !(::GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_LAYERED)) return std::nullopt;
  COLORREF key = 0;
  DWORD flags = 0;
  if (!::GetLayeredWindowAttributes(window, &key, nullptr, &flags) || !(flags & LWA_COLORKEY))
    return std::nullopt;
  return key;
}

}  // namespace win32
