#include "imaging/renderings.h"

namespace imaging {

std::size_t RenderingFor(const std::vector<Size>& renderings, int width, int height) {
  for (std::size_t i = 0; i < renderings.size(); ++i) {
    if (renderings[i].width >= width && renderings[i].height >= height) return i;
  }
  return renderings.empty() ? 0 : renderings.size() - 1;
}

}  // namespace imaging
