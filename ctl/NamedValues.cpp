#include "ctl/NamedValues.h"

#include "functions/FunctionMenu.h"
#include "profile/ProfileSet.h"
#include "text/LocalisedText.h"
#include "ui/main/SettingsValues.h"

#include <cwchar>

namespace {
constexpr std::uint8_t kFirstFireButton = 0xF0;

template <typename Ids, typename Values>
NamedValues FromUiStrings(const Ids& ids, const Values& values) {
    std::vector<std::pair<std::wstring, int>> entries;
    for (size_t i = 0; i < ids.size() && i < values.size(); ++i) {
        entries.emplace_back(LoadUiString(ids[i]), values[i]);
    }
    return NamedValues(std::move(entries));
}

int MenuPick(int code, int id) { return (code << 16) | (id & 0xFFFF); }

bool OpensDialog(int code) {
    return code == FUNC_SINGLE_KEY || code == FUNC_KEY_COMBINATION || code == FUNC_MACRO || code == FUNC_FIRE_KEY;
}
}  // namespace

NamedValues NamedValues::LightingModes() {
    // The Running button's caption is not among the localised texts.
    NamedValues modes = FromUiStrings(TextId::kLightingModeButtons, std::vector<int>{0, 1, 2, 3, 4});
    modes.entries.emplace_back(L"Running", SettingsValues::kLedModeRunning);
    return modes;
}

NamedValues NamedValues::Brightness() {
    return FromUiStrings(TextId::kBrightnessChoices, std::vector<int>{1, 2, 3});
}

NamedValues NamedValues::BreathingSpeeds() {
    return FromUiStrings(TextId::kBreathingSpeedChoices, SettingsValues::kSpeedCodes);
}

NamedValues NamedValues::FlashingSpeeds() {
    return FromUiStrings(TextId::kFlashingSpeedChoices, SettingsValues::kSpeedCodes);
}

NamedValues NamedValues::Directions() {
    return FromUiStrings(TextId::kDirectionChoices, std::vector<int>{0, 1});
}

NamedValues NamedValues::FireButtons() {
    return FromUiStrings(std::vector<TextId::FireKey>{TextId::FireKey::LeftButton, TextId::FireKey::RightButton,
                                                     TextId::FireKey::MiddleButton},
                         std::vector<int>{kFirstFireButton, kFirstFireButton + 1, kFirstFireButton + 2});
}

NamedValues NamedValues::MenuFunctions() {
    std::vector<std::pair<std::wstring, int>> entries;
    for (const FunctionMenuItem& item : BuildFunctionMenu({})) {
        if (OpensDialog(item.id)) continue;
        if (item.subItems.empty()) entries.emplace_back(item.text, MenuPick(item.id, 0));
        for (const FunctionMenuItem& sub : item.subItems) entries.emplace_back(sub.text, MenuPick(item.id, sub.id));
    }
    return NamedValues(std::move(entries));
}

bool NamedValues::Find(const std::wstring& name, int& value) const {
    for (const auto& entry : entries) {
        if (!entry.first.empty() && _wcsicmp(entry.first.c_str(), name.c_str()) == 0) {
            value = entry.second;
            return true;
        }
    }
    return false;
}

std::wstring NamedValues::NameOf(int value) const {
    for (const auto& entry : entries) {
        if (entry.second == value) return entry.first;
    }
    return L"";
}

std::wstring NamedValues::Accepted() const {
    std::wstring text;
    for (size_t i = 0; i < entries.size(); ++i) {
        if (i > 0) text += i + 1 == entries.size() ? L" or " : L", ";
        text += L"\"" + entries[i].first + L"\"";
    }
    return text;
}
