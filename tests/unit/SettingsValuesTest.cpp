#include "ui/main/SettingsValues.h"

#include <gtest/gtest.h>

#include <climits>

using namespace SettingsValues;

namespace {
TEST(SettingsValues, DpiSlidersAndNumbers) {
    struct Case {
        int position;
        int code;
    };
    // Top of a slider (position 2): every DPI slider, linked or not, stores 80; the bottom stores 2.
    const Case cases[] = {{2, 80}, {80, 2}, {66, 16}, {42, 40}};
    for (const Case& c : cases) {
        EXPECT_EQ(c.code, CodeFromAxisPosition(c.position)) << c.position;
        EXPECT_EQ(c.position, AxisPositionFromCode(c.code)) << c.code;
    }
    for (int position = kDpiSliderMin; position <= kDpiSliderMax; ++position) {
        const int code = CodeFromAxisPosition(position);
        EXPECT_TRUE(code >= 2 && code <= 80) << position;
        EXPECT_EQ(position, AxisPositionFromCode(code)) << position;
        if (position > kDpiSliderMin) {
            EXPECT_EQ(code + 1, CodeFromAxisPosition(position - 1)) << "monotone";
        }
    }
    EXPECT_EQ(kDpiSliderMax, AxisPositionFromCode(1)) << "a code below the range shows at the bottom";
    EXPECT_EQ(kDpiSliderMin, AxisPositionFromCode(81)) << "a code above the range shows at the top";

    const int numbers[][2] = {{79, 7900}, {80, 8000}, {16, 1600}, {1, 100}, {81, 8200}, {100, 12000}};
    for (const auto& n : numbers) EXPECT_EQ(n[1], DpiNumber(n[0])) << n[0];
}

TEST(SettingsValues, StageNumbers) {
    EXPECT_EQ(1, StageNumber(0));
    EXPECT_EQ(5, StageNumber(4));
    EXPECT_EQ(INT_MAX, StageNumber(INT_MAX)) << "an unchecked index from the device must not overflow";
}

TEST(SettingsValues, CheckBoxIndexesForStoredValues) {
    struct Case {
        int value;
        int polling, ledState, speed, direction;
    };
    const Case cases[] = {
        {8, 0, 0, 0, 0}, {4, 1, 0, 0, 0}, {2, 2, 1, 0, 0}, {1, 3, 0, 2, 1},
        {5, 1, 0, 1, 0}, {3, 1, 2, 0, 0}, {-1, 1, 0, 0, 0}, {0, 1, 0, 0, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.polling, PollingButtonForCode(c.value)) << c.value;
        EXPECT_EQ(c.ledState, LedStateButtonForValue(c.value)) << c.value;
        EXPECT_EQ(c.speed, SpeedButtonForValue(c.value)) << c.value;
        EXPECT_EQ(c.direction, DirectionButtonForValue(c.value)) << c.value;
    }
}

TEST(SettingsValues, LedModeGroups) {
    struct Case {
        int mode;
        bool colorPicture, breathing, flashing;
    };
    const Case cases[] = {{0, true, false, false}, {1, true, true, false}, {2, true, false, true},
                          {3, true, false, false}, {4, true, false, false}, {5, false, false, false},
                          {-1, false, false, false}};
    for (const Case& c : cases) {
        LedModeGroups groups = GroupsForLedMode(c.mode);
        EXPECT_EQ(c.colorPicture, groups.colorPicture) << c.mode;
        EXPECT_EQ(c.breathing, groups.breathing) << c.mode;
        EXPECT_EQ(c.flashing, groups.flashing) << c.mode;
    }
}

TEST(SettingsValues, TheLastEnabledStageStays) {
    EXPECT_TRUE(MayDisableStage(0));
    EXPECT_TRUE(MayDisableStage(3));
    EXPECT_FALSE(MayDisableStage(4));
}

TEST(SettingsValues, ColorFields) {
    struct Case {
        const wchar_t* text;
        int component;
        bool tooLarge;
    };
    const Case cases[] = {{L"0", 0, false},   {L"255", 255, false}, {L"256", 255, true}, {L"300", 255, true},
                          {L"", 0, false},    {L"abc", 0, false},   {L"-5", 0, false},   {L"12x", 12, false},
                          {L"99999999999999999999", 255, true}};
    for (const Case& c : cases) {
        EXPECT_EQ(c.component, ColorComponentFromText(c.text)) << c.text;
        EXPECT_EQ(c.tooLarge, ColorFieldTooLarge(c.text)) << c.text;
    }
    EXPECT_EQ(0x00030201u, ColorFromComponents(1, 2, 3));
    EXPECT_EQ(0x00FF00FFu, ColorFromComponents(255, 0, 255));
}
}  // namespace
