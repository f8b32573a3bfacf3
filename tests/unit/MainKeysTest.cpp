#include "ui/main/MainKeys.h"

#include <gtest/gtest.h>

namespace {
TEST(MainKeys, TabCtrlTabCtrlDigitsAndTheKeysThatDoNothing) {
    struct KeyCase {
        UINT key;
        bool control;
        bool shift;
        bool alt;
        MainKeyAction action;
        int profile;
    };
    const KeyCase cases[] = {
        {VK_TAB, false, false, false, MainKeyAction::NextControl, 0},
        {VK_TAB, false, true, false, MainKeyAction::PreviousControl, 0},
        {VK_TAB, true, false, false, MainKeyAction::NextPage, 0},
        {VK_TAB, true, true, false, MainKeyAction::PreviousPage, 0},
        {'1', true, false, false, MainKeyAction::SelectProfile, 0},
        {'2', true, false, false, MainKeyAction::SelectProfile, 1},
        {'5', true, true, false, MainKeyAction::SelectProfile, 4},
        {VK_NUMPAD3, true, false, false, MainKeyAction::SelectProfile, 2},
        {'6', true, false, false, MainKeyAction::PassOn, 0},  // five profiles only
        {'0', true, false, false, MainKeyAction::PassOn, 0},
        {'2', false, false, false, MainKeyAction::PassOn, 0},  // a digit alone
        {VK_RETURN, false, false, false, MainKeyAction::Swallow, 0},
        {VK_ESCAPE, false, false, false, MainKeyAction::Swallow, 0},
        {VK_ESCAPE, true, false, false, MainKeyAction::Swallow, 0},
        {VK_SPACE, false, false, false, MainKeyAction::PassOn, 0},  // the focused control's
        {VK_LEFT, false, false, false, MainKeyAction::PassOn, 0},
        {VK_F4, false, false, true, MainKeyAction::PassOn, 0},      // Alt+F4: the system's close
        {VK_TAB, false, false, true, MainKeyAction::PassOn, 0},     // Alt+Tab: the desktop's
    };
    for (const KeyCase& c : cases) {
        const MainKeyCommand command = MainWindowKey(c.key, c.control, c.shift, c.alt);
        EXPECT_EQ(c.action, command.action) << "key " << c.key << (c.control ? " ctrl" : "") << (c.shift ? " shift" : "");
        if (c.action == MainKeyAction::SelectProfile) {
            EXPECT_EQ(c.profile, command.profile) << "key " << c.key;
        }
    }
}

TEST(MainKeys, PagesGoRoundBothWays) {
    EXPECT_EQ(2, PageAfter(1, 3, false));
    EXPECT_EQ(3, PageAfter(2, 3, false));
    EXPECT_EQ(1, PageAfter(3, 3, false));
    EXPECT_EQ(3, PageAfter(1, 3, true));
    EXPECT_EQ(1, PageAfter(2, 3, true));
    EXPECT_EQ(1, PageAfter(0, 3, false)) << "no page yet: the first";
    EXPECT_EQ(3, PageAfter(0, 3, true));
}
}  // namespace
