// Every text the user sees comes from the two localisation files below the tool's directory:
// "images\0409\strings\skins.ini" (captions, labels, messages) and "general.ini" (names of the
// button functions). Nothing is cached: each call reads the file again, so a text edited while
// the tool runs shows in the next window or menu built (a window reading many texts of one
// section at once uses UiTextSection).
#pragma once
#include "text/TextIds.h"

#include <string>

// The full path of localisation file `fileName` ("skins.ini" or "general.ini").
std::wstring LocalisationFilePath(const wchar_t* fileName);

// Value of key `id` (decimal, "7" not "07") in `section` of "skins.ini"; "" when the file, the
// section or the key is missing or the value is empty.
std::wstring LoadUiString(const wchar_t* section, int id);
// The text `id` from the section of its enum (TextIds.h).
template <typename Id>
std::wstring LoadUiString(Id id) {
    return LoadUiString(SectionName(id), static_cast<int>(id));
}

// Display name of a button function code (or of mouse button 1 to 3 of a macro event) from
// "general.ini"; "" for codes 0 and below and when the name is missing.
std::wstring GetFunctionName(int code);

// Caption of the macro editor entry at the top of the function menu's macro sub-menu.
std::wstring GetMacroMenuLabel();
