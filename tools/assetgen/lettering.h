// Lines of text set with FreeType, as coverage masks.
#pragma once

#include <memory>
#include <string>

#include "raster.h"

namespace assetgen {

struct TextExtent {
  int width = 0;   // advance of the whole line, kerning included
  int ascent = 0;  // rows above the baseline of the tallest glyph
};

class Typeface {
 public:
  Typeface(const std::string& fontFile, int pixelSize);
  ~Typeface();
  Typeface(const Typeface&) = delete;
  Typeface& operator=(const Typeface&) = delete;

  TextExtent Measure(const std::string& text) const;
  // Coverage of the text on a canvas of the given size, the baseline starting at (left, baseline).
  Mask Render(const std::string& text, int canvasWidth, int canvasHeight, int left,
              int baseline) const;
  // The same, centred across the canvas.
  Mask RenderCentred(const std::string& text, int canvasWidth, int canvasHeight,
                     int baseline) const;

 private:
  struct Handles;
  std::unique_ptr<Handles> handles_;
};

}  // namespace assetgen
