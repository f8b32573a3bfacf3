// The device simulator's hidden window "Orvane_GamingMouse_HID". It takes the tool's messages and
// the control commands of later invocations, and plays the mouse's side towards the tool's window
// "Orvane". Like the real service it keeps the mouse's state in the shared files: the device flag
// in the macro library and the five profile files.
#pragma once
#include "companions/SimulatorCommand.h"
#include "companions/SimulatorLog.h"
#include "framework/CWnd.h"

#include <string>

class DeviceSimulator : public CWnd {
public:
    DeviceSimulator();

    // Creates the window, prepares the data folder, marks the mouse present and tells the tool.
    bool Start();

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    // WM_COPYDATA carrying a control command: this tag, and the command's words as UTF-16 text.
    static constexpr ULONG_PTR kCommandTag = 0x4F52'5641;
    static constexpr size_t kMaxCommandChars = 256;

private:
    // Answers an apply at once and leaves the reading of the files to ReadAppliedProfiles.
    void OnServiceApply();
    // Reads the five profile files as the mouse's new state, then confirms the apply.
    void ReadAppliedProfiles();
    // True when the data carried a valid command.
    bool OnCopyData(const COPYDATASTRUCT* data);
    void RunCommand(const SimulatorCommand& command);
    void OnPresenceTimer();
    // A new mouse holds its factory profiles: written when none of the five files exists.
    bool WriteFactoryProfilesIfMissing();

    void SetDevicePresent(bool present);
    void PressDpiButton();
    void SwitchProfile(int profile);
    void RewriteProfileValue(int profile, const std::wstring& key, int value);
    // The window's thread stops answering for `seconds`, as a hung service does.
    void OnHang(int seconds);
    // Posts to the tool's window; false when it does not exist.
    bool TellTool(UINT message, WPARAM wParam, LPARAM lParam);

    SimulatorLog log;
    int presenceTries = 0;
    bool reloadPending = false;  // the tool should read the factory profiles once it is there
    bool confirmApplies = true;  // false: applies are taken and never confirmed
    bool dieOnApply = false;     // the next apply ends the process before it is answered
};
