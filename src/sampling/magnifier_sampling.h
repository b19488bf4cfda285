// Sampling driven by the magnifier control's frames.
#pragma once

#include "platform/magnifier.h"

// The image-scaling callback registered on the magnifier control.
BOOL CALLBACK ScalingCallback(HWND hwnd, void* srcdata, MAGIMAGEHEADER srcheader, void* destdata,
                              MAGIMAGEHEADER destheader, RECT unclipped, RECT clipped, HRGN dirty);

// The tick routine once the magnifier feeds the grid.
void MagnifierTick();
