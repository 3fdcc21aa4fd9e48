#include "alarm/alert_activation.h"

namespace alarms {

bool AlertTakesKeyboard(const KeyboardUse& use) {
  return !use.noteHasKeyboard || use.millisecondsSinceInput >= kTypingPauseMilliseconds;
}

}  // namespace alarms
