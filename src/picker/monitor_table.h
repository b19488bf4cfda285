// The monitors as the system listed them at start-up, with one snapshot slot each.
#pragma once

#include "platform/imaging.h"

constexpr int MONITOR_CAPACITY = 32;

extern RECT MONITOR_RECTS[MONITOR_CAPACITY];
extern SIZE MONITOR_SIZES[MONITOR_CAPACITY];
extern Gdiplus::Bitmap* MONITOR_SNAPSHOTS[MONITOR_CAPACITY];
extern int MONITOR_COUNT;

// Appends the monitor's rectangle to the table; stops the enumeration once the table is full.
BOOL CALLBACK EnumMonitorCallback(HMONITOR monitor, HDC dc, LPRECT rect, LPARAM data);
