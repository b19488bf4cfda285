// The Magnification API as the picker uses it. The SDK headers that come with mingw-w64 carry
// only the records, so the operations and the callback type are declared here; the import
// library is made from magnification.def.
#pragma once

#include <windows.h>
#include <magnification.h>

typedef BOOL(CALLBACK* MagImageScalingCallback)(HWND hwnd, void* srcdata, MAGIMAGEHEADER srcheader,
                                                void* destdata, MAGIMAGEHEADER destheader,
                                                RECT unclipped, RECT clipped, HRGN dirty);

// Declared without dllimport so that the test build can satisfy them with a fake at link time.
extern "C" {
BOOL WINAPI MagInitialize(void);
BOOL WINAPI MagUninitialize(void);
BOOL WINAPI MagSetWindowTransform(HWND hwnd, PMAGTRANSFORM transform);
BOOL WINAPI MagSetWindowSource(HWND hwnd, RECT source);
BOOL WINAPI MagSetWindowFilterList(HWND hwnd, DWORD mode, int count, HWND* list);
BOOL WINAPI MagSetImageScalingCallback(HWND hwnd, MagImageScalingCallback callback);
}

// The class name the magnifier control is created with.
#define WC_MAGNIFIERW L"Magnifier"
