#include "win32/brush_cache.h"

namespace win32 {

HBRUSH BrushCache::Get(COLORREF color) {
  UniqueBrush& brush = brushes_[color];
  if (!brush) brush.reset(::CreateSolidBrush(color));
  return brush.get();
}

}  // namespace win32
