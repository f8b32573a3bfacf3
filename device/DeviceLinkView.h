// What the main window shows of the device link. DeviceLink decides; the main window implements
// these with its controls and timers.
#pragma once
#include <windows.h>

class DeviceLinkView {
public:
    virtual ~DeviceLinkView() = default;

    // The profile the pages show (currentProfile).
    virtual int CurrentProfile() const = 0;

    virtual void EnableApplyButton(bool enable) = 0;
    // export, import, reset, reset all and apply together
    virtual void EnableBottomButtons(bool enable) = 0;
    virtual void ShowDevicePresentLabel(bool show) = 0;
    virtual void ShowDeviceAbsentLabel(bool show) = 0;
    // Starting a running timer starts it anew.
    virtual void StartTimer(UINT_PTR id, UINT milliseconds) = 0;
    virtual void StopTimer(UINT_PTR id) = 0;

    // The loading sequence from the profile files, then every page and button label refreshed.
    virtual void ReloadProfiles() = 0;
    // The profile tab radio: tabs, currentProfile and GroupID; then every page and button label shows it.
    virtual void SelectProfile(int profile) = 0;
    // "Current Stage : %d" with the number of the stage index, which comes unchecked from the device.
    virtual void ShowCurrentStage(int stageIndex) = 0;
    // Selects the polling button of a polling rate code.
    virtual void ShowPollingRate(int code) = 0;
    // The lighting page's option groups for a mode 0 to 5.
    virtual void ApplyLedMode(int mode) = 0;
    virtual void SetSensitivitySlider(int position) = 0;
    // The profile files could not be written, so nothing was sent to the mouse.
    virtual void ShowSaveFailedWarning() = 0;
    // The service runs with other rights than the tool and drops its messages.
    virtual void ShowServiceRightsWarning() = 0;
};
