// Profiles for the profile tests: distinctive valid records and a comparison that names the
// first field that differs.
#pragma once
#include "profile/ProfileRules.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <cwchar>
#include <iterator>
#include <string>

// A valid profile in which every field differs from the factory values and between profiles.
inline ProfileRecord SampleRecord(int profileIndex) {
    ProfileRecord record{};
    const std::int32_t k = profileIndex;
    record.Group = 20 + k;
    record.PollingRate = 8 >> (k % 4);
    record.DoubleClickSpeed = 1 + k;
    record.WheelScrollLines = 60 - k;
    record.UniversalScrollEnabled = 1;
    record.MouseSensitivity = 15 + k;
    record.Acceleration = 1 + k % 4;
    record.XYSensitivityEnabled = 1;
    record.OFASensitivity = k;
    record.MouseSpeedX = 9 - k;
    record.MouseSpeedY = 3 + k;
    record.LedMode1 = k;
    record.LedState1 = 40 + k;
    record.BreathState1 = 8 - k;
    record.FlashState1 = 1 + k;
    record.LedDirect1 = k % 2;
    record.LedColor1 = 0x123456 + k;
    record.ANGLE = 1;
    record.LIFT = 5 - k;
    record.DPI = k % 2 == 0 ? 1 : 3;  // an enabled stage
    record.DPICurrentX = 30 + k;
    record.DPICurrentY = 70 - k;
    record.DPIStageNum = 5;
    for (int s = 0; s < kDpiStageCount; ++s) {
        const std::int32_t linked = (s + k) % 2;
        const std::int32_t x = 10 * s + k + 2;
        record.DPIStageValue[s] = DpiStage{s % 2, x, linked ? x : x + 1, linked};
    }
    for (int b = 0; b < kButtonCount; ++b) {
        ButtonAssignment& button = record.Buttons[b];
        button.ButtonID = static_cast<std::uint8_t>(b + 1);
        button.ButtonFunc = static_cast<std::uint8_t>(b == 0 ? FUNC_LEFT_CLICK : 17 + (8 * k + b) % 39);  // 17 to 55
        button.LoopNumber = static_cast<std::uint8_t>(200 + b + k);
        button.KeyNumber = static_cast<std::uint8_t>(2 * b + k);
        for (std::size_t i = 0; i < kKeyDataBytes; ++i) button.KeyData[i] = static_cast<std::uint8_t>(i * 7 + b + k);
        const std::wstring name = L"Macro " + std::to_wstring(k) + L"." + std::to_wstring(b);
        std::wmemcpy(button.MacroName, name.c_str(), name.size());
    }
    return record;
}

inline ProfileSet SampleSet() {
    ProfileSet set{};
    set.GroupID = 3;
    for (int k = 0; k < kProfileCount; ++k) set.Profiles[k] = SampleRecord(k);
    return set;
}

// Every stage enabled, with its default code for X and Y.
inline void ExpectDefaultStages(const ProfileRecord& record, std::int32_t linked, const char* where = "") {
    for (int s = 0; s < kDpiStageCount; ++s) {
        const DpiStage& stage = record.DPIStageValue[s];
        EXPECT_EQ(1, stage.Enabled) << where << " stage " << s;
        EXPECT_EQ(kDefaultStageCodes[s], stage.X) << where << " stage " << s;
        EXPECT_EQ(kDefaultStageCodes[s], stage.Y) << where << " stage " << s;
        EXPECT_EQ(linked, stage.Linked) << where << " stage " << s;
    }
}

// Every button with its default function, the given bytes, and no key data or macro name.
inline void ExpectDefaultButtons(const ProfileRecord& record, std::uint8_t id, std::uint8_t loop,
                                 std::uint8_t keyNumber) {
    for (int b = 0; b < kButtonCount; ++b) {
        const ButtonAssignment& button = record.Buttons[b];
        EXPECT_EQ(kDefaultButtonFuncs[b], button.ButtonFunc) << "button " << b;
        EXPECT_EQ(id, button.ButtonID) << "button " << b;
        EXPECT_EQ(loop, button.LoopNumber) << "button " << b;
        EXPECT_EQ(keyNumber, button.KeyNumber) << "button " << b;
        EXPECT_EQ(kKeyDataBytes, std::size_t(std::count(std::begin(button.KeyData), std::end(button.KeyData), 0)));
        EXPECT_EQ(kMacroNameChars + 1,
                  std::size_t(std::count(std::begin(button.MacroName), std::end(button.MacroName), L'\0')));
    }
}

inline ::testing::AssertionResult SameRecord(const ProfileRecord& expected, const ProfileRecord& actual) {
    // The integer fields and the stages are one block without padding.
    const std::int32_t* expectedFields = &expected.Group;
    const std::int32_t* actualFields = &actual.Group;
    for (std::size_t i = 0; i < offsetof(ProfileRecord, Buttons) / sizeof(std::int32_t); ++i) {
        if (expectedFields[i] != actualFields[i]) {
            return ::testing::AssertionFailure() << "int32 number " << i << " of the record: expected "
                                                 << expectedFields[i] << ", got " << actualFields[i];
        }
    }
    for (int b = 0; b < kButtonCount; ++b) {
        const ButtonAssignment& x = expected.Buttons[b];
        const ButtonAssignment& y = actual.Buttons[b];
        const char* field = nullptr;
        if (x.ButtonID != y.ButtonID) field = "ButtonID";
        if (x.ButtonFunc != y.ButtonFunc) field = "ButtonFunc";
        if (x.LoopNumber != y.LoopNumber) field = "LoopNumber";
        if (x.KeyNumber != y.KeyNumber) field = "KeyNumber";
        if (std::memcmp(x.KeyData, y.KeyData, kKeyDataBytes) != 0) field = "KeyData";
        if (std::wmemcmp(x.MacroName, y.MacroName, kMacroNameChars + 1) != 0) field = "MacroName";
        if (field) return ::testing::AssertionFailure() << field << " of button " << b << " differs";
    }
    return ::testing::AssertionSuccess();
}
