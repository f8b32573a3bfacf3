#include "functions/ButtonCaption.h"

#include "keys/KeyTables.h"
#include "text/LocalisedText.h"


namespace {
constexpr int kVkLeftShift = 160;
constexpr int kVkLeftCtrl = 162;
constexpr int kVkLeftWindows = 91;
constexpr int kVkLeftAlt = 164;

std::wstring SingleKeyCaption(const ButtonAssignment& button) {
    int vk = 0;
    if (!UsageKey(button.KeyData[0], vk)) return L"key";
    return VkShortName(vk);
}

// The keys of a combination in the fixed order left Shift, left Ctrl, left Windows, left Alt,
// main key, whatever order the key data holds them in.
std::wstring CombinationCaption(const ButtonAssignment& button) {
    if (button.KeyNumber < 4) return SingleKeyCaption(button);
    constexpr int kModifiers[] = {kVkLeftShift, kVkLeftCtrl, kVkLeftWindows, kVkLeftAlt};
    bool noted[4] = {false, false, false, false};
    int mainVk = 0;
    for (int slot = 0; slot < 5; ++slot) {
        int hid = button.KeyData[slot * 3];
        int vk = 0;
        if (hid == 0 || !UsageKey(hid, vk)) continue;
        bool modifier = false;
        for (int m = 0; m < 4; ++m) {
            if (vk == kModifiers[m]) noted[m] = modifier = true;
        }
        if (!modifier) mainVk = vk;
    }
    std::wstring caption;
    auto append = [&caption](int vk) {
        if (!caption.empty()) caption += L" + ";
        caption += KeyName(vk);
    };
    for (int m = 0; m < 4; ++m) {
        if (noted[m]) append(kModifiers[m]);
    }
    if (mainVk) append(mainVk);
    return caption;
}

}  // namespace

std::wstring ButtonCaption(const ButtonAssignment& button) {
    int code = button.ButtonFunc;
    switch (code) {
    case FUNC_SINGLE_KEY: return SingleKeyCaption(button);
    case FUNC_KEY_COMBINATION: return CombinationCaption(button);
    case FUNC_MACRO: return MacroNameText(button);
    default: break;
    }
    bool named = (code >= FUNC_LEFT_CLICK && code <= FUNC_BACK) || code == FUNC_FIRE_KEY ||
                 code == FUNC_SWITCH_PROFILE || (code >= FUNC_DISABLED && code <= FUNC_SCROLL_LAST);
    return named ? GetFunctionName(code) : L"";
}
