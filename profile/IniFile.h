// Access to one INI file through the system's private-profile functions. Every write to a shared
// file is flushed at once, so each value is on disk before the next one is written.
#pragma once
#include <windows.h>

#include <functional>
#include <string>

class IniFile {
public:
    enum class Flush { EveryWrite, ByOwner };

    // A file that no other program reads yet may leave the flush to its owner (Flush::ByOwner).
    explicit IniFile(std::wstring path, Flush flush = Flush::EveryWrite) : path(std::move(path)), flush(flush) {}

    const std::wstring& Path() const { return path; }

    // The value as a signed decimal integer, or `defaultValue` when the key is absent.
    int ReadInt(const wchar_t* section, const wchar_t* key, int defaultValue) const;
    // At most kMaxStringChars characters of the value, or `defaultValue` when the key is absent.
    std::wstring ReadString(const wchar_t* section, const wchar_t* key, const wchar_t* defaultValue) const;
    // Fills `buffer` with a binary value of exactly `size` bytes and returns true; returns false
    // and leaves `buffer` untouched when the value is absent, of another size or damaged.
    bool ReadStruct(const wchar_t* section, const wchar_t* key, void* buffer, UINT size) const;

    // Each is false when the value could not be written.
    bool WriteInt(const wchar_t* section, const wchar_t* key, int value) const;
    bool WriteString(const wchar_t* section, const wchar_t* key, const wchar_t* value) const;
    bool WriteStruct(const wchar_t* section, const wchar_t* key, const void* data, UINT size) const;

    static constexpr size_t kMaxStringChars = 2047;

private:
    std::wstring path;
    Flush flush;
};

// Writes a whole file through a copy beside it, so that a reader sees either the old file or the
// new one. The copy starts as the file's present content, so keys and sections `write` does not
// touch stay; `write` fills it through the same private-profile functions, and the copy then
// takes the file's place in one step. False, with the file as it was, when `write` reports a
// failure or the copy could not be made or put in place.
bool ReplaceIniFile(const std::wstring& path, const std::function<bool(const IniFile&)>& write);
