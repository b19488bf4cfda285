// Draws the sample grid as the round lens and shows it centred on the cursor.
#pragma once

constexpr int LENS_SIZE = 171;
constexpr int LENS_HALF = 85; // the image's pixel (85, 85) sits on the cursor
constexpr int CELL_PITCH = 10;

void RenderLens();
