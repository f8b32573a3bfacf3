// The main window's pages together: the pointer settings and the function buttons of page 1, the
// DPI page and the lighting page, filled from the profiles as one, and what the device link shows
// on them. The window's own commands reach the pages through here as well.
#pragma once
#include "device/DeviceLinkView.h"
#include "profile/AppliedProfiles.h"
#include "profile/ProfileSet.h"
#include "text/TextIds.h"
#include "ui/main/ButtonPage.h"
#include "ui/main/DpiPage.h"
#include "ui/main/LightingPage.h"
#include "ui/main/MainLayout.h"
#include "ui/main/MainPageState.h"
#include "ui/main/PointerPage.h"

#include <string>

class MainPages : public DeviceLinkView {
public:
    // All borrowed: the main window owns them and outlives the pages.
    MainPages(CWnd& window, MainLayout& layout, MainPageState& state, ProfileSet& profiles)
        : pointer(layout, state, profiles),
          dpi(layout, state, profiles),
          lighting(window, layout, state, profiles),
          buttons(window, layout, state, profiles),
          window(window),
          layout(layout),
          state(state),
          profiles(profiles) {}

    // Fills every page and the function button captions from profile GroupID, which becomes the
    // profile shown.
    void RefreshAll();
    // A warning box with the title "Warning", `message` and `note` below it.
    void ShowNotice(TextId::Warning message, const std::wstring& note);

    // DeviceLinkView
    int CurrentProfile() const override { return state.currentProfile; }
    void EnableApplyButton(bool enable) override;
    void EnableBottomButtons(bool enable) override;
    void ShowDevicePresentLabel(bool show) override;
    void ShowDeviceAbsentLabel(bool show) override;
    void StartTimer(UINT_PTR id, UINT milliseconds) override;
    void StopTimer(UINT_PTR id) override;
    void ReloadProfiles() override;
    void SelectProfile(int profile) override;
    void ShowCurrentStage(int stageIndex) override;
    void ShowPollingRate(int code) override;
    void ApplyLedMode(int mode) override;
    void SetSensitivitySlider(int position) override;
    void ShowSaveFailedWarning() override;
    void ShowServiceRightsWarning() override;

    PointerPage pointer;
    DpiPage dpi;
    LightingPage lighting;
    ButtonPage buttons;
    // The profiles as last loaded or applied; the main window applies and compares.
    AppliedProfiles applied;

private:
    CWnd& window;
    MainLayout& layout;
    MainPageState& state;
    ProfileSet& profiles;
    ProfileSet StagingProfiles{};
    CBitmapBtn* focusBeforeLock = nullptr;  // the bottom-row button with the focus when the row was locked
};
