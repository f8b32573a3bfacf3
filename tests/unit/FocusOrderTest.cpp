#include "skin/FocusOrder.h"

#include <gtest/gtest.h>

#include <string>

namespace {
// Positions 0 to 5; those marked '-' in `usable` are hidden or disabled.
TEST(FocusOrder, TabAndShiftTabSkipUnusablePositionsAndGoRound) {
    struct StepCase {
        const char* usable;
        int current;
        bool backwards;
        int next;
    };
    const StepCase cases[] = {
        {"xxxxxx", 0, false, 1},
        {"xxxxxx", 5, false, 0},   // round past the end
        {"xxxxxx", 0, true, 5},    // and past the start
        {"xxxxxx", 3, true, 2},
        {"x--x-x", 0, false, 3},   // hidden ones passed over
        {"x--x-x", 3, true, 0},
        {"x--x-x", 5, false, 0},
        {"---x--", 3, false, 3},   // the only usable one stays
        {"xxxxxx", -1, false, 0},  // nothing focused yet: the first
        {"xxxxxx", -1, true, 5},   // or, backwards, the last
        {"-x-x--", -1, true, 3},
        {"xxxxxx", 9, false, 0},   // an unknown position counts as none
        {"------", 2, false, -1},  // nothing usable
        {"", -1, false, -1},
    };
    for (const StepCase& c : cases) {
        const std::string usable = c.usable;
        const int next = NextFocusPosition(static_cast<int>(usable.size()), c.current, c.backwards,
                                           [&usable](int i) { return usable[static_cast<size_t>(i)] == 'x'; });
        EXPECT_EQ(c.next, next) << usable << " from " << c.current << (c.backwards ? " backwards" : "");
    }
}
}  // namespace
