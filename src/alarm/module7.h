// Skeleton: replaced by the sound procedures.
#pragma once

#include "ui/platform.h"

namespace alarms {

class Module7 {
 public:
  explicit Module7(ui::Platform& platform) : platform_(platform) {}

 private:
  ui::Platform& platform_;
};

}  // namespace alarms
