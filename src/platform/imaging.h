// GDI+ as the picker uses it: mingw-w64's headers and import library, with the min/max that its
// headers expect.
#pragma once

#include <windows.h>
#include <objidl.h>
#include <algorithm>

namespace Gdiplus {
using std::max;
using std::min;
} // namespace Gdiplus

#include <gdiplus.h>
