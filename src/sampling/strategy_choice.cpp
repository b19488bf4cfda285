#include "sampling/strategy_choice.h"

#include "sampling/magnifier_sampling.h"
#include "sampling/sample_grid.h"
#include "sampling/screen_snapshots.h"

#include <atomic>
#include <cstring>
#include <mutex>

std::atomic<bool> STRATEGY_SETTLED{false};
std::mutex STRATEGY_LOCK;
int TICKS_WITHOUT_FRAME = 0;

namespace {
const GUID MAGNIFIER_FORMAT = {
    0xf5c7ad2d, 0x6a8d, 0x43dd, {0xa7, 0xa8, 0xa2, 0x99, 0x35, 0x26, 0x1a, 0xe9}};

template <typename Choice> void SettleOnce(Choice choose) {
    if (STRATEGY_SETTLED.load(std::memory_order_acquire)) {
        return;
    }
    std::lock_guard<std::mutex> guard(STRATEGY_LOCK);
    if (!STRATEGY_SETTLED.load(std::memory_order_relaxed)) {
        choose();
        STRATEGY_SETTLED.store(true, std::memory_order_release);
    }
}

void ChooseSnapshots() {
    CaptureMonitors();
    TICK_ROUTINE = SnapshotTick;
}
} // namespace

void SettleStrategyFromFormat(const WICPixelFormatGUID& format) {
    SettleOnce([&format] {
        if (std::memcmp(&format, &MAGNIFIER_FORMAT, sizeof format) == 0) {
            TICK_ROUTINE = MagnifierTick;
        } else {
            ChooseSnapshots();
        }
    });
}

void CountTickWithoutFrame() {
    if (++TICKS_WITHOUT_FRAME >= TICKS_BEFORE_SNAPSHOT_FALLBACK) {
        SettleOnce(ChooseSnapshots);
    }
}
