// The one thing the alert needs to know of the alarm dialog: whether the
// user wants the alarm to be heard. It is asked afresh each time, because
// the user can change it while the alert is open.
#pragma once

namespace alarms {

class SoundSwitch {
 public:
  virtual ~SoundSwitch() = default;
  virtual bool SoundOn() = 0;
};

}  // namespace alarms
