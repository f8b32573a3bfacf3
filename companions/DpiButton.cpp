#include "companions/DpiButton.h"

#include <cstddef>

int NextDpiStage(int current, const std::array<bool, kDpiStages>& enabled) {
    const int start = current >= 0 && current < kDpiStages ? current : -1;
    for (int step = 1; step <= kDpiStages; ++step) {
        const int stage = (start + step + kDpiStages) % kDpiStages;
        if (enabled[static_cast<std::size_t>(stage)]) return stage;
    }
    return current;
}
