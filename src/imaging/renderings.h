// The program carries every picture drawn at several scales (100 % and
// larger). Which one to draw for a given size on the display.
#pragma once

#include <cstddef>
#include <vector>

namespace imaging {

struct Size {
  int width = 0;
  int height = 0;
};

// The pixel length of a picture drawn at `percent` of its own length,
// rounded as the artwork is drawn.
constexpr int ScaledLength(int length, int percent) { return (length * percent + 50) / 100; }

// Index of the smallest rendering at least `width` x `height` pixels, so
// that it only ever has to be reduced; the largest when none is. Renderings
// are listed from the smallest up.
std::size_t RenderingFor(const std::vector<Size>& renderings, int width, int height);

}  // namespace imaging
