// Skeleton: replaced by the real window.
#pragma once

#include "app/program.h"
#include "ui/form.h"

namespace about {

class Form5 : public ui::Form {
 public:
  explicit Form5(Program& program);

 private:
  Program& program_;
};

}  // namespace about
