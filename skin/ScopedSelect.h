// Selects a GDI object into a device context for one scope and puts the previous one back.
#pragma once
#include <windows.h>

class ScopedSelect {
public:
    ScopedSelect(HDC dc, HGDIOBJ object) : dc(dc), previous(object ? ::SelectObject(dc, object) : nullptr) {}
    ~ScopedSelect() {
        if (previous) ::SelectObject(dc, previous);
    }
    ScopedSelect(const ScopedSelect&) = delete;
    ScopedSelect& operator=(const ScopedSelect&) = delete;

private:
    HDC dc;
    HGDIOBJ previous;
};
