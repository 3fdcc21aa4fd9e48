#include "win32/font_cache.h"

#include <cmath>

#include "win32/text.h"

namespace win32 {

namespace {
constexpr const char* kDefaultFace = "MS Sans Serif";
constexpr double kPointsPerInch = 72.0;
}  // namespace

HFONT FontCache::Get(const ui::FontSpec& wanted) {
  Key key{Widen(wanted.face ? wanted.face : kDefaultFace),
          -static_cast<int>(std::lround(wanted.points * dpiY_ / kPointsPerInch)), wanted.bold,
          wanted.underline};
  UniqueFont& font = fonts_[key];
  if (!font) {
    font.reset(::CreateFontW(key.height, 0, 0, 0, key.bold ? FW_BOLD : FW_NORMAL, FALSE,
                             key.underline, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                             CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                             key.face.c_str()));
  }
  if (!font) return static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
  return font.get();
}

}  // namespace win32
