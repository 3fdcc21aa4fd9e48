// The stored layout of the About window.
#pragma once

#include "ui/layout.h"

namespace about {

const ui::WindowLayout& Form5Layout();

}  // namespace about
