// The windows the controller opens from its menu. The composition root hands
// them out, so that the controller depends on no other window's code.
#pragma once

#include "ui/form.h"

namespace shell {

class WindowOpener {
 public:
  virtual ~WindowOpener() = default;
  virtual ui::Form& AlarmDialog() = 0;
  virtual ui::Form& About() = 0;
};

}  // namespace shell
