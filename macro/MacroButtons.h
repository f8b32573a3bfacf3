// Buttons assigned to a macro follow their macro through the library's changes. A button stores
// the macro's slot, which the device plays, and its name; deleting a macro moves the slots
// behind it, so the name is what identifies the macro.
#pragma once
#include "profile/ProfileSet.h"

#include <string>
#include <vector>

// Resolves a FUNC_MACRO button against `macroNames`, the library's list in slot order: a stored
// name takes that name's current slot, and one the list does not hold falls back to
// FUNC_DISABLED; a button without a name goes by its slot and takes the name there
// (FUNC_DISABLED when the slot is past the list, nothing when the list is empty). Buttons of
// other functions are left as they are.
void ResolveMacroButton(ButtonAssignment& button, const std::vector<std::wstring>& macroNames);

// Resolves every macro button of all five profiles against the library as it is now. A library
// that cannot be read (no file yet, for one) changes no button.
void ResolveMacroButtons(ProfileSet& set);
