#include "shell/form1.h"

namespace shell {

namespace {
const ui::WindowLayout kLayout{};
}

Form1::Form1(Program& program) : ui::Form(program.Toolkit(), kLayout), program_(program) {}

}  // namespace shell
