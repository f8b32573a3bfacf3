#include "ui/main/MainPages.h"

#include "framework/Folders.h"
#include "profile/ProfileFiles.h"
#include "text/LocalisedText.h"
#include "ui/dialogs/CWarningDlg.h"
#include "ui/dialogs/SystemNotices.h"
#include "ui/main/ControlGroups.h"
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

void MainPages::EnableApplyButton(bool enable) { layout.applyButton.EnableWindow(enable); }

void MainPages::EnableBottomButtons(bool enable) {
    for (CBitmapBtn* button : layout.BottomRow()) button->EnableWindow(enable);
}

void MainPages::ShowDevicePresentLabel(bool show) { ShowControl(*layout.devicePresentLabel, show); }

void MainPages::ShowDeviceAbsentLabel(bool show) { ShowControl(*layout.deviceAbsentLabel, show); }

void MainPages::StartTimer(UINT_PTR id, UINT milliseconds) { window.SetTimer(id, milliseconds); }

void MainPages::StopTimer(UINT_PTR id) { window.KillTimer(id); }

void MainPages::ReloadProfiles() {
    LoadProfiles(StagingProfiles);
    RefreshAll();
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
