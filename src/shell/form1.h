// Skeleton: replaced by the real window.
#pragma once

#include "app/program.h"
#include "ui/form.h"

namespace shell {

class Form1 : public ui::Form {
 public:
  explicit Form1(Program& program);

 private:
  Program& program_;
};

}  // namespace shell
