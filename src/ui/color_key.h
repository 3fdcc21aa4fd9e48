// Colours as they are drawn: a layout's colour turned into 0x00BBGGRR, and
// kept off the colour key of a colour-keyed window. A pixel in the key's
// exact colour is not drawn at all there (the note is see-through), so
// anything the program means to show is drawn one step off the key instead:
// RGB(1,1,1) looks black and stays on the screen.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>

namespace ui {

// The system's colour of index n (5 window, 8 window text, ...) in the
// current theme, 0x00BBGGRR.
using SystemColors = std::function<std::uint32_t(int index)>;

// `color` as layouts give it, 0x00BBGGRR or 0x8000000n (not kDefaultColor).
std::uint32_t ToRgb(std::uint32_t color, const SystemColors& system);

// `rgb`, unless it is `key`: then the colour one step off it.
std::uint32_t OffKey(std::uint32_t rgb, std::optional<std::uint32_t> key);

}  // namespace ui
