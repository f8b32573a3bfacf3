// The tool's side of the device service link: starting the service, the apply hand-over, and
// what the service's messages and the link's two timers change in the profiles and show.
#pragma once
#include "device/DeviceLinkView.h"
#include "device/DeviceService.h"

#include <windows.h>

struct ProfileSet;

constexpr UINT_PTR TIMER_STATUS_BLINK = 532;
constexpr UINT_PTR TIMER_APPLY_DONE = 534;
constexpr UINT kLinkTimerMilliseconds = 500;
// Unlocks the bottom row when the service has not confirmed an apply in time.
constexpr UINT_PTR TIMER_APPLY_UNCONFIRMED = 535;
constexpr UINT kApplyConfirmMilliseconds = 10000;

class DeviceLink {
public:
    // Both are borrowed and outlive the link. `profiles` is the working copy, WorkingProfiles,
    // which the service's settings change and ApplyProfiles saves. `send` carries the messages to
    // the service (a test puts a stand-in there).
    DeviceLink(DeviceLinkView& view, ProfileSet& profiles, ServiceSender send = SendToService)
        : view(view), profiles(profiles), send(send) {}

    // Starts hid.exe when its window is missing, then shows the device flag.
    void StartDeviceService();
    // Writes the five profile files and tells the service. While the service works the
    // bottom-row buttons are locked: until it reports SETTING_APPLY_DONE, or for
    // kApplyConfirmMilliseconds at most; the row then unlocks with Apply enabled only while the
    // device flag says the mouse is there. Without a service window the files are still written,
    // the row stays enabled and the device is shown as absent. Files that could not be written
    // are not applied: the user is warned and the row unlocks. A service that refuses the message
    // (it runs with other rights) cannot answer: the row is unlocked at once and the user is told why.
    void ApplyProfiles();

    void OnDevicePresence();
    void OnDeviceSetting(int id, int value);
    // True when the timer is one of the link's.
    bool OnTimer(UINT_PTR id);

    // The status label blinks for this many ticks after the device came.
    static constexpr int kBlinkTicks = 8;
    // The polling rate stored for a code the polling buttons do not offer.
    static constexpr int kFallbackPollingRate = 2;

private:
    void OnBlinkTick();
    void OnApplyDone();
    void UnlockBottomRow();

    DeviceLinkView& view;
    ProfileSet& profiles;
    ServiceSender send;
    int blinkCount = 0;
    bool applyWaiting = false;  // an apply sent and neither confirmed nor given up on
    int lateAnswers = 0;        // confirmations still owed for applies given up on
    HWND answeringService = nullptr;  // looked up anew for every apply; only compared
};
