#include "device/DeviceLink.h"

#include "framework/Messages.h"
#include "profile/ProfileFiles.h"
#include "profile/ProfileRules.h"
#include "profile/ProfileSet.h"

#include <algorithm>

namespace {
constexpr int kLedModes = 6;  // lighting modes 0 to 5

ProfileRecord* ProfileAt(ProfileSet& profiles, int index) {
    if (index < 0 || index >= kProfileCount) return nullptr;
    return &profiles.Profiles[static_cast<size_t>(index)];
}

// Stores a value the service reports for the active profile only when the tool's own controls
// could have set it; anything else would reach the device at the next apply.
void StoreIfSound(ProfileSet& profiles, std::int32_t ProfileRecord::*field, int value) {
    ProfileRecord* active = ProfileAt(profiles, profiles.GroupID);
    if (!active) return;
    ProfileRecord changed = *active;
    changed.*field = value;
    RepairProfile(changed, profiles.GroupID);
    if (changed.*field == value) active->*field = value;
}

bool IsPollingCode(int value) {
    return std::find(kPollingCodes.begin(), kPollingCodes.end(), value) != kPollingCodes.end();
}
}  // namespace

void DeviceLink::StartDeviceService() {
    if (!FindServiceWindow()) LaunchDeviceService();
    if (ReadDeviceFlag()) {
        view.EnableApplyButton(true);
    } else {
        view.ShowDeviceAbsentLabel(true);
        view.EnableApplyButton(false);
    }
}

bool DeviceLink::ApplyProfiles() {
    HWND service = FindServiceWindow();
    if (service != answeringService) {
        // Another service owes none of the answers the last one did.
        answeringService = service;
        lateAnswers = 0;
    }
    if (!service) {
        // Nobody would confirm, and a locked row would stay locked until the tool restarts.
        const bool saved = SaveAllProfiles();
        if (!saved) view.ShowSaveFailedWarning();
        view.StopTimer(TIMER_STATUS_BLINK);
        view.ShowDevicePresentLabel(false);
        view.ShowDeviceAbsentLabel(true);
        return saved;
    }
    view.EnableBottomButtons(false);
    if (!SaveAllProfiles()) {
        // The service would program the mouse from files that are not what the user sees.
        view.ShowSaveFailedWarning();
        UnlockBottomRow();
        return false;
    }
    // The service may answer before the send returns.
    applyWaiting = true;
    view.StartTimer(TIMER_APPLY_UNCONFIRMED, kApplyConfirmMilliseconds);
    if (send(service, WM_SERVICE_APPLY, 0, 0) == ServiceReply::Refused) {
        applyWaiting = false;
        UnlockBottomRow();
        view.ShowServiceRightsWarning();
    }
    return true;
}

void DeviceLink::OnDevicePresence() {
    if (ReadDeviceFlag()) {
        view.EnableApplyButton(true);
        view.ShowDevicePresentLabel(false);
        view.ShowDeviceAbsentLabel(false);
        blinkCount = 0;
        view.StartTimer(TIMER_STATUS_BLINK, kLinkTimerMilliseconds);
    } else {
        view.StopTimer(TIMER_STATUS_BLINK);
        view.EnableApplyButton(false);
        view.ShowDevicePresentLabel(false);
        view.ShowDeviceAbsentLabel(true);
    }
}

void DeviceLink::OnDeviceSetting(int id, int value) {
    // The device changes its active profile; the pages show the current one.
    ProfileRecord* shown = ProfileAt(profiles, view.CurrentProfile());
    switch (id) {
    case SETTING_RELOAD:
        if (value == 0) view.ReloadProfiles();
        break;
    case SETTING_DPI_STAGE:
        StoreIfSound(profiles, &ProfileRecord::DPI, value);
        if (shown) view.ShowCurrentStage(shown->DPI);
        break;
    case SETTING_PROFILE:
        // A profile outside the five would send every later change past the end of the set.
        if (ProfileAt(profiles, value)) view.SelectProfile(value);
        break;
    case SETTING_POLLING: {
        const int rate = IsPollingCode(value) ? value : kFallbackPollingRate;
        if (shown) shown->PollingRate = rate;
        view.ShowPollingRate(rate);
        break;
    }
    case SETTING_LED_MODE:
        StoreIfSound(profiles, &ProfileRecord::LedMode1, value);
        if (value >= 0 && value < kLedModes) view.ApplyLedMode(value);
        break;
    case SETTING_SENSITIVITY:
        StoreIfSound(profiles, &ProfileRecord::MouseSensitivity, value);
        if (shown) view.SetSensitivitySlider(shown->MouseSensitivity);
        break;
    case SETTING_APPLY_DONE:
        OnApplyDone();
        break;
    default:
        break;
    }
}

bool DeviceLink::OnTimer(UINT_PTR id) {
    if (id == TIMER_STATUS_BLINK) {
        OnBlinkTick();
        return true;
    }
    if (id == TIMER_APPLY_UNCONFIRMED && applyWaiting) {
        // Its answer may still come; it must not unlock the apply after it.
        applyWaiting = false;
        ++lateAnswers;
    }
    if (id == TIMER_APPLY_DONE || id == TIMER_APPLY_UNCONFIRMED) {
        UnlockBottomRow();
        return true;
    }
    return false;
}

void DeviceLink::OnApplyDone() {
    // Answers come in the order of the applies, so a late one belongs to an apply given up on.
    if (lateAnswers > 0) {
        --lateAnswers;
        return;
    }
    if (!applyWaiting) return;
    applyWaiting = false;
    view.StartTimer(TIMER_APPLY_DONE, kLinkTimerMilliseconds);
}

void DeviceLink::UnlockBottomRow() {
    view.StopTimer(TIMER_APPLY_DONE);
    view.StopTimer(TIMER_APPLY_UNCONFIRMED);
    view.EnableBottomButtons(true);
    if (!ReadDeviceFlag()) view.EnableApplyButton(false);
}

void DeviceLink::OnBlinkTick() {
    // Visible on the second, fourth and sixth tick, hidden from the eighth on.
    bool visible = blinkCount % 2 == 1;
    ++blinkCount;
    if (blinkCount >= kBlinkTicks) {
        visible = false;
        view.StopTimer(TIMER_STATUS_BLINK);
    }
    view.ShowDevicePresentLabel(visible);
}
