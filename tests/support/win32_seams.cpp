#include "win32_seams.h"

#include "call_log.h"

#include <cstdio>
#include <map>

LayeredUpdateObserver ON_UPDATE_LAYERED_WINDOW;

namespace {
std::map<std::string, DWORD> FAILURES;
bool LOG_DEFWINDOWPROC = false;

template <typename Fn> Fn Real(const wchar_t* module, const char* name) {
    return reinterpret_cast<Fn>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(module), name)));
}
#define REAL(module, fn) static const auto real = Real<decltype(&fn)>(module, #fn)

// Logs the call; true when the test asked for it to fail (the last error is then set).
bool Fails(const std::string& name) {
    LogCall(name);
    auto failure = FAILURES.find(name);
    if (failure == FAILURES.end()) {
        return false;
    }
    SetLastError(failure->second);
    return true;
}

std::string Narrow(const wchar_t* text) {
    std::string out;
    for (; text != nullptr && *text != 0; ++text) {
        out += static_cast<char>(*text < 128 ? *text : '?');
    }
    return out;
}

std::string TitleOf(HWND hwnd) {
    wchar_t title[128] = {};
    GetWindowTextW(hwnd, title, 128);
    return Narrow(title);
}

LRESULT WINAPI SeamDefWindowProcW(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
    REAL(L"user32.dll", DefWindowProcW);
    if (LOG_DEFWINDOWPROC) {
        char name[40];
        std::snprintf(name, sizeof name, "DefWindowProcW:0x%04X", message);
        LogCall(name);
    }
    return real(hwnd, message, wparam, lparam);
}

BOOL WINAPI SeamDeleteDC(HDC dc) {
    REAL(L"gdi32.dll", DeleteDC);
    return Fails("DeleteDC") ? FALSE : real(dc);
}

int WINAPI SeamReleaseDC(HWND hwnd, HDC dc) {
    REAL(L"user32.dll", ReleaseDC);
    return Fails("ReleaseDC") ? 0 : real(hwnd, dc);
}

BOOL WINAPI SeamDestroyWindow(HWND hwnd) {
    REAL(L"user32.dll", DestroyWindow);
    return Fails("DestroyWindow:" + TitleOf(hwnd)) ? FALSE : real(hwnd);
}

HWND WINAPI SeamCreateWindowExW(DWORD exStyle, LPCWSTR className, LPCWSTR title, DWORD style, int x,
                                int y, int width, int height, HWND parent, HMENU menu,
                                HINSTANCE instance, LPVOID param) {
    REAL(L"user32.dll", CreateWindowExW);
    if (Fails("CreateWindowExW:" + Narrow(title))) {
        return nullptr;
    }
    return real(exStyle, className, title, style, x, y, width, height, parent, menu, instance,
                param);
}

BOOL WINAPI SeamKillTimer(HWND hwnd, UINT_PTR id) {
    REAL(L"user32.dll", KillTimer);
    return Fails("KillTimer") ? FALSE : real(hwnd, id);
}

UINT_PTR WINAPI SeamSetTimer(HWND hwnd, UINT_PTR id, UINT ms, TIMERPROC proc) {
    REAL(L"user32.dll", SetTimer);
    return Fails("SetTimer") ? 0 : real(hwnd, id, ms, proc);
}

BOOL WINAPI SeamUnregisterClassW(LPCWSTR name, HINSTANCE instance) {
    REAL(L"user32.dll", UnregisterClassW);
    return Fails("UnregisterClassW") ? FALSE : real(name, instance);
}

int WINAPI SeamShowCursor(BOOL show) {
    REAL(L"user32.dll", ShowCursor);
    LogCall(show ? "ShowCursor:1" : "ShowCursor:0");
    return real(show);
}

BOOL WINAPI SeamGetCursorPos(LPPOINT point) {
    REAL(L"user32.dll", GetCursorPos);
    return Fails("GetCursorPos") ? FALSE : real(point);
}

BOOL WINAPI SeamSetCursorPos(int x, int y) {
    REAL(L"user32.dll", SetCursorPos);
    return Fails("SetCursorPos") ? FALSE : real(x, y);
}

BOOL WINAPI SeamSetWindowPos(HWND hwnd, HWND after, int x, int y, int cx, int cy, UINT flags) {
    REAL(L"user32.dll", SetWindowPos);
    return Fails("SetWindowPos") ? FALSE : real(hwnd, after, x, y, cx, cy, flags);
}

BOOL WINAPI SeamUpdateLayeredWindow(HWND hwnd, HDC dst, POINT* pos, SIZE* size, HDC src,
                                    POINT* srcPos, COLORREF key, BLENDFUNCTION* blend,
                                    DWORD flags) {
    REAL(L"user32.dll", UpdateLayeredWindow);
    if (ON_UPDATE_LAYERED_WINDOW) {
        ON_UPDATE_LAYERED_WINDOW(hwnd, dst, pos, size, src, srcPos, key, blend, flags);
    }
    return Fails("UpdateLayeredWindow")
               ? FALSE
               : real(hwnd, dst, pos, size, src, srcPos, key, blend, flags);
}

BOOL WINAPI SeamInvalidateRect(HWND hwnd, const RECT* rect, BOOL erase) {
    REAL(L"user32.dll", InvalidateRect);
    return Fails("InvalidateRect") ? FALSE : real(hwnd, rect, erase);
}

HDC WINAPI SeamGetDC(HWND hwnd) {
    REAL(L"user32.dll", GetDC);
    return Fails("GetDC") ? nullptr : real(hwnd);
}

HDC WINAPI SeamCreateCompatibleDC(HDC dc) {
    REAL(L"gdi32.dll", CreateCompatibleDC);
    return Fails("CreateCompatibleDC") ? nullptr : real(dc);
}

} // namespace

void FailSeam(const std::string& name, DWORD error) {
    FAILURES[name] = error;
}
void ResetSeams() {
    FAILURES.clear();
    ON_UPDATE_LAYERED_WINDOW = nullptr;
    LOG_DEFWINDOWPROC = false;
}
void LogDefWindowProc(bool on) {
    LOG_DEFWINDOWPROC = on;
}

// The import slots the program's calls go through; defining them here keeps the linker from
// taking the system's from the import libraries.
#define SEAM(symbol, function)                                                                     \
    extern "C" {                                                                                   \
    void* seam_##function __asm__(symbol) = reinterpret_cast<void*>(&function);                    \
    }
SEAM("__imp__DefWindowProcW@16", SeamDefWindowProcW)
SEAM("__imp__DeleteDC@4", SeamDeleteDC)
SEAM("__imp__ReleaseDC@8", SeamReleaseDC)
SEAM("__imp__DestroyWindow@4", SeamDestroyWindow)
SEAM("__imp__CreateWindowExW@48", SeamCreateWindowExW)
SEAM("__imp__KillTimer@8", SeamKillTimer)
SEAM("__imp__SetTimer@16", SeamSetTimer)
SEAM("__imp__UnregisterClassW@8", SeamUnregisterClassW)
SEAM("__imp__ShowCursor@4", SeamShowCursor)
SEAM("__imp__GetCursorPos@4", SeamGetCursorPos)
SEAM("__imp__SetCursorPos@8", SeamSetCursorPos)
SEAM("__imp__SetWindowPos@28", SeamSetWindowPos)
SEAM("__imp__UpdateLayeredWindow@36", SeamUpdateLayeredWindow)
SEAM("__imp__InvalidateRect@12", SeamInvalidateRect)
SEAM("__imp__GetDC@4", SeamGetDC)
SEAM("__imp__CreateCompatibleDC@4", SeamCreateCompatibleDC)

// GDI+ is declared without dllimport, so its calls bind to the function's own symbol.
extern "C" void WINAPI GdiplusShutdown(ULONG_PTR token) {
    using Fn = void(WINAPI*)(ULONG_PTR);
    static const auto real = Real<Fn>(L"gdiplus.dll", "GdiplusShutdown");
    LogCall("GdiplusShutdown");
    real(token);
}
