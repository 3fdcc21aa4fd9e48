// Colours as the layouts give them: 0x00BBGGRR, or 0x8000000n for system
// colour n, or ui::kDefaultColor for "whatever fits here".
#pragma once

#include <windows.h>

#include <cstdint>

namespace win32 {

// `fallback` is used for ui::kDefaultColor.
COLORREF ResolveColor(std::uint32_t color, COLORREF fallback);

}  // namespace win32
