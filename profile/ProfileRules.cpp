#include "profile/ProfileRules.h"

#include <algorithm>
#include <iterator>

namespace {
enum class Check {
    None,      // kept as loaded, -1 included
    Range,     // repaired when outside low..high, compared as unsigned so that -1 is too large
    MinusOne,  // repaired only when -1
};

struct FieldRule {
    std::int32_t ProfileRecord::*field;
    Check check;
    std::uint32_t low;
    std::uint32_t high;
    std::int32_t repaired;  // value of a field that fails its check
    std::int32_t reset;     // factory value
};

// Every integer field but Group, whose repair depends on the profile and which a reset keeps.
// DPI is a stage index, so 5 is repaired as well: it would name a sixth stage.
const FieldRule kFieldRules[] = {
    // field                                  check            low high repaired  reset
    {&ProfileRecord::PollingRate,            Check::Range,    0,  8,   2,        2},
    {&ProfileRecord::DoubleClickSpeed,       Check::Range,    0,  10,  5,        5},
    {&ProfileRecord::WheelScrollLines,       Check::Range,    1,  63,  3,        3},
    {&ProfileRecord::UniversalScrollEnabled, Check::Range,    0,  1,   0,        0},
    {&ProfileRecord::MouseSensitivity,       Check::Range,    1,  20,  10,       10},
    {&ProfileRecord::Acceleration,           Check::Range,    1,  4,   1,        1},
    {&ProfileRecord::XYSensitivityEnabled,   Check::Range,    0,  1,   0,        0},
    {&ProfileRecord::OFASensitivity,         Check::Range,    0,  10,  10,       10},
    {&ProfileRecord::MouseSpeedX,            Check::Range,    0,  10,  10,       10},
    {&ProfileRecord::MouseSpeedY,            Check::Range,    0,  10,  10,       10},
    {&ProfileRecord::LedMode1,               Check::None,     0,  0,   0,        2},
    {&ProfileRecord::LedState1,              Check::Range,    1,  44,  2,        2},
    {&ProfileRecord::BreathState1,           Check::Range,    1,  10,  5,        5},
    {&ProfileRecord::FlashState1,            Check::Range,    1,  10,  5,        5},
    {&ProfileRecord::LedDirect1,             Check::None,     0,  0,   0,        0},
    {&ProfileRecord::LedColor1,              Check::MinusOne, 0,  0,   0x0000FF, 0x0000FF},
    {&ProfileRecord::ANGLE,                  Check::Range,    0,  1,   0,        0},
    {&ProfileRecord::LIFT,                   Check::Range,    1,  5,   3,        3},
    {&ProfileRecord::DPI,                    Check::Range,    0,  4,   1,        2},
    {&ProfileRecord::DPICurrentX,            Check::Range,    2,  80,  14,       14},
    {&ProfileRecord::DPICurrentY,            Check::Range,    2,  80,  14,       14},
    {&ProfileRecord::DPIStageNum,            Check::Range,    5,  5,   5,        5},
};

bool Fails(const FieldRule& rule, std::int32_t value) {
    const auto unsignedValue = static_cast<std::uint32_t>(value);
    switch (rule.check) {
        case Check::Range: return unsignedValue < rule.low || unsignedValue > rule.high;
        case Check::MinusOne: return value == -1;
        case Check::None: return false;
    }
    return false;
}
}  // namespace

void SetProfileDefaults(ProfileSet& set) {
    set.GroupID = -1;
    for (ProfileRecord& record : set.Profiles) {
        record.Group = -1;
        for (const FieldRule& rule : kFieldRules) record.*rule.field = -1;
        record.LedMode1 = 0;
        record.LedDirect1 = 0;
        record.DPIStageValue = {};
        for (int b = 0; b < kButtonCount; ++b) {
            ButtonAssignment& button = record.Buttons[b];
            button = ButtonAssignment{};
            button.ButtonID = static_cast<std::uint8_t>(b + 1);
            button.ButtonFunc = FUNC_UNSET;
            button.LoopNumber = 1;
        }
    }
}

bool RepairProfile(ProfileRecord& record, int profileIndex) {
    bool repaired = false;
    if (record.Group == -1) {
        record.Group = profileIndex == 0 ? 1 : 0;
        repaired = true;
    }
    for (const FieldRule& rule : kFieldRules) {
        std::int32_t& value = record.*rule.field;
        if (Fails(rule, value)) {
            value = rule.repaired;
            repaired = true;
        }
    }
    for (int s = 0; s < kDpiStageCount; ++s) {
        DpiStage& stage = record.DPIStageValue[s];
        if (stage.X == 0) {
            stage.Enabled = 1;
            stage.X = stage.Y = kDefaultStageCodes[s];
            repaired = true;
        }
    }
    for (int b = 0; b < kButtonCount; ++b) {
        ButtonAssignment& button = record.Buttons[b];
        if (button.ButtonFunc == FUNC_UNSET) {
            button.ButtonFunc = kDefaultButtonFuncs[b];
            repaired = true;
        }
    }
    return repaired;
}

bool RepairProfileSet(ProfileSet& set) {
    bool repaired = false;
    if (static_cast<std::uint32_t>(set.GroupID) >= kProfileCount) {
        set.GroupID = 0;
        repaired = true;
    }
    for (int k = 0; k < kProfileCount; ++k) {
        if (RepairProfile(set.Profiles[k], k)) repaired = true;
    }
    return repaired;
}

bool ValidateProfiles(const ProfileSet& staging) {
    WorkingProfiles = staging;
    return RepairProfileSet(WorkingProfiles);
}

void ResetProfile(ProfileSet& set, int profileIndex) {
    if (profileIndex < 0 || profileIndex >= kProfileCount) return;
    ProfileRecord& record = set.Profiles[profileIndex];
    for (const FieldRule& rule : kFieldRules) record.*rule.field = rule.reset;
    for (int s = 0; s < kDpiStageCount; ++s) {
        record.DPIStageValue[s] = DpiStage{1, kDefaultStageCodes[s], kDefaultStageCodes[s], 1};
    }
    for (int b = 0; b < kButtonCount; ++b) {
        ButtonAssignment& button = record.Buttons[b];
        button.ButtonFunc = kDefaultButtonFuncs[b];
        button.KeyNumber = 0;
        std::fill(std::begin(button.KeyData), std::end(button.KeyData), 0);
        std::fill(std::begin(button.MacroName), std::end(button.MacroName), L'\0');
    }
}

bool HasOtherPrimaryButton(const ProfileRecord& profile, int button) {
    for (int b = 0; b < kButtonCount; ++b) {
        if (b != button && profile.Buttons[b].ButtonFunc == FUNC_LEFT_CLICK) return true;
    }
    return false;
}
