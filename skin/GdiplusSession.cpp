#include "skin/GdiplusSession.h"

#include <gdiplus.h>

GdiplusSession::GdiplusSession() {
    Gdiplus::GdiplusStartupInput input;
    if (Gdiplus::GdiplusStartup(&token, &input, nullptr) != Gdiplus::Ok) token = 0;
}

GdiplusSession::~GdiplusSession() {
    if (token) Gdiplus::GdiplusShutdown(token);
}
