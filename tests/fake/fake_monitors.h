// Monitors as data: each with its bounds, work area and DPI.
#pragma once

#include <vector>

#include "ui/monitors.h"

namespace fake {

class FakeMonitors : public ui::Monitors {
 public:
  std::vector<ui::Monitor> All() const override {
    ++enumerations;
    return monitors;
  }
  // The monitor at the screen origin (else the first).
  ui::Monitor Primary() const override;
  // As the window system chooses: the largest shared area, else the least
  // distance.
  ui::Monitor NearestTo(const ui::PixelRect& rect) const override;

  std::vector<ui::Monitor> monitors;
  // How often the monitors were enumerated (All).
  mutable int enumerations = 0;
};

}  // namespace fake
