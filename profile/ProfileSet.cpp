#include "profile/ProfileSet.h"

#include <algorithm>
#include <cwchar>

ProfileSet WorkingProfiles;

std::wstring MacroNameText(const ButtonAssignment& button) {
    return std::wstring(button.MacroName, wcsnlen(button.MacroName, kMacroNameChars + 1));
}

void SetMacroNameText(ButtonAssignment& button, const std::wstring& text) {
    const std::size_t length = std::min(text.size(), kMacroNameChars);
    std::wmemset(button.MacroName, L'\0', kMacroNameChars + 1);
    std::wmemcpy(button.MacroName, text.data(), length);
}
