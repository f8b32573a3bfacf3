// The tool's side of the device service link: starting the service, the apply hand-over, and
// what the service's messages and the link's two timers change in the profiles and show.
#pragma once
#include "device/DeviceLinkView.h"

#include <windows.h>

struct ProfileSet;

constexpr UINT_PTR TIMER_STATUS_BLINK = 532;
constexpr UINT_PTR TIMER_APPLY_DONE = 534;
constexpr UINT kLinkTimerMilliseconds = 500;

class DeviceLink {
public:
    // Both are borrowed and outlive the link. `profiles` is the working copy, WorkingProfiles,
    // which the service's settings change and ApplyProfiles saves.
    DeviceLink(DeviceLinkView& view, ProfileSet& profiles) : view(view), profiles(profiles) {}

    // Starts hid.exe when its window is missing, then shows the device flag.
    void StartDeviceService();
    // Locks the bottom-row buttons, writes the five profile files and tells the service; the
    // buttons stay locked until the service reports SETTING_APPLY_DONE.
    void ApplyProfiles();

    // OnDevicePresence()
    void OnDevicePresence();
    // OnDeviceSetting(int id, int value)
    void OnDeviceSetting(int id, int value);
    // OnTimer(UINT_PTR id): true when the timer is one of the link's.
    bool OnTimer(UINT_PTR id);

    // The status label blinks for this many ticks after the device came.
    static constexpr int kBlinkTicks = 8;
    // The polling rate stored for a code the polling buttons do not offer.
    static constexpr int kFallbackPollingRate = 2;

private:
    void OnBlinkTick();

    DeviceLinkView& view;
    ProfileSet& profiles;
    int blinkCount = 0;
};
