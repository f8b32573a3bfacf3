#include "ctl/NamedValues.h"

#include "framework/Folders.h"
#include "profile/ProfileSet.h"

#include <gtest/gtest.h>

#include <string>

namespace {
struct NameCase {
    const wchar_t* name;
    int value;
};

class NamedValuesTest : public ::testing::Test {
protected:
    void SetUp() override { InitFolders(); }

    static void ExpectNames(const NamedValues& values, std::initializer_list<NameCase> good,
                            std::initializer_list<const wchar_t*> bad) {
        for (const NameCase& c : good) {
            int value = -99;
            EXPECT_TRUE(values.Find(c.name, value)) << c.name;
            EXPECT_EQ(c.value, value) << c.name;
            EXPECT_EQ(0, _wcsicmp(c.name, values.NameOf(c.value).c_str())) << c.name;
            EXPECT_NE(std::wstring::npos, values.Accepted().find(values.NameOf(c.value))) << c.name;
        }
        for (const wchar_t* name : bad) {
            int value = -99;
            EXPECT_FALSE(values.Find(name, value)) << name;
            EXPECT_EQ(-99, value) << name;
        }
    }
};

int Pick(int code, int id) { return (code << 16) | id; }

TEST_F(NamedValuesTest, LightingNamesAreThoseOfTheLightingPage) {
    ExpectNames(NamedValues::LightingModes(),
                {{L"Steady", 0}, {L"breathing", 1}, {L"FLASHING", 2}, {L"Reactive", 3}, {L"Off", 4}, {L"Running", 5}},
                {L"", L"Blink", L"0", L"Steady "});
    ExpectNames(NamedValues::Brightness(), {{L"Low", 1}, {L"Medium", 2}, {L"high", 3}}, {L"", L"2", L"Max"});
    ExpectNames(NamedValues::BreathingSpeeds(), {{L"Slow", 8}, {L"Medium", 5}, {L"Fast", 1}}, {L"Quick", L"5"});
    ExpectNames(NamedValues::FlashingSpeeds(), {{L"Slow", 8}, {L"Medium", 5}, {L"Fast", 1}}, {L"", L"Fastest"});
    ExpectNames(NamedValues::Directions(), {{L"Forward", 0}, {L"Reverse", 1}}, {L"Back", L"1"});
    ExpectNames(NamedValues::FireButtons(), {{L"Left", 0xF0}, {L"Right", 0xF1}, {L"Middle", 0xF2}}, {L"A", L"Left click"});
}

TEST_F(NamedValuesTest, MenuFunctionsAreEveryFunctionStoredAtOnce) {
    ExpectNames(NamedValues::MenuFunctions(),
                {{L"Left click", Pick(FUNC_LEFT_CLICK, 0)},
                 {L"right click", Pick(FUNC_RIGHT_CLICK, 0)},
                 {L"Back", Pick(FUNC_BACK, 0)},
                 {L"Scroll left", Pick(FUNC_SCROLL_LEFT, 0)},
                 {L"Auto scroll", Pick(FUNC_AUTO_SCROLL, 0)},
                 {L"Switch profile", Pick(FUNC_SWITCH_PROFILE, 0)},
                 {L"Disabled", Pick(FUNC_DISABLED, 0)},
                 {L"Double click", Pick(FUNC_BASIC_MENU, FUNC_BASIC_FIRST)},
                 {L"Zoom out", Pick(FUNC_ADVANCED_MENU, FUNC_ADVANCED_LAST)},
                 {L"Mute", Pick(FUNC_MEDIA_MENU, FUNC_MEDIA_LAST)},
                 {L"DPI up", Pick(FUNC_DPI_MENU, FUNC_DPI_UP)},
                 {L"Polling rate cycle", Pick(FUNC_RATE_MENU, FUNC_POLLING_RATE_CYCLE)},
                 {L"Polling rate down", Pick(FUNC_RATE_MENU, FUNC_RATE_LAST)}},
                // The items that open a dialog, the sub-menus themselves and the editor entry.
                {L"Single key", L"Key combination", L"Macro", L"Rapid fire", L"Basic", L"DPI", L"Polling rate",
                 L"Edit macros", L"", L"Left"});
}
}  // namespace
