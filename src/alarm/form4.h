// Skeleton: replaced by the real window.
#pragma once

#include "app/program.h"
#include "ui/form.h"

namespace alarms {

class Form4 : public ui::Form {
 public:
  explicit Form4(Program& program);

 private:
  Program& program_;
};

}  // namespace alarms
