// The lens ring, a PNG stored in the program's resources.
#pragma once

#include "platform/imaging.h"

constexpr WORD RING_RESOURCE_TYPE = 256;
constexpr WORD RING_RESOURCE_ID = 1;

// Makes a bitmap from the PNG resource of type 256 and the given number. The bitmap may read its
// stream again when first drawn, so the stream, which owns a copy of the bytes, goes to *stream
// and must be released after the bitmap. Returns null when the bitmap object can't be allocated.
Gdiplus::Bitmap* LoadPngResource(HMODULE module, WORD number, IStream** stream);

// Deletes the ring and then the stream behind it.
void ReleaseRing(Gdiplus::Bitmap*& ring, IStream*& stream);
