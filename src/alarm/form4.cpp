#include "alarm/form4.h"

namespace alarms {

namespace {
const ui::WindowLayout kLayout{};
}

Form4::Form4(Program& program) : ui::Form(program.Toolkit(), kLayout), program_(program) {}

}  // namespace alarms
