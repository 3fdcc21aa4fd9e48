#include "ui/color_key.h"

namespace ui {

namespace {
constexpr std::uint32_t kSystemColorFlag = 0x80000000u;
constexpr std::uint32_t kSystemColorIndexMask = 0xFFu;
constexpr std::uint32_t kRgbMask = 0x00FFFFFFu;
// The lowest bit of each channel: flipping it changes the colour by the
// least step there is, whatever the key.
constexpr std::uint32_t kLeastStep = 0x00010101u;
}  // namespace

std::uint32_t ToRgb(std::uint32_t color, const SystemColors& system) {
  if (color & kSystemColorFlag) return system(static_cast<int>(color & kSystemColorIndexMask));
  return color & kRgbMask;
}

std::uint32_t OffKey(std::uint32_t rgb, std::optional<std::uint32_t> key) {
  return key && rgb == *key ? rgb ^ kLeastStep : rgb;
}

}  // namespace ui
