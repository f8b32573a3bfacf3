// The index of the recorded macros, "MacroSet.MSDB": one name per numbered slot. The slot is a
// macro's identity for the profiles and the device service. The file is shared with the service,
// which keeps its device flag in the section "Setting"; only the name slots are written here.
#pragma once
#include "profile/IniFile.h"

#include <string>
#include <vector>

constexpr int MACRO_SLOTS = 15;
constexpr size_t kMacroNameMaxChars = 20;

// DataFolder + "MacroDB\": the folder of the library and of the macro files.
std::wstring MacroFolder();

class MacroLibrary {
public:
    // The library of the current DataFolder. Every operation reads or writes the file anew.
    MacroLibrary();

    // The names of the used slots, in slot order.
    std::vector<std::wstring> ReadMacroList() const;
    // The lowest slot holding exactly `name` (letter case counts), or -1.
    int FindMacroSlot(const std::wstring& name) const;
    // Puts `name` into the lowest free slot and returns that slot. A name already present keeps
    // its slot; -1 and nothing written when the name is not valid or every slot is used, and -1
    // when the name could not be written.
    int AddMacroName(const std::wstring& name) const;
    // Frees every slot, then puts the names into slots 0, 1, ... in list order (15 at most).
    void WriteMacroList(const std::vector<std::wstring>& names) const;
    // The name in `slot`, empty when the slot is free or out of range.
    std::wstring GetMacroName(int slot) const;
    // The number of used slots, 0 to MACRO_SLOTS.
    int CountMacros() const;
    // Whether the file exists and can be opened: a library that cannot be read lists no macro,
    // which says nothing about the macros that exist.
    bool IsReadable() const;

    // Whether a new macro may take this name: it must name a file of the macro folder and read
    // back from the library exactly as written.
    static bool IsValidMacroName(const std::wstring& name);
    // Whether a name from the library leads to a file of the macro folder and nowhere else: no
    // separator, no drive or stream colon, no device name, no trailing dot or blank. Names that
    // an earlier version or the device service wrote (longer ones, characters outside the code
    // page) pass, so that their macros can be read, edited and deleted.
    static bool IsMacroFileName(const std::wstring& name);

private:
    IniFile file;
};
