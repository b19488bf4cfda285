// The 17 by 17 block of screen colours around the cursor, and the routine run on every tick.
#pragma once

#include <windows.h>
#include <array>
#include <cstdint>
#include <functional>

constexpr int GRID_SIDE = 17;
constexpr int GRID_REACH = 8; // pixels on each side of the cursor
constexpr int GRID_CELLS = GRID_SIDE * GRID_SIDE;
constexpr int GRID_CENTER = GRID_REACH * GRID_SIDE + GRID_REACH;
constexpr uint32_t OPAQUE_BLACK = 0xFF000000u;

// ARGB cells, row-major; row 8, column 8 is the pixel under the cursor.
extern std::array<uint32_t, GRID_CELLS> SAMPLE_GRID;
extern uint32_t& CENTER_PIXEL;
extern std::function<void()> TICK_ROUTINE;

// The source square around a cursor position, right and bottom exclusive, never clamped.
RECT SourceSquare(POINT cursor);

// Points the magnifier at the cursor and asks it for a frame.
void RequestMagnifierFrame();
