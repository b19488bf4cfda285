#include "picker/picker_handles.h"

HWND HWND_UI = nullptr;
HWND HWND_MAGNIFIER_HOST = nullptr;
HWND HWND_MAGNIFIER = nullptr;
HDC HDC_SCREEN = nullptr;
HDC HDC_MEMORY = nullptr;
Gdiplus::Bitmap* LENS_RING = nullptr;
IStream* LENS_RING_STREAM = nullptr;
HWND FILTER_LIST[FILTER_CAPACITY] = {};
int FILTER_COUNT = 0;
bool CANCELLED = false;
