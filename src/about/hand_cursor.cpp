#include "about/hand_cursor.h"

namespace about {

void ShowHandCursor(ui::Platform& platform) {
  platform.SetCursor(platform.LoadCursorA(0, ui::kIdcHand));
}

}  // namespace about
