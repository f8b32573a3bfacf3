#include "profile/ProfileRules.h"

#include <algorithm>
#include <cstring>
#include <iterator>

namespace {
// DPI is a stage index, so 5 is repaired as well: it would name a sixth stage. LedMode1 and
// LedDirect1 get the values a profile holds before it is loaded. LedColor1 keeps every value but
// -1: any other is a colour.
const std::array<FieldRule, kFieldRuleCount> kFieldRules = {{
    // field                                  lowest  highest      repaired  reset
    {&ProfileRecord::PollingRate,            0,      8,           2,        2},
    {&ProfileRecord::DoubleClickSpeed,       0,      10,          5,        5},
    {&ProfileRecord::WheelScrollLines,       1,      63,          3,        3},
    {&ProfileRecord::UniversalScrollEnabled, 0,      1,           0,        0},
    {&ProfileRecord::MouseSensitivity,       1,      20,          10,       10},
    {&ProfileRecord::Acceleration,           1,      4,           1,        1},
    {&ProfileRecord::XYSensitivityEnabled,   0,      1,           0,        0},
    {&ProfileRecord::OFASensitivity,         0,      10,          10,       10},
    {&ProfileRecord::MouseSpeedX,            0,      10,          10,       10},
    {&ProfileRecord::MouseSpeedY,            0,      10,          10,       10},
    {&ProfileRecord::LedMode1,               0,      5,           0,        2},
    {&ProfileRecord::LedState1,              1,      44,          2,        2},
    {&ProfileRecord::BreathState1,           1,      10,          5,        5},
    {&ProfileRecord::FlashState1,            1,      10,          5,        5},
    {&ProfileRecord::LedDirect1,             0,      1,           0,        0},
    {&ProfileRecord::LedColor1,              0,      0xFFFFFFFE,  0x0000FF, 0x0000FF},
    {&ProfileRecord::ANGLE,                  0,      1,           0,        0},
    {&ProfileRecord::LIFT,                   1,      5,           3,        3},
    {&ProfileRecord::DPI,                    0,      4,           1,        2},
    {&ProfileRecord::DPICurrentX,            2,      80,          14,       14},
    {&ProfileRecord::DPICurrentY,            2,      80,          14,       14},
    {&ProfileRecord::DPIStageNum,            5,      5,           5,        5},
}};

bool Fails(const FieldRule& rule, std::int32_t value) {
    const auto unsignedValue = static_cast<std::uint32_t>(value);
    return unsignedValue < rule.lowest || unsignedValue > rule.highest;
}

bool Repair(ProfileRecord& record, const FieldRule& rule) {
    std::int32_t& value = record.*rule.field;
    if (!Fails(rule, value)) return false;
    value = rule.repaired;
    return true;
}

bool IsFlag(std::int32_t value) { return value == 0 || value == 1; }

bool IsStageCode(std::int32_t code) { return code >= kLowestStageCode && code <= kHighestStageCode; }

// A stage as the DPI page could have left it. A stage without an X code (the whole value
// missing, for one) takes part in the cycle with its default code.
void RepairStage(DpiStage& stage, std::int32_t defaultCode) {
    if (stage.X == 0) {
        stage.Enabled = 1;
        stage.X = stage.Y = defaultCode;
    }
    if (!IsStageCode(stage.X)) stage.X = defaultCode;
    if (!IsStageCode(stage.Y)) stage.Y = defaultCode;
    if (!IsFlag(stage.Enabled)) stage.Enabled = 0;
    if (!IsFlag(stage.Linked)) stage.Linked = 0;
    // One slider edits a linked stage, so X and Y cannot differ.
    if (stage.Linked == 1) stage.Y = stage.X;
}

// One stage always stays in the device's cycle, and the current stage is one of the cycle.
void RepairStageSet(ProfileRecord& record) {
    auto& stages = record.DPIStageValue;
    for (int s = 0; s < kDpiStageCount; ++s) RepairStage(stages[s], kDefaultStageCodes[s]);
    const auto enabled = [](const DpiStage& stage) { return stage.Enabled == 1; };
    if (std::none_of(stages.begin(), stages.end(), enabled)) stages[0].Enabled = 1;
    if (!enabled(stages[static_cast<std::size_t>(record.DPI)])) {
        record.DPI = static_cast<std::int32_t>(std::find_if(stages.begin(), stages.end(), enabled) - stages.begin());
    }
}

// Every code outside the menu's becomes the button's default; and a profile keeps a primary
// button, without which the user could not even click the tool to mend it.
void RepairButtons(ProfileRecord& record) {
    for (int b = 0; b < kButtonCount; ++b) {
        ButtonAssignment& button = record.Buttons[b];
        if (!IsStorableFunction(button.ButtonFunc)) button.ButtonFunc = kDefaultButtonFuncs[b];
    }
    if (!HasOtherPrimaryButton(record, -1)) record.Buttons[0].ButtonFunc = FUNC_LEFT_CLICK;
}

bool SameStagesAndButtons(const ProfileRecord& a, const ProfileRecord& b) {
    if (std::memcmp(&a.DPIStageValue, &b.DPIStageValue, sizeof a.DPIStageValue) != 0) return false;
    for (int k = 0; k < kButtonCount; ++k) {
        if (a.Buttons[k].ButtonFunc != b.Buttons[k].ButtonFunc) return false;
    }
    return a.DPI == b.DPI;
}
}  // namespace

const std::array<FieldRule, kFieldRuleCount>& ProfileFieldRules() { return kFieldRules; }

bool IsStorableFunction(std::uint8_t code) {
    const bool opensSubMenu = code == FUNC_BASIC_MENU || code == FUNC_ADVANCED_MENU || code == FUNC_MEDIA_MENU ||
                              code == FUNC_DPI_MENU || code == FUNC_RATE_MENU;
    return code >= FUNC_LEFT_CLICK && code <= FUNC_SCROLL_LAST && !opensSubMenu;
}

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
    const ProfileRecord before = record;
    bool repaired = false;
    if (record.Group == -1) {
        record.Group = profileIndex == 0 ? 1 : 0;
        repaired = true;
    }
    for (const FieldRule& rule : kFieldRules) {
        if (Repair(record, rule)) repaired = true;
    }
    RepairStageSet(record);
    RepairButtons(record);
    return repaired || !SameStagesAndButtons(before, record);
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
