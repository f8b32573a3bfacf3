#include "ui/main/ButtonPage.h"

#include "macro/MacroButtons.h"
#include "macro/MacroLibrary.h"
#include "profile/ProfileRules.h"
#include "skin/SkinImages.h"
#include "text/LocalisedText.h"
#include "ui/dialogs/CFireKey.h"
#include "ui/dialogs/CMacroDlg.h"
#include "ui/dialogs/CSingleKey.h"
#include "ui/dialogs/CWarningDlg.h"
#include "functions/ButtonCaption.h"
#include "functions/FunctionMenu.h"

#include <algorithm>
#include <iterator>

namespace {
using TextId::SingleKey;

std::wstring MenuImage(const wchar_t* name) { return SkinFolderPath(SkinFolder::Background) + name; }

template <size_t N>
void CopyKeyData(std::uint8_t (&to)[N], const std::uint8_t (&from)[N]) {
    std::copy(std::begin(from), std::end(from), std::begin(to));
}
}  // namespace

void ButtonPage::OpenFunctionMenu(int button) {
    CloseFunctionMenu();
    const auto row = std::find(kRowRecords.begin(), kRowRecords.end(), button);
    if (row == kRowRecords.end()) return;
    const RECT at = layout.functionButtons[static_cast<size_t>(row - kRowRecords.begin())].GetWindowRect();
    auto menu = std::make_unique<CBmpMenu>();
    menu->SetItemImages(MenuImage(L"menuitem-n.png"), MenuImage(L"menuitem-d.png"), MenuImage(L"menuitem-d2.png"),
                        MenuImage(L"menuitem-n2.png"));
    menu->SetSubMenuImages(MenuImage(L"menuitem-n.png"), MenuImage(L"menuitem-d.png"), MenuImage(L"menuitem-d.png"),
                           MenuImage(L"menuitem-n.png"));
    menu->menuX = at.left;
    menu->menuY = at.top;
    const std::vector<FunctionMenuItem> items = BuildFunctionMenu(MacroLibrary().ReadMacroList());
    for (size_t i = 0; i < items.size(); ++i) {
        menu->AddItem(items[i].text.c_str(), items[i].id);
        for (const FunctionMenuItem& sub : items[i].subItems) menu->AddSubItem(i, sub.text.c_str(), sub.id);
    }
    const ProfileRecord& shown = profiles.Profiles[static_cast<size_t>(std::clamp(state.currentProfile, 0, kProfileCount - 1))];
    const MenuPosition current = FindFunctionInMenu(items, shown.Buttons[static_cast<size_t>(button)]);
    menu->currentItem = current.item;
    menu->currentSubItem = current.subItem;
    if (!menu->Create(&window)) return;
    menu->ShowWindow(SW_SHOW);
    openMenu = std::move(menu);
    editedButton = button;
}

void ButtonPage::CloseFunctionMenu() {
    if (!openMenu) return;
    editedButton = -1;
    openMenu.reset();
}

void ButtonPage::OnMenuPick(LPARAM choice) {
    if (state.currentPage != 1) return;
    // The menu goes first; the record it was opened for is still the one edited.
    openMenu.reset();
    ApplyMenuChoice(choice);
    editedButton = -1;
}

ProfileRecord& ButtonPage::EditedProfile() { return profiles.Profiles[static_cast<size_t>(editedProfile)]; }

ButtonAssignment& ButtonPage::EditedRecord() { return EditedProfile().Buttons[static_cast<size_t>(editedButton)]; }

void ButtonPage::WarnPrimaryButton() {
    CWarningDlg warning(&window, LoadUiString(TextId::Warning::Title), LoadUiString(TextId::Warning::LeftClickKept),
                        L"");
    warning.DoModal();
}

void ButtonPage::StoreDialogResult(const ButtonAssignment& result) {
    if (result.ButtonFunc != FUNC_LEFT_CLICK && !HasOtherPrimaryButton(EditedProfile(), editedButton)) {
        WarnPrimaryButton();
        return;
    }
    EditedRecord() = result;
}

void ButtonPage::ApplyMenuChoice(LPARAM choice) {
    const std::vector<std::wstring> macroNames = MacroLibrary().ReadMacroList();
    editedProfile = state.currentProfile >= 0 && state.currentProfile < kProfileCount ? state.currentProfile : 0;
    switch (ApplyFunctionChoice(EditedProfile(), editedButton, DecodeMenuChoice(choice), macroNames)) {
    case ChoiceStep::RefusedPrimary: WarnPrimaryButton(); break;
    case ChoiceStep::AskSingleKey: AskSingleKey(); break;
    case ChoiceStep::AskKeyCombination: AskKeyCombination(); break;
    case ChoiceStep::AskFireKey: AskFireKey(); break;
    case ChoiceStep::OpenMacroEditor: OpenMacroEditor(); break;
    case ChoiceStep::Done: break;
    }
    RefreshButtonLabels();
}

// Each dialog stores into the record it was opened for only after it ends with OK: the mouse may
// have switched the profile shown, or the files been reloaded, while it was open.
void ButtonPage::OpenMacroEditor() {
    CMacroDlg editor(&window);
    editor.DoModal();
}

void ButtonPage::AskSingleKey() {
    const std::wstring prompt = LoadUiString(SingleKey::PressKeyToAssign);
    CSingleKey dialog(&window, prompt, prompt, true);
    CopyKeyData(dialog.capture.KeyData, EditedRecord().KeyData);
    dialog.capture.singleKeyHid = EditedRecord().KeyData[0];
    if (dialog.DoModal() != IDOK) return;
    ButtonAssignment result = EditedRecord();
    StoreSingleKey(result, editedButton, dialog.capture.singleKeyHid);
    StoreDialogResult(result);
}

void ButtonPage::AskKeyCombination() {
    CSingleKey dialog(&window, LoadUiString(SingleKey::KeyCombinationTitle), LoadUiString(SingleKey::KeyCombinationPrompt),
                      false);
    CopyKeyData(dialog.capture.KeyData, EditedRecord().KeyData);
    dialog.capture.singleKeyHid = EditedRecord().KeyData[0];
    dialog.capture.keyCount = EditedRecord().KeyNumber / 2;
    if (dialog.DoModal() != IDOK) return;
    ButtonAssignment result = EditedRecord();
    StoreKeyCombination(result, editedButton, dialog.capture.keyCount, dialog.capture.singleKeyHid,
                        dialog.capture.KeyData);
    StoreDialogResult(result);
}

void ButtonPage::AskFireKey() {
    const std::wstring title = LoadUiString(SingleKey::RapidFireTitle);
    CFireKey dialog(&window, title, title);
    const FireKeySeed seed = FireKeySeedOf(EditedRecord());
    CopyKeyData(dialog.capture.KeyData, EditedRecord().KeyData);
    dialog.capture.singleKeyHid = seed.key;
    dialog.fireTarget = seed.target;
    dialog.fireCount = seed.count;
    dialog.fireSpeed = seed.speed;
    if (dialog.DoModal() != IDOK) return;
    ButtonAssignment result = EditedRecord();
    StoreFireKey(result, editedButton, dialog.capture.singleKeyHid, dialog.fireCount, dialog.fireSpeed);
    StoreDialogResult(result);
}

void ButtonPage::RefreshButtonLabels() {
    // Every profile, not only the one shown: an apply saves all five, and the device plays a
    // macro button by its slot.
    ResolveMacroButtons(profiles);
    const ProfileRecord& record = profiles.Profiles[static_cast<size_t>(state.currentProfile)];
    for (size_t row = 0; row < kRowRecords.size(); ++row) {
        CBitmapBtn& button = layout.functionButtons[row];
        button.SetText(ButtonCaption(record.Buttons[static_cast<size_t>(kRowRecords[row])]), 0, kTextCentred);
        button.UpdateWindow();
    }
}
