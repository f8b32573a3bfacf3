#include "profile/IniFile.h"

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {
// Writes the system's cached profile file out and forgets it.
void FlushProfileCache() { ::WritePrivateProfileStringW(nullptr, nullptr, nullptr, nullptr); }

bool IsHexDigit(wchar_t c) {
    return (c >= L'0' && c <= L'9') || (c >= L'A' && c <= L'F') || (c >= L'a' && c <= L'f');
}
}  // namespace

int IniFile::ReadInt(const wchar_t* section, const wchar_t* key, int defaultValue) const {
    return static_cast<int>(::GetPrivateProfileIntW(section, key, defaultValue, path.c_str()));
}

std::wstring IniFile::ReadString(const wchar_t* section, const wchar_t* key, const wchar_t* defaultValue) const {
    wchar_t buffer[kMaxStringChars + 1] = L"";
    ::GetPrivateProfileStringW(section, key, defaultValue ? defaultValue : L"", buffer, kMaxStringChars + 1,
                               path.c_str());
    buffer[kMaxStringChars] = L'\0';
    return buffer;
}

bool IniFile::ReadStruct(const wchar_t* section, const wchar_t* key, void* buffer, UINT size) const {
    // The system's reader takes letters beyond F as digits, and may write part of the value
    // before it finds a bad checksum; so the text is checked first and the value is read aside.
    const size_t digits = 2 * static_cast<size_t>(size) + 2;
    std::vector<wchar_t> text(digits + 2);
    const DWORD length = ::GetPrivateProfileStringW(section, key, L"", text.data(),
                                                    static_cast<DWORD>(text.size()), path.c_str());
    if (length != digits || !std::all_of(text.begin(), text.begin() + digits, IsHexDigit)) return false;
    std::vector<unsigned char> value(size ? size : 1);
    if (!::GetPrivateProfileStructW(section, key, value.data(), size, path.c_str())) return false;
    std::copy(value.begin(), value.begin() + size, static_cast<unsigned char*>(buffer));
    return true;
}

bool IniFile::WriteInt(const wchar_t* section, const wchar_t* key, int value) const {
    wchar_t text[16];
    std::swprintf(text, 16, L"%d", value);
    return WriteString(section, key, text);
}

bool IniFile::WriteString(const wchar_t* section, const wchar_t* key, const wchar_t* value) const {
    const bool written = ::WritePrivateProfileStringW(section, key, value, path.c_str()) != FALSE;
    if (flush == Flush::EveryWrite) FlushProfileCache();
    return written;
}

bool IniFile::WriteStruct(const wchar_t* section, const wchar_t* key, const void* data, UINT size) const {
    const bool written = ::WritePrivateProfileStructW(section, key, const_cast<void*>(data), size, path.c_str()) != FALSE;
    if (flush == Flush::EveryWrite) ::WritePrivateProfileStructW(nullptr, nullptr, nullptr, 0, nullptr);
    return written;
}

bool ReplaceIniFile(const std::wstring& path, const std::function<bool(const IniFile&)>& write) {
    const std::wstring copy = path + L".tmp";
    const DWORD attributes = ::GetFileAttributesW(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES) {
        // A read-only file is not replaced, whatever rights the tool has.
        if (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY)) return false;
        if (!::CopyFileW(path.c_str(), copy.c_str(), FALSE)) return false;
    } else if (!::DeleteFileW(copy.c_str()) && ::GetLastError() != ERROR_FILE_NOT_FOUND) {
        return false;
    }
    bool written = write(IniFile(copy, IniFile::Flush::ByOwner));
    FlushProfileCache();
    // One rename, which the system does whole, and refuses while another program holds the file
    // without letting it be replaced. (ReplaceFileW is not one step everywhere: Wine's removes
    // the old file before it moves the copy in, and keeps neither when that move fails.)
    if (written) written = ::MoveFileExW(copy.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING) != FALSE;
    if (!written) ::DeleteFileW(copy.c_str());
    return written;
}
