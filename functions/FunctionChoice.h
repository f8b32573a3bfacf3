// What a choice of the function menu does to a button record: the rule that keeps one primary
// button, the codes stored at once, and the results of the key dialogs and the macro pick. The
// main window runs the dialogs; everything it stores goes through here.
#pragma once
#include "profile/ProfileSet.h"

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

// A WM_MENU_PICK's lParam: the top-level item's code and the chosen sub-item's id.
struct MenuChoice {
    int code;
    int id;
};
MenuChoice DecodeMenuChoice(LPARAM pick);

// What is left for the window to do after ApplyFunctionChoice.
enum class ChoiceStep {
    Done,               // the record holds the choice, or the choice changes nothing
    RefusedPrimary,     // the choice would leave no button on code 1: warn, nothing changed
    AskSingleKey,       // run the single-key dialog, then StoreSingleKey
    AskKeyCombination,  // run the key-combination dialog, then StoreKeyCombination
    AskFireKey,         // run the rapid-fire dialog, then StoreFireKey
    OpenMacroEditor,    // run the macro editor; the record stays
};

// Applies `choice` to button `button` (0 to 7) of `profile` as far as no dialog is needed.
// `macroNames` is the macro library's list in slot order; a macro pick takes the loop count of
// that macro's file. A button outside 0 to 7 changes nothing.
ChoiceStep ApplyFunctionChoice(ProfileRecord& profile, int button, MenuChoice choice,
                               const std::vector<std::wstring>& macroNames);

// The highest count a button record holds (LoopNumber is one byte): larger counts are stored as
// this, negative ones as 0.
std::uint8_t StoredCount(int count);

// Single-key dialog's result for button `button`: `hid` 0xFF (no key) restores the button's
// default function.
void StoreSingleKey(ButtonAssignment& record, int button, std::uint8_t hid);
// Key-combination dialog's result: one key is stored as a single key (0xFF changes nothing), two
// to five as a combination with the dialog's key events, any other count restores the default.
void StoreKeyCombination(ButtonAssignment& record, int button, int keyCount, std::uint8_t singleKeyHid,
                         const std::uint8_t (&keyData)[kKeyDataBytes]);

// What the rapid-fire dialog opens with for a record.
struct FireKeySeed {
    int target;             // 0 to 2 the mouse buttons, 3 a keyboard key
    std::uint8_t key;       // the key shown: the stored fire key, 0xFF when none
    int count;
    int speed;
};
FireKeySeed FireKeySeedOf(const ButtonAssignment& record);
// Rapid-fire dialog's result: `key` 0xFF restores the default function.
void StoreFireKey(ButtonAssignment& record, int button, std::uint8_t key, int count, int speed);
