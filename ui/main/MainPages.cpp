#include "ui/main/MainPages.h"

#include "framework/Folders.h"
#include "profile/ProfileFiles.h"
#include "skin/FocusOrder.h"
#include "text/LocalisedText.h"
#include "ui/dialogs/CWarningDlg.h"
#include "ui/dialogs/SystemNotices.h"
#include "ui/main/ControlGroups.h"
#include "ui/main/MainTabOrder.h"
#include "ui/main/SettingsValues.h"

namespace {
using TextId::Warning;
}  // namespace

void MainPages::RefreshAll() {
    state.currentProfile = ProfileIndex(profiles.GroupID);
    SelectRadio(layout.profileTabs, state.currentProfile);
    pointer.Refresh();
    lighting.Refresh();
    dpi.Refresh();
    buttons.RefreshButtonLabels();
}

void MainPages::ShowNotice(TextId::Warning message, const std::wstring& note) {
    CWarningDlg notice(&window, LoadUiString(Warning::Title), LoadUiString(message), note);
    notice.DoModal();
}

// A control disabled while it has the focus takes the focus with it, and the keys then reach no
// control at all: Tab included. So the focus moves on to the control before it, or, while the
// bottom row is locked, comes back to its button once the row is unlocked.
void MainPages::EnableApplyButton(bool enable) {
    if (!enable && ::GetFocus() == layout.applyButton.m_hWnd && ::GetActiveWindow() == window.m_hWnd) {
        MoveFocusAlong(MainTabOrder(layout, state.currentPage), true);
    }
    layout.applyButton.EnableWindow(enable);
}

void MainPages::EnableBottomButtons(bool enable) {
    const HWND focus = ::GetFocus();
    for (CBitmapBtn* button : layout.BottomRow()) {
        if (!enable && button->m_hWnd == focus) focusBeforeLock = button;
        button->EnableWindow(enable);
    }
    if (!enable) return;
    if (focusBeforeLock && !::GetFocus() && ::GetActiveWindow() == window.m_hWnd) ::SetFocus(focusBeforeLock->m_hWnd);
    focusBeforeLock = nullptr;
}

void MainPages::ShowDevicePresentLabel(bool show) { ShowControl(*layout.devicePresentLabel, show); }

void MainPages::ShowDeviceAbsentLabel(bool show) { ShowControl(*layout.deviceAbsentLabel, show); }

void MainPages::StartTimer(UINT_PTR id, UINT milliseconds) { window.SetTimer(id, milliseconds); }

void MainPages::StopTimer(UINT_PTR id) { window.KillTimer(id); }

void MainPages::ReloadProfiles() {
    // The files are the device's word: edits not applied give way to them without a question.
    LoadProfiles(StagingProfiles);
    RefreshAll();
    applied.Settle(profiles);
}

void MainPages::SelectProfile(int profile) {
    if (profile < 0 || profile >= kProfileCount) return;
    for (int i = 0; i < kProfileCount; ++i) layout.profileTabs[i].SetCheck(i == profile);
    state.currentProfile = profile;
    profiles.GroupID = profile;
    // Edits go to the profile selected, so every page shows it, however it was selected; an open
    // function menu belonged to a button of the profile left.
    buttons.CloseFunctionMenu();
    RefreshAll();
}

void MainPages::ShowCurrentStage(int stageIndex) { dpi.ShowCurrentStage(SettingsValues::StageNumber(stageIndex)); }

void MainPages::ShowPollingRate(int code) {
    pointer.SelectPollingButton(SettingsValues::PollingButtonForCode(code));
}

void MainPages::ApplyLedMode(int mode) { lighting.ApplyLedMode(mode); }

void MainPages::SetSensitivitySlider(int position) { pointer.ShowPointerSlider(1, position); }

void MainPages::ShowSaveFailedWarning() { ShowNotice(Warning::SettingsNotSaved, DataFolder); }

void MainPages::ShowServiceRightsWarning() { ShowServiceRightsNotice(&window); }
