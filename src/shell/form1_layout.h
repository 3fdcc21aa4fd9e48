// The stored layout of the controller window.
#pragma once

#include "ui/layout.h"

namespace shell {

const ui::WindowLayout& Form1Layout();

}  // namespace shell
