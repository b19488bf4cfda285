// The once-only choice of where pixels come from: the magnifier's frames or screen snapshots.
#pragma once

#include <windows.h>
#include <magnification.h>

// Ticks without any frame after which the picker settles on snapshots on its own.
constexpr int TICKS_BEFORE_SNAPSHOT_FALLBACK = 30;

// Settles the strategy from the first frame's pixel format, unless it is settled already.
// A caller arriving while another performs the choice waits for it; an exception leaves the
// choice open.
void SettleStrategyFromFormat(const WICPixelFormatGUID& format);

// Counts a tick that brought no frame; the 30th settles the choice on snapshots.
void CountTickWithoutFrame();
