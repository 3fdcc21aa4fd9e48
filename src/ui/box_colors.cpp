#include "ui/box_colors.h"

#include "ui/layout.h"

namespace ui {

namespace {
constexpr std::uint32_t kSysGrayText = 0x80000011u;
}

BoxColors ChooseBoxColors(std::uint32_t back, std::uint32_t fore, bool enabled, bool highContrast,
                          bool keyed) {
  if (highContrast) back = fore = kDefaultColor;
  if (back == kDefaultColor && fore == kDefaultColor && !keyed) return {};
  return {.system = false,
          .back = back == kDefaultColor ? kSysWindowBackground : back,
          .fore = !enabled                ? kSysGrayText
                  : fore == kDefaultColor ? kSysWindowText
                                          : fore};
}

}  // namespace ui
