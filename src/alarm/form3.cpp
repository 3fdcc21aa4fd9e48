#include "alarm/form3.h"

namespace alarms {

namespace {
const ui::WindowLayout kLayout{};
}

Form3::Form3(Program& program) : ui::Form(program.Toolkit(), kLayout), program_(program) {}

}  // namespace alarms
