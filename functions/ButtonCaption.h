// The caption a function button of page 1 shows for a button assignment.
#pragma once
#include "profile/ProfileSet.h"

#include <array>
#include <string>

// Rows of the function buttons, top to bottom, and the button record each one edits.
constexpr std::array<int, kButtonCount> kRowRecords{0, 1, 2, 7, 3, 4, 5, 6};

// The caption of `button`. A macro button shows the name it stores, which ResolveMacroButtons
// keeps in step with the library.
std::wstring ButtonCaption(const ButtonAssignment& button);
