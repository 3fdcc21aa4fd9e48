// GDI+ headers. They need the COM declarations that WIN32_LEAN_AND_MEAN
// leaves out, and call unqualified min and max, which NOMINMAX takes away.
#pragma once

// windows.h must precede the system headers built on it.
// clang-format off
#include <windows.h>
#include <objidl.h>
// clang-format on

#include <algorithm>

namespace Gdiplus {
using std::max;
using std::min;
}  // namespace Gdiplus

#include <gdiplus.h>
