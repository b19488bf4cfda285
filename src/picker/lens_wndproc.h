// The window procedure of the picker's windows: keys, button releases and timer ticks.
#pragma once

#include <windows.h>

LRESULT CALLBACK LensWndProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);
