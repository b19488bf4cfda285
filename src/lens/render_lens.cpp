#include "lens/render_lens.h"

#include "picker/cursor_position.h"
#include "picker/picker_handles.h"
#include "sampling/sample_grid.h"

using namespace Gdiplus;

namespace {
constexpr ARGB GRID_PEN_COLOR = 0x3FCFCFCF;
constexpr ARGB FRAME_OUTER_COLOR = 0xFF000000;
constexpr ARGB FRAME_INNER_COLOR = 0xFFFFFFFF;
constexpr ARGB CONVERSION_BACKGROUND = 0xFF000000;
constexpr INT CLIP_INSET = 4;
constexpr INT CLIP_DIAMETER = 163;
constexpr INT FRAME_OUTER = 81;

// Shows the converted image in the layered window at the cursor; the DC gets its bitmap back.
void ShowLensBitmap(HBITMAP lens) {
    HGDIOBJ held = SelectObject(HDC_MEMORY, lens);
    POINT cursor;
    if (ReadCursorPos(&cursor)) {
        POINT destination = {cursor.x - LENS_HALF, cursor.y - LENS_HALF};
        SIZE size = {LENS_SIZE, LENS_SIZE};
        POINT source = {0, 0};
        BLENDFUNCTION blend = {AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
        UpdateLayeredWindow(HWND_UI, HDC_SCREEN, &destination, &size, HDC_MEMORY, &source, 0,
                            &blend, ULW_ALPHA);
    }
    SelectObject(HDC_MEMORY, held);
}
} // namespace

void RenderLens() {
    // Declared in the order of making; C++ releases them in reverse, as the frame requires.
    Graphics reference(HDC_MEMORY);
    Bitmap image(LENS_SIZE, LENS_SIZE, &reference);
    Graphics drawing(&image);
    const GraphicsState saved = drawing.Save();
    {
        GraphicsPath circle(FillModeWinding);
        circle.AddEllipse(CLIP_INSET, CLIP_INSET, CLIP_DIAMETER, CLIP_DIAMETER);
        Region clip(&circle);
        drawing.SetClip(&clip, CombineModeReplace);

        Pen gridPen(Color(GRID_PEN_COLOR), 1.0f);
        for (int row = 0; row < GRID_SIDE; ++row) {
            for (int column = 0; column < GRID_SIDE; ++column) {
                const INT x = 1 + CELL_PITCH * column;
                const INT y = 1 + CELL_PITCH * row;
                SolidBrush brush(Color(SAMPLE_GRID[row * GRID_SIDE + column]));
                drawing.FillRectangle(&brush, x, y, CELL_PITCH, CELL_PITCH);
                drawing.DrawRectangle(&gridPen, x, y, CELL_PITCH, CELL_PITCH);
            }
        }
        Pen blackPen(Color(FRAME_OUTER_COLOR), 1.0f);
        Pen whitePen(Color(FRAME_INNER_COLOR), 1.0f);
        drawing.DrawRectangle(&blackPen, FRAME_OUTER, FRAME_OUTER, CELL_PITCH, CELL_PITCH);
        drawing.DrawRectangle(&whitePen, FRAME_OUTER + 1, FRAME_OUTER + 1, CELL_PITCH - 2,
                              CELL_PITCH - 2);
    }
    drawing.Restore(saved);
    drawing.DrawImage(LENS_RING, 0, 0, LENS_SIZE, LENS_SIZE);

    HBITMAP lens = nullptr;
    // A failed conversion leaves nothing to show this frame.
    if (image.GetHBITMAP(Color(CONVERSION_BACKGROUND), &lens) == Ok && lens != nullptr) {
        ShowLensBitmap(lens);
        DeleteObject(lens);
    }
}
