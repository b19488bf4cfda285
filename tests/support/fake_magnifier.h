// A magnifier double for in-process tests: records every call, fails on demand and hands frames
// to the registered scaling callback when a test says so.
#pragma once

#include "platform/magnifier.h"

#include <string>
#include <vector>

struct FakeMagnifierState {
    int initializeCalls = 0;
    int uninitializeCalls = 0;
    std::vector<RECT> sources;     // every MagSetWindowSource, in order
    std::vector<int> filterCounts; // every MagSetWindowFilterList count
    std::vector<HWND> filterFirst; // ... and the first window of each list
    MAGTRANSFORM transform = {};
    MagImageScalingCallback callback = nullptr;
    HWND callbackWindow = nullptr;
};

extern FakeMagnifierState FAKE_MAGNIFIER;

// Forgets every call and every planned failure.
void ResetFakeMagnifier();
// Makes the named operation ("MagInitialize", "MagSetWindowFilterList", ...) return FALSE with
// the given last error, every time, until the next reset.
void FailFakeMagnifier(const std::string& operation, DWORD error);
// Hands one frame to the registered callback, as the control does when it renders.
BOOL DeliverFakeFrame(const void* pixels, const MAGIMAGEHEADER& header);
// A well-formed 17 by 17 frame header of the given pixel format.
MAGIMAGEHEADER FakeFrameHeader(const GUID& format);
