#include "companions/DpiButton.h"

#include <gtest/gtest.h>

namespace {
struct DpiCase {
    int current;
    std::array<bool, kDpiStageCount> enabled;
    int next;
};

const DpiCase kCases[] = {
    {0, {true, true, true, true, true}, 1},
    {4, {true, true, true, true, true}, 0},     // wraps round
    {1, {true, true, false, false, true}, 4},   // skips disabled stages
    {4, {false, true, false, false, true}, 1},
    {2, {false, false, true, false, false}, 2}, // the only enabled stage stays
    {-1, {false, false, true, true, false}, 2}, // an unknown stage starts from the first
    {9, {true, true, true, true, true}, 0},
    {3, {false, false, false, false, false}, 3},
};

TEST(SimulatorDpiButton, NextEnabledStage) {
    for (const DpiCase& c : kCases) {
        EXPECT_EQ(c.next, NextDpiStage(c.current, c.enabled)) << "from stage " << c.current;
    }
}
}  // namespace
