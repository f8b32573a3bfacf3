#include "bench/ScopedLogPixels.h"

namespace {
const wchar_t kDesktopKey[] = L"Control Panel\\Desktop";
const wchar_t kValueName[] = L"LogPixels";
}  // namespace

ScopedLogPixels::ScopedLogPixels(DWORD dpi) {
    DWORD size = sizeof(previous);
    hadValue = ::RegGetValueW(HKEY_CURRENT_USER, kDesktopKey, kValueName, RRF_RT_REG_DWORD, nullptr, &previous, &size) ==
               ERROR_SUCCESS;
    ::RegSetKeyValueW(HKEY_CURRENT_USER, kDesktopKey, kValueName, REG_DWORD, &dpi, sizeof(dpi));
}

ScopedLogPixels::~ScopedLogPixels() {
    if (hadValue) {
        ::RegSetKeyValueW(HKEY_CURRENT_USER, kDesktopKey, kValueName, REG_DWORD, &previous, sizeof(previous));
    } else {
        ::RegDeleteKeyValueW(HKEY_CURRENT_USER, kDesktopKey, kValueName);
    }
}
