// The caption a function button of page 1 shows for a button assignment.
#pragma once
#include "profile/ProfileSet.h"

#include <array>
#include <string>
#include <vector>

// Rows of the function buttons, top to bottom, and the button record each one edits.
constexpr std::array<int, kButtonCount> kRowRecords{0, 1, 2, 7, 3, 4, 5, 6};

// The caption of `button`. `macroNames` is the macro library's list in slot order. A macro button
// is looked up by its stored name and takes that name's current slot; one whose macro is no longer
// in the library falls back to FUNC_FALLBACK. Without a stored name it goes by its slot and takes
// the name there. All of these change `button`.
std::wstring ButtonCaption(ButtonAssignment& button, const std::vector<std::wstring>& macroNames);
