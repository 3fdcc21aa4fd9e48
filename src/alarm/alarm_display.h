// What the alarm shows the user. The program has one display of the alarm's
// state, owned by the controller window; the alarm only says what happened.
#pragma once

namespace alarms {

class AlarmDisplay {
 public:
  virtual ~AlarmDisplay() = default;
  // An alarm was set and is counting down (or waiting for its time).
  virtual void AlarmArmed() = 0;
  // The user deleted the alarm.
  virtual void AlarmDeleted() = 0;
  // The alert of a fired alarm was closed.
  virtual void AlertClosed() = 0;
};

}  // namespace alarms
