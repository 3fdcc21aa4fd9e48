// The stored layout of the note window.
#pragma once

#include "ui/layout.h"

namespace notes {

const ui::WindowLayout& Form2Layout();

}  // namespace notes
