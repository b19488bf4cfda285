#include "fake_magnifier.h"

#include "call_log.h"

#include <map>

FakeMagnifierState FAKE_MAGNIFIER;

namespace {
std::map<std::string, DWORD> FAILURES;

// Returns FALSE with the planned last error when the operation is to fail.
BOOL Outcome(const char* operation) {
    LogCall(operation);
    auto failure = FAILURES.find(operation);
    if (failure == FAILURES.end()) {
        return TRUE;
    }
    SetLastError(failure->second);
    return FALSE;
}

void RegisterMagnifierClass() {
    WNDCLASSEXW wc = {};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = WC_MAGNIFIERW;
    RegisterClassExW(&wc); // fails harmlessly when already registered
}
} // namespace

void ResetFakeMagnifier() {
    FAKE_MAGNIFIER = FakeMagnifierState{};
    FAILURES.clear();
}

void FailFakeMagnifier(const std::string& operation, DWORD error) {
    FAILURES[operation] = error;
}

BOOL DeliverFakeFrame(const void* pixels, const MAGIMAGEHEADER& header) {
    MAGIMAGEHEADER destination = header;
    RECT rect = {0, 0, 17, 17};
    return FAKE_MAGNIFIER.callback(FAKE_MAGNIFIER.callbackWindow, const_cast<void*>(pixels), header,
                                   nullptr, destination, rect, rect, nullptr);
}

MAGIMAGEHEADER FakeFrameHeader(const GUID& format) {
    MAGIMAGEHEADER header = {};
    header.width = 17;
    header.height = 17;
    header.format = format;
    header.stride = 68;
    header.offset = 0;
    header.cbSize = 1156;
    return header;
}

extern "C" {
BOOL WINAPI MagInitialize(void) {
    ++FAKE_MAGNIFIER.initializeCalls;
    BOOL ok = Outcome("MagInitialize");
    if (ok) {
        RegisterMagnifierClass();
    }
    return ok;
}

BOOL WINAPI MagUninitialize(void) {
    ++FAKE_MAGNIFIER.uninitializeCalls;
    return Outcome("MagUninitialize");
}

BOOL WINAPI MagSetWindowTransform(HWND, PMAGTRANSFORM transform) {
    FAKE_MAGNIFIER.transform = *transform;
    return Outcome("MagSetWindowTransform");
}

BOOL WINAPI MagSetWindowSource(HWND, RECT source) {
    FAKE_MAGNIFIER.sources.push_back(source);
    return Outcome("MagSetWindowSource");
}

BOOL WINAPI MagSetWindowFilterList(HWND, DWORD, int count, HWND* list) {
    FAKE_MAGNIFIER.filterCounts.push_back(count);
    FAKE_MAGNIFIER.filterFirst.push_back(count > 0 ? list[0] : nullptr);
    return Outcome("MagSetWindowFilterList");
}

BOOL WINAPI MagSetImageScalingCallback(HWND hwnd, MagImageScalingCallback callback) {
    BOOL ok = Outcome("MagSetImageScalingCallback");
    if (ok) {
        FAKE_MAGNIFIER.callback = callback;
        FAKE_MAGNIFIER.callbackWindow = hwnd;
    }
    return ok;
}
}
