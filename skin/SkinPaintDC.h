// The device context of one WM_PAINT. Buffered: a memory bitmap of the client size, copied to the
// window with one BitBlt when the object goes, so a window drawn in layers does not flicker.
#pragma once
#include "skin/GdiObject.h"
#include "skin/ScopedSelect.h"

#include <windows.h>

#include <optional>

class SkinPaintDC {
public:
    enum class Mode { Direct, Buffered };

    SkinPaintDC(HWND window, Mode mode);
    ~SkinPaintDC();
    SkinPaintDC(const SkinPaintDC&) = delete;
    SkinPaintDC& operator=(const SkinPaintDC&) = delete;

    HDC Dc() const { return memoryDc ? memoryDc : paint.hdc; }
    const RECT& Client() const { return client; }

private:
    HWND window;
    PAINTSTRUCT paint{};
    RECT client{};
    HDC memoryDc = nullptr;
    GdiObject<HBITMAP> memoryBitmap;
    std::optional<ScopedSelect> selectedBitmap;
};
