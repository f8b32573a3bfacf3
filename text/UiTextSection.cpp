#include "text/UiTextSection.h"

#include "profile/IniFile.h"
#include "text/LocalisedText.h"

#include <windows.h>

#include <algorithm>

namespace {
// A section larger than this is not a localisation file's; what fits is used.
constexpr DWORD kMaxSectionChars = 1u << 20;
constexpr wchar_t kBlanks[] = L" \t";

std::wstring Trimmed(const std::wstring& text) {
    const size_t first = text.find_first_not_of(kBlanks);
    if (first == std::wstring::npos) return std::wstring();
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

// As the system's string reader gives a value: one pair of equal quotes around it dropped, then
// cut to the reader's length.
std::wstring ReadValue(const std::wstring& raw) {
    std::wstring value = Trimmed(raw);
    if (value.size() >= 2 && (value.front() == L'"' || value.front() == L'\'') && value.back() == value.front()) {
        value = value.substr(1, value.size() - 2);
    }
    if (value.size() > IniFile::kMaxStringChars) value.resize(IniFile::kMaxStringChars);
    return value;
}

// The section's lines ("key=value", one after another, each ending with a null), or none.
std::vector<wchar_t> ReadSectionLines(const wchar_t* section, const std::wstring& path) {
    std::vector<wchar_t> buffer(16384);
    for (;;) {
        const DWORD size = static_cast<DWORD>(buffer.size());
        const DWORD length = ::GetPrivateProfileSectionW(section, buffer.data(), size, path.c_str());
        // size - 2 means the section did not fit.
        if (length + 2 < size || size >= kMaxSectionChars) {
            buffer.resize(std::min<size_t>(length, size - 2));
            return buffer;
        }
        buffer.resize(static_cast<size_t>(size) * 2);
    }
}
}  // namespace

UiTextSection::UiTextSection(const wchar_t* section) {
    // A null section would make the system list the file's section names instead.
    if (!section) return;
    const std::vector<wchar_t> lines = ReadSectionLines(section, LocalisationFilePath(L"skins.ini"));
    size_t start = 0;
    while (start < lines.size()) {
        size_t end = start;
        while (end < lines.size() && lines[end] != L'\0') ++end;
        const std::wstring line(lines.begin() + static_cast<std::ptrdiff_t>(start),
                                lines.begin() + static_cast<std::ptrdiff_t>(end));
        const size_t equals = line.find(L'=');
        if (equals == std::wstring::npos) {
            entries.emplace_back(Trimmed(line), std::wstring());
        } else {
            entries.emplace_back(Trimmed(line.substr(0, equals)), ReadValue(line.substr(equals + 1)));
        }
        start = end + 1;
    }
}

std::wstring UiTextSection::Get(int id) const {
    const std::wstring key = std::to_wstring(id);
    for (const auto& entry : entries) {
        if (::CompareStringOrdinal(entry.first.c_str(), -1, key.c_str(), -1, TRUE) == CSTR_EQUAL) return entry.second;
    }
    return std::wstring();
}
