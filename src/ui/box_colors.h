// The colours of a text or combo box. With high contrast on, the user's
// system colours win over the program's own (a note's style colour), so that
// typed text stays readable; otherwise the colours the layout or the program
// gave the box stand. On a colour-keyed window the box never draws in the
// system's colours by itself: they may be the key (window black in the dark
// contrast themes, text black in the light ones), which would cut the box or
// its letters out of the window; they are named here and kept off the key
// where they are resolved.
#pragma once

#include <cstdint>

namespace ui {

struct BoxColors {
  bool system = true;  // the box keeps the system's colours, and its disabled look
  // Otherwise, as layouts give colours: 0x00BBGGRR or a system colour.
  std::uint32_t back = 0;
  std::uint32_t fore = 0;
  bool operator==(const BoxColors&) const = default;
};

// `back` and `fore` are the box's colours, kDefaultColor where it has none;
// `keyed`: the box lies on a colour-keyed window.
BoxColors ChooseBoxColors(std::uint32_t back, std::uint32_t fore, bool enabled, bool highContrast,
                          bool keyed);

}  // namespace ui
