#include "companions/DpiButton.h"

#include <cstddef>

int NextDpiStage(int current, const std::array<bool, kDpiStageCount>& enabled) {
    const int start = current >= 0 && current < kDpiStageCount ? current : -1;
    for (int step = 1; step <= kDpiStageCount; ++step) {
        const int stage = (start + step + kDpiStageCount) % kDpiStageCount;
        if (enabled[static_cast<std::size_t>(stage)]) return stage;
    }
    return current;
}
