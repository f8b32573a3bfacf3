#include "skin/SkinPaintDC.h"

SkinPaintDC::SkinPaintDC(HWND window, Mode mode) : window(window) {
    ::BeginPaint(window, &paint);
    ::GetClientRect(window, &client);
    if (mode != Mode::Buffered || !paint.hdc || client.right <= 0 || client.bottom <= 0) return;
    memoryDc = ::CreateCompatibleDC(paint.hdc);
    memoryBitmap = memoryDc ? ::CreateCompatibleBitmap(paint.hdc, client.right, client.bottom) : nullptr;
    if (!memoryBitmap) {
        if (memoryDc) ::DeleteDC(memoryDc);
        memoryDc = nullptr;
        return;
    }
    previousBitmap = ::SelectObject(memoryDc, memoryBitmap);
}

SkinPaintDC::~SkinPaintDC() {
    if (memoryDc) {
        ::BitBlt(paint.hdc, 0, 0, client.right, client.bottom, memoryDc, 0, 0, SRCCOPY);
        ::SelectObject(memoryDc, previousBitmap);
        ::DeleteObject(memoryBitmap);
        ::DeleteDC(memoryDc);
    }
    ::EndPaint(window, &paint);
}
