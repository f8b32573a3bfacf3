#include "functions/FunctionChoice.h"

#include "macro/MacroFile.h"
#include "profile/ProfileRules.h"
#include "functions/FunctionMenu.h"

#include <algorithm>
#include <cwchar>
#include <iterator>

namespace {
constexpr std::uint8_t kNoKey = 0xFF;
constexpr std::uint8_t kFirstMouseTarget = 0xF0;  // 0xF0 to 0xF2: left, right, middle button
constexpr int kKeyboardTarget = 3;
constexpr int kMinCombinationKeys = 2;
constexpr int kMaxCombinationKeys = 5;

bool IsSubMenuCode(int code) {
    return code == FUNC_BASIC_MENU || code == FUNC_ADVANCED_MENU || code == FUNC_MEDIA_MENU ||
           code == FUNC_DPI_MENU || code == FUNC_RATE_MENU;
}

void RestoreDefault(ButtonAssignment& record, int button) {
    record.ButtonFunc = kDefaultButtonFuncs[static_cast<size_t>(button)];
}

ChoiceStep ApplyMacroChoice(ButtonAssignment& record, int id, const std::vector<std::wstring>& macroNames) {
    if (id == kMacroEditorEntryId) return ChoiceStep::OpenMacroEditor;
    if (id < 0 || static_cast<size_t>(id) >= macroNames.size()) return ChoiceStep::Done;
    const std::wstring& name = macroNames[static_cast<size_t>(id)];
    record.ButtonFunc = FUNC_MACRO;
    record.KeyNumber = static_cast<std::uint8_t>(id);
    record.LoopNumber = StoredCount(ReadMacroLoopTime(name));
    // The label refresh finds a macro by its name first, so the name must be the new one.
    SetMacroNameText(record, name);
    return ChoiceStep::Done;
}
}  // namespace

MenuChoice DecodeMenuChoice(LPARAM pick) {
    const auto bits = static_cast<DWORD>(pick);
    return MenuChoice{static_cast<int>(HIWORD(bits)), static_cast<int>(LOWORD(bits))};
}

ChoiceStep ApplyFunctionChoice(ProfileRecord& profile, int button, MenuChoice choice,
                               const std::vector<std::wstring>& macroNames) {
    if (button < 0 || button >= kButtonCount) return ChoiceStep::Done;
    if (!HasOtherPrimaryButton(profile, button)) {
        return choice.code == FUNC_LEFT_CLICK ? ChoiceStep::Done : ChoiceStep::RefusedPrimary;
    }
    ButtonAssignment& record = profile.Buttons[static_cast<size_t>(button)];
    switch (choice.code) {
    case FUNC_FIRE_KEY: return ChoiceStep::AskFireKey;
    case FUNC_SINGLE_KEY: return ChoiceStep::AskSingleKey;
    case FUNC_KEY_COMBINATION: return ChoiceStep::AskKeyCombination;
    case FUNC_MACRO: return ApplyMacroChoice(record, choice.id, macroNames);
    default: break;
    }
    record.ButtonFunc = static_cast<std::uint8_t>(IsSubMenuCode(choice.code) ? choice.id : choice.code);
    return ChoiceStep::Done;
}

std::uint8_t StoredCount(int count) { return static_cast<std::uint8_t>(std::clamp(count, 0, 255)); }

void StoreSingleKey(ButtonAssignment& record, int button, std::uint8_t hid) {
    if (hid == kNoKey) {
        RestoreDefault(record, button);
        return;
    }
    record.ButtonFunc = FUNC_SINGLE_KEY;
    record.KeyData[0] = hid;
}

void StoreKeyCombination(ButtonAssignment& record, int button, int keyCount, std::uint8_t singleKeyHid,
                         const std::uint8_t (&keyData)[kKeyDataBytes]) {
    if (keyCount == 1) {
        if (singleKeyHid != kNoKey) StoreSingleKey(record, button, singleKeyHid);
        return;
    }
    if (keyCount < kMinCombinationKeys || keyCount > kMaxCombinationKeys) {
        RestoreDefault(record, button);
        return;
    }
    record.ButtonFunc = FUNC_KEY_COMBINATION;
    record.ButtonID = 1;
    record.KeyNumber = static_cast<std::uint8_t>(2 * keyCount);
    std::copy(std::begin(keyData), std::end(keyData), std::begin(record.KeyData));
}

FireKeySeed FireKeySeedOf(const ButtonAssignment& record) {
    const std::uint8_t key = record.KeyData[0];
    if (key == 0) return FireKeySeed{0, kNoKey, 3, 0};
    const int target = key >= kFirstMouseTarget && key < kFirstMouseTarget + kKeyboardTarget
                           ? key - kFirstMouseTarget
                           : kKeyboardTarget;
    const std::wstring speed = MacroNameText(record);
    return FireKeySeed{target, key, record.LoopNumber, static_cast<int>(std::wcstol(speed.c_str(), nullptr, 10))};
}

void StoreFireKey(ButtonAssignment& record, int button, std::uint8_t key, int count, int speed) {
    if (key == kNoKey) {
        RestoreDefault(record, button);
        return;
    }
    record.ButtonFunc = FUNC_FIRE_KEY;
    record.KeyData[0] = key;
    record.LoopNumber = StoredCount(count);
    SetMacroNameText(record, std::to_wstring(speed));
}
