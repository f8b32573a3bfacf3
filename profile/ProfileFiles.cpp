#include "profile/ProfileFiles.h"

#include "framework/Folders.h"
#include "profile/IniFile.h"
#include "profile/ProfileRules.h"

#include <algorithm>
#include <climits>
#include <cstring>
#include <cwchar>
#include <iterator>

namespace {
const wchar_t kGroupSection[] = L"GROUP";
const wchar_t kStagesKey[] = L"DPIStageValue";
const wchar_t kMacroNameKey[] = L"MacroName";

// Room for a full path made of a folder string and a chosen file name.
constexpr DWORD kMaxPathChars = 1024;

// An imported macro name is cut here; the library's names are at most 20 characters.
constexpr std::size_t kImportedMacroNameChars = 50;

struct IntegerKey {
    const wchar_t* key;
    std::int32_t ProfileRecord::*field;
    std::int32_t missing;              // value of an absent key
    const wchar_t* readKey = nullptr;  // spelling asked for when reading, where it differs
};

// Section "GROUP", in the order a new file receives the keys.
const IntegerKey kIntegerKeys[] = {
    {L"Group", &ProfileRecord::Group, -1},
    {L"PollingRate", &ProfileRecord::PollingRate, -1},
    {L"WheelScrollLines", &ProfileRecord::WheelScrollLines, -1},
    {L"MouseSensitivity", &ProfileRecord::MouseSensitivity, -1},
    {L"DoubleClickSpeed", &ProfileRecord::DoubleClickSpeed, -1},
    {L"UniversalScrollEnabled", &ProfileRecord::UniversalScrollEnabled, -1},
    {L"Acceleration", &ProfileRecord::Acceleration, -1, L"acceleration"},
    {L"XYSensitivityEnabled", &ProfileRecord::XYSensitivityEnabled, -1},
    {L"MouseSpeedX", &ProfileRecord::MouseSpeedX, -1},
    {L"MouseSpeedY", &ProfileRecord::MouseSpeedY, -1},
    {L"OFASensitivity", &ProfileRecord::OFASensitivity, -1},
    {L"LedMode1", &ProfileRecord::LedMode1, -1},
    {L"LedState1", &ProfileRecord::LedState1, -1},
    {L"FlashState1", &ProfileRecord::FlashState1, -1},
    {L"BreathState1", &ProfileRecord::BreathState1, -1},
    {L"LedColor1", &ProfileRecord::LedColor1, 0},
    {L"LedDirect1", &ProfileRecord::LedDirect1, 0},
    {L"ANGLE", &ProfileRecord::ANGLE, -1},
    {L"LIFT", &ProfileRecord::LIFT, -1},
    {L"DPI", &ProfileRecord::DPI, -1},
    {L"DPICurrentX", &ProfileRecord::DPICurrentX, -1},
    {L"DPICurrentY", &ProfileRecord::DPICurrentY, -1},
    {L"DPIStageNum", &ProfileRecord::DPIStageNum, -1},
};

struct ButtonKey {
    const wchar_t* key;
    std::uint8_t ButtonAssignment::*field;
    bool exported;  // also part of an exported profile
};

// Section "ButtonAssigned_%d", in file order; each is followed by "MacroName". An absent key
// reads as 255.
const ButtonKey kButtonKeys[] = {
    {L"ButtonID", &ButtonAssignment::ButtonID, true},
    {L"ButtonFunc", &ButtonAssignment::ButtonFunc, true},
    {L"LoopNumber", &ButtonAssignment::LoopNumber, false},
    {L"KeyNumber", &ButtonAssignment::KeyNumber, true},
};

enum class Layout { ProfileFile, Exported };

bool HasKey(const ButtonKey& key, Layout layout) { return layout == Layout::ProfileFile || key.exported; }

// Both the button's own section and, in section "GROUP", the key of its key data.
std::wstring ButtonSection(int button) { return L"ButtonAssigned_" + std::to_wstring(button + 1); }

void CopyMacroName(const std::wstring& text, std::size_t limit, wchar_t (&name)[kMacroNameChars + 1]) {
    std::fill(std::begin(name), std::end(name), L'\0');
    const std::size_t length = std::min({text.size(), limit, kMacroNameChars});
    std::copy_n(text.begin(), length, name);
}

// The macro name as the file receives it: up to its terminator, at most kMacroNameChars.
std::wstring WrittenMacroName(const ButtonAssignment& button) {
    return std::wstring(button.MacroName, wcsnlen(button.MacroName, kMacroNameChars));
}

// False when any value could not be written; the writing goes on regardless.
bool WriteRecord(const IniFile& file, const ProfileRecord& record, Layout layout) {
    bool written = true;
    for (const IntegerKey& key : kIntegerKeys) written &= file.WriteInt(kGroupSection, key.key, record.*key.field);
    written &= file.WriteStruct(kGroupSection, kStagesKey, record.DPIStageValue.data(), sizeof record.DPIStageValue);
    for (int b = 0; b < kButtonCount; ++b) {
        const ButtonAssignment& button = record.Buttons[b];
        const std::wstring section = ButtonSection(b);
        for (const ButtonKey& key : kButtonKeys) {
            if (HasKey(key, layout)) written &= file.WriteInt(section.c_str(), key.key, button.*key.field);
        }
        written &= file.WriteString(section.c_str(), kMacroNameKey, WrittenMacroName(button).c_str());
        written &= file.WriteStruct(kGroupSection, section.c_str(), button.KeyData, sizeof button.KeyData);
    }
    return written;
}

// The values WriteRecord writes for a profile file, compared one by one.
bool SameFileValues(const ProfileRecord& a, const ProfileRecord& b) {
    for (const IntegerKey& key : kIntegerKeys) {
        if (a.*key.field != b.*key.field) return false;
    }
    if (std::memcmp(a.DPIStageValue.data(), b.DPIStageValue.data(), sizeof a.DPIStageValue) != 0) return false;
    for (int button = 0; button < kButtonCount; ++button) {
        const ButtonAssignment& first = a.Buttons[button];
        const ButtonAssignment& second = b.Buttons[button];
        for (const ButtonKey& key : kButtonKeys) {
            if (first.*key.field != second.*key.field) return false;
        }
        if (std::memcmp(first.KeyData, second.KeyData, sizeof first.KeyData) != 0) return false;
        if (WrittenMacroName(first) != WrittenMacroName(second)) return false;
    }
    return true;
}

void ReadRecord(const IniFile& file, ProfileRecord& record, Layout layout) {
    for (const IntegerKey& key : kIntegerKeys) {
        record.*key.field = file.ReadInt(kGroupSection, key.readKey ? key.readKey : key.key, key.missing);
    }
    record.DPIStageValue = {};
    file.ReadStruct(kGroupSection, kStagesKey, record.DPIStageValue.data(), sizeof record.DPIStageValue);
    const std::size_t nameLimit = layout == Layout::ProfileFile ? kMacroNameChars : kImportedMacroNameChars;
    for (int b = 0; b < kButtonCount; ++b) {
        ButtonAssignment& button = record.Buttons[b];
        const std::wstring section = ButtonSection(b);
        for (const ButtonKey& key : kButtonKeys) {
            if (!HasKey(key, layout)) continue;
            button.*key.field = static_cast<std::uint8_t>(file.ReadInt(section.c_str(), key.key, -1));
        }
        CopyMacroName(file.ReadString(section.c_str(), kMacroNameKey, L""), nameLimit, button.MacroName);
        file.ReadStruct(kGroupSection, section.c_str(), button.KeyData, sizeof button.KeyData);
    }
}

// The full form of a path, and for an existing file its long form; empty when the system cannot
// make it full.
std::wstring FullPath(const std::wstring& path) {
    wchar_t full[kMaxPathChars] = L"";
    const DWORD length = ::GetFullPathNameW(path.c_str(), kMaxPathChars, full, nullptr);
    if (length == 0 || length >= kMaxPathChars) return L"";
    wchar_t longForm[kMaxPathChars] = L"";
    const DWORD longLength = ::GetLongPathNameW(full, longForm, kMaxPathChars);
    return longLength > 0 && longLength < kMaxPathChars ? longForm : full;
}

// The first `length` characters of both are the same but for case, as the file system compares.
bool SameStart(const std::wstring& a, const std::wstring& b, std::size_t length) {
    if (a.size() < length || b.size() < length || length > static_cast<std::size_t>(INT_MAX)) return false;
    const int count = static_cast<int>(length);
    return ::CompareStringOrdinal(a.c_str(), count, b.c_str(), count, TRUE) == CSTR_EQUAL;
}

bool SamePath(const std::wstring& a, const std::wstring& b) { return a.size() == b.size() && SameStart(a, b, a.size()); }
}  // namespace

bool IsProtectedDataFile(const std::wstring& path) {
    const std::wstring candidate = FullPath(path);
    if (candidate.empty()) return false;
    for (int k = 0; k < kProfileCount; ++k) {
        if (SamePath(candidate, FullPath(ProfileFilePath(k)))) return true;
    }
    std::wstring macroFolder = FullPath(std::wstring(DataFolder, wcsnlen(DataFolder, kFolderChars)) + L"MacroDB");
    if (macroFolder.empty()) return false;
    if (macroFolder.back() == L'\\') macroFolder.pop_back();
    const std::size_t length = macroFolder.size();
    return SamePath(candidate, macroFolder) ||
           (candidate.size() > length && candidate[length] == L'\\' && SameStart(candidate, macroFolder, length));
}

std::wstring ProfileFilePath(int profileIndex) {
    return std::wstring(DataFolder, wcsnlen(DataFolder, kFolderChars)) + L"RSProfile" +
           std::to_wstring(profileIndex + 1) + L".pfd";
}

bool SaveAllProfiles() {
    bool saved = true;
    for (int k = 0; k < kProfileCount; ++k) {
        saved &= ReplaceIniFile(ProfileFilePath(k), [k](const IniFile& file) {
            const bool groupWritten = file.WriteInt(kGroupSection, L"GroupID", WorkingProfiles.GroupID);
            return WriteRecord(file, WorkingProfiles.Profiles[k], Layout::ProfileFile) && groupWritten;
        });
    }
    return saved;
}

bool SameProfileFiles(const ProfileSet& a, const ProfileSet& b) {
    if (a.GroupID != b.GroupID) return false;
    for (int k = 0; k < kProfileCount; ++k) {
        if (!SameFileValues(a.Profiles[k], b.Profiles[k])) return false;
    }
    return true;
}

void LoadAllProfiles(ProfileSet& set) {
    for (int k = 0; k < kProfileCount; ++k) {
        const IniFile file(ProfileFilePath(k));
        set.GroupID = file.ReadInt(kGroupSection, L"GroupID", -1);
        ReadRecord(file, set.Profiles[k], Layout::ProfileFile);
    }
}

void LoadProfiles(ProfileSet& staging) {
    staging = ProfileSet{};
    WorkingProfiles = ProfileSet{};
    SetProfileDefaults(staging);
    LoadAllProfiles(staging);
    ValidateProfiles(staging);
}

bool ExportProfile(const ProfileRecord& record, const std::wstring& path) {
    return ReplaceIniFile(path, [&record](const IniFile& file) { return WriteRecord(file, record, Layout::Exported); });
}

void ImportProfile(const std::wstring& path, ProfileRecord& record) {
    ReadRecord(IniFile(path), record, Layout::Exported);
}
