// The cursor position as the tick routines and the renderer see it.
#pragma once

#include <windows.h>

// Reads the cursor position; when the system can't tell it (another desktop is active, say),
// gives the last position read successfully. Returns false when there has never been one.
bool ReadCursorPos(POINT* pos);
