#include "ctl/ProfileReport.h"

#include "ctl/CtlRequest.h"
#include "ctl/NamedValues.h"
#include "functions/ButtonCaption.h"
#include "functions/FunctionChoice.h"
#include "keys/KeyTables.h"
#include "macro/MacroFile.h"
#include "text/LocalisedText.h"
#include "ui/main/SettingsValues.h"

#include <cstdio>

namespace {
using namespace SettingsValues;

std::wstring Quoted(const std::wstring& text) {
    std::wstring quoted = L"\"";
    for (wchar_t c : text) {
        if (c == L'"' || c == L'\\') {
            quoted += L'\\';
            quoted += c;
        } else if (c < 0x20) {
            wchar_t escape[8];
            std::swprintf(escape, 8, L"\\u%04x", static_cast<unsigned>(c));
            quoted += escape;
        } else {
            quoted += c;
        }
    }
    return quoted + L"\"";
}

std::wstring Bool(bool value) { return value ? L"true" : L"false"; }
std::wstring Number(int value) { return std::to_wstring(value); }

std::wstring ColourText(int colour) {
    wchar_t text[8];
    std::swprintf(text, 8, L"%02X%02X%02X", colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
    return text;
}

int PollingHertzShown(const ProfileRecord& record) {
    return PollingHertz(kPollingCodes[static_cast<size_t>(PollingButtonForCode(record.PollingRate))]);
}

// The names of the lighting page's choices for a profile, as its buttons show them.
struct LightingNames {
    std::wstring mode, brightness, speed, direction;
};

LightingNames LightingOf(const ProfileRecord& record) {
    const LedModeGroups groups = GroupsForLedMode(record.LedMode1);
    LightingNames names;
    names.mode = NamedValues::LightingModes().NameOf(record.LedMode1);
    names.brightness = NamedValues::Brightness().NameOf(LedStateButtonForValue(record.LedState1) + 1);
    const auto speedCode = [](int value) { return kSpeedCodes[static_cast<size_t>(SpeedButtonForValue(value))]; };
    if (groups.breathing) names.speed = NamedValues::BreathingSpeeds().NameOf(speedCode(record.BreathState1));
    if (groups.flashing) {
        names.speed = NamedValues::FlashingSpeeds().NameOf(speedCode(record.FlashState1));
        names.direction = NamedValues::Directions().NameOf(DirectionButtonForValue(record.LedDirect1));
    }
    return names;
}

std::wstring FireKeyName(const ButtonAssignment& button) {
    const FireKeySeed seed = FireKeySeedOf(button);
    if (seed.key == 0xFF) return L"";
    const std::wstring mouseButton = NamedValues::FireButtons().NameOf(seed.key);
    return mouseButton.empty() ? HidUsageName(seed.key) : mouseButton;
}
}  // namespace

std::wstring ProfileReport::StageText(const DpiStage& stage) const {
    std::wstring text = Number(DpiNumber(stage.X));
    if (stage.Y != stage.X) text += L"x" + Number(DpiNumber(stage.Y));
    return stage.Enabled ? text : L"(" + text + L" off)";
}

std::wstring ProfileReport::StagesJson(const ProfileRecord& record) const {
    std::wstring text = L"[";
    for (int s = 0; s < kDpiStageCount; ++s) {
        const DpiStage& stage = record.DPIStageValue[static_cast<size_t>(s)];
        if (s > 0) text += L", ";
        text += L"{\"stage\": " + Number(s + 1) + L", \"x\": " + Number(DpiNumber(stage.X)) + L", \"y\": " +
                Number(DpiNumber(stage.Y)) + L", \"linked\": " + Bool(stage.Linked != 0) + L", \"enabled\": " +
                Bool(stage.Enabled != 0) + L"}";
    }
    return text + L"]";
}

std::wstring ProfileReport::List() const {
    std::wstring text;
    if (json) text = L"{\"active\": " + Number(profiles.GroupID + 1) + L", \"profiles\": [";
    for (int k = 0; k < kProfileCount; ++k) {
        const ProfileRecord& record = profiles.Profiles[static_cast<size_t>(k)];
        const bool active = k == profiles.GroupID;
        if (json) {
            if (k > 0) text += L", ";
            text += L"{\"profile\": " + Number(k + 1) + L", \"active\": " + Bool(active) + L", \"polling\": " +
                    Number(PollingHertzShown(record)) + L", \"stages\": " + StagesJson(record) + L"}";
            continue;
        }
        text += (active ? L"* " : L"  ") + Number(k + 1) + L"  DPI";
        for (const DpiStage& stage : record.DPIStageValue) text += L" " + StageText(stage);
        text += L"  polling " + Number(PollingHertzShown(record)) + L" Hz\n";
    }
    return json ? text + L"]}\n" : text;
}

std::wstring ProfileReport::ButtonsText(const ProfileRecord& record) const {
    std::wstring text;
    for (int b = 0; b < kButtonCount; ++b) {
        ButtonAssignment button = record.Buttons[static_cast<size_t>(b)];
        text += L"  button " + Number(b + 1) + L": " + ButtonCaption(button);
        if (button.ButtonFunc == FUNC_FIRE_KEY && !FireKeyName(button).empty()) {
            const FireKeySeed seed = FireKeySeedOf(button);
            text += L", " + FireKeyName(button) + L", count " + Number(seed.count) + L", speed " + Number(seed.speed);
        }
        text += L"\n";
    }
    return text;
}

std::wstring ProfileReport::ButtonsJson(const ProfileRecord& record) const {
    std::wstring text = L"[";
    for (int b = 0; b < kButtonCount; ++b) {
        ButtonAssignment button = record.Buttons[static_cast<size_t>(b)];
        const std::wstring caption = ButtonCaption(button);
        if (b > 0) text += L", ";
        text += L"{\"button\": " + Number(b + 1) + L", \"code\": " + Number(button.ButtonFunc) + L", \"function\": " +
                Quoted(caption);
        if (button.ButtonFunc == FUNC_MACRO) text += L", \"macro\": " + Quoted(caption);
        if (button.ButtonFunc == FUNC_FIRE_KEY && !FireKeyName(button).empty()) {
            const FireKeySeed seed = FireKeySeedOf(button);
            text += L", \"fire\": {\"key\": " + Quoted(FireKeyName(button)) + L", \"count\": " + Number(seed.count) +
                    L", \"speed\": " + Number(seed.speed) + L"}";
        }
        text += L"}";
    }
    return text + L"]";
}

std::wstring ProfileReport::Show(int profileIndex) const {
    const ProfileRecord& record = profiles.Profiles[static_cast<size_t>(profileIndex)];
    const bool active = profileIndex == profiles.GroupID;
    const LightingNames lighting = LightingOf(record);
    if (json) {
        return L"{\"profile\": " + Number(profileIndex + 1) + L", \"active\": " + Bool(active) + L", \"buttons\": " +
               ButtonsJson(record) + L", \"stages\": " + StagesJson(record) + L", \"current_stage\": " +
               Number(StageNumber(record.DPI)) + L", \"polling\": " + Number(PollingHertzShown(record)) +
               L", \"acceleration\": " + Number(record.Acceleration) + L", \"sensitivity\": " +
               Number(record.MouseSensitivity) + L", \"scroll_lines\": " + Number(record.WheelScrollLines) +
               L", \"double_click\": " + Number(record.DoubleClickSpeed) + L", \"lighting\": {\"mode\": " +
               Quoted(lighting.mode) + L", \"colour\": " + Quoted(ColourText(record.LedColor1)) +
               L", \"brightness\": " + Quoted(lighting.brightness) + L", \"speed\": " + Quoted(lighting.speed) +
               L", \"direction\": " + Quoted(lighting.direction) + L"}}\n";
    }
    std::wstring text = L"Profile " + Number(profileIndex + 1) + (active ? L" (active)\n" : L"\n");
    text += L"Buttons:\n" + ButtonsText(record);
    text += L"DPI stages (current " + Number(StageNumber(record.DPI)) + L"):\n";
    for (int s = 0; s < kDpiStageCount; ++s) {
        const DpiStage& stage = record.DPIStageValue[static_cast<size_t>(s)];
        text += L"  stage " + Number(s + 1) + L": X " + Number(DpiNumber(stage.X)) + L", Y " +
                Number(DpiNumber(stage.Y)) + (stage.Linked ? L", linked" : L", not linked") +
                (stage.Enabled ? L", on\n" : L", off\n");
    }
    text += L"Polling rate: " + Number(PollingHertzShown(record)) + L" Hz\n";
    const std::int32_t pointer[] = {record.Acceleration, record.MouseSensitivity, record.WheelScrollLines,
                                    record.DoubleClickSpeed};
    for (size_t i = 0; i < TextId::kPointerSliderLabels.size(); ++i) {
        text += LoadUiString(TextId::kPointerSliderLabels[i]) + L": " + Number(pointer[i]) + L"\n";
    }
    text += L"Lighting: " + lighting.mode + L", colour " + ColourText(record.LedColor1) + L", brightness " +
            lighting.brightness;
    if (!lighting.speed.empty()) text += L", speed " + lighting.speed;
    if (!lighting.direction.empty()) text += L", direction " + lighting.direction;
    return text + L"\n";
}

std::wstring ProfileReport::Macros() const {
    std::wstring text = json ? L"{\"macros\": [" : L"";
    for (size_t slot = 0; slot < macroNames.size(); ++slot) {
        const std::wstring& name = macroNames[slot];
        const MacroSettings macro = ReadMacroFile(name);
        const int count = LoopCountValue(macro.loopCountText);
        const wchar_t* loop = macro.loopType == 0 ? L"count" : macro.loopType == 1 ? L"held" : L"none";
        if (json) {
            if (slot > 0) text += L", ";
            text += L"{\"slot\": " + Number(static_cast<int>(slot)) + L", \"name\": " + Quoted(name) +
                    L", \"events\": " + Number(macro.eventCount) + L", \"loop\": " + Quoted(loop) +
                    L", \"count\": " + Number(count) + L"}";
            continue;
        }
        text += Number(static_cast<int>(slot)) + L"  " + name + L"  " + Number(macro.eventCount) + L" events, ";
        if (macro.loopType == 0) {
            text += L"repeat count " + Number(count) + L"\n";
        } else {
            text += macro.loopType == 1 ? L"repeat while held\n" : L"no repeat\n";
        }
    }
    if (json) return text + L"]}\n";
    return text.empty() ? L"no macros\n" : text;
}
