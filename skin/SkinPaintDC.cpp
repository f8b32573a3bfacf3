#include "skin/SkinPaintDC.h"

SkinPaintDC::SkinPaintDC(HWND window, Mode mode) : window(window) {
    ::BeginPaint(window, &paint);
    ::GetClientRect(window, &client);
    if (mode != Mode::Buffered || !paint.hdc || client.right <= 0 || client.bottom <= 0) return;
    memoryDc = ::CreateCompatibleDC(paint.hdc);
    if (memoryDc) memoryBitmap.Reset(::CreateCompatibleBitmap(paint.hdc, client.right, client.bottom));
    if (!memoryBitmap) {
        if (memoryDc) ::DeleteDC(memoryDc);
        memoryDc = nullptr;
        return;
    }
    selectedBitmap.emplace(memoryDc, memoryBitmap.Get());
}

SkinPaintDC::~SkinPaintDC() {
    if (memoryDc) {
        ::BitBlt(paint.hdc, 0, 0, client.right, client.bottom, memoryDc, 0, 0, SRCCOPY);
        // The bitmap leaves the memory context before either is deleted.
        selectedBitmap.reset();
        memoryBitmap.Reset();
        ::DeleteDC(memoryDc);
    }
    ::EndPaint(window, &paint);
}
