// Page 1's function menu: opens it at a function button, turns a choice into the button's new
// function (through the key dialogs where one is needed) and keeps the eight captions current.
#pragma once
#include "profile/ProfileSet.h"
#include "skin/CBmpMenu.h"
#include "functions/FunctionChoice.h"
#include "ui/main/MainLayout.h"
#include "ui/main/MainPageState.h"

#include <memory>

class ButtonPage {
public:
    // All borrowed: the main window owns them and outlives the page.
    ButtonPage(CWnd& window, MainLayout& layout, MainPageState& state, ProfileSet& profiles)
        : window(window), layout(layout), state(state), profiles(profiles) {}

    // Opens the function menu for button record `button` over the row that edits it.
    void OpenFunctionMenu(int button);
    void CloseFunctionMenu();
    // A WM_MENU_PICK of the function menu; ignored unless page 1 shows.
    void OnMenuPick(LPARAM choice);
    // Applies a menu choice to the button whose menu was open, then refreshes the captions.
    void ApplyMenuChoice(LPARAM choice);
    // Resolves the macro buttons of all five profiles against the library (ResolveMacroButtons),
    // then sets the caption, also the window text, of every function button from the profile shown.
    void RefreshButtonLabels();

    // For the window's tests.
    const CBmpMenu* OpenMenu() const { return openMenu.get(); }
    int EditedButton() const { return editedButton; }

private:
    // The profile and record the open menu, and the dialog it opens, were opened for.
    ProfileRecord& EditedProfile();
    ButtonAssignment& EditedRecord();
    void WarnPrimaryButton();
    // A dialog's result for the edited record, stored unless the profile it was opened for, as it
    // stands now, would be left without a button on FUNC_LEFT_CLICK.
    void StoreDialogResult(const ButtonAssignment& result);
    void AskSingleKey();
    void AskKeyCombination();
    void AskFireKey();
    // The macro editor, modal over the main window: the choice changes no button, but the
    // labels are refreshed afterwards, since deleting a macro moves the slots behind it.
    void OpenMacroEditor();

    CWnd& window;
    MainLayout& layout;
    MainPageState& state;
    ProfileSet& profiles;
    std::unique_ptr<CBmpMenu> openMenu;
    int editedButton = -1;  // the record whose menu is open, -1 when none
    int editedProfile = 0;  // the profile of that record when the choice came
};
