#include "lettering.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <functional>
#include <stdexcept>

namespace assetgen {

struct Typeface::Handles {
  FT_Library library = nullptr;
  FT_Face face = nullptr;
  ~Handles() {
    if (face) FT_Done_Face(face);
    if (library) FT_Done_FreeType(library);
  }
};

namespace {

void Check(FT_Error error, const std::string& what) {
  if (error)
    throw std::runtime_error("freetype: " + what + " failed (" + std::to_string(error) + ")");
}

// Calls visit(glyph, penX) for every character, pen positions including kerning.
void Layout(FT_Face face, const std::string& text,
            const std::function<void(FT_GlyphSlot, long)>& visit) {
  long pen = 0;
  FT_UInt previous = 0;
  for (unsigned char c : text) {
    const FT_UInt glyph = FT_Get_Char_Index(face, c);
    if (previous && glyph && FT_HAS_KERNING(face)) {
      FT_Vector kerning{};
      FT_Get_Kerning(face, previous, glyph, FT_KERNING_DEFAULT, &kerning);
      pen += kerning.x >> 6;
    }
    Check(FT_Load_Glyph(face, glyph, FT_LOAD_RENDER), "rendering a glyph");
    visit(face->glyph, pen);
    pen += face->glyph->advance.x >> 6;
    previous = glyph;
  }
}

}  // namespace

Typeface::Typeface(const std::string& fontFile, int pixelSize) : handles_(new Handles) {
  Check(FT_Init_FreeType(&handles_->library), "initialisation");
  Check(FT_New_Face(handles_->library, fontFile.c_str(), 0, &handles_->face),
        "opening " + fontFile);
  Check(FT_Set_Pixel_Sizes(handles_->face, 0, static_cast<FT_UInt>(pixelSize)), "sizing");
}

Typeface::~Typeface() = default;

TextExtent Typeface::Measure(const std::string& text) const {
  TextExtent extent;
  long end = 0;
  Layout(handles_->face, text, [&](FT_GlyphSlot glyph, long pen) {
    extent.ascent = std::max(extent.ascent, glyph->bitmap_top);
    end = pen + (glyph->advance.x >> 6);
  });
  extent.width = static_cast<int>(end);
  return extent;
}

Mask Typeface::RenderCentred(const std::string& text, int canvasWidth, int canvasHeight,
                             int baseline) const {
  return Render(text, canvasWidth, canvasHeight, (canvasWidth - Measure(text).width) / 2,
                baseline);
}

Mask Typeface::Render(const std::string& text, int canvasWidth, int canvasHeight, int left,
                      int baseline) const {
  Mask mask(canvasWidth, canvasHeight);
  Layout(handles_->face, text, [&](FT_GlyphSlot glyph, long pen) {
    const FT_Bitmap& bitmap = glyph->bitmap;
    for (unsigned row = 0; row < bitmap.rows; ++row) {
      for (unsigned column = 0; column < bitmap.width; ++column) {
        const int x = left + static_cast<int>(pen) + glyph->bitmap_left + static_cast<int>(column);
        const int y = baseline - glyph->bitmap_top + static_cast<int>(row);
        if (x < 0 || y < 0 || x >= canvasWidth || y >= canvasHeight) continue;
        const double value =
            bitmap.buffer[row * static_cast<unsigned>(bitmap.pitch) + column] / 255.0;
        mask.At(x, y) = std::max(mask.At(x, y), value);
      }
    }
  });
  return mask;
}

}  // namespace assetgen
