#include "about/form5.h"

namespace about {

namespace {
const ui::WindowLayout kLayout{};
}

Form5::Form5(Program& program) : ui::Form(program.Toolkit(), kLayout), program_(program) {}

}  // namespace about
