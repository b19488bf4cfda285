#include "sampling/frame_copy.h"

#include "sampling/sample_grid.h"

#include <cstdint>

namespace {
constexpr uint64_t PIXEL_BYTES = 4;
constexpr uint64_t ROW_BYTES = GRID_SIDE * PIXEL_BYTES;
} // namespace

bool CopyFrameToGrid(const void* pixels, const MAGIMAGEHEADER& header) {
    if (pixels == nullptr || header.width < GRID_SIDE || header.height < GRID_SIDE ||
        header.stride < ROW_BYTES) {
        return false;
    }
    // 64-bit arithmetic: the header's fields can't overflow it.
    const uint64_t blockEnd =
        uint64_t{header.offset} + uint64_t{header.stride} * (GRID_SIDE - 1) + ROW_BYTES;
    if (header.cbSize != 0 && blockEnd > header.cbSize) {
        return false;
    }
    const auto* block = static_cast<const uint8_t*>(pixels) + header.offset;
    for (int row = 0; row < GRID_SIDE; ++row) {
        const uint8_t* p = block + size_t{header.stride} * row;
        for (int column = 0; column < GRID_SIDE; ++column, p += PIXEL_BYTES) {
            SAMPLE_GRID[row * GRID_SIDE + column] =
                OPAQUE_BLACK | uint32_t{p[2]} << 16 | uint32_t{p[1]} << 8 | p[0];
        }
    }
    return true;
}
