#include "picker/lifecycle.h"

#include "picker/lens_wndproc.h"
#include "picker/monitor_table.h"
#include "picker/picker_handles.h"
#include "picker/ring_resource.h"
#include "platform/magnifier.h"
#include "sampling/magnifier_sampling.h"
#include "sampling/sample_grid.h"
#include "sampling/screen_snapshots.h"

#include <cstdio>
#include <stdexcept>

namespace {
const wchar_t LENS_CLASS[] = L"WINDOW_CLASS_FOR_COLOR_PICKER";
constexpr UINT_PTR LENS_TIMER = 0;
constexpr UINT TICK_MS = 16;
constexpr int LENS_WINDOW_SIZE = 171;
constexpr int MAGNIFIER_SIZE = 17;

// Reports a failed start-up call and ends the pick. The line is flushed first: a caller reading
// a pipe would otherwise lose it when the process ends abnormally.
[[noreturn]] void FailStartup(const char* format, const char* what) {
    const DWORD error = GetLastError();
    std::printf(format, static_cast<int>(error));
    std::fflush(stdout);
    throw std::runtime_error(what);
}

void RegisterLensClass(HINSTANCE instance) {
    WNDCLASSEXW wc = {};
    wc.cbSize = sizeof wc;
    wc.style = CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = LensWndProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = LENS_CLASS;
    RegisterClassExW(&wc);
}

void CreatePickerWindows(HINSTANCE instance) {
    HWND_UI = CreateWindowExW(WS_EX_LAYERED | WS_EX_TOOLWINDOW | WS_EX_TOPMOST, LENS_CLASS,
                              L"ColorPicker", WS_POPUP, 400, 0, LENS_WINDOW_SIZE, LENS_WINDOW_SIZE,
                              nullptr, nullptr, instance, nullptr);
    if (HWND_UI == nullptr) {
        FailStartup("CreateWindowEx HWND_UI Failed %d\n", "::Create UI Window Failed");
    }
    HWND_MAGNIFIER_HOST =
        CreateWindowExW(0, LENS_CLASS, L"MagnifierWindowHost", WS_POPUP, 0, 0, MAGNIFIER_SIZE,
                        MAGNIFIER_SIZE, nullptr, nullptr, instance, nullptr);
    if (HWND_MAGNIFIER_HOST == nullptr) {
        FailStartup("CreateWindow HWND_MAGNIFIER_HOST Failed %d\n",
                    "::CreateWindowEx HWND_MAGNIFIER_HOST Failed");
    }
    HWND_MAGNIFIER = CreateWindowExW(0, WC_MAGNIFIERW, L"MagnifierWindow", WS_CHILD | WS_VISIBLE, 0,
                                     0, MAGNIFIER_SIZE, MAGNIFIER_SIZE, HWND_MAGNIFIER_HOST,
                                     nullptr, instance, nullptr);
    if (HWND_MAGNIFIER == nullptr) {
        FailStartup("CreateWindow HWND_MAGNIFIER Failed %d\n",
                    "::CreateWindow HWND_MAGNIFIER Failed");
    }
}

void StartPicker(ULONG_PTR* gdiplusToken, HINSTANCE* instance) {
    Gdiplus::GdiplusStartupInput input;
    Gdiplus::GdiplusStartup(gdiplusToken, &input, nullptr);
    EnumDisplayMonitors(nullptr, nullptr, EnumMonitorCallback, 0);
    if (!MagInitialize()) {
        FailStartup("MagInitialize Failed %d\n", "::MagInitialize Failed");
    }
    *instance = GetModuleHandleW(nullptr);
    RegisterLensClass(*instance);
    CreatePickerWindows(*instance);
    MAGTRANSFORM identity = {};
    identity.v[0][0] = identity.v[1][1] = identity.v[2][2] = 1.0f;
    if (!MagSetWindowTransform(HWND_MAGNIFIER, &identity)) {
        FailStartup("MagSetWindowTransform %d\n", "::MagSetWindowTransform Failed");
    }
    SetTimer(HWND_UI, LENS_TIMER, TICK_MS, nullptr);
    HDC_SCREEN = GetDC(HWND_UI);
    HDC_MEMORY = CreateCompatibleDC(nullptr);
    LENS_RING = LoadPngResource(*instance, RING_RESOURCE_ID, &LENS_RING_STREAM);
    FILTER_LIST[FILTER_COUNT++] = HWND_UI;
    if (!MagSetImageScalingCallback(HWND_MAGNIFIER, ScalingCallback)) {
        FailStartup("MagSetImageScalingCallback %d\n", "::MagSetImageScalingCallback Failed");
    }
    ShowCursor(FALSE);
    ShowWindow(HWND_UI, SW_SHOW);
}

int RunMessageLoop() {
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return static_cast<int>(msg.wParam);
}

void PrintResult() {
    const uint32_t color = CENTER_PIXEL;
    std::printf("#%02X%02X%02X\n", (color >> 16) & 0xFF, (color >> 8) & 0xFF, color & 0xFF);
    std::fflush(stdout);
}

// Releases everything in the reverse order of start-up; a failing release reports and the
// others still run.
void ShutdownPicker(ULONG_PTR gdiplusToken, HINSTANCE instance) {
    ReleaseSnapshots();
    ReleaseRing(LENS_RING, LENS_RING_STREAM);
    DeleteDC(HDC_MEMORY);
    ReleaseDC(HWND_UI, HDC_SCREEN);
    KillTimer(HWND_UI, LENS_TIMER);
    if (!DestroyWindow(HWND_MAGNIFIER)) {
        std::printf("DestroyWindow HWND_MAGNIFIER Failed\n");
    }
    if (!DestroyWindow(HWND_MAGNIFIER_HOST)) {
        std::printf("DestroyWindow HWND_MAGNIFIER_HOST Failed\n");
    }
    DestroyWindow(HWND_UI);
    UnregisterClassW(LENS_CLASS, instance);
    if (!MagUninitialize()) {
        std::printf("MagUninitialize Failed %d\n", static_cast<int>(GetLastError()));
    }
    Gdiplus::GdiplusShutdown(gdiplusToken);
}
} // namespace

int RunPicker() {
    ULONG_PTR gdiplusToken = 0;
    HINSTANCE instance = nullptr;
    StartPicker(&gdiplusToken, &instance);
    const int status = RunMessageLoop();
    if (!CANCELLED) {
        PrintResult();
    }
    ShowCursor(TRUE);
    ShutdownPicker(gdiplusToken, instance);
    return status;
}
