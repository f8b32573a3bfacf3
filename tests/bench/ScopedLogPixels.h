// The DPI of the programs started while it lives: the value LogPixels of
// HKCU\Control Panel\Desktop, which Wine reads at every program's start, set for one scope and
// then put back as it was (removed when there was none).
#pragma once
#include <windows.h>

class ScopedLogPixels {
public:
    explicit ScopedLogPixels(DWORD dpi);
    ~ScopedLogPixels();
    ScopedLogPixels(const ScopedLogPixels&) = delete;
    ScopedLogPixels& operator=(const ScopedLogPixels&) = delete;

private:
    bool hadValue = false;
    DWORD previous = 0;
};
