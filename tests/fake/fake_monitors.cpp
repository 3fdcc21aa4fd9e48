#include "fake/fake_monitors.h"

#include <algorithm>
#include <cstdint>
#include <stdexcept>

namespace fake {

namespace {

std::int64_t SharedArea(const ui::PixelRect& a, const ui::PixelRect& b) {
  const std::int64_t width = std::min(a.right, b.right) - std::max(a.left, b.left);
  const std::int64_t height = std::min(a.bottom, b.bottom) - std::max(a.top, b.top);
  return width > 0 && height > 0 ? width * height : 0;
}

std::int64_t SquaredDistance(const ui::PixelRect& a, const ui::PixelRect& b) {
  const std::int64_t dx = std::max({0, b.left - a.right, a.left - b.right});
  const std::int64_t dy = std::max({0, b.top - a.bottom, a.top - b.bottom});
  return dx * dx + dy * dy;
}

}  // namespace

ui::Monitor FakeMonitors::Primary() const {
  if (monitors.empty()) throw std::logic_error("no monitors");
  for (const ui::Monitor& monitor : monitors)
    if (monitor.bounds.left == 0 && monitor.bounds.top == 0) return monitor;
  return monitors.front();
}

ui::Monitor FakeMonitors::NearestTo(const ui::PixelRect& rect) const {
  if (monitors.empty()) throw std::logic_error("no monitors");
  const auto closer = [&](const ui::Monitor& a, const ui::Monitor& b) {
    const std::int64_t sharedA = SharedArea(rect, a.bounds), sharedB = SharedArea(rect, b.bounds);
    if (sharedA != sharedB) return sharedA > sharedB;
    return SquaredDistance(rect, a.bounds) < SquaredDistance(rect, b.bounds);
  };
  return *std::min_element(monitors.begin(), monitors.end(), closer);
}

}  // namespace fake
