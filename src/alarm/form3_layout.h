// The stored layout of the alarm dialog.
#pragma once

#include "ui/layout.h"

namespace alarms {

const ui::WindowLayout& Form3Layout();

}  // namespace alarms
