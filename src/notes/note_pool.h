// Skeleton: replaced by the note pool.
#pragma once

#include "app/program.h"

namespace notes {

class NotePool {
 public:
  explicit NotePool(Program& program) : program_(program) {}

 private:
  Program& program_;
};

}  // namespace notes
