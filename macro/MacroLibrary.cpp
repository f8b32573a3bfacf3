#include "macro/MacroLibrary.h"

#include "framework/Folders.h"

#include <windows.h>

#include <algorithm>
#include <cwchar>

namespace {
const wchar_t kSection[] = L"MACRO_LIST";

// Windows opens a device instead of a file for these names, whatever the extension.
const wchar_t* const kDeviceNames[] = {
    L"CON",  L"PRN",  L"AUX",  L"NUL",
    L"COM1", L"COM2", L"COM3", L"COM4", L"COM5", L"COM6", L"COM7", L"COM8", L"COM9",
    L"LPT1", L"LPT2", L"LPT3", L"LPT4", L"LPT5", L"LPT6", L"LPT7", L"LPT8", L"LPT9",
};

std::wstring SlotKey(int slot) { return std::to_wstring(slot); }

bool IsDeviceName(const std::wstring& name) {
    std::wstring stem = name.substr(0, name.find(L'.'));
    while (!stem.empty() && stem.back() == L' ') stem.pop_back();
    return std::any_of(std::begin(kDeviceNames), std::end(kDeviceNames),
                       [&](const wchar_t* device) { return _wcsicmp(stem.c_str(), device) == 0; });
}

// A new library file is written in the system code page, so a character outside it is lost.
bool FitsCodePage(const std::wstring& name) {
    BOOL usedDefault = FALSE;
    ::WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, name.c_str(), static_cast<int>(name.size()), nullptr, 0,
                          nullptr, &usedDefault);
    return !usedDefault;
}
}  // namespace

std::wstring MacroFolder() { return std::wstring(DataFolder) + L"MacroDB\\"; }

MacroLibrary::MacroLibrary() : file(MacroFolder() + L"MacroSet.MSDB") {}

std::vector<std::wstring> MacroLibrary::ReadMacroList() const {
    std::vector<std::wstring> names;
    for (int slot = 0; slot < MACRO_SLOTS; ++slot) {
        std::wstring name = GetMacroName(slot);
        if (!name.empty()) names.push_back(name);
    }
    return names;
}

int MacroLibrary::FindMacroSlot(const std::wstring& name) const {
    if (name.empty()) return -1;  // an empty value is a free slot, not a macro
    for (int slot = 0; slot < MACRO_SLOTS; ++slot) {
        if (GetMacroName(slot) == name) return slot;
    }
    return -1;
}

int MacroLibrary::AddMacroName(const std::wstring& name) const {
    if (!IsValidMacroName(name)) return -1;
    int present = FindMacroSlot(name);
    if (present >= 0) return present;
    for (int slot = 0; slot < MACRO_SLOTS; ++slot) {
        if (GetMacroName(slot).empty()) {
            file.WriteString(kSection, SlotKey(slot).c_str(), name.c_str());
            // A write can fail (a read-only file, a full disk); only a name that is there counts.
            return GetMacroName(slot) == name ? slot : -1;
        }
    }
    return -1;
}

void MacroLibrary::WriteMacroList(const std::vector<std::wstring>& names) const {
    for (int slot = 0; slot < MACRO_SLOTS; ++slot) file.WriteString(kSection, SlotKey(slot).c_str(), L"");
    int count = std::min(static_cast<int>(names.size()), MACRO_SLOTS);
    for (int slot = 0; slot < count; ++slot) file.WriteString(kSection, SlotKey(slot).c_str(), names[slot].c_str());
}

std::wstring MacroLibrary::GetMacroName(int slot) const {
    if (slot < 0 || slot >= MACRO_SLOTS) return L"";
    return file.ReadString(kSection, SlotKey(slot).c_str(), L"");
}

int MacroLibrary::CountMacros() const { return static_cast<int>(ReadMacroList().size()); }

bool MacroLibrary::IsReadable() const {
    const HANDLE handle = ::CreateFileW(file.Path().c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                        nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) return false;
    ::CloseHandle(handle);
    return true;
}

bool MacroLibrary::IsValidMacroName(const std::wstring& name) {
    if (!IsMacroFileName(name) || name.size() > kMacroNameMaxChars) return false;
    for (wchar_t c : name) {
        if (c < L' ' || std::wcschr(L"<>\"|?*", c)) return false;
    }
    // The profile functions drop blanks around a value, and quotes around it when reading.
    if (name.front() == L' ') return false;
    if (name.size() >= 2 && name.front() == L'\'' && name.back() == L'\'') return false;
    return FitsCodePage(name);
}

bool MacroLibrary::IsMacroFileName(const std::wstring& name) {
    if (name.empty() || name.find_first_of(L"\\/:") != std::wstring::npos) return false;
    // Windows drops a trailing dot or blank from a file name, so "." and ".." name folders.
    if (name.back() == L'.' || name.back() == L' ') return false;
    return !IsDeviceName(name);
}
