#include "picker/monitor_table.h"

RECT MONITOR_RECTS[MONITOR_CAPACITY] = {};
SIZE MONITOR_SIZES[MONITOR_CAPACITY] = {};
Gdiplus::Bitmap* MONITOR_SNAPSHOTS[MONITOR_CAPACITY] = {};
int MONITOR_COUNT = 0;

BOOL CALLBACK EnumMonitorCallback(HMONITOR, HDC, LPRECT rect, LPARAM) {
    if (MONITOR_COUNT >= MONITOR_CAPACITY) {
        return FALSE;
    }
    MONITOR_RECTS[MONITOR_COUNT] = *rect;
    MONITOR_SIZES[MONITOR_COUNT] = {rect->right - rect->left, rect->bottom - rect->top};
    ++MONITOR_COUNT;
    return MONITOR_COUNT < MONITOR_CAPACITY;
}
