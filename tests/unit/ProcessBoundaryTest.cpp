// Every number and name that another program relies on, written out as that program knows it:
// the device service, the input hook library and a second start of the tool. A typo in one
// header must fail here rather than at the mouse.
#include "app/CMoxCfgApp.h"
#include "device/DeviceService.h"
#include "framework/Messages.h"

#include <gtest/gtest.h>

#include <string>

namespace {
TEST(ProcessBoundary, NumbersAsTheOtherProgramsKnowThem) {
    struct Case {
        const char* name;
        long long value;
        long long known;
    };
    const Case cases[] = {
        // service to the tool
        {"WM_DEVICE_PRESENCE", WM_DEVICE_PRESENCE, 1245},
        {"WM_DEVICE_SETTING", WM_DEVICE_SETTING, 5397},
        // the tool to the service
        {"WM_SERVICE_APPLY", WM_SERVICE_APPLY, 1246},
        {"WM_SERVICE_MACRO_CHANGED", WM_SERVICE_MACRO_CHANGED, 5396},
        {"WM_SERVICE_MACRO_BUTTON", WM_SERVICE_MACRO_BUTTON, 5398},
        // the setting ids, wParam of WM_DEVICE_SETTING
        {"SETTING_RELOAD", SETTING_RELOAD, 0},
        {"SETTING_DPI_STAGE", SETTING_DPI_STAGE, 8},
        {"SETTING_PROFILE", SETTING_PROFILE, 9},
        {"SETTING_POLLING", SETTING_POLLING, 10},
        {"SETTING_LED_MODE", SETTING_LED_MODE, 11},
        {"SETTING_SENSITIVITY", SETTING_SENSITIVITY, 12},
        {"SETTING_APPLY_DONE", SETTING_APPLY_DONE, 15},
        // the input hook library to the dialog that hooks the keyboard
        {"WM_HOOK_KEY", WM_HOOK_KEY, 0x08D2},
        // the popup menu's choice to its owner
        {"WM_MENU_PICK", WM_MENU_PICK, 0x0501},
    };
    for (const Case& c : cases) EXPECT_EQ(c.known, c.value) << c.name;
}

TEST(ProcessBoundary, NamesAsTheOtherProgramsKnowThem) {
    struct Case {
        const char* what;
        std::wstring value;
        std::wstring known;
    };
    const Case cases[] = {
        {"the service window's title, which the tool looks for", SERVICE_WINDOW_TITLE, L"Orvane_GamingMouse_HID"},
        {"the tool window's title, which the service looks for", TOOL_WINDOW_TITLE, L"Orvane"},
        {"the single-instance mutex", kInstanceMutexName, L"MOX_GAMING_MOUSE_CONFIG_MUTEX"},
    };
    for (const Case& c : cases) EXPECT_EQ(c.known, c.value) << c.what;
}
}  // namespace
