// The device service hid.exe as the tool sees it: its window, found by title before every use
// and never kept; the messages the tool sends it (framework/Messages.h); the device flag it keeps in the
// macro library; and the setting ids of WM_DEVICE_SETTING.
#pragma once
#include <windows.h>

#include <string>

struct ProfileSet;

constexpr wchar_t SERVICE_WINDOW_TITLE[] = L"Orvane_GamingMouse_HID";
// The tool's main window, to which the service sends its messages.
constexpr wchar_t TOOL_WINDOW_TITLE[] = L"Orvane";

// Setting ids, the wParam of WM_DEVICE_SETTING; the value is its lParam.
constexpr int SETTING_RELOAD = 0;       // value 0: reload all profiles from the files
constexpr int SETTING_DPI_STAGE = 8;    // stage index 0 to 4 of the active profile
constexpr int SETTING_PROFILE = 9;      // the device's active profile, 0 to 4
constexpr int SETTING_POLLING = 10;     // polling rate code of the shown profile
constexpr int SETTING_LED_MODE = 11;    // lighting mode of the active profile
constexpr int SETTING_SENSITIVITY = 12; // pointer sensitivity of the active profile
constexpr int SETTING_APPLY_DONE = 15;  // the last WM_SERVICE_APPLY has been carried out

// How long a message to the service may take before the service counts as missing: it may read
// all profile files meanwhile, but a hung service must not freeze the tool.
constexpr UINT kServiceReplyMilliseconds = 5000;

// What became of a message to the service.
enum class ServiceReply {
    Answered,
    // The window is gone, hung or did not answer within kServiceReplyMilliseconds.
    Missing,
    // The system dropped the message: the service runs at a higher integrity level (elevated)
    // than the tool, so none of the tool's messages will ever reach it.
    Refused,
};

HWND FindServiceWindow();
// The reply of a SendMessageTimeoutW result, the error it left and whether the service's window
// still exists after it: a service that ended during the send can leave "access denied" too.
ServiceReply ServiceReplyOf(BOOL sent, DWORD error, bool windowStillThere);
// Sends a message to a service window found before.
ServiceReply SendToService(HWND service, UINT message, WPARAM wParam, LPARAM lParam);
using ServiceSender = ServiceReply (*)(HWND service, UINT message, WPARAM wParam, LPARAM lParam);

// The command line that starts the service: its full path, quoted, so that a folder with spaces
// ("C:\Program Files\Orvane\") cannot be read as another program.
std::wstring ServiceCommandLine(const std::wstring& toolDirectory);
// Starts "hid.exe" from the tool's directory, in that directory, without waiting for it.
void LaunchDeviceService();
// Lets the service's two messages through to `window` even when the service runs at a lower
// integrity level than the tool (an elevated tool). A refusal changes nothing the tool could mend.
void AllowServiceMessages(HWND window);
// The macro library, in which the service keeps the device flag: key "Device" of section "Setting".
std::wstring DeviceFlagFilePath();
// The device flag: nonzero when the mouse is present, 0 when the file or key is missing.
int ReadDeviceFlag();

// After a macro's file was written: WM_SERVICE_MACRO_CHANGED with the macro's slot (-1 when the
// library does not hold the name).
ServiceReply SendMacroChanged(const std::wstring& macroName);
// After a macro's file was written: WM_SERVICE_MACRO_BUTTON for every button that plays the
// macro (function code 11, the very same name), profiles and buttons in order. Stops when the
// service does not answer; Answered also when no button plays the macro.
ServiceReply SendMacroButtons(const ProfileSet& profiles, const std::wstring& macroName);
