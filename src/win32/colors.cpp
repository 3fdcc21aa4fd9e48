#include "win32/colors.h"

#include "ui/layout.h"

namespace win32 {

namespace {
constexpr std::uint32_t kSystemColorFlag = 0x80000000u;
constexpr std::uint32_t kSystemColorIndexMask = 0xFFu;
constexpr std::uint32_t kRgbMask = 0x00FFFFFFu;
}  // namespace

COLORREF ResolveColor(std::uint32_t color, COLORREF fallback) {
  if (color == ui::kDefaultColor) return fallback;
  if (color & kSystemColorFlag)
    return ::GetSysColor(static_cast<int>(color & kSystemColorIndexMask));
  return static_cast<COLORREF>(color & kRgbMask);
}

}  // namespace win32
