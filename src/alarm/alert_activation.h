// Whether the alert takes the keyboard as it opens. Someone typing into a
// note when the alarm rings would otherwise send the rest of the sentence
// (and perhaps an Escape meant for something else) to the alert: then it
// opens on top of everything but leaves the keyboard where it is.
#pragma once

#include <cstdint>

namespace alarms {

// What the user is doing at the keyboard as the alarm rings.
struct KeyboardUse {
  bool noteHasKeyboard = false;  // a note (or one of its boxes) is the foreground
  std::uint32_t millisecondsSinceInput = UINT32_MAX;
};

// Input this recent means the user is still typing.
inline constexpr std::uint32_t kTypingPauseMilliseconds = 2000;

bool AlertTakesKeyboard(const KeyboardUse& use);

// Where the alarm learns what the user is doing at the keyboard.
class KeyboardWatch {
 public:
  virtual ~KeyboardWatch() = default;
  virtual KeyboardUse CurrentKeyboardUse() = 0;
};

}  // namespace alarms
