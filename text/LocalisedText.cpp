#include "text/LocalisedText.h"

#include "framework/Folders.h"
#include "profile/IniFile.h"

#include <algorithm>
#include <climits>
#include <cstdio>

namespace {
// Function codes by range: code c of a range starting at `firstCode` is key c - firstCode + 1.
struct FunctionSection {
    int firstCode;
    int lastCode;
    const wchar_t* section;
};

constexpr FunctionSection kFunctionSections[] = {
    {1, 16, L"FUNCTION_STRING"}, {17, 24, L"BASIC"}, {25, 38, L"ADVANCED"},     {39, 46, L"MEDIA"},
    {47, 49, L"DPI"},            {50, 51, L"RATE"},  {52, INT_MAX, L"SCROLL"},
};

std::wstring ReadText(const wchar_t* fileName, const wchar_t* section, int key) {
    // A null section would make the system list the file's section names instead.
    if (!section) return std::wstring();
    wchar_t keyText[16];
    std::swprintf(keyText, 16, L"%d", key);
    return IniFile(LocalisationFilePath(fileName)).ReadString(section, keyText, L"");
}
}  // namespace

std::wstring LocalisationFilePath(const wchar_t* fileName) {
    const wchar_t* const directoryEnd = std::find(AppDirectory, AppDirectory + kFolderChars, L'\0');
    return std::wstring(static_cast<const wchar_t*>(AppDirectory), directoryEnd) + L"images\\0409\\strings\\" + fileName;
}

std::wstring LoadUiString(const wchar_t* section, int id) {
    return ReadText(L"skins.ini", section, id);
}

std::wstring GetFunctionName(int code) {
    for (const FunctionSection& range : kFunctionSections)
        if (code >= range.firstCode && code <= range.lastCode)
            return ReadText(L"general.ini", range.section, code - range.firstCode + 1);
    return std::wstring();
}

std::wstring GetMacroMenuLabel() {
    return ReadText(L"general.ini", L"MACRO", 1);
}
