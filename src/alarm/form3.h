// Skeleton: replaced by the real window.
#pragma once

#include "app/program.h"
#include "ui/form.h"

namespace alarms {

class Form3 : public ui::Form {
 public:
  explicit Form3(Program& program);

 private:
  Program& program_;
};

}  // namespace alarms
