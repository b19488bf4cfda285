#include "sampling/sample_grid.h"

#include "picker/cursor_position.h"
#include "picker/picker_handles.h"
#include "platform/magnifier.h"
#include "sampling/strategy_choice.h"

namespace {
constexpr std::array<uint32_t, GRID_CELLS> OpaqueBlackGrid() {
    std::array<uint32_t, GRID_CELLS> grid{};
    for (auto& cell : grid) {
        cell = OPAQUE_BLACK;
    }
    return grid;
}
} // namespace

// Constant-initialised, so the grid is black from load without any start-up code.
constinit std::array<uint32_t, GRID_CELLS> SAMPLE_GRID = OpaqueBlackGrid();
uint32_t& CENTER_PIXEL = SAMPLE_GRID[GRID_CENTER];
std::function<void()> TICK_ROUTINE = RequestMagnifierFrame;

RECT SourceSquare(POINT cursor) {
    return {cursor.x - GRID_REACH, cursor.y - GRID_REACH, cursor.x + GRID_REACH + 1,
            cursor.y + GRID_REACH + 1};
}

void RequestMagnifierFrame() {
    POINT cursor;
    if (ReadCursorPos(&cursor)) {
        MagSetWindowSource(HWND_MAGNIFIER, SourceSquare(cursor));
        InvalidateRect(HWND_MAGNIFIER, nullptr, TRUE);
    }
    CountTickWithoutFrame();
}
