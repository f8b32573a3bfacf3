// What the window tests of the skinned controls share: GDI+ for the whole test, a parent window
// that records the messages its controls send and post, solid-colour images, and pixel reads.
#pragma once
#include "framework/CWnd.h"
#include "framework/Messages.h"
#include "skin/GdiplusSession.h"
#include "skin/SkinControlClass.h"
#include "skin/SkinImages.h"
#include "support/WindowTestSupport.h"

#include <gtest/gtest.h>

#include <vector>

struct RecordedMessage {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

// A plain top-level window at a screen rectangle that records the messages named at construction.
class RecordingWindow : public CWnd {
public:
    RecordingWindow(const RECT& rect, std::vector<UINT> recorded) : recorded(std::move(recorded)) {
        CreateEx(0, SkinControlClass(), L"parent", WS_POPUP | WS_VISIBLE, rect, nullptr, 0);
        ::SetForegroundWindow(m_hWnd);
        ::SetActiveWindow(m_hWnd);
    }

    std::vector<RecordedMessage> messages;

    std::vector<RecordedMessage> Received(UINT message) const {
        std::vector<RecordedMessage> found;
        for (const RecordedMessage& m : messages) {
            if (m.message == message) found.push_back(m);
        }
        return found;
    }

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        for (UINT wanted : recorded) {
            if (wanted == message) messages.push_back(RecordedMessage{message, wParam, lParam});
        }
        return CWnd::WindowProc(message, wParam, lParam);
    }

private:
    std::vector<UINT> recorded;
};

// An opaque image of one colour; GDI+ must be running.
inline SkinImage SolidImage(COLORREF colour, int width = 8, int height = 8) {
    SkinImage image(new Gdiplus::Bitmap(width, height, PixelFormat32bppARGB));
    Gdiplus::Graphics graphics(image.get());
    graphics.Clear(Gdiplus::Color(255, GetRValue(colour), GetGValue(colour), GetBValue(colour)));
    return image;
}

class SkinWindowTest : public ::testing::Test {
protected:
    // The real pointer waits in a far corner, so it sends no moves of its own to the windows.
    void SetUp() override { ::SetCursorPos(1279, 1023); }


    // Paints what is pending and returns the colour of a pixel of the window's client area.
    static COLORREF PixelOf(HWND window, int x, int y) {
        ::UpdateWindow(::GetAncestor(window, GA_ROOT));
        ::UpdateWindow(window);
        HDC dc = ::GetDC(window);
        COLORREF colour = ::GetPixel(dc, x, y);
        ::ReleaseDC(window, dc);
        return colour;
    }

    static LPARAM Point(int x, int y) { return MAKELPARAM(x, y); }

    GdiplusSession gdiplus;
};
