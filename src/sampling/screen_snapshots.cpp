#include "sampling/screen_snapshots.h"

#include "lens/render_lens.h"
#include "picker/cursor_position.h"
#include "picker/monitor_table.h"
#include "picker/picker_handles.h"
#include "sampling/sample_grid.h"

#include <new>

namespace {
constexpr DWORD CAPTURE_ROP = SRCCOPY | CAPTUREBLT;

Gdiplus::Bitmap* NewBitmapFromCanvas(HBITMAP canvas) {
    void* memory = Gdiplus::DllExports::GdipAlloc(sizeof(Gdiplus::Bitmap));
    if (memory == nullptr) {
        return nullptr;
    }
    return ::new (memory) Gdiplus::Bitmap(canvas, nullptr);
}

// The first monitor whose rectangle holds the point, right and bottom exclusive; -1 if none.
int MonitorAt(POINT point) {
    for (int i = 0; i < MONITOR_COUNT; ++i) {
        if (PtInRect(&MONITOR_RECTS[i], point)) {
            return i;
        }
    }
    return -1;
}
} // namespace

void CaptureMonitors() {
    HWND desktop = GetDesktopWindow();
    HDC desktopDc = GetDC(desktop);
    HDC memoryDc = CreateCompatibleDC(desktopDc);
    HBRUSH black = CreateSolidBrush(0);
    HGDIOBJ original = nullptr;
    for (int i = 0; i < MONITOR_COUNT; ++i) {
        const SIZE size = MONITOR_SIZES[i];
        const RECT canvasRect = {0, 0, size.cx + 2 * SNAPSHOT_BORDER,
                                 size.cy + 2 * SNAPSHOT_BORDER};
        HBITMAP canvas = CreateCompatibleBitmap(desktopDc, canvasRect.right, canvasRect.bottom);
        HGDIOBJ replaced = SelectObject(memoryDc, canvas);
        if (original == nullptr) {
            original = replaced;
        }
        FillRect(memoryDc, &canvasRect, black);
        BitBlt(memoryDc, SNAPSHOT_BORDER, SNAPSHOT_BORDER, size.cx, size.cy, desktopDc,
               MONITOR_RECTS[i].left, MONITOR_RECTS[i].top, CAPTURE_ROP);
        // The canvas is copied out of the DC before its snapshot is made, then no longer needed.
        SelectObject(memoryDc, original);
        MONITOR_SNAPSHOTS[i] = NewBitmapFromCanvas(canvas);
        DeleteObject(canvas);
    }
    DeleteObject(black);
    DeleteDC(memoryDc);
    ReleaseDC(desktop, desktopDc);
}

void SnapshotTick() {
    POINT cursor;
    if (!ReadCursorPos(&cursor)) {
        return;
    }
    const int monitor = MonitorAt(cursor);
    Gdiplus::Bitmap* snapshot = monitor < 0 ? nullptr : MONITOR_SNAPSHOTS[monitor];
    if (snapshot == nullptr) {
        return;
    }
    const int dx = cursor.x - MONITOR_RECTS[monitor].left;
    const int dy = cursor.y - MONITOR_RECTS[monitor].top;
    SetWindowPos(HWND_UI, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE);
    for (int row = 0; row < GRID_SIDE; ++row) {
        for (int column = 0; column < GRID_SIDE; ++column) {
            Gdiplus::Color color;
            const bool read = snapshot->GetPixel(dx + column, dy + row, &color) == Gdiplus::Ok;
            SAMPLE_GRID[row * GRID_SIDE + column] = read ? color.GetValue() : OPAQUE_BLACK;
        }
    }
    RenderLens();
}

void ReleaseSnapshots() {
    for (auto& snapshot : MONITOR_SNAPSHOTS) {
        delete snapshot;
        snapshot = nullptr;
    }
}
