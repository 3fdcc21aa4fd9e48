// The stored layout of the alert window.
#pragma once

#include "ui/layout.h"

namespace alarms {

const ui::WindowLayout& Form4Layout();

}  // namespace alarms
