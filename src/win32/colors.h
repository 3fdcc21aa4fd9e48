// Colours as the layouts give them: 0x00BBGGRR, or 0x8000000n for system
// colour n, or ui::kDefaultColor for "whatever fits here".
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>

namespace win32 {

// `fallback` is used for ui::kDefaultColor.
COLORREF ResolveColor(std::uint32_t color, COLORREF fallback);

// The system's colour of `index` in the current theme.
std::uint32_t SystemColor(int index);

// The colour key of `window`, when it is a colour-keyed layered window.
std::optional<COLORREF> ColorKeyOf(HWND window);

}  // namespace win32
