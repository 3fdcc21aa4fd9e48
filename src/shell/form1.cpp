#include "shell/form1.h"

namespace shell {

namespace {
const ui::WindowLayout kLayout{};
}

Form1::Form1(Program& program) : ui::Form(program.Toolkit(), kLayout), program_(program) {}

void Form1::SetAlarmMeCaption(const std::string& caption) { (void)caption; }
std::string Form1::AlarmMeCaption() { return "Alarm Me"; }

}  // namespace shell
