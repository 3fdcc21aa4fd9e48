#include "win32/font_cache.h"

#include "ui/layout_at_dpi.h"
#include "win32/text.h"

namespace win32 {

HFONT FontCache::Get(const ui::FontSpec& wanted, ui::Dpi dpi) {
  const ui::FontAtDpi font = ui::FontAt(wanted, dpi);
  Key key{Widen(font.face), font.height, font.bold, font.underline};
  UniqueFont& created = fonts_[key];
  if (!created) {
    created.reset(::CreateFontW(key.height, 0, 0, 0, key.bold ? FW_BOLD : FW_NORMAL, FALSE,
                                key.underline, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                                CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                                key.face.c_str()));
  }
  if (!created) return static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
  return created.get();
}

}  // namespace win32
