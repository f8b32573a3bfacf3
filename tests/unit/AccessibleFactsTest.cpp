#include "skin/AccessibleFacts.h"

#include <gtest/gtest.h>

namespace {
struct ButtonCase {
    const char* name;
    ButtonRole role;
    bool checkBoxMode;
    bool checked;
    LONG expectedRole;
    LONG expectedState;
};

const ButtonCase kButtonCases[] = {
    {"push button", ButtonRole::Button, false, false, ROLE_SYSTEM_PUSHBUTTON, 0},
    {"latched push button", ButtonRole::Button, false, true, ROLE_SYSTEM_PUSHBUTTON, STATE_SYSTEM_PRESSED},
    {"check box", ButtonRole::Button, true, false, ROLE_SYSTEM_CHECKBUTTON, 0},
    {"ticked check box", ButtonRole::Button, true, true, ROLE_SYSTEM_CHECKBUTTON, STATE_SYSTEM_CHECKED},
    {"option", ButtonRole::Option, true, false, ROLE_SYSTEM_RADIOBUTTON, 0},
    {"chosen option", ButtonRole::Option, true, true, ROLE_SYSTEM_RADIOBUTTON, STATE_SYSTEM_CHECKED},
    {"tab", ButtonRole::Tab, true, false, ROLE_SYSTEM_PAGETAB, STATE_SYSTEM_SELECTABLE},
    {"selected tab", ButtonRole::Tab, true, true, ROLE_SYSTEM_PAGETAB, STATE_SYSTEM_SELECTABLE | STATE_SYSTEM_SELECTED},
};

TEST(AccessibleFactsTest, ButtonsReportTheirRoleAndCheckedState) {
    for (const ButtonCase& c : kButtonCases) {
        SCOPED_TRACE(c.name);
        const AccessibleFacts facts = ButtonFacts(c.role, c.checkBoxMode, c.checked);
        EXPECT_EQ(c.expectedRole, facts.role);
        EXPECT_EQ(c.expectedState, facts.state);
        EXPECT_FALSE(facts.hasValue);
        // A button decides all of its checked-like bits, so a stale one of the standard object never shows.
        const LONG standard = STATE_SYSTEM_FOCUSABLE | STATE_SYSTEM_UNAVAILABLE | STATE_SYSTEM_CHECKED |
                              STATE_SYSTEM_PRESSED | STATE_SYSTEM_SELECTED;
        EXPECT_EQ(STATE_SYSTEM_FOCUSABLE | STATE_SYSTEM_UNAVAILABLE | c.expectedState, MergeState(standard, facts));
    }
}

TEST(AccessibleFactsTest, SliderReportsItsValueAndRangeAsText) {
    const AccessibleFacts facts = SliderFacts(17, 2, 80);
    EXPECT_EQ(ROLE_SYSTEM_SLIDER, facts.role);
    EXPECT_TRUE(facts.hasValue);
    EXPECT_EQ(L"17", facts.value);
    EXPECT_EQ(L"Range 2 to 80", facts.description);
    EXPECT_EQ(L"-3", SliderFacts(-3, -5, 5).value);
    // The standard object's state passes unchanged.
    EXPECT_EQ(STATE_SYSTEM_INVISIBLE | STATE_SYSTEM_UNAVAILABLE,
              MergeState(STATE_SYSTEM_INVISIBLE | STATE_SYSTEM_UNAVAILABLE, facts));
}

TEST(AccessibleFactsTest, LabelIsReadOnlyStaticText) {
    const AccessibleFacts facts = LabelFacts();
    EXPECT_EQ(ROLE_SYSTEM_STATICTEXT, facts.role);
    EXPECT_FALSE(facts.hasValue);
    EXPECT_TRUE(facts.description.empty());
    EXPECT_EQ(STATE_SYSTEM_READONLY | STATE_SYSTEM_INVISIBLE, MergeState(STATE_SYSTEM_INVISIBLE, facts));
}
}  // namespace
