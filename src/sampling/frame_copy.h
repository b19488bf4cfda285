// Copies a magnifier frame into the sample grid.
#pragma once

#include <windows.h>
#include <magnification.h>

// Copies the top-left 17 by 17 block of 4-byte pixels (blue, green, red, unused) found through
// the header's offset and stride. A frame too small for the block, or whose block would end past
// its byte size, leaves the grid untouched; returns whether the grid was written.
bool CopyFrameToGrid(const void* pixels, const MAGIMAGEHEADER& header);
