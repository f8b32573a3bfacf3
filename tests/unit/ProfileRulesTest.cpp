#include "profile/ProfileRules.h"

#include "ProfileTestData.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <iterator>

namespace {
// A valid profile as a factory reset leaves it, with a Group the repair keeps.
ProfileRecord FactoryProfile(int profileIndex) {
    ProfileSet set{};
    SetProfileDefaults(set);
    ResetProfile(set, profileIndex);
    ProfileRecord record = set.Profiles[profileIndex];
    record.Group = 7;
    return record;
}

struct RepairCase {
    const char* field;
    std::int32_t ProfileRecord::*member;
    std::int32_t loaded;
    std::int32_t repaired;
};

const RepairCase kRepairCases[] = {
    {"PollingRate", &ProfileRecord::PollingRate, 8, 8},
    {"PollingRate", &ProfileRecord::PollingRate, 3, 3},
    {"PollingRate", &ProfileRecord::PollingRate, 0, 0},
    {"PollingRate", &ProfileRecord::PollingRate, 9, 2},
    {"PollingRate", &ProfileRecord::PollingRate, -1, 2},
    {"DoubleClickSpeed", &ProfileRecord::DoubleClickSpeed, 10, 10},
    {"DoubleClickSpeed", &ProfileRecord::DoubleClickSpeed, 11, 5},
    {"DoubleClickSpeed", &ProfileRecord::DoubleClickSpeed, -1, 5},
    {"WheelScrollLines", &ProfileRecord::WheelScrollLines, 1, 1},
    {"WheelScrollLines", &ProfileRecord::WheelScrollLines, 63, 63},
    {"WheelScrollLines", &ProfileRecord::WheelScrollLines, 0, 3},
    {"WheelScrollLines", &ProfileRecord::WheelScrollLines, 64, 3},
    {"WheelScrollLines", &ProfileRecord::WheelScrollLines, -1, 3},
    {"UniversalScrollEnabled", &ProfileRecord::UniversalScrollEnabled, 1, 1},
    {"UniversalScrollEnabled", &ProfileRecord::UniversalScrollEnabled, 2, 0},
    {"UniversalScrollEnabled", &ProfileRecord::UniversalScrollEnabled, -1, 0},
    {"MouseSensitivity", &ProfileRecord::MouseSensitivity, 1, 1},
    {"MouseSensitivity", &ProfileRecord::MouseSensitivity, 20, 20},
    {"MouseSensitivity", &ProfileRecord::MouseSensitivity, 0, 10},
    {"MouseSensitivity", &ProfileRecord::MouseSensitivity, 21, 10},
    {"MouseSensitivity", &ProfileRecord::MouseSensitivity, -1, 10},
    {"Acceleration", &ProfileRecord::Acceleration, 4, 4},
    {"Acceleration", &ProfileRecord::Acceleration, 0, 1},
    {"Acceleration", &ProfileRecord::Acceleration, 5, 1},
    {"Acceleration", &ProfileRecord::Acceleration, -1, 1},
    {"XYSensitivityEnabled", &ProfileRecord::XYSensitivityEnabled, 1, 1},
    {"XYSensitivityEnabled", &ProfileRecord::XYSensitivityEnabled, 2, 0},
    {"XYSensitivityEnabled", &ProfileRecord::XYSensitivityEnabled, -1, 0},
    {"OFASensitivity", &ProfileRecord::OFASensitivity, 0, 0},
    {"OFASensitivity", &ProfileRecord::OFASensitivity, 11, 10},
    {"OFASensitivity", &ProfileRecord::OFASensitivity, -1, 10},
    {"MouseSpeedX", &ProfileRecord::MouseSpeedX, 0, 0},
    {"MouseSpeedX", &ProfileRecord::MouseSpeedX, 11, 10},
    {"MouseSpeedX", &ProfileRecord::MouseSpeedX, -1, 10},
    {"MouseSpeedY", &ProfileRecord::MouseSpeedY, 0, 0},
    {"MouseSpeedY", &ProfileRecord::MouseSpeedY, 11, 10},
    {"MouseSpeedY", &ProfileRecord::MouseSpeedY, -1, 10},
    {"LedMode1", &ProfileRecord::LedMode1, 0, 0},
    {"LedMode1", &ProfileRecord::LedMode1, 5, 5},
    {"LedMode1", &ProfileRecord::LedMode1, 6, 0},
    {"LedMode1", &ProfileRecord::LedMode1, 99, 0},
    {"LedMode1", &ProfileRecord::LedMode1, -1, 0},
    {"LedState1", &ProfileRecord::LedState1, 44, 44},
    {"LedState1", &ProfileRecord::LedState1, 0, 2},
    {"LedState1", &ProfileRecord::LedState1, 45, 2},
    {"LedState1", &ProfileRecord::LedState1, -1, 2},
    {"BreathState1", &ProfileRecord::BreathState1, 1, 1},
    {"BreathState1", &ProfileRecord::BreathState1, 0, 5},
    {"BreathState1", &ProfileRecord::BreathState1, 11, 5},
    {"BreathState1", &ProfileRecord::BreathState1, -1, 5},
    {"FlashState1", &ProfileRecord::FlashState1, 10, 10},
    {"FlashState1", &ProfileRecord::FlashState1, 0, 5},
    {"FlashState1", &ProfileRecord::FlashState1, 11, 5},
    {"FlashState1", &ProfileRecord::FlashState1, -1, 5},
    {"LedDirect1", &ProfileRecord::LedDirect1, 0, 0},
    {"LedDirect1", &ProfileRecord::LedDirect1, 1, 1},
    {"LedDirect1", &ProfileRecord::LedDirect1, 2, 0},
    {"LedDirect1", &ProfileRecord::LedDirect1, 7, 0},
    {"LedDirect1", &ProfileRecord::LedDirect1, -1, 0},
    {"LedColor1", &ProfileRecord::LedColor1, 0, 0},
    {"LedColor1", &ProfileRecord::LedColor1, 0xFFFFFF, 0xFFFFFF},
    {"LedColor1", &ProfileRecord::LedColor1, -2, -2},
    {"LedColor1", &ProfileRecord::LedColor1, -1, 0x0000FF},
    {"ANGLE", &ProfileRecord::ANGLE, 1, 1},
    {"ANGLE", &ProfileRecord::ANGLE, 2, 0},
    {"ANGLE", &ProfileRecord::ANGLE, -1, 0},
    {"LIFT", &ProfileRecord::LIFT, 5, 5},
    {"LIFT", &ProfileRecord::LIFT, 0, 3},
    {"LIFT", &ProfileRecord::LIFT, 6, 3},
    {"LIFT", &ProfileRecord::LIFT, -1, 3},
    {"DPI", &ProfileRecord::DPI, 0, 0},
    {"DPI", &ProfileRecord::DPI, 4, 4},
    {"DPI", &ProfileRecord::DPI, 5, 1},  // an index of five stages
    {"DPI", &ProfileRecord::DPI, -1, 1},
    {"DPICurrentX", &ProfileRecord::DPICurrentX, 2, 2},
    {"DPICurrentX", &ProfileRecord::DPICurrentX, 80, 80},
    {"DPICurrentX", &ProfileRecord::DPICurrentX, 1, 14},
    {"DPICurrentX", &ProfileRecord::DPICurrentX, 81, 14},
    {"DPICurrentX", &ProfileRecord::DPICurrentX, -1, 14},
    {"DPICurrentY", &ProfileRecord::DPICurrentY, 2, 2},
    {"DPICurrentY", &ProfileRecord::DPICurrentY, 1, 14},
    {"DPICurrentY", &ProfileRecord::DPICurrentY, 81, 14},
    {"DPICurrentY", &ProfileRecord::DPICurrentY, -1, 14},
    {"DPIStageNum", &ProfileRecord::DPIStageNum, 5, 5},
    {"DPIStageNum", &ProfileRecord::DPIStageNum, 4, 5},
    {"DPIStageNum", &ProfileRecord::DPIStageNum, 6, 5},
    {"DPIStageNum", &ProfileRecord::DPIStageNum, -1, 5},
    {"DPIStageNum", &ProfileRecord::DPIStageNum, INT32_MIN, 5},
};

TEST(ProfileRules, EachFieldIsRepairedByItsOwnRuleAlone) {
    for (const RepairCase& c : kRepairCases) {
        ProfileRecord record = FactoryProfile(2);
        record.*c.member = c.loaded;
        ProfileRecord expected = record;
        expected.*c.member = c.repaired;

        EXPECT_EQ(c.loaded != c.repaired, RepairProfile(record, 2)) << c.field << " " << c.loaded;
        EXPECT_EQ(c.repaired, record.*c.member) << c.field << " " << c.loaded;
        EXPECT_TRUE(SameRecord(expected, record)) << c.field << " " << c.loaded;
    }
}

TEST(ProfileRules, GroupMinusOneBecomesOneInTheFirstProfileAndZeroElsewhere) {
    struct Case {
        int profileIndex;
        std::int32_t loaded;
        std::int32_t repaired;
    };
    const Case cases[] = {{0, -1, 1}, {1, -1, 0}, {4, -1, 0}, {0, 7, 7}, {3, -2, -2}, {0, 0, 0}};
    for (const Case& c : cases) {
        ProfileRecord record = FactoryProfile(c.profileIndex);
        record.Group = c.loaded;
        EXPECT_EQ(c.loaded != c.repaired, RepairProfile(record, c.profileIndex));
        EXPECT_EQ(c.repaired, record.Group) << "profile " << c.profileIndex << " group " << c.loaded;
    }
}

TEST(ProfileRules, AStageWithoutXGetsItsDefaultCodeAndKeepsLinkedWhenItIsAFlag) {
    for (int s = 0; s < kDpiStageCount; ++s) {
        for (std::int32_t linked : {0, 1, 9}) {
            ProfileRecord record = FactoryProfile(1);
            record.DPIStageValue[s] = DpiStage{0, 0, 50, linked};
            EXPECT_TRUE(RepairProfile(record, 1));
            const DpiStage& stage = record.DPIStageValue[s];
            EXPECT_EQ(1, stage.Enabled);
            EXPECT_EQ(kDefaultStageCodes[s], stage.X) << "stage " << s;
            EXPECT_EQ(kDefaultStageCodes[s], stage.Y) << "stage " << s;
            EXPECT_EQ(linked == 9 ? 0 : linked, stage.Linked);
        }
    }
}

// Every field of a stage, in range and out: the codes a DPI slider sets, the two flags.
TEST(ProfileRules, EachStageFieldIsRepairedToWhatTheDpiPageCouldHaveSet) {
    struct Case {
        DpiStage loaded;
        DpiStage repaired;
    };
    const Case cases[] = {
        {{1, 2, 80, 0}, {1, 2, 80, 0}},       {{0, 80, 2, 0}, {0, 80, 2, 0}},
        {{1, 30, 30, 1}, {1, 30, 30, 1}},     {{1, 1, 30, 0}, {1, 40, 30, 0}},
        {{1, 81, 30, 0}, {1, 40, 30, 0}},     {{1, -1, 30, 0}, {1, 40, 30, 0}},
        {{1, 30, 0, 0}, {1, 30, 40, 0}},      {{1, 30, 1, 0}, {1, 30, 40, 0}},
        {{1, 30, 81, 0}, {1, 30, 40, 0}},     {{1, 30, INT32_MIN, 0}, {1, 30, 40, 0}},
        {{2, 30, 30, 0}, {0, 30, 30, 0}},     {{-1, 30, 30, 0}, {0, 30, 30, 0}},
        {{1, 30, 30, 2}, {1, 30, 30, 0}},     {{1, 30, 30, -1}, {1, 30, 30, 0}},
        {{1, 30, 50, 1}, {1, 30, 30, 1}},     {{0, 30, 99, 1}, {0, 30, 30, 1}},
        {{1, 99, 50, 1}, {1, 40, 40, 1}},     {{0, 0, 50, 9}, {1, 40, 40, 0}},
        {{-1, -1, 999, 5}, {0, 40, 40, 0}},
    };
    for (const Case& c : cases) {
        ProfileRecord record = FactoryProfile(1);
        record.DPIStageValue[3] = c.loaded;  // stage 4, not the current stage
        ProfileRecord expected = record;
        expected.DPIStageValue[3] = c.repaired;
        const bool changed = std::memcmp(&c.loaded, &c.repaired, sizeof c.loaded) != 0;
        EXPECT_EQ(changed, RepairProfile(record, 1)) << c.loaded.Enabled << " " << c.loaded.X << " " << c.loaded.Y
                                                     << " " << c.loaded.Linked;
        EXPECT_TRUE(SameRecord(expected, record)) << c.loaded.Enabled << " " << c.loaded.X << " " << c.loaded.Y
                                                  << " " << c.loaded.Linked;
    }
}

// One stage always stays in the cycle, and the current stage is one of it.
TEST(ProfileRules, AStageSetWithoutAnEnabledStageAndACurrentStageOutsideTheCycle) {
    struct Case {
        const char* what;
        std::int32_t enabled[kDpiStageCount];
        std::int32_t dpi;
        std::int32_t enabledAfter[kDpiStageCount];
        std::int32_t dpiAfter;
    };
    const Case cases[] = {
        {"no enabled stage", {0, 0, 0, 0, 0}, 0, {1, 0, 0, 0, 0}, 0},
        {"no enabled stage, current stage 4", {0, 0, 0, 0, 0}, 3, {1, 0, 0, 0, 0}, 0},
        {"flags that are no flags", {2, -1, 7, 0, 0}, 2, {1, 0, 0, 0, 0}, 0},
        {"current stage disabled", {0, 0, 1, 0, 1}, 1, {0, 0, 1, 0, 1}, 2},
        {"current stage past the fifth", {1, 0, 0, 0, 1}, 5, {1, 0, 0, 0, 1}, 0},
        {"current stage enabled", {0, 0, 0, 1, 0}, 3, {0, 0, 0, 1, 0}, 3},
        {"repaired current stage 2 disabled", {0, 0, 0, 1, 1}, -1, {0, 0, 0, 1, 1}, 3},
    };
    for (const Case& c : cases) {
        ProfileRecord record = FactoryProfile(4);
        for (int s = 0; s < kDpiStageCount; ++s) record.DPIStageValue[s].Enabled = c.enabled[s];
        record.DPI = c.dpi;
        EXPECT_TRUE(RepairProfile(record, 4) || c.dpi == c.dpiAfter) << c.what;
        for (int s = 0; s < kDpiStageCount; ++s) {
            EXPECT_EQ(c.enabledAfter[s], record.DPIStageValue[s].Enabled) << c.what << ", stage " << s;
        }
        EXPECT_EQ(c.dpiAfter, record.DPI) << c.what;
    }
}

// Linked stages edited with one slider whose X and Y disagree, from another program.
TEST(ProfileRules, LinkedStagesThatDisagreeTakeTheirXAsY) {
    ProfileRecord record = FactoryProfile(0);
    for (int s = 0; s < kDpiStageCount; ++s) record.DPIStageValue[s] = DpiStage{1, 10 + s, 70 - s, 1};
    EXPECT_TRUE(RepairProfile(record, 0));
    for (int s = 0; s < kDpiStageCount; ++s) {
        EXPECT_EQ(10 + s, record.DPIStageValue[s].X) << s;
        EXPECT_EQ(10 + s, record.DPIStageValue[s].Y) << s;
        EXPECT_EQ(1, record.DPIStageValue[s].Linked) << s;
    }
    EXPECT_FALSE(RepairProfile(record, 0)) << "a repaired set needs nothing more";
}

// A code no menu entry gives would reach the device at the next apply.
TEST(ProfileRules, AButtonFunctionTheMenuCannotStoreBecomesTheButtonsDefault) {
    // 8, 9, 10, 13 and 15 only open sub-menus.
    for (std::uint8_t code : {255, 0, 56, 99, 200, 254, 8, 9, 10, 13, 15}) {
        for (int b = 0; b < kButtonCount; ++b) {
            ProfileRecord record = FactoryProfile(0);
            ButtonAssignment& button = record.Buttons[b];
            button = ButtonAssignment{255, code, 255, 255, {0x11, 0x22}, L"name"};
            ProfileRecord expected = record;
            expected.Buttons[b].ButtonFunc = kDefaultButtonFuncs[b];
            EXPECT_TRUE(RepairProfile(record, 0));
            EXPECT_TRUE(SameRecord(expected, record)) << "code " << int{code} << ", button " << b;
        }
    }
    for (int code = 1; code <= 55; ++code) {
        if (code == 8 || code == 9 || code == 10 || code == 13 || code == 15) continue;
        ProfileRecord record = FactoryProfile(0);
        record.Buttons[3].ButtonFunc = static_cast<std::uint8_t>(code);
        EXPECT_FALSE(RepairProfile(record, 0)) << code;
        EXPECT_EQ(code, record.Buttons[3].ButtonFunc);
    }
}

// Without a primary button the user could not even click the tool to mend the profile.
TEST(ProfileRules, AProfileWithoutLeftClickGetsItOnTheFirstButton) {
    struct Case {
        const char* what;
        std::uint8_t functions[kButtonCount];
        std::uint8_t repaired[kButtonCount];
    };
    const Case cases[] = {
        {"no left click", {2, 2, 3, 4, 5, 48, 49, 12}, {1, 2, 3, 4, 5, 48, 49, 12}},
        {"a macro first", {11, 16, 16, 16, 16, 16, 16, 16}, {1, 16, 16, 16, 16, 16, 16, 16}},
        {"left click elsewhere", {2, 3, 4, 5, 6, 7, 1, 12}, {2, 3, 4, 5, 6, 7, 1, 12}},
        {"left click on the last", {55, 54, 53, 52, 51, 50, 49, 1}, {55, 54, 53, 52, 51, 50, 49, 1}},
        {"all unset", {255, 255, 255, 255, 255, 255, 255, 255}, {1, 2, 3, 4, 5, 48, 49, 12}},
        {"unset first, no left click", {255, 3, 3, 3, 3, 3, 3, 3}, {1, 3, 3, 3, 3, 3, 3, 3}},
        {"damaged first of a sub-menu", {8, 2, 2, 2, 2, 2, 2, 2}, {1, 2, 2, 2, 2, 2, 2, 2}},
        {"damaged elsewhere", {2, 2, 2, 2, 2, 2, 2, 200}, {1, 2, 2, 2, 2, 2, 2, 12}},
    };
    for (const Case& c : cases) {
        ProfileRecord record = FactoryProfile(2);
        for (int b = 0; b < kButtonCount; ++b) record.Buttons[b].ButtonFunc = c.functions[b];
        const bool changed = !std::equal(std::begin(c.functions), std::end(c.functions), std::begin(c.repaired));
        EXPECT_EQ(changed, RepairProfile(record, 2)) << c.what;
        for (int b = 0; b < kButtonCount; ++b) EXPECT_EQ(c.repaired[b], record.Buttons[b].ButtonFunc) << c.what << " " << b;
    }
}

TEST(ProfileRules, DefaultFunctionsOfTheEightButtons) {
    EXPECT_EQ((std::array<std::uint8_t, kButtonCount>{1, 2, 3, 4, 5, 48, 49, 12}), kDefaultButtonFuncs);
    EXPECT_EQ((std::array<std::int32_t, kDpiStageCount>{8, 16, 24, 40, 80}), kDefaultStageCodes);
}

TEST(ProfileRules, DefaultsBeforeLoading) {
    ProfileSet set;
    std::memset(&set, 0x5A, sizeof set);
    SetProfileDefaults(set);
    EXPECT_EQ(-1, set.GroupID);
    for (const ProfileRecord& record : set.Profiles) {
        for (const RepairCase& c : kRepairCases) {
            const bool lighting = c.member == &ProfileRecord::LedMode1 || c.member == &ProfileRecord::LedDirect1;
            EXPECT_EQ(lighting ? 0 : -1, record.*c.member) << c.field;
        }
        EXPECT_EQ(-1, record.Group);
        for (const DpiStage& stage : record.DPIStageValue) {
            EXPECT_EQ(0, stage.Enabled | stage.X | stage.Y | stage.Linked);
        }
        for (int b = 0; b < kButtonCount; ++b) {
            const ButtonAssignment& button = record.Buttons[b];
            EXPECT_EQ(b + 1, button.ButtonID);
            EXPECT_EQ(FUNC_UNSET, button.ButtonFunc);
            EXPECT_EQ(1, button.LoopNumber);
            EXPECT_EQ(0, button.KeyNumber);
            EXPECT_EQ(std::size_t(kKeyDataBytes), std::count(button.KeyData, button.KeyData + kKeyDataBytes, 0));
            EXPECT_EQ(std::size_t(kMacroNameChars + 1),
                      std::count(button.MacroName, button.MacroName + kMacroNameChars + 1, L'\0'));
        }
    }
}

TEST(ProfileRules, ValidateCopiesTheStagingSetAndRepairsTheCopy) {
    struct Case {
        std::int32_t groupId;
        std::int32_t repaired;
    };
    const Case cases[] = {{0, 0}, {4, 4}, {5, 0}, {-1, 0}, {INT32_MAX, 0}};
    for (const Case& c : cases) {
        ProfileSet staging{};
        for (int k = 0; k < kProfileCount; ++k) staging.Profiles[k] = FactoryProfile(k);
        staging.GroupID = c.groupId;
        staging.Profiles[3].PollingRate = -1;
        const ProfileSet before = staging;

        EXPECT_TRUE(ValidateProfiles(staging));
        EXPECT_EQ(c.repaired, WorkingProfiles.GroupID) << c.groupId;
        EXPECT_EQ(2, WorkingProfiles.Profiles[3].PollingRate);
        EXPECT_EQ(-1, staging.Profiles[3].PollingRate) << "the staging set is only read";
        EXPECT_EQ(before.GroupID, staging.GroupID);
    }
}

TEST(ProfileRules, ValidateReportsWhetherAnythingWasRepaired) {
    ProfileSet staging{};
    for (int k = 0; k < kProfileCount; ++k) staging.Profiles[k] = FactoryProfile(k);
    staging.GroupID = 2;
    EXPECT_FALSE(ValidateProfiles(staging));
    for (int k = 0; k < kProfileCount; ++k) EXPECT_TRUE(SameRecord(staging.Profiles[k], WorkingProfiles.Profiles[k]));

    staging.Profiles[4].Buttons[7].ButtonFunc = FUNC_UNSET;
    EXPECT_TRUE(ValidateProfiles(staging));
    EXPECT_EQ(FUNC_FIRE_KEY, WorkingProfiles.Profiles[4].Buttons[7].ButtonFunc);
}

TEST(ProfileRules, ValidateRepairsAProfileExactlyAsRepairProfileDoes) {
    ProfileSet staging;
    SetProfileDefaults(staging);
    ValidateProfiles(staging);
    for (int k = 0; k < kProfileCount; ++k) {
        ProfileRecord record = staging.Profiles[k];
        RepairProfile(record, k);
        EXPECT_TRUE(SameRecord(record, WorkingProfiles.Profiles[k])) << "profile " << k;
    }
}

TEST(ProfileRules, ResetGivesFactoryValuesAndKeepsGroupButtonIdAndLoopNumber) {
    ProfileSet set;
    std::memset(&set, 0x5A, sizeof set);
    set.Profiles[2].Group = 33;
    const ProfileSet before = set;
    ResetProfile(set, 2);

    const ProfileRecord& record = set.Profiles[2];
    const std::int32_t fields[] = {
        record.PollingRate,  record.DoubleClickSpeed, record.WheelScrollLines, record.UniversalScrollEnabled,
        record.MouseSensitivity, record.Acceleration, record.XYSensitivityEnabled, record.OFASensitivity,
        record.MouseSpeedX,  record.MouseSpeedY,      record.LedMode1,         record.LedState1,
        record.BreathState1, record.FlashState1,      record.LedDirect1,       record.LedColor1,
        record.ANGLE,        record.LIFT,             record.DPI,              record.DPICurrentX,
        record.DPICurrentY,  record.DPIStageNum,
    };
    const std::int32_t factory[] = {2, 5, 3, 0, 10, 1, 0, 10, 10, 10, 2, 2, 5, 5, 0, 0x0000FF, 0, 3, 2, 14, 14, 5};
    for (size_t i = 0; i < std::size(factory); ++i) EXPECT_EQ(factory[i], fields[i]) << "field " << i;
    EXPECT_EQ(33, record.Group);
    ExpectDefaultStages(record, 1);
    ExpectDefaultButtons(record, 0x5A, 0x5A, 0);
    for (int k : {0, 1, 3, 4}) EXPECT_EQ(0, std::memcmp(&before.Profiles[k], &set.Profiles[k], sizeof(ProfileRecord)));
    EXPECT_EQ(before.GroupID, set.GroupID);
}

TEST(ProfileRules, ResetOfAProfileOutsideTheSetChangesNothing) {
    ProfileSet set;
    std::memset(&set, 0x5A, sizeof set);
    const ProfileSet before = set;
    ResetProfile(set, -1);
    ResetProfile(set, kProfileCount);
    EXPECT_EQ(0, std::memcmp(&before, &set, sizeof set));
}

TEST(ProfileRules, OtherPrimaryButton) {
    struct Case {
        std::uint8_t functions[kButtonCount];
        int button;
        bool expected;
    };
    const Case cases[] = {
        {{1, 2, 3, 4, 5, 48, 49, 12}, 0, false},
        {{1, 2, 3, 4, 5, 48, 49, 12}, 1, true},
        {{1, 2, 3, 4, 5, 48, 49, 12}, 7, true},
        {{1, 2, 3, 4, 5, 48, 49, 1}, 0, true},
        {{2, 2, 3, 4, 5, 48, 49, 12}, 3, false},
        {{1, 1, 3, 4, 5, 48, 49, 12}, 1, true},
        {{1, 2, 3, 4, 5, 48, 49, 12}, -1, true},
        {{1, 2, 3, 4, 5, 48, 49, 12}, 8, true},
    };
    for (const Case& c : cases) {
        ProfileRecord record{};
        for (int b = 0; b < kButtonCount; ++b) record.Buttons[b].ButtonFunc = c.functions[b];
        EXPECT_EQ(c.expected, HasOtherPrimaryButton(record, c.button)) << "button " << c.button;
    }
}
}  // namespace
