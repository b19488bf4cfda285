#include "picker/lens_wndproc.h"

#include "picker/picker_handles.h"
#include "sampling/sample_grid.h"

namespace {
// Moves the cursor one pixel; a position that can't be read leaves it where it is.
void NudgeCursor(int dx, int dy) {
    POINT cursor;
    if (GetCursorPos(&cursor)) {
        SetCursorPos(cursor.x + dx, cursor.y + dy);
    }
}

void OnKeyDown(WPARAM key) {
    switch (key) {
    case VK_LEFT:
        NudgeCursor(-1, 0);
        break;
    case VK_UP:
        NudgeCursor(0, -1);
        break;
    case VK_RIGHT:
        NudgeCursor(1, 0);
        break;
    case VK_DOWN:
        NudgeCursor(0, 1);
        break;
    default:
        break;
    }
}

void OnKeyUp(WPARAM key) {
    if (key == VK_ESCAPE) {
        CANCELLED = true;
        PostQuitMessage(0);
    } else if (key == VK_RETURN) {
        PostQuitMessage(0);
    }
}
} // namespace

LRESULT CALLBACK LensWndProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
    case WM_KEYDOWN:
        OnKeyDown(wparam);
        return 0;
    case WM_KEYUP:
        OnKeyUp(wparam);
        return 0;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    case WM_TIMER:
        TICK_ROUTINE();
        return 0;
    default:
        return DefWindowProcW(hwnd, message, wparam, lparam);
    }
}
