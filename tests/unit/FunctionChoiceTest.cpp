#include "functions/FunctionChoice.h"

#include "MacroTestData.h"
#include "macro/MacroFile.h"
#include "profile/ProfileRules.h"
#include "functions/FunctionMenu.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>

namespace {
// Buttons on their default functions: only record 0 on code 1.
ProfileRecord DefaultProfile() {
    ProfileRecord profile{};
    for (int b = 0; b < kButtonCount; ++b) profile.Buttons[b].ButtonFunc = kDefaultButtonFuncs[b];
    return profile;
}

LPARAM Pick(int code, int id) { return static_cast<LPARAM>((static_cast<DWORD>(code) << 16) | static_cast<DWORD>(id)); }

TEST(FunctionChoice, DecodesThePick) {
    const MenuChoice choice = DecodeMenuChoice(Pick(11, 0xFFFF));
    EXPECT_EQ(11, choice.code);
    EXPECT_EQ(0xFFFF, choice.id);
}

TEST(FunctionChoice, StepsAndStoredCodes) {
    struct Case {
        int button;
        MenuChoice choice;
        ChoiceStep step;
        int storedCode;
    };
    const Case cases[] = {
        // Only record 0 holds code 1: it keeps it.
        {0, {2, 0}, ChoiceStep::RefusedPrimary, 1},
        {0, {8, 17}, ChoiceStep::RefusedPrimary, 1},
        {0, {6, 0}, ChoiceStep::RefusedPrimary, 1},
        {0, {1, 0}, ChoiceStep::Done, 1},
        {1, {1, 0}, ChoiceStep::Done, 1},
        // Sub-menus store the sub-item, every other code itself.
        {1, {8, 17}, ChoiceStep::Done, 17},
        {1, {9, 38}, ChoiceStep::Done, 38},
        {1, {10, 39}, ChoiceStep::Done, 39},
        {1, {13, 49}, ChoiceStep::Done, 49},
        {1, {15, 55}, ChoiceStep::Done, 55},
        {1, {3, 0}, ChoiceStep::Done, 3},
        {1, {4, 0}, ChoiceStep::Done, 4},
        {1, {5, 0}, ChoiceStep::Done, 5},
        {1, {14, 0}, ChoiceStep::Done, 14},
        {1, {16, 0}, ChoiceStep::Done, 16},
        {1, {52, 0}, ChoiceStep::Done, 52},
        {1, {53, 0}, ChoiceStep::Done, 53},
        {1, {54, 0}, ChoiceStep::Done, 54},
        // The dialogs and the editor leave the record to their results.
        {1, {6, 0}, ChoiceStep::AskSingleKey, 2},
        {1, {7, 0}, ChoiceStep::AskKeyCombination, 2},
        {1, {12, 0}, ChoiceStep::AskFireKey, 2},
        {1, {11, kMacroEditorEntryId}, ChoiceStep::OpenMacroEditor, 2},
        {1, {11, 5}, ChoiceStep::Done, 2},  // no macro in slot 5
    };
    for (const Case& c : cases) {
        ProfileRecord profile = DefaultProfile();
        EXPECT_EQ(c.step, ApplyFunctionChoice(profile, c.button, c.choice, {})) << c.choice.code << " " << c.choice.id;
        EXPECT_EQ(c.storedCode, profile.Buttons[c.button].ButtonFunc) << c.choice.code << " " << c.choice.id;
    }
    for (int button : {-1, 8}) {
        ProfileRecord profile = DefaultProfile();
        EXPECT_EQ(ChoiceStep::Done, ApplyFunctionChoice(profile, button, {2, 0}, {}));
        for (int b = 0; b < kButtonCount; ++b) EXPECT_EQ(kDefaultButtonFuncs[b], profile.Buttons[b].ButtonFunc) << b;
    }
}

TEST(FunctionChoice, MacroPickTakesSlotNameAndLoopCountOfItsFile) {
    MacroDataFolder folder;
    std::vector<std::wstring> library;
    for (int slot = 0; slot < 12; ++slot) library.push_back(L"M" + std::to_wstring(slot));
    MacroSettings settings;
    settings.loopCountText = L"7";
    SaveMacroFile(MacroFilePath(L"M11"), settings);
    settings.loopCountText = L"999";
    SaveMacroFile(MacroFilePath(L"M3"), settings);

    struct Case {
        int slot;
        int loopNumber;
    };
    for (const Case& c : {Case{11, 7}, Case{3, 255}, Case{0, 1}}) {
        ProfileRecord profile = DefaultProfile();
        SetMacroNameText(profile.Buttons[4], L"older macro");
        EXPECT_EQ(ChoiceStep::Done, ApplyFunctionChoice(profile, 4, {11, c.slot}, library));
        const ButtonAssignment& record = profile.Buttons[4];
        EXPECT_EQ(11, record.ButtonFunc) << c.slot;
        EXPECT_EQ(c.slot, record.KeyNumber);
        EXPECT_EQ(c.loopNumber, record.LoopNumber) << c.slot;
        EXPECT_EQ(library[c.slot], MacroNameText(record));
    }
}

TEST(FunctionChoice, KeyDialogResults) {
    ButtonAssignment record{};
    record.ButtonFunc = 2;
    StoreSingleKey(record, 1, 0x04);
    EXPECT_EQ(6, record.ButtonFunc);
    EXPECT_EQ(0x04, record.KeyData[0]);
    StoreSingleKey(record, 5, 0xFF);
    EXPECT_EQ(48, record.ButtonFunc) << "no key: the default of record 5";

    std::uint8_t keys[kKeyDataBytes] = {0xE0, 5, 0x80, 0x06, 5, 0x80, 0x06, 5, 0, 0xE0, 5, 0};
    ButtonAssignment combination{};
    combination.ButtonID = 3;
    StoreKeyCombination(combination, 2, 2, 0, keys);
    EXPECT_EQ(7, combination.ButtonFunc);
    EXPECT_EQ(1, combination.ButtonID);
    EXPECT_EQ(4, combination.KeyNumber);
    EXPECT_TRUE(std::equal(std::begin(keys), std::end(keys), std::begin(combination.KeyData)));

    struct Case {
        int keyCount;
        std::uint8_t singleKeyHid;
        int storedCode;
        int firstKeyByte;
    };
    const Case cases[] = {{1, 0x05, 6, 0x05}, {1, 0xFF, 2, 0x00}, {0, 0x05, 3, 0x00}, {6, 0x05, 3, 0x00}};
    for (const Case& c : cases) {
        ButtonAssignment one{};
        one.ButtonFunc = 2;
        StoreKeyCombination(one, 2, c.keyCount, c.singleKeyHid, keys);
        EXPECT_EQ(c.storedCode, one.ButtonFunc) << c.keyCount;
        EXPECT_EQ(c.firstKeyByte, one.KeyData[0]) << c.keyCount;
    }
}

TEST(FunctionChoice, RapidFireSeedsAndResults) {
    struct SeedCase {
        int firstKeyByte;
        int loopNumber;
        const wchar_t* macroName;
        FireKeySeed seed;
    };
    const SeedCase seeds[] = {
        {0x00, 9, L"40", {0, 0xFF, 3, 0}},  // nothing set yet
        {0xF0, 9, L"40", {0, 0xF0, 9, 40}},
        {0xF1, 9, L"40", {1, 0xF1, 9, 40}},
        {0xF2, 255, L"", {2, 0xF2, 255, 0}},
        {0x06, 5, L"30", {3, 0x06, 5, 30}},
        {0x06, 5, L"junk", {3, 0x06, 5, 0}},
    };
    for (const SeedCase& c : seeds) {
        ButtonAssignment record{};
        record.KeyData[0] = static_cast<std::uint8_t>(c.firstKeyByte);
        record.LoopNumber = static_cast<std::uint8_t>(c.loopNumber);
        SetMacroNameText(record, c.macroName);
        const FireKeySeed seed = FireKeySeedOf(record);
        EXPECT_EQ(c.seed.target, seed.target) << c.firstKeyByte;
        EXPECT_EQ(c.seed.key, seed.key) << c.firstKeyByte;
        EXPECT_EQ(c.seed.count, seed.count) << c.firstKeyByte;
        EXPECT_EQ(c.seed.speed, seed.speed) << c.firstKeyByte;
    }

    struct StoreCase {
        int count;
        int storedCount;
    };
    // The count is one byte: above 255 it is stored as 255, not cut to its low byte.
    for (const StoreCase& c : {StoreCase{5, 5}, StoreCase{255, 255}, StoreCase{256, 255}, StoreCase{999, 255}}) {
        ButtonAssignment record{};
        StoreFireKey(record, 0, 0x06, c.count, 30);
        EXPECT_EQ(12, record.ButtonFunc);
        EXPECT_EQ(0x06, record.KeyData[0]);
        EXPECT_EQ(c.storedCount, record.LoopNumber) << c.count;
        EXPECT_EQ(L"30", MacroNameText(record));
        EXPECT_EQ(c.storedCount, FireKeySeedOf(record).count) << "shown again";
    }
    ButtonAssignment none{};
    none.ButtonFunc = 2;
    StoreFireKey(none, 7, 0xFF, 5, 30);
    EXPECT_EQ(12, none.ButtonFunc) << "record 7's default";
    StoreFireKey(none, 1, 0xFF, 5, 30);
    EXPECT_EQ(2, none.ButtonFunc);
}
}  // namespace
