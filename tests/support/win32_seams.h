// Link seams over the system calls whose order or failure the tests need to see. Linking
// win32_seams.cpp into a test program routes the program's calls of these functions through
// recorders that log them (call_log.h), may fail them on demand, and otherwise call the system.
//
// Logged names: "DefWindowProcW:0xNNNN" (message number), "DeleteDC", "ReleaseDC",
// "DestroyWindow:<title>", "CreateWindowExW:<title>", "KillTimer", "UnregisterClassW",
// "ShowCursor:0|1", "GetCursorPos", "SetCursorPos", "SetWindowPos", "UpdateLayeredWindow",
// "InvalidateRect", "GdiplusShutdown", "SetTimer", "GetDC", "CreateCompatibleDC".
#pragma once

#include <windows.h>

#include <functional>
#include <string>

// Makes every later call logged under this name fail (return its failure value) with the given
// last error, until ResetSeams. Names as logged, e.g. "CreateWindowExW:ColorPicker",
// "DestroyWindow:MagnifierWindow", "GetCursorPos".
void FailSeam(const std::string& name, DWORD error);
void ResetSeams();
// Turns logging of DefWindowProcW on or off (it is off by default: it is called very often).
void LogDefWindowProc(bool on);

// Seen on each UpdateLayeredWindow before the system call (which still runs).
using LayeredUpdateObserver =
    std::function<void(HWND, HDC, POINT*, SIZE*, HDC, POINT*, COLORREF, BLENDFUNCTION*, DWORD)>;
extern LayeredUpdateObserver ON_UPDATE_LAYERED_WINDOW;
