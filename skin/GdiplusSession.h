// GDI+ started for the lifetime of the object. Skin images must be created and deleted inside it.
#pragma once
#include <windows.h>

class GdiplusSession {
public:
    GdiplusSession();
    ~GdiplusSession();
    GdiplusSession(const GdiplusSession&) = delete;
    GdiplusSession& operator=(const GdiplusSession&) = delete;

    bool Started() const { return token != 0; }

private:
    ULONG_PTR token = 0;
};
