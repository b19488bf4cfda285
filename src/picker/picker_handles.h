// Process-wide handles of the picker, made at start-up and released at shutdown.
#pragma once

#include "platform/imaging.h"

constexpr int FILTER_CAPACITY = 16;

extern HWND HWND_UI;
extern HWND HWND_MAGNIFIER_HOST;
extern HWND HWND_MAGNIFIER;
extern HDC HDC_SCREEN;
extern HDC HDC_MEMORY;
extern Gdiplus::Bitmap* LENS_RING;
// Holds the ring's PNG bytes: GDI+ may decode a stream-backed image lazily, so the stream lives
// as long as the ring.
extern IStream* LENS_RING_STREAM;
extern HWND FILTER_LIST[FILTER_CAPACITY];
extern int FILTER_COUNT;
extern bool CANCELLED;
