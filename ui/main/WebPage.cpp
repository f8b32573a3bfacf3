#include "ui/main/WebPage.h"

#include <windows.h>
#include <shellapi.h>

#include <cwctype>

namespace {
bool StartsWithNoCase(const std::wstring& text, const wchar_t* prefix) {
    size_t i = 0;
    for (; prefix[i]; ++i) {
        if (i >= text.size() || std::towlower(text[i]) != prefix[i]) return false;
    }
    return text.size() > i;
}
}  // namespace

bool IsWebAddress(const std::wstring& address) {
    return StartsWithNoCase(address, L"http://") || StartsWithNoCase(address, L"https://");
}

int OpenWebPage(const std::wstring& address) {
    if (!IsWebAddress(address)) return -1;
    // The shell picks the user's default browser; above 32 means it was started.
    const auto result = reinterpret_cast<INT_PTR>(
        ::ShellExecuteW(nullptr, L"open", address.c_str(), nullptr, nullptr, SW_SHOWNORMAL));
    return result > 32 ? 0 : -1;
}
