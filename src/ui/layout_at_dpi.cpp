#include "ui/layout_at_dpi.h"

#include <cmath>
#include <set>
#include <stdexcept>

namespace ui {

namespace {

constexpr const char* kDefaultFace = "MS Sans Serif";
constexpr double kPointsPerInch = 72.0;

struct BitmapFace {
  const char* face;
  const char* trueType;  // drawn like it, from outlines
  int dpi;               // the DPI its sizes were drawn for
};
constexpr BitmapFace kBitmapFaces[] = {{"MS Sans Serif", "Microsoft Sans Serif", Dpi::kStandard}};

const ControlLayout* FindControl(const WindowLayout& layout, int id) {
  for (const auto& c : layout.controls)
    if (c.id == id) return &c;
  return nullptr;
}

}  // namespace

PixelRect ControlRect(const WindowLayout& layout, const ControlLayout& control, Dpi dpi) {
  double left = control.left;
  double top = control.top;
  std::set<int> seen;
  for (int parent = control.parent; parent != 0 && seen.insert(parent).second;) {
    const ControlLayout* frame = FindControl(layout, parent);
    if (!frame)
      throw std::runtime_error(std::string("the container of ") + control.name + " is missing");
    left += frame->left;
    top += frame->top;
    parent = frame->parent;
  }
  const int x = dpi.ToPixels(left), y = dpi.ToPixels(top);
  return {x, y, x + dpi.ToPixels(control.width), y + dpi.ToPixels(control.height)};
}

FontAtDpi FontAt(const FontSpec& font, Dpi dpi) {
  std::string face = font.face ? font.face : kDefaultFace;
  for (const BitmapFace& bitmap : kBitmapFaces)
    if (face == bitmap.face && dpi.Value() != bitmap.dpi) face = bitmap.trueType;
  // Rounded down: the boxes scale exactly, so text never outgrows the box it
  // fits at 96 dpi, where every size of the layouts comes out whole.
  const int height = -static_cast<int>(std::floor(font.points * dpi.Value() / kPointsPerInch));
  return {face, height, font.bold, font.underline};
}

}  // namespace ui
