#include "macro/MacroButtons.h"

#include "macro/MacroLibrary.h"

#include <algorithm>

void ResolveMacroButton(ButtonAssignment& button, const std::vector<std::wstring>& macroNames) {
    if (button.ButtonFunc != FUNC_MACRO) return;
    const std::wstring storedName = MacroNameText(button);
    if (storedName.empty() && macroNames.empty()) return;
    size_t slot = button.KeyNumber;
    if (!storedName.empty()) {
        slot = static_cast<size_t>(std::find(macroNames.begin(), macroNames.end(), storedName) - macroNames.begin());
    }
    if (slot >= macroNames.size()) {
        button.ButtonFunc = FUNC_DISABLED;
        return;
    }
    button.KeyNumber = static_cast<std::uint8_t>(slot);
    SetMacroNameText(button, macroNames[slot]);
}

void ResolveMacroButtons(ProfileSet& set) {
    const MacroLibrary library;
    if (!library.IsReadable()) return;
    const std::vector<std::wstring> macroNames = library.ReadMacroList();
    for (ProfileRecord& record : set.Profiles) {
        for (ButtonAssignment& button : record.Buttons) ResolveMacroButton(button, macroNames);
    }
}
