#include "sampling/magnifier_sampling.h"

#include "lens/render_lens.h"
#include "picker/cursor_position.h"
#include "picker/picker_handles.h"
#include "sampling/frame_copy.h"
#include "sampling/sample_grid.h"
#include "sampling/strategy_choice.h"

#include <cstdio>
#include <iostream>
#include <stdexcept>

BOOL CALLBACK ScalingCallback(HWND, void* srcdata, MAGIMAGEHEADER srcheader, void*, MAGIMAGEHEADER,
                              RECT, RECT, HRGN) {
    SettleStrategyFromFormat(srcheader.format);
    CopyFrameToGrid(srcdata, srcheader);
    RenderLens();
    return TRUE;
}

void MagnifierTick() {
    if (!MagSetWindowFilterList(HWND_MAGNIFIER, MW_FILTERMODE_EXCLUDE, FILTER_COUNT, FILTER_LIST)) {
        const DWORD error = GetLastError();
        std::cout << "::MagSetWindowFilterList Failed" << error << "\n";
        // The caller reads a pipe: the line must leave before the process ends abnormally.
        std::cout.flush();
        std::fflush(stdout);
        throw std::runtime_error("::MagSetWindowFilterList Failed");
    }
    POINT cursor;
    const bool known = ReadCursorPos(&cursor);
    SetWindowPos(HWND_UI, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE);
    if (known) {
        MagSetWindowSource(HWND_MAGNIFIER, SourceSquare(cursor));
        InvalidateRect(HWND_MAGNIFIER, nullptr, TRUE);
    }
}
