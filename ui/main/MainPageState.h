// What the main window's pages show: shared by the window and its pages.
#pragma once
#include <windows.h>

constexpr int kMainPageCount = 3;  // buttons, DPI, lighting

struct MainPageState {
    int currentPage = 0;      // 0 before the first page is shown, then 1 to 3
    int currentProfile = 0;   // the profile the pages show, 0 to 4
    int shownLedMode = 0;     // the lighting mode whose option groups are shown
    COLORREF currentColor = RGB(0xFF, 0, 0);  // the lighting colour shown
};
